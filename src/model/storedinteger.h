#pragma once

#include <QString>
#include <cmath>
#include <limits>

#include "model/format.h"
#include "platform/settings.h"

// Whether a stored zero is a value of its own or stands for "nothing stored".
enum class StoredZero { IsValue, IsMissing };

// A whole number kept in the settings store, or the fallback when the key is missing or its value is
// not a number, out of the type's range, or a zero that means nothing stored.
template <typename T>
T storedInteger(const Settings& settings, const QString& key, T fallback, StoredZero zero) {
    const QString text = settings.value(key);
    if (!Format::isNumeric(text)) return fallback;
    const double value = std::round(Format::valueOf(text));
    if ((value == 0 && zero == StoredZero::IsMissing) || value < std::numeric_limits<T>::min() ||
        value > std::numeric_limits<T>::max())
        return fallback;
    return static_cast<T>(value);
}
