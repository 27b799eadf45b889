#pragma once

#include <optional>
#include <string>
#include <vector>

// A test point as the counter records it.
struct TestPoint {
    int number = 1;
    int month = 1, day = 1, hour = 0, minute = 0;
    std::vector<double> readings;  // penetration of each drop in mm
};

// Reads a description of test points, one per line ('#' starts a comment):
//   NUMBER MM/DD HH:MM DROPS [soft FIRST-LAST]   readings made up, larger in the soft drops
//   NUMBER MM/DD HH:MM = MM MM MM ...             the readings given in mm
// Returns the points, or the error with its line number.
struct TestPointsOrError {
    std::vector<TestPoint> points;
    std::string error;
};
TestPointsOrError parseTestPoints(const std::string& description);

// Five test points of 30 to 120 drops, one of them with a soft layer.
std::vector<TestPoint> sampleTestPoints();
