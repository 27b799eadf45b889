// Settings no program wrote: each falls back to its default and leaves the settings file.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "commands/recentfiles.h"
#include "counter/portsetting.h"
#include "diagram/displaysettings.h"
#include "platform/settings.h"

namespace {

TEST(StoredSettings, ValuesOutsideTheirRangeFallBackAndAreWrittenBackClean) {
    const QString huge = QStringLiteral("/dev/") + QString(10 * 1024 * 1024, QLatin1Char('x'));
    struct Case {
        const char* key;
        QString stored;
        std::function<QString(Settings&)> loaded;  // what the program takes, as text
        QString expected;
        QString storedAfter;  // what the store holds once the program took it
    };
    const auto colour = [](int index) {
        return [index](Settings& settings) {
            DisplaySettings display;
            display.load(settings);
            return QString::number(display.Color[index]);
        };
    };
    const auto mono = [](Settings& settings) {
        DisplaySettings display;
        display.load(settings);
        return QString::number(display.Mono[2]);
    };
    const auto number = [](Settings& settings) {
        PortSetting port;
        port.load(settings);
        return QString::number(port.CommPort);
    };
    const auto device = [](Settings& settings) {
        PortSetting port;
        port.load(settings);
        return port.CommDevice;
    };
    const auto recent = [](Settings& settings) { return RecentFiles(settings).files().join(u'|'); };
    const Case cases[] = {
        {"Color1", "-1", colour(1), "255", "255"},
        {"Color2", "16777216", colour(2), "65535", "65535"},
        {"Color3", "16777215", colour(3), "16777215", "16777215"},
        {"Color4", "0", colour(4), "0", "0"},
        {"Mono2", "99999999999", mono, "12632256", "12632256"},
        {"K40DRV_H5", "-3", number, "2", "2"},
        {"K40DRV_H5", "256", number, "2", "2"},
        {"K40DRV_H5", "255", number, "255", "255"},
        {"CommDevice", huge, device, "", ""},
        {"CommDevice", "C:\\COM1", device, "", ""},
        {"CommDevice", "/dev/ttyUSB0", device, "/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"RecentFile1", QStringLiteral("/") + QString(10 * 1024 * 1024, QLatin1Char('y')), recent, "", ""},
        {"RecentFile1", "relative/data.txt", recent, "", ""},
        {"RecentFile1", "/home/a/data.txt", recent, "/home/a/data.txt", "/home/a/data.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored.left(20).toStdString());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("settings.ini"));
        {
            IniSettings store(path);
            store.setValue(QString::fromLatin1(c.key), c.stored);
        }
        {
            IniSettings store(path);
            EXPECT_EQ(c.loaded(store), c.expected);
        }
        IniSettings store(path);
        EXPECT_EQ(store.value(QString::fromLatin1(c.key)), c.storedAfter);
        EXPECT_LT(QFileInfo(path).size(), 4096);
    }
}

}  // namespace
