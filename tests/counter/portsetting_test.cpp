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

TEST(PortSetting, TheDeviceOfTheRunWinsOverAChosenDeviceWhichWinsOverTheNumber) {
    PortSetting port;
    EXPECT_EQ(str(port.shownText(Devices)), "2");
    EXPECT_EQ(str(port.deviceInForce()), "/dev/ttyS1");
    port.CommDevice = QStringLiteral("/dev/ttyUSB0");
    EXPECT_EQ(str(port.shownText(Devices)), "ttyUSB0 (FT232R USB UART)");
    EXPECT_EQ(str(port.deviceInForce()), "/dev/ttyUSB0");
    port.CommDevice = QStringLiteral("/dev/pts/7");
    EXPECT_EQ(str(port.shownText(Devices)), "/dev/pts/7");
    port.sessionDevice = QStringLiteral("/dev/pts/9");
    EXPECT_EQ(str(port.deviceInForce()), "/dev/pts/9");
    EXPECT_EQ(str(port.shownText(Devices)), "/dev/pts/7");
}

}  // namespace
