#include "platform/settings.h"

#include "platform/appinfo.h"

namespace {

QString sectionKey(const QString& key) {
    return QStringLiteral("Settings/") + key;
}

}  // namespace

IniSettings::IniSettings()
    : store_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, AppInfo::title())) {}

IniSettings::IniSettings(const QString& filePath)
    : store_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

QString IniSettings::value(const QString& key) const {
    return store_->value(sectionKey(key)).toString();
}

// The file is written when the store goes away (or by Qt's own timer), once for all the keys set.
void IniSettings::setValue(const QString& key, const QString& value) {
    store_->setValue(sectionKey(key), value);
}
