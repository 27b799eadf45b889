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

// Name of the executable, used in command-line messages.
inline QString programName() {
    return QStringLiteral("terrako-diagraph");
}

}  // namespace AppInfo
