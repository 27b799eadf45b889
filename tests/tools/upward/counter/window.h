#pragma once

// Logic that reaches into the window layer.
#include "counter/gui/K40DebForm.h"
