#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Why a serial device could not be opened, sorted into the cases an operator can act on.
struct SerialOpenFailure {
    enum class Reason {
        NotFound,  // no such device: unplugged or renamed
        NoAccess,  // the user may not open it
        Busy,      // another program holds it
        Other,
    };
    Reason reason = Reason::Other;
    QString systemText;  // the system's own words
    QString group;       // with NoAccess: the group that may read and write the device, if any
};

// Why an open line failed.
struct SerialLineFailure {
    bool disconnected = false;  // the device went away: unplugged
    QString systemText;         // the system's own words
};

// A serial line at 4800 bit/s, 8 data bits, no parity, 1 stop bit, no flow control. Received
// characters are announced through `received`, called from the event loop; nothing waits by polling.
class SerialLine {
public:
    virtual ~SerialLine() = default;

    // Opens the device (a path such as /dev/ttyUSB0); nothing when it is open.
    virtual std::optional<SerialOpenFailure> open(const QString& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual void write(const QByteArray& characters) = 0;
    // Takes every character received so far.
    virtual QByteArray readAll() = 0;

    // Called when characters have arrived.
    std::function<void()> received;
    // Called when the open line fails (device unplugged, write refused).
    std::function<void(const SerialLineFailure&)> failed;
};

// A serial device the system reports.
struct SerialDevice {
    QString name;         // ttyUSB0
    QString description;  // as the system describes it; may be empty
    QString path;         // /dev/ttyUSB0
};

// Whether the path names a serial device: a character device of the terminal kind, such as a serial
// port, a USB serial adapter or a pseudo-terminal (not /dev/null, not a disk).
bool isSerialDevice(const QString& path);

// Whether ModemManager may be probing the device, as it does with every USB modem (CDC ACM) plugged
// in, sending its own commands and taking the first seconds of the line: the device is a ttyACM one and
// a ModemManager process runs. `processes` is the proc file system, where the running ones are listed.
bool modemManagerMayProbe(const QString& device, const QString& processes = QStringLiteral("/proc"));
