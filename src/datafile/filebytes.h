#pragma once

#include <sys/types.h>
#include <QString>
#include <optional>
#include <string>

// The whole content of a file of at most `largest` bytes, or, when it cannot be read or is larger, the
// reason in the user's words; `*tooLarge` (when given) tells the second case.
std::optional<std::string> ReadFileBytes(const QString& path, off_t largest, QString& reason,
                                         bool* tooLarge = nullptr);
