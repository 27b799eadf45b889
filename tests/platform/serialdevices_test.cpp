#include "platform/serial/serialdevices.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void writeType(const QString& folder, const QByteArray& type) {
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/type"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(type);
}

TEST(SerialDevices, StandardPortsWithoutHardwareArePhantoms) {
    QTemporaryDir sys;
    writeType(sys.filePath(QStringLiteral("ttyS0")), "4\n");
    writeType(sys.filePath(QStringLiteral("ttyS5")), "0\n");
    QDir().mkpath(sys.filePath(QStringLiteral("ttyUSB0")));
    EXPECT_FALSE(isPhantomPort(sys.filePath(QStringLiteral("ttyS0"))));
    EXPECT_TRUE(isPhantomPort(sys.filePath(QStringLiteral("ttyS5"))));
    EXPECT_FALSE(isPhantomPort(sys.filePath(QStringLiteral("ttyUSB0"))));
    for (const SerialDevice& device : availableSerialDevices()) EXPECT_TRUE(QFile::exists(device.path));
}

}  // namespace
