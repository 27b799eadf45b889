#include "memoryimage.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>

namespace {

constexpr std::size_t IndexAddress = 2;
constexpr std::size_t RecordsAddress = 256;
constexpr std::size_t MaxRecords = (RecordsAddress - IndexAddress) / 2;

std::uint8_t bcd(int value) {
    return std::uint8_t((value / 10) << 4 | value % 10);
}

void put16(std::vector<std::uint8_t>& memory, std::size_t address, int value) {
    const auto word = std::uint16_t(std::int16_t(value));
    memory[address] = std::uint8_t(word & 0xFF);
    memory[address + 1] = std::uint8_t(word >> 8);
}

}  // namespace

MemoryOrError encodeMemory(const std::vector<TestPoint>& points) {
    MemoryOrError result;
    if (points.size() > MaxRecords) {
        result.error = "at most " + std::to_string(MaxRecords) + " test points fit the index";
        return result;
    }
    std::vector<std::uint8_t> memory(DataMemorySize, 0xFF);
    memory[0] = std::uint8_t(points.size());
    memory[1] = 0;
    std::size_t address = RecordsAddress;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TestPoint& point = points[i];
        const std::size_t size = 8 + 2 * point.readings.size();
        if (address + size > memory.size()) {
            result.error = "the test points do not fit the counter's memory";
            return result;
        }
        put16(memory, IndexAddress + 2 * i, int(address));
        int depth = 0;
        std::vector<int> steps;
        for (const double reading : point.readings) {
            steps.push_back(int(std::lround(reading / 0.2)));
            depth += steps.back();
        }
        memory[address] = std::uint8_t(point.number);
        memory[address + 1] = bcd(point.minute);
        memory[address + 2] = bcd(point.hour);
        memory[address + 3] = bcd(point.day);
        memory[address + 4] = bcd(point.month);
        memory[address + 5] = std::uint8_t(point.readings.size());
        put16(memory, address + 6, std::min(depth, 32767));  // header value: the depth reached
        for (std::size_t drop = 0; drop < steps.size(); ++drop)
            put16(memory, address + 8 + 2 * drop, steps[drop]);
        address += size;
    }
    result.bytes = std::move(memory);
    return result;
}

std::string hexText(const std::vector<std::uint8_t>& bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t byte : bytes) {
        text += Digits[byte >> 4];
        text += Digits[byte & 0x0F];
    }
    return text;
}

DigitsOrError loadDump(const std::string& path) {
    DigitsOrError result;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "cannot read " + path;
        return result;
    }
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    const bool allHex = std::all_of(line.begin(), line.end(),
                                    [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
    if (line.size() != std::size_t(ChunkCount * ChunkDigits) || !allHex) {
        result.error = path + ": the first line must hold exactly 30720 hexadecimal digits";
        return result;
    }
    result.digits = line;
    return result;
}
