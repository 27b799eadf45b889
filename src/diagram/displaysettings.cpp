#include "diagram/displaysettings.h"

#include "model/storedinteger.h"

namespace {

QString colourKey(int index) {
    return QStringLiteral("Color%1").arg(index);
}
QString monoKey(int index) {
    return QStringLiteral("Mono%1").arg(index);
}

}  // namespace

void DisplaySettings::load(Settings& settings) {
    // Black is a colour a user may choose: a stored 0 is kept. A colour has 24 bits.
    constexpr qint32 White = 0xFFFFFF;
    for (size_t i = 1; i <= 5; ++i) {
        Color[i] = keptInteger(settings, colourKey(int(i)), DefaultColor[i], StoredZero::IsValue, 0, White);
        Mono[i] = keptInteger(settings, monoKey(int(i)), DefaultMono[i], StoredZero::IsValue, 0, White);
    }
}

void DisplaySettings::save(Settings& settings) const {
    for (size_t i = 1; i <= 5; ++i) {
        settings.setValue(colourKey(int(i)), QString::number(Color[i]));
        settings.setValue(monoKey(int(i)), QString::number(Mono[i]));
    }
}
