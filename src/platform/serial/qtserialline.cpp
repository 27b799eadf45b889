#include "platform/serial/qtserialline.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>

namespace {

// Characters held between two reads; a device that floods the line stalls instead of filling memory.
constexpr qint64 ReadBufferLimit = 4096;

// The group whose members may use the device, when its owner group may read and write it.
QString groupOf(const QString& device) {
    struct stat status {};
    if (::stat(QFile::encodeName(device).constData(), &status) != 0) return {};
    if ((status.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) return {};
    const struct group* owner = ::getgrgid(status.st_gid);
    return owner ? QString::fromLocal8Bit(owner->gr_name) : QString();
}

// QSerialPort reports a refused open, a held lock and an exclusive device alike as a permission
// error; the device's own state tells them apart.
SerialOpenFailure classify(const QString& device, QSerialPort::SerialPortError error, const QString& text) {
    SerialOpenFailure failure;
    failure.systemText = text;
    const QByteArray path = QFile::encodeName(device);
    if (!QFileInfo::exists(device) || error == QSerialPort::DeviceNotFoundError) {
        failure.reason = SerialOpenFailure::Reason::NotFound;
    } else if (::access(path.constData(), R_OK | W_OK) != 0) {
        failure.reason = SerialOpenFailure::Reason::NoAccess;
        failure.group = groupOf(device);
    } else if (error == QSerialPort::PermissionError) {
        failure.reason = SerialOpenFailure::Reason::Busy;
    }
    return failure;
}

}  // namespace

QtSerialLine::QtSerialLine() {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (received) received();
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !port_.isOpen()) return;
        // A device that went away fails reading, as a resource or with a stale system text ("File
        // exists", "Inappropriate ioctl") that says nothing of what happened.
        const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
        const SerialLineFailure failure{gone, port_.errorString()};
        port_.clearError();
        if (failed) failed(failure);
    });
}

QtSerialLine::~QtSerialLine() {
    close();
}

std::optional<SerialOpenFailure> QtSerialLine::open(const QString& device) {
    close();
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud4800);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(ReadBufferLimit);
    if (port_.open(QIODevice::ReadWrite)) return std::nullopt;
    const SerialOpenFailure failure = classify(device, port_.error(), port_.errorString());
    port_.clearError();
    return failure;
}

// What is still in the device's buffers belongs to the transfer that ends with the closing. (Clearing
// them at the opening instead could take the first chunk of a counter that sends at once.)
void QtSerialLine::close() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::AllDirections);
    port_.close();
}

// The counter waits for each request and each image byte, so they go to the device at once. Writing
// through QSerialPort would first switch its write notifier on and off, two turns of the event loop
// per character; only what the device does not take at once is left to it.
void QtSerialLine::write(const QByteArray& characters) {
    ssize_t written = 0;
    if (port_.bytesToWrite() == 0)  // nothing left over that must go first
        written = ::write(port_.handle(), characters.constData(), size_t(characters.size()));
    const QByteArray rest = characters.mid(written > 0 ? qsizetype(written) : 0);
    if (rest.isEmpty()) return;
    if (port_.write(rest) != rest.size() && failed) failed({false, port_.errorString()});
}
