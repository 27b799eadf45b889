#pragma once

#include <QString>
#include <cmath>
#include <limits>

#include "model/format.h"
#include "platform/settings.h"

// Whether a stored zero is a value of its own or stands for "nothing stored".
enum class StoredZero { IsValue, IsMissing };

// A whole number kept in the settings store, or the fallback when the key is missing or its value is
// not a number, outside lowest..highest (the type's range unless given), or a zero that means nothing
// stored.
template <typename T>
T storedInteger(const Settings& settings, const QString& key, T fallback, StoredZero zero,
                T lowest = std::numeric_limits<T>::min(), T highest = std::numeric_limits<T>::max()) {
    const QString text = settings.value(key);
    if (!Format::isNumeric(text)) return fallback;
    const double value = std::round(Format::valueOf(text));
    if ((value == 0 && zero == StoredZero::IsMissing) || !(value >= lowest && value <= highest))
        return fallback;
    return static_cast<T>(value);
}

// The same, and a stored text that is not the number taken (a value no program wrote, or the same
// number written otherwise) is replaced by it, so that the store keeps only what the program writes.
template <typename T>
T keptInteger(Settings& settings, const QString& key, T fallback, StoredZero zero, T lowest, T highest) {
    const T value = storedInteger(settings, key, fallback, zero, lowest, highest);
    const QString text = QString::number(value);
    if (const QString stored = settings.value(key); !stored.isEmpty() && stored != text)
        settings.setValue(key, text);
    return value;
}
