#pragma once

// Logic that reaches up to the commands above it.
#include "commands/commands.h"
