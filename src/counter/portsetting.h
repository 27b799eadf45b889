#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <vector>

#include "platform/serialline.h"

class Settings;

// The counter's port as the operator chooses it: a port number 1-4, mapped to a device of the system,
// or one of the serial devices the system reports (a USB adapter, a pseudo-terminal). The number is
// stored as "K40DRV_H5" and also travels to the counter as its parameter byte 5; a chosen device is
// stored under deviceKey() and, while set, is the port in force. A port named on the command line
// serves one run and is not stored.
struct PortSetting {
    // An accepted port: a number (device empty) or a device path (number 0).
    struct Choice {
        int number = 0;
        QString device;
    };
    // Why a text names no port.
    enum class Refusal {
        NotAPort,   // neither a number nor a device
        Absent,     // a device path or name that does not exist: unplugged or renamed
        NotSerial,  // an existing device that is not a serial port (/dev/null, a disk)
    };

    qint16 CommPort = 2;
    QString CommDevice;                 // empty: the numbered port
    std::optional<Choice> sessionPort;  // for this run only; none: the stored port

    // The device a transfer opens, and the number the counter receives as parameter byte 5 (a device
    // sends the stored number).
    QString deviceInForce() const;
    int numberInForce() const;
    // The text the port box shows for the stored port.
    QString shownText(const std::vector<SerialDevice>& devices) const;

    // Takes the stored port; a missing number or one outside 1..255 gives 2, a stored device that is no
    // device path gives none, and a bad value is replaced in the store.
    void load(Settings& settings);
    // The number is written with the other settings when the main window closes.
    void saveNumber(Settings& settings) const;

    // Takes the operator's choice and stores a chosen device (or none) at once.
    void choose(const Choice& choice, Settings& settings);

    static QString deviceKey() { return QStringLiteral("CommDevice"); }

    // Port number n is the system's n-th standard serial port: 1 is /dev/ttyS0, 2 is /dev/ttyS1...
    static QString numberedDevice(int number);
    // A device as the port list shows it: "ttyUSB0 (FT232R USB UART)", or the bare name without a
    // description.
    static QString entryText(const SerialDevice& device);
    // The port list: "1" to "4", then every device that is not one of those four.
    static QStringList entries(const std::vector<SerialDevice>& devices);
    // The port a typed or chosen text names: a whole number 1-255, an entry of the list, or the name or
    // path of an existing serial device. Nothing for any other text.
    static std::optional<Choice> parse(const QString& text, const std::vector<SerialDevice>& devices);
    // Why `parse` refused the text.
    static Refusal refusalOf(const QString& text);
    // The message for a text that names no port.
    static QString refusalText(const QString& text);
};
