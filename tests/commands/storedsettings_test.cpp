// Settings no program wrote: each falls back to its default and leaves the settings file.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "commands/recentfiles.h"
#include "counter/portsetting.h"
#include "diagram/displaysettings.h"
#include "platform/settings.h"

namespace {

// What the program takes from the store at start, as the texts it would write.
QStringList loaded(Settings& settings) {
    DisplaySettings display;
    display.load(settings);
    PortSetting port;
    port.load(settings);
    return {QString::number(display.Color[1]), QString::number(display.Mono[2]),
            QString::number(port.CommPort), port.CommDevice, RecentFiles(settings).files().join(u'|')};
}

TEST(StoredSettings, ValuesOutsideTheirRangeFallBackAndAreWrittenBackClean) {
    const QString huge(10 * 1024 * 1024, QLatin1Char('x'));
    const struct {
        const char* key;
        QString stored;
        int shownAt;  // in `loaded`
        QString taken;
    } cases[] = {
        {"Color1", "-1", 0, "255"},
        {"Color1", "16777216", 0, "255"},
        {"Color1", "16777215", 0, "16777215"},
        {"Mono2", "99999999999", 1, "12632256"},
        {"K40DRV_H5", "-3", 2, "2"},
        {"K40DRV_H5", "256", 2, "2"},
        {"K40DRV_H5", "255", 2, "255"},
        {"CommDevice", "/dev/" + huge, 3, ""},
        {"CommDevice", "C:\\COM1", 3, ""},
        {"CommDevice", "/dev/ttyUSB0", 3, "/dev/ttyUSB0"},
        {"RecentFile1", "/" + huge, 4, ""},
        {"RecentFile1", "relative/data.txt", 4, ""},
        {"RecentFile1", "/home/a/data.txt", 4, "/home/a/data.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored.left(20).toStdString());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("settings.ini"));
        IniSettings(path).setValue(QString::fromLatin1(c.key), c.stored);
        {
            IniSettings store(path);
            EXPECT_EQ(loaded(store)[c.shownAt], c.taken);
        }
        EXPECT_EQ(IniSettings(path).value(QString::fromLatin1(c.key)), c.taken);
        EXPECT_LT(QFileInfo(path).size(), 4096);
    }
}

}  // namespace
