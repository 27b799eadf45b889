// The counter link and its transfer driver on a real pseudo-terminal, with the counter emulator on the
// other end, and no window.
#include "counter/counterlink.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "counter/systemareaimage.h"
#include "emulatorprocess.h"
#include "platform/serial/qtserialline.h"

namespace {

using namespace std::chrono_literals;
using Kind = TransferFailure::Kind;
using Step = TransferProgress::Step;

constexpr auto ShortLimit = 300ms;

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray memoryOf(const QStringList& emulatorArguments) {
    QProcess memory;
    memory.start(EmulatorProcess::program(),
                 emulatorArguments + QStringList{QStringLiteral("--print-memory")});
    memory.waitForFinished();
    return memory.readAllStandardOutput();
}

K40Parameters readParameters() {
    K40Parameters parameters = K40Parameters::forRead(2);
    parameters.K40DRV_H8 = 0;
    return parameters;
}

// A link to an emulator started with the given faults.
struct Link {
    explicit Link(const QStringList& emulatorArguments) : emulator(emulatorArguments) {}
    QString dumpPath() const { return folder.filePath(QStringLiteral("k40read.tmp")); }
    CounterLink::Outcome read(bool erase) {
        return link.read(emulator.device(), readParameters(), dumpPath(), [this, erase] {
            ++eraseQuestions;
            return erase;
        });
    }

    QTemporaryDir folder;
    EmulatorProcess emulator;
    int eraseQuestions = 0;
    CounterLink link{std::make_unique<QtSerialLine>(), ShortLimit};
};

TEST(CounterLink, AReadReceivesTheWholeMemoryAndWithConsentWritesTheSystemArea) {
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("image.bin"));
    Link erased({QStringLiteral("--save"), saved});
    std::vector<Step> steps;
    QObject::connect(&erased.link, &CounterLink::progressed, [&steps](const TransferProgress& progress) {
        if (steps.empty() || steps.back() != progress.step) steps.push_back(progress.step);
    });
    const CounterLink::Outcome outcome = erased.read(true);
    EXPECT_TRUE(outcome.received);
    EXPECT_TRUE(outcome.written);
    EXPECT_FALSE(outcome.failure);
    EXPECT_EQ(erased.emulator.exitCode(), 0) << erased.emulator.errors().toStdString();
    const QByteArray memory = memoryOf({});
    EXPECT_EQ(memory.size(), 30722);
    EXPECT_EQ(readFile(erased.dumpPath()), memory);
    // The image holds the clock of the read and the parameter bytes 1, 20, 2, 20, port 2, 0.
    EXPECT_EQ(readFile(saved).size(), SystemArea::ImageSize);
    EXPECT_EQ(readFile(saved).mid(889, 6), QByteArray("\x01\x14\x02\x14\x02\x00", 6));
    EXPECT_EQ(steps, (std::vector<Step>{Step::WaitingForCounter, Step::Receiving, Step::Received,
                                        Step::WaitingForReady, Step::Verifying, Step::Completed}));

    Link kept({QStringLiteral("--save"), saved + QStringLiteral(".kept")});
    const CounterLink::Outcome received = kept.read(false);
    EXPECT_TRUE(received.received);
    EXPECT_FALSE(received.written);
    EXPECT_FALSE(received.failure);
    EXPECT_FALSE(QFile::exists(saved + QStringLiteral(".kept")));
}

// Every failure ends the read within the time limit, says why, and erases nothing it should not.
TEST(CounterLink, AFailedStepSaysWhyAndLeavesNoDump) {
    const struct {
        QStringList faults;
        bool erase;
        Kind kind;
        bool received;
    } failures[] = {
        {{QStringLiteral("--silent-after-chunks"), QStringLiteral("3")}, false, Kind::TimedOut, false},
        // Silent in the middle of the first chunk: the wait still ends.
        {{QStringLiteral("--silent-after-characters"), QStringLiteral("11")}, false, Kind::TimedOut, false},
        // A memory that cannot be decoded is refused before the counter is asked to erase it.
        {{QStringLiteral("--garbled-chunk"), QStringLiteral("2")}, true, Kind::DumpRefused, true},
        {{QStringLiteral("--first-char"), QStringLiteral("B")}, false, Kind::WrongFirstCharacter, false},
        {{QStringLiteral("--garbage-after-chunks"), QStringLiteral("2")}, false, Kind::Flood, false},
        {{QStringLiteral("--silent-after-bytes"), QStringLiteral("10")}, true, Kind::TimedOut, true},
        {{QStringLiteral("--ready"), QStringLiteral("SS")}, true, Kind::WrongReady, true},
        {{QStringLiteral("--wrong-ack-at"), QStringLiteral("5")}, true, Kind::WrongAcknowledgement, true},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.faults.join(u' ').toStdString());
        Link link(failure.faults);
        const auto start = std::chrono::steady_clock::now();
        const CounterLink::Outcome outcome = link.read(failure.erase);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
        ASSERT_TRUE(outcome.failure);
        EXPECT_EQ(outcome.failure->kind, failure.kind);
        EXPECT_EQ(outcome.received, failure.received);
        EXPECT_FALSE(outcome.written);
        EXPECT_EQ(QFile::exists(link.dumpPath()), failure.received);
        if (failure.kind == Kind::DumpRefused) {
            EXPECT_EQ(link.eraseQuestions, 0);
            EXPECT_FALSE(outcome.checked);
            EXPECT_TRUE(
                outcome.failure->windowText().contains(QStringLiteral("ﾃﾗｺｶｳﾝﾀの記録は消去しません")));
            EXPECT_EQ(link.emulator.exitCode(), 0) << "the counter was written to";
        }
    }

    Link unwritable({});
    const CounterLink::Outcome notSaved =
        unwritable.link.read(unwritable.emulator.device(), readParameters(),
                             QStringLiteral("/no-such-folder/k40read.tmp"), [] { return true; });
    EXPECT_EQ(notSaved.failure.value().kind, Kind::DumpNotWritten);
    EXPECT_FALSE(notSaved.received);

    CounterLink missing(std::make_unique<QtSerialLine>());
    const CounterLink::Outcome notOpened = missing.read(QStringLiteral("/dev/no-such-tty"), readParameters(),
                                                        QStringLiteral("k40read.tmp"), [] { return true; });
    EXPECT_EQ(notOpened.failure.value().kind, Kind::OpenFailed);
    EXPECT_TRUE(notOpened.failure->windowDetail().contains(QStringLiteral("/dev/no-such-tty")));
    EXPECT_EQ(notOpened.failure->commandLineFailure().kind, Failure::Kind::Device);
}

TEST(CounterLink, ACounterThatIsUnpluggedEndsTheReadAsDisconnected) {
    Link unplugged({QStringLiteral("--silent-after-chunks"), QStringLiteral("2")});
    QTimer::singleShot(300ms, [&unplugged] { unplugged.emulator.kill(); });
    const CounterLink::Outcome outcome = unplugged.read(false);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->kind, Kind::Disconnected);
    EXPECT_TRUE(outcome.failure->windowText().contains(QStringLiteral("接続が切れた")));
}

// A read stopped while a chunk is on its way leaves the rest of it in the line; the read tried again on
// the same port skips it and receives the whole memory.
TEST(CounterLink, AReadStoppedMidwayCanBeRetriedOnTheSamePort) {
    Link counter({QStringLiteral("--repeat"), QStringLiteral("--baud-chunks"), QStringLiteral("12")});
    QTimer::singleShot(400ms, &counter.link, [&counter] { counter.link.stop(); });
    const CounterLink::Outcome stopped = counter.read(false);
    ASSERT_TRUE(stopped.failure);
    EXPECT_EQ(stopped.failure->kind, Kind::Stopped);

    QTest::qWait(150);  // the operator answers the message before trying again
    const CounterLink::Outcome retried = counter.read(false);
    EXPECT_TRUE(retried.received) << (retried.failure ? retried.failure->windowText().toStdString() : "");
    EXPECT_EQ(readFile(counter.dumpPath()), memoryOf({}));
}

TEST(TransferDriver, EveryWaitEndsAtTheTimeLimitWithWhatCameSoFar) {
    EmulatorProcess emulator({QStringLiteral("--silent-after-chunks"), QStringLiteral("3")});
    QtSerialLine line;
    ASSERT_FALSE(line.open(emulator.device()));
    TransferDriver driver(line, ShortLimit);
    EXPECT_FALSE(driver.receive(0));
    EXPECT_EQ(driver.failure()->kind, Kind::TimedOut);
    EXPECT_EQ(driver.progress().done, 3);
    EXPECT_EQ(driver.dump().size(), 3 * 32);
}

TEST(TransferDriver, TheOperatorHasLongerThanTheReplyLimitToStartTheCounter) {
    EmulatorProcess late({QStringLiteral("--delay"), QStringLiteral("700"),
                          QStringLiteral("--silent-after-chunks"), QStringLiteral("2")});
    QtSerialLine line;
    ASSERT_FALSE(line.open(late.device()));
    TransferDriver driver(line, ShortLimit, 3s);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(driver.receive(0));
    // The first chunk came after the reply limit; the silence after the second ended the phase at it.
    EXPECT_EQ(driver.failure()->kind, Kind::TimedOut);
    EXPECT_EQ(driver.progress().done, 2);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

TEST(TransferDriver, StopEndsAWaitInProgress) {
    EmulatorProcess silent({QStringLiteral("--silent-after-chunks"), QStringLiteral("1")});
    QtSerialLine line;
    ASSERT_FALSE(line.open(silent.device()));
    TransferDriver patient(line);  // the full time limit: only the stop can end the wait quickly
    QTimer::singleShot(100ms, [&patient] { patient.stop(); });
    EXPECT_FALSE(patient.receive(0));
    EXPECT_EQ(patient.failure()->kind, Kind::Stopped);
    EXPECT_FALSE(patient.running());
}

TEST(TransferDriver, NoPhaseRunsOnAPortThatIsNotOpen) {
    QtSerialLine line;
    TransferDriver driver(line, ShortLimit);
    EXPECT_FALSE(driver.receive(0));
    EXPECT_EQ(driver.failure()->kind, Kind::PortNotOpen);
    EXPECT_FALSE(driver.write(QByteArray(1024, 'x')));
    EXPECT_EQ(driver.failure()->kind, Kind::PortNotOpen);
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
