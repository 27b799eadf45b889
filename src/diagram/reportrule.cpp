#include "diagram/reportrule.h"

#include <cmath>

#include "model/format.h"
#include "platform/settings.h"

namespace {

const QString HardLimitKey = QStringLiteral("ReportHardLimit");
const QString TargetKey = QStringLiteral("ReportTarget");

QString storedText(double value) {
    return QString::fromStdString(Format::shortest(value));
}

QString storedText(const std::optional<double>& value) {
    return value ? storedText(*value) : QString();
}

// The stored value of a key, or the fallback when it is missing; a text that is no positive number is
// replaced by the fallback, one written otherwise by the program's own text of its value.
std::optional<double> keptValue(Settings& settings, const QString& key, std::optional<double> fallback) {
    const QString text = settings.value(key);
    if (text.isEmpty()) return fallback;
    const std::optional<double> value = positiveValueOf(text);
    const std::optional<double> kept = value ? value : fallback;
    if (storedText(kept) != text) settings.setValue(key, storedText(kept));
    return kept;
}

}  // namespace

std::optional<double> positiveValueOf(QStringView text) {
    if (!Format::isNumeric(text)) return std::nullopt;
    const double value = Format::valueOf(text);
    if (!std::isfinite(value) || value <= 0) return std::nullopt;
    return value;
}

void ReportRule::load(Settings& settings) {
    hardLimit = *keptValue(settings, HardLimitKey, DefaultHardLimit);
    target = keptValue(settings, TargetKey, std::nullopt);
}

void ReportRule::save(Settings& settings) const {
    settings.setValue(HardLimitKey, storedText(hardLimit));
    settings.setValue(TargetKey, storedText(target));
}
