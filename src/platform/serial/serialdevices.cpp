#include "platform/serial/serialdevices.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

bool isPhantomPort(const QString& ttyClassFolder) {
    QFile type(ttyClassFolder + QStringLiteral("/type"));
    if (!type.open(QIODevice::ReadOnly)) return false;
    return type.readAll().trimmed() == "0";
}

std::vector<SerialDevice> availableSerialDevices() {
    std::vector<SerialDevice> devices;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        if (!QFileInfo::exists(port.systemLocation())) continue;
        if (isPhantomPort(QStringLiteral("/sys/class/tty/") + port.portName())) continue;
        devices.push_back({port.portName(), port.description(), port.systemLocation()});
    }
    return devices;
}
