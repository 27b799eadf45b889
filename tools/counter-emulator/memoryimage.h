#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "testpoints.h"

// The counter's data memory (addresses 0x0000-0x3BFF) as it sends it: 960 chunks of 16 bytes, each as
// 32 hexadecimal digits.
inline constexpr int DataMemorySize = 15360;
inline constexpr int ChunkCount = 960;
inline constexpr int ChunkDigits = 32;

// Lays the test points out as the counter records them: at 0 the number of records, at 2 one 16-bit
// little-endian entry per record (its address), from 256 the records one after another (number, BCD
// minute, hour, day, month, number of drops, 16-bit header value, 16-bit readings in steps of
// 0.2 mm). Unused memory is 0xFF. Fails when the points do not fit.
struct MemoryOrError {
    std::vector<std::uint8_t> bytes;
    std::string error;
};
MemoryOrError encodeMemory(const std::vector<TestPoint>& points);

// The memory as the hexadecimal text the counter sends, upper-case digits.
std::string hexText(const std::vector<std::uint8_t>& bytes);

// The digits of a k40read.tmp-style file: the first line, exactly 30720 hexadecimal digits.
struct DigitsOrError {
    std::string digits;
    std::string error;
};
DigitsOrError loadDump(const std::string& path);
