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

void DisplaySettings::load(const Settings& settings) {
    // Black is a colour a user may choose: a stored 0 is kept.
    for (size_t i = 1; i <= 5; ++i) {
        Color[i] = storedInteger(settings, colourKey(int(i)), DefaultColor[i], StoredZero::IsValue);
        Mono[i] = storedInteger(settings, monoKey(int(i)), DefaultMono[i], StoredZero::IsValue);
    }
}

void DisplaySettings::save(Settings& settings) const {
    for (size_t i = 1; i <= 5; ++i) {
        settings.setValue(colourKey(int(i)), QString::number(Color[i]));
        settings.setValue(monoKey(int(i)), QString::number(Mono[i]));
    }
}
