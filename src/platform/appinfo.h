#pragma once

#include <QString>

// Names the application shows and stores under.
namespace AppInfo {

// Title of the application: message boxes without a title of their own, and the settings store.
inline QString title() {
    return QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ");
}

inline QString version() {
    return QStringLiteral("4.00");
}

// A window's caption, followed by the data file's name in brackets when there is one.
inline QString captionWithFile(const QString& caption, const QString& file) {
    return file.isEmpty() ? caption : caption + QStringLiteral(" [") + file + QLatin1Char(']');
}

// The name the desktop knows the application by: its menu entry (the .desktop file) and icon.
inline QString desktopId() {
    return QStringLiteral("org.terrako.diagraph");
}

// Name of the executable, used in command-line messages.
inline QString programName() {
    return QStringLiteral("terrako-diagraph");
}

}  // namespace AppInfo
