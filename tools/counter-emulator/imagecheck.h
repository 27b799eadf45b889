#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// The parameter bytes the image must carry; an empty entry accepts any value.
using ExpectedParameters = std::array<std::optional<std::uint8_t>, 6>;

// Checks a received system-area image: 1024 bytes, the display message table, the PC's clock close
// to `now` (BCD minute, hour, day, month and the year byte), the parameter bytes, the zero bytes and
// the fill. Returns one line per fault; none when the image is sound.
std::vector<std::string> checkImage(const std::vector<std::uint8_t>& image, std::time_t now,
                                    const ExpectedParameters& parameters);
