#pragma once

#include <QStringView>
#include <optional>

class Settings;

// The rule a site report judges its points by. The effective soil depth of a point is the depth
// reached with the first drop whose softness (rounded to 0.1, as the classes judge it) is at or below
// the hard limit; a point never that hard has the depth it reached, at least. With a target depth,
// a point whose effective depth reaches it is fit (適), any other unfit (不適).
struct ReportRule {
    static constexpr double DefaultHardLimit = 0.7;  // cm/drop, the bound of class 1

    double hardLimit = DefaultHardLimit;
    std::optional<double> target;  // cm; none: points are not judged

    // Kept in the settings store between runs; a stored value that is no positive number falls back to
    // its default and leaves the store.
    void load(Settings& settings);
    void save(Settings& settings) const;
};

// A value of the rule as typed or given: a positive finite number, or nothing for any other text.
std::optional<double> positiveValueOf(QStringView text);
