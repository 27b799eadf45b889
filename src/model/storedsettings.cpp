#include "model/storedsettings.h"

#include <cmath>
#include <limits>

#include "model/format.h"
#include "model/testdata.h"
#include "platform/settings.h"

namespace {

QString colourKey(int index) {
    return QStringLiteral("Color%1").arg(index);
}
QString monoKey(int index) {
    return QStringLiteral("Mono%1").arg(index);
}
const QString PortKey = QStringLiteral("K40DRV_H5");

// The stored integer, or the fallback when the key is missing, zero, not a number or out of range.
template <typename T>
T storedInteger(const Settings& settings, const QString& key, T fallback) {
    const QString text = settings.value(key);
    if (!Format::isNumeric(text)) return fallback;
    const double value = std::round(Format::valueOf(text));
    if (value == 0 || value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        return fallback;
    return static_cast<T>(value);
}

}  // namespace

void loadStoredSettings(TestData& data, const Settings& settings) {
    for (int i = 1; i <= 5; ++i) {
        data.Color[i] = storedInteger(settings, colourKey(i), TestData::DefaultColor[i]);
        data.Mono[i] = storedInteger(settings, monoKey(i), TestData::DefaultMono[i]);
    }
    data.CommPort = storedInteger<qint16>(settings, PortKey, 2);
}

void saveStoredSettings(const TestData& data, Settings& settings) {
    for (int i = 1; i <= 5; ++i) {
        settings.setValue(colourKey(i), QString::number(data.Color[i]));
        settings.setValue(monoKey(i), QString::number(data.Mono[i]));
    }
    settings.setValue(PortKey, QString::number(data.CommPort));
}
