#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The per-user settings store: string values under the application's name, section "Settings".
class Settings {
public:
    virtual ~Settings() = default;

    // The stored text of a key of the "Settings" section; empty when the key is missing.
    virtual QString value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QString& value) = 0;
};

// Settings kept in an INI file: the user's configuration file of the application, or a file of the
// caller's choosing (tests point it at a temporary file).
class IniSettings : public Settings {
public:
    IniSettings();
    explicit IniSettings(const QString& filePath);

    QString value(const QString& key) const override;
    void setValue(const QString& key, const QString& value) override;

private:
    std::unique_ptr<QSettings> store_;
};
