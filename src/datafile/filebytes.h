#pragma once

#include <sys/types.h>
#include <QString>
#include <chrono>
#include <optional>
#include <string>

#include "platform/failure.h"

// How long an input may stay silent (a pipe whose writer stopped writing) before it is given up.
constexpr std::chrono::milliseconds InputSilence = std::chrono::seconds(10);

// The whole content of a file of at most `largest` bytes, read to its end also from a pipe or a
// device; or nothing, and in `failure` why: RefusedInput for a larger input or one that stayed silent
// for InputSilence, Unreadable for one that could not be read.
std::optional<std::string> ReadFileBytes(const QString& path, off_t largest, std::optional<Failure>& failure);
