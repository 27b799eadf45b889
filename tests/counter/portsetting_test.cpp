#include "counter/portsetting.h"

#include <gtest/gtest.h>

#include "counter/portopenmessage.h"

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
    // A serial device the list does not show, such as a pseudo-terminal, may be typed.
    EXPECT_EQ(str(PortSetting::parse(QStringLiteral("/dev/ptmx"), Devices)->device), "/dev/ptmx");
    EXPECT_EQ(str(PortSetting::parse(QStringLiteral("ptmx"), Devices)->device), "/dev/ptmx");
}

TEST(PortSetting, RefusesTextsThatNameNoSerialPortAndSaysWhy) {
    using Refusal = PortSetting::Refusal;
    const struct {
        const char* text;
        Refusal refusal;
    } refused[] = {
        {"", Refusal::NotAPort},      {"abc", Refusal::NotAPort},
        {"0", Refusal::NotAPort},     {"-1", Refusal::NotAPort},
        {"1.5", Refusal::NotAPort},   {"256", Refusal::NotAPort},
        {"1e1", Refusal::NotAPort},   {"/etc/passwd", Refusal::NotAPort},
        {"COM1", Refusal::NotAPort},  {"/dev/ttyUSB9", Refusal::Absent},
        {"ttyACM7", Refusal::Absent}, {"/dev/null", Refusal::NotSerial},
        {"null", Refusal::NotSerial}, {"/dev", Refusal::NotAPort},
    };
    for (const auto& text : refused) {
        EXPECT_FALSE(PortSetting::parse(QString::fromUtf8(text.text), Devices)) << text.text;
        EXPECT_EQ(PortSetting::refusalOf(QString::fromUtf8(text.text)), text.refusal) << text.text;
    }
}

TEST(PortSetting, AStandardPortTheSystemListsIsOfferedOnceByItsNumber) {
    const std::vector<SerialDevice> withStandard{
        {QStringLiteral("ttyS0"), QString(), QStringLiteral("/dev/ttyS0")},
        {QStringLiteral("ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("/dev/ttyUSB0")}};
    EXPECT_EQ(str(PortSetting::entries(withStandard).join(u'|')), "1|2|3|4|ttyUSB0 (FT232R USB UART)");
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
    port.sessionPort = PortSetting::Choice{0, QStringLiteral("/dev/pts/9")};
    EXPECT_EQ(str(port.deviceInForce()), "/dev/pts/9");
    EXPECT_EQ(port.numberInForce(), 2);
    EXPECT_EQ(str(port.shownText(Devices)), "/dev/pts/7");
    // A number given for the run means the numbered port, and travels to the counter.
    port.sessionPort = PortSetting::Choice{3, {}};
    EXPECT_EQ(str(port.deviceInForce()), "/dev/ttyS2");
    EXPECT_EQ(port.numberInForce(), 3);
}

// Joining a group is advised only when a group may read and write the device.
TEST(PortOpenMessage, GroupAdviceOnlyForAGroupThatMayUseTheDevice) {
    const SerialOpenFailure grouped{SerialOpenFailure::Reason::NoAccess, QStringLiteral("Permission denied"),
                                    QStringLiteral("dialout")};
    const SerialOpenFailure ungrouped{
        SerialOpenFailure::Reason::NoAccess, QStringLiteral("Permission denied"), {}};
    const QString device = QStringLiteral("/dev/ttyUSB0");
    EXPECT_TRUE(
        PortOpenMessage::detail(device, grouped).contains(QStringLiteral("（dialout）に利用者を追加")));
    EXPECT_TRUE(PortOpenMessage::commandLineText(device, grouped)
                    .contains(QStringLiteral("（dialout）に利用者を追加")));
    for (const QString& text :
         {PortOpenMessage::detail(device, ungrouped), PortOpenMessage::commandLineText(device, ungrouped)}) {
        EXPECT_FALSE(text.contains(QStringLiteral("dialout"))) << str(text);
        EXPECT_TRUE(text.contains(QStringLiteral("/dev/ttyUSB0: Permission denied"))) << str(text);
    }
    EXPECT_FALSE(PortOpenMessage::text().contains(QStringLiteral("再起動")));
}

}  // namespace
