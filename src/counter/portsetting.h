#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/serialline.h"

class Settings;
struct TestData;

// The counter's port as the operator chooses it: a port number 1-4, mapped to a device of the system,
// or one of the serial devices the system reports (a USB adapter, a pseudo-terminal). The number is
// kept in `CommPort` (stored as "K40DRV_H5"); a chosen device is stored under deviceKey() and, while
// set, is the port in force. The number still travels to the counter as its parameter byte 5.
namespace PortSetting {

inline QString deviceKey() {
    return QStringLiteral("CommDevice");
}

// Port number n is the system's n-th standard serial port: 1 is /dev/ttyS0, 2 is /dev/ttyS1...
QString numberedDevice(int number);

// A device as the port list shows it: "ttyUSB0 (FT232R USB UART)", or the bare name without a
// description.
QString entryText(const SerialDevice& device);

// The port list: "1" to "4", then every device.
QStringList entries(const std::vector<SerialDevice>& devices);

// An accepted port: a number (device empty) or a device path (number 0).
struct Choice {
    int number = 0;
    QString device;
};

// The port a typed or chosen text names: a whole number 1-255, an entry of the list, or the name or
// path of an existing device. Nothing for any other text.
std::optional<Choice> parse(const QString& text, const std::vector<SerialDevice>& devices);

// The text the port box shows for the port in force.
QString shownText(int commPort, const QString& storedDevice, const std::vector<SerialDevice>& devices);

// The device a transfer opens.
QString deviceInForce(int commPort, const QString& storedDevice);
QString deviceInForce(const TestData& data, const Settings& settings);

// The message for a text that names no port.
QString refusalText();

}  // namespace PortSetting
