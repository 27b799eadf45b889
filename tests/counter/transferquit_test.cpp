// Quitting the application ends every event loop, the one a transfer phase waits in too. In a binary of
// its own, because the application stays quitting afterwards.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "counter/transferdriver.h"
#include "emulatorprocess.h"
#include "platform/serial/qtserialline.h"

namespace {

using namespace std::chrono_literals;

TEST(TransferDriver, QuittingTheApplicationEndsAPhaseAsStoppedNeverAsCompleted) {
    QTemporaryDir folder;
    EmulatorProcess emulator({QStringLiteral("--silent-after-chunks"), QStringLiteral("1")});
    QtSerialLine line;
    ASSERT_FALSE(line.open(emulator.device()));
    TransferDriver driver(line);
    QTimer::singleShot(200ms, [] { QCoreApplication::exit(0); });
    const QString dump = folder.filePath(QStringLiteral("k40read.tmp"));
    EXPECT_FALSE(driver.receive(0, dump));
    ASSERT_TRUE(driver.failure());
    EXPECT_EQ(driver.failure()->kind, TransferFailure::Kind::Stopped);
    EXPECT_FALSE(QFile::exists(dump));
}

}  // namespace
