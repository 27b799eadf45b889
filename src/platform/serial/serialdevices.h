#pragma once

#include <QString>
#include <vector>

#include "platform/serialline.h"

// The serial devices the system reports that really exist: ports listed without a device node, and
// the standard ports the kernel reserves without any hardware behind them, are left out.
std::vector<SerialDevice> availableSerialDevices();

// Whether the kernel's record of a tty (a folder of /sys/class/tty) says there is no hardware behind
// it: its port type is 0, unknown.
bool isPhantomPort(const QString& ttyClassFolder);
