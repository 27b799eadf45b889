// The transfer driver on a real pseudo-terminal, with the counter emulator on the other end.
#include "counter/transferdriver.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "counter/k40parameters.h"
#include "counter/systemareaimage.h"
#include "emulatorprocess.h"
#include "platform/serial/qtserialline.h"

namespace {

using namespace std::chrono_literals;
using Kind = TransferFailure::Kind;

constexpr auto ShortLimit = 300ms;

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A driver on a line to an emulator started with the given faults.
struct Transfer {
    explicit Transfer(const QStringList& emulatorArguments) : emulator(emulatorArguments) {
        opened = !line.open(emulator.device());
    }
    QString dumpPath() const { return folder.filePath(QStringLiteral("k40read.tmp")); }
    QByteArray image() const {
        return SystemArea::image(QDateTime::currentDateTime(),
                                 K40Parameters::forCall(1, 20, 2, 20, 2, 0).parameterBytes());
    }

    QTemporaryDir folder;
    EmulatorProcess emulator;
    QtSerialLine line;
    bool opened = false;
    TransferDriver driver{line, ShortLimit};
};

TEST(TransferDriver, ReceivesAndWritesTheWholeMemoryByteForByte) {
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("image.bin"));
    Transfer transfer({QStringLiteral("--save"), saved});
    ASSERT_TRUE(transfer.opened);
    ASSERT_TRUE(transfer.driver.receive(0, transfer.dumpPath()));
    const QByteArray image = transfer.image();
    ASSERT_TRUE(transfer.driver.write(image));
    transfer.line.close();
    EXPECT_EQ(transfer.emulator.exitCode(), 0) << transfer.emulator.errors().toStdString();

    QProcess memory;
    memory.start(EmulatorProcess::program(), {QStringLiteral("--print-memory")});
    ASSERT_TRUE(memory.waitForFinished());
    const QByteArray expected = memory.readAllStandardOutput();
    EXPECT_EQ(expected.size(), 30722);
    EXPECT_EQ(readFile(transfer.dumpPath()), expected);
    EXPECT_EQ(readFile(saved), image);
}

TEST(TransferDriver, EveryWaitEndsAtTheTimeLimit) {
    Transfer chunks({QStringLiteral("--silent-after-chunks"), QStringLiteral("3")});
    ASSERT_TRUE(chunks.opened);
    EXPECT_FALSE(chunks.driver.receive(0, chunks.dumpPath()));
    EXPECT_EQ(chunks.driver.failure()->kind, Kind::TimedOut);
    EXPECT_EQ(chunks.driver.screen().countPanel.toStdString(), "count : 3");
    EXPECT_FALSE(QFile::exists(chunks.dumpPath()));

    Transfer image({QStringLiteral("--silent-after-bytes"), QStringLiteral("10")});
    ASSERT_TRUE(image.opened);
    ASSERT_TRUE(image.driver.receive(0, image.dumpPath()));
    EXPECT_FALSE(image.driver.write(image.image()));
    EXPECT_EQ(image.driver.failure()->kind, Kind::TimedOut);
    EXPECT_EQ(image.driver.screen().progressValue, 10);
}

TEST(TransferDriver, WrongRepliesEndThePhaseAndNothingMoreIsSent) {
    Transfer first({QStringLiteral("--first-char"), QStringLiteral("B")});
    ASSERT_TRUE(first.opened);
    EXPECT_FALSE(first.driver.receive(0, first.dumpPath()));
    EXPECT_EQ(first.driver.failure()->kind, Kind::WrongFirstCharacter);

    Transfer ready({QStringLiteral("--ready"), QStringLiteral("SS")});
    ASSERT_TRUE(ready.opened);
    ASSERT_TRUE(ready.driver.receive(0, ready.dumpPath()));
    EXPECT_FALSE(ready.driver.write(ready.image()));
    EXPECT_EQ(ready.driver.failure()->kind, Kind::WrongReady);
    EXPECT_EQ(ready.driver.failure()->received, "SS");

    Transfer acknowledgement({QStringLiteral("--wrong-ack-at"), QStringLiteral("5")});
    ASSERT_TRUE(acknowledgement.opened);
    ASSERT_TRUE(acknowledgement.driver.receive(0, acknowledgement.dumpPath()));
    EXPECT_FALSE(acknowledgement.driver.write(acknowledgement.image()));
    EXPECT_EQ(acknowledgement.driver.failure()->kind, Kind::WrongAcknowledgement);
    acknowledgement.line.close();
    acknowledgement.emulator.exitCode();
    EXPECT_TRUE(acknowledgement.emulator.errors().contains(QStringLiteral("960 chunks and 5 image bytes")));
}

TEST(TransferDriver, AFloodEndsTheTransfer) {
    Transfer flood({QStringLiteral("--garbage-after-chunks"), QStringLiteral("2")});
    ASSERT_TRUE(flood.opened);
    EXPECT_FALSE(flood.driver.receive(0, flood.dumpPath()));
    EXPECT_EQ(flood.driver.failure()->kind, Kind::Flood);
}

TEST(TransferDriver, TheOperatorHasLongerThanTheReplyLimitToStartTheCounter) {
    Transfer late({QStringLiteral("--delay"), QStringLiteral("700"), QStringLiteral("--silent-after-chunks"),
                   QStringLiteral("2")});
    ASSERT_TRUE(late.opened);
    TransferDriver driver(late.line, ShortLimit, 3s);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(driver.receive(0, late.dumpPath()));
    // The first chunk came after the reply limit; the silence after the second ended the phase at it.
    EXPECT_EQ(driver.failure()->kind, Kind::TimedOut);
    EXPECT_EQ(driver.screen().progressValue, 2);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

TEST(TransferDriver, StopEndsAWaitInProgress) {
    Transfer silent({QStringLiteral("--silent-after-chunks"), QStringLiteral("1")});
    ASSERT_TRUE(silent.opened);
    TransferDriver patient(silent.line);  // the full time limit: only the stop can end the wait quickly
    QTimer::singleShot(100ms, [&patient] { patient.stop(); });
    EXPECT_FALSE(patient.receive(0, silent.dumpPath()));
    EXPECT_EQ(patient.failure()->kind, Kind::Stopped);
    EXPECT_FALSE(patient.running());
}

TEST(TransferDriver, NoPhaseRunsOnAPortThatIsNotOpen) {
    QtSerialLine line;
    TransferDriver driver(line, ShortLimit);
    EXPECT_FALSE(driver.receive(0, QStringLiteral("k40read.tmp")));
    EXPECT_EQ(driver.failure()->kind, Kind::PortNotOpen);
    EXPECT_FALSE(driver.write(QByteArray(1024, 'x')));
    EXPECT_EQ(driver.failure()->kind, Kind::PortNotOpen);
}

TEST(TransferDriver, AnUnwritableDumpFailsTheReceivePhase) {
    Transfer transfer({});
    ASSERT_TRUE(transfer.opened);
    EXPECT_FALSE(transfer.driver.receive(0, QStringLiteral("/no-such-folder/k40read.tmp")));
    EXPECT_EQ(transfer.driver.failure()->kind, Kind::DumpNotWritten);
    EXPECT_FALSE(transfer.driver.failure()->detail.isEmpty());
}

TEST(SerialLine, OpenFailuresNameTheirReason) {
    QtSerialLine missing;
    const auto notFound = missing.open(QStringLiteral("/dev/no-such-tty"));
    ASSERT_TRUE(notFound);
    EXPECT_EQ(notFound->reason, SerialOpenFailure::Reason::NotFound);

    EmulatorProcess emulator({});
    QtSerialLine holder, second;
    ASSERT_FALSE(holder.open(emulator.device()));
    const auto busy = second.open(emulator.device());
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->reason, SerialOpenFailure::Reason::Busy);
}

}  // namespace
