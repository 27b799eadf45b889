#include "counter/portsetting.h"

#include <gtest/gtest.h>

namespace {

std::string str(const QString& text) {
    return text.toStdString();
}

const std::vector<SerialDevice> Devices{
    {QStringLiteral("ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("/dev/ttyUSB0")},
    {QStringLiteral("ttyACM0"), QString(), QStringLiteral("/dev/ttyACM0")},
};

TEST(PortSetting, ListsTheNumbersThenEveryDeviceWithItsDescription) {
    const QStringList entries = PortSetting::entries(Devices);
    ASSERT_EQ(entries.size(), 6);
    EXPECT_EQ(str(entries.join(u'|')), "1|2|3|4|ttyUSB0 (FT232R USB UART)|ttyACM0");
    EXPECT_EQ(str(PortSetting::numberedDevice(1)), "/dev/ttyS0");
    EXPECT_EQ(str(PortSetting::numberedDevice(4)), "/dev/ttyS3");
}

TEST(PortSetting, AcceptsNumbersListedDevicesAndExistingDevicePaths) {
    EXPECT_EQ(PortSetting::parse(QStringLiteral(" 3 "), Devices)->number, 3);
    EXPECT_EQ(PortSetting::parse(QStringLiteral("12"), Devices)->number, 12);
    for (const char* text : {"ttyUSB0 (FT232R USB UART)", "ttyUSB0", "/dev/ttyUSB0"}) {
        const auto choice = PortSetting::parse(QString::fromUtf8(text), Devices);
        ASSERT_TRUE(choice) << text;
        EXPECT_EQ(choice->number, 0);
        EXPECT_EQ(str(choice->device), "/dev/ttyUSB0");
    }
    // A device the list does not show, such as a pseudo-terminal, may be typed.
    EXPECT_EQ(str(PortSetting::parse(QStringLiteral("/dev/null"), Devices)->device), "/dev/null");
    EXPECT_EQ(str(PortSetting::parse(QStringLiteral("null"), Devices)->device), "/dev/null");
}

TEST(PortSetting, RefusesTextsThatNameNoPort) {
    for (const char* text :
         {"", "abc", "0", "-1", "1.5", "256", "1e1", "/dev/no-such-device", "/dev", "/etc/passwd", "COM1"})
        EXPECT_FALSE(PortSetting::parse(QString::fromUtf8(text), Devices)) << text;
}

TEST(PortSetting, ChosenDeviceIsThePortInForceUntilANumberIsChosen) {
    EXPECT_EQ(str(PortSetting::shownText(2, QString(), Devices)), "2");
    EXPECT_EQ(str(PortSetting::shownText(2, QStringLiteral("/dev/ttyUSB0"), Devices)),
              "ttyUSB0 (FT232R USB UART)");
    EXPECT_EQ(str(PortSetting::shownText(2, QStringLiteral("/dev/pts/7"), Devices)), "/dev/pts/7");
    EXPECT_EQ(str(PortSetting::deviceInForce(2, QString())), "/dev/ttyS1");
    EXPECT_EQ(str(PortSetting::deviceInForce(2, QStringLiteral("/dev/pts/7"))), "/dev/pts/7");
}

}  // namespace
