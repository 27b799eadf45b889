// Quitting the application ends every event loop, the one a transfer phase waits in too. In a binary of
// its own, because the application stays quitting afterwards.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "counter/counterlink.h"
#include "emulatorprocess.h"
#include "platform/serial/qtserialline.h"

namespace {

using namespace std::chrono_literals;

TEST(CounterLink, QuittingTheApplicationEndsAPhaseAsStoppedNeverAsCompleted) {
    QTemporaryDir folder;
    EmulatorProcess emulator({QStringLiteral("--silent-after-chunks"), QStringLiteral("1")});
    CounterLink link(std::make_unique<QtSerialLine>());
    QTimer::singleShot(200ms, [] { QCoreApplication::exit(0); });
    const QString dump = folder.filePath(QStringLiteral("k40read.tmp"));
    const CounterLink::Outcome outcome =
        link.read(emulator.device(), K40Parameters::forRead(2), dump, [] { return true; });
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->kind, TransferFailure::Kind::Stopped);
    EXPECT_FALSE(outcome.received);
    EXPECT_FALSE(QFile::exists(dump));
}

}  // namespace
