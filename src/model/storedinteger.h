#pragma once

#include <QString>
#include <cmath>
#include <limits>

#include "model/format.h"
#include "platform/settings.h"

// A whole number kept in the settings store, or the fallback when the key is missing or its value is
// zero, not a number or out of the type's range.
template <typename T>
T storedInteger(const Settings& settings, const QString& key, T fallback) {
    const QString text = settings.value(key);
    if (!Format::isNumeric(text)) return fallback;
    const double value = std::round(Format::valueOf(text));
    if (value == 0 || value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        return fallback;
    return static_cast<T>(value);
}
