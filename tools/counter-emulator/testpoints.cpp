#include "testpoints.h"

#include <cstdint>
#include <sstream>

namespace {

// Made-up readings that look like a real test: 4-12 mm per drop, 15-35 mm in the soft layer.
std::vector<double> madeUpReadings(int number, int drops, int softFirst, int softLast) {
    std::uint32_t state = 2463534242u + std::uint32_t(number) * 7919u;
    const auto next = [&state](int low, int high) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return low + int(state % std::uint32_t(high - low + 1));
    };
    std::vector<double> readings;
    for (int drop = 1; drop <= drops; ++drop) {
        const bool soft = drop >= softFirst && drop <= softLast;
        readings.push_back(soft ? next(75, 175) * 0.2 : next(20, 60) * 0.2);
    }
    return readings;
}

bool parseStamp(const std::string& date, const std::string& time, TestPoint& point) {
    char slash = 0, colon = 0;
    std::istringstream dateIn(date), timeIn(time);
    return (dateIn >> point.month >> slash >> point.day) && slash == '/' &&
           (timeIn >> point.hour >> colon >> point.minute) && colon == ':' && point.month >= 1 &&
           point.month <= 12 && point.day >= 1 && point.day <= 31 && point.hour >= 0 && point.hour <= 23 &&
           point.minute >= 0 && point.minute <= 59;
}

std::optional<TestPoint> parseLine(const std::string& line) {
    std::istringstream in(line);
    TestPoint point;
    std::string date, time, drops;
    if (!(in >> point.number >> date >> time >> drops) || point.number < 0 || point.number > 255 ||
        !parseStamp(date, time, point))
        return std::nullopt;
    if (drops == "=") {
        double reading = 0;
        while (in >> reading) point.readings.push_back(reading);
        if (!in.eof()) return std::nullopt;
    } else {
        const int count = std::stoi(drops);
        int softFirst = 0, softLast = -1;
        std::string word;
        char dash = 0;
        if (in >> word && (word != "soft" || !(in >> softFirst >> dash >> softLast) || dash != '-'))
            return std::nullopt;
        point.readings = madeUpReadings(point.number, count, softFirst, softLast);
    }
    if (point.readings.size() > 255) return std::nullopt;
    return point;
}

}  // namespace

TestPointsOrError parseTestPoints(const std::string& description) {
    TestPointsOrError result;
    std::istringstream in(description);
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        line = line.substr(0, line.find('#'));
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        std::optional<TestPoint> point;
        try {
            point = parseLine(line);
        } catch (const std::exception&) {
            point.reset();
        }
        if (!point) {
            result.error = "line " + std::to_string(lineNumber) + ": not a test point: " + line;
            return result;
        }
        result.points.push_back(*point);
    }
    return result;
}

std::vector<TestPoint> sampleTestPoints() {
    return parseTestPoints(
               "1 06/12 09:30 30\n"
               "2 06/12 10:05 60 soft 22-34\n"
               "3 06/12 10:40 90\n"
               "4 06/12 11:20 120\n"
               "5 06/12 13:05 45\n")
        .points;
}
