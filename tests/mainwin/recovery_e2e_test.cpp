// The application killed with SIGKILL at chosen moments loses nothing of its last finished command:
// started again it offers the journal, restores it, and leaves nothing behind when it ends; the recover
// job writes the same data file without windows.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <optional>

#include "datafile/datafilereader.h"
#include "datafile/datafilewriter.h"
#include "emulatorprocess.h"
#include "model/testdata.h"
#include "support/programrun.h"

namespace {

using namespace std::chrono_literals;

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string text(const QString& text) {
    return text.toStdString();
}
std::string text(const QStringList& lines) {
    return lines.join(QLatin1Char('|')).toStdString();
}

QProcessEnvironment withStateFolder(const QString& state) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), state);
    return environment;
}

// A session of the application (journalsession) whose lines are read as they come.
class Session {
public:
    Session(const QString& state, const QStringList& arguments) {
        process_.setProcessEnvironment(withStateFolder(state));
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(JOURNAL_SESSION), arguments);
        EXPECT_TRUE(process_.waitForStarted());
    }
    ~Session() {
        if (process_.state() != QProcess::NotRunning) kill();
    }

    // Reads up to the first line that starts with `start`; false when the session ended or a minute
    // passed first.
    bool waitFor(const QString& start) {
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        while (std::chrono::steady_clock::now() < deadline) {
            while (process_.canReadLine()) {
                lines << QString::fromUtf8(process_.readLine()).chopped(1);
                if (lines.back().startsWith(start)) return true;
            }
            if (process_.state() == QProcess::NotRunning) return false;
            process_.waitForReadyRead(1000);
        }
        return false;
    }
    // Kills it as the system does, and reads what it wrote until then. It is gone (reaped) on return.
    void kill() {
        ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
        process_.waitForFinished();
        readRest();
    }
    // Waits for its end; its exit code, or -1 when it crashed or did not end.
    int finish() {
        const bool ended = process_.waitForFinished(60000);
        readRest();
        return ended && process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }
    // The lines that start with `start`, without it.
    QStringList linesStarting(const QString& start) const {
        QStringList found;
        for (const QString& line : lines)
            if (line.startsWith(start)) found << line.mid(start.size());
        return found;
    }

    QStringList lines;

private:
    void readRest() {
        for (const QByteArray& line : process_.readAllStandardOutput().split('\n'))
            if (!line.isEmpty()) lines << QString::fromUtf8(line);
    }

    QProcess process_;
};

ProgramRun recoverJob(const QString& state, const QStringList& arguments) {
    return runProgram(QStringLiteral(TERRAKO_BINARY), QStringList{QStringLiteral("recover")} + arguments,
                      30000, withStateFolder(state));
}

class RecoveryEndToEnd : public testing::Test {
protected:
    QString work() const { return dir.path(); }
    QString state() const { return dir.filePath(QStringLiteral("state")); }
    QString recoveryFolder() const { return state() + QStringLiteral("/terrako-diagraph/recovery"); }
    QStringList leftInRecoveryFolder() const {
        return QDir(recoveryFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    // After a kill: the recover job lists the one journal and writes what it holds; a new session offers
    // it, restores it when told, and leaves nothing behind when it ends. Returns the bytes restored.
    QByteArray recoverAndRestore(const QString& file, int blocks, const QStringList& start = {}) {
        const ProgramRun list = recoverJob(state(), {QStringLiteral("--list")});
        EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
        const QStringList fields = list.out.trimmed().split(QLatin1Char('\t'));
        EXPECT_EQ(fields.size(), 5) << list.out.toStdString();
        if (fields.size() != 5) return {};
        EXPECT_EQ(text(fields[1]), text(file.isEmpty() ? QStringLiteral("新しいデータ") : file));
        EXPECT_EQ(text(fields[3]), text(QStringLiteral("%1ブロック").arg(blocks)));
        EXPECT_EQ(text(fields[4]), "終了済み");
        const QString out = dir.filePath(QStringLiteral("recovered.txt"));
        const ProgramRun written = recoverJob(state(), {fields[0], out});
        EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
        const QByteArray recovered = contentOf(out);

        Session restoring(state(), QStringList{QStringLiteral("restore"), work()} + start);
        EXPECT_EQ(restoring.finish(), 0) << restoring.lines.join(QLatin1Char('\n')).toStdString();
        const QStringList questions = restoring.linesStarting(QStringLiteral("box 保存されないまま終了した"));
        EXPECT_EQ(questions.size(), 1);
        if (!questions.isEmpty()) {
            EXPECT_TRUE(
                questions[0].contains(QStringLiteral("\\nファイル: %1\\n")
                                          .arg(file.isEmpty() ? QStringLiteral("新しいデータ") : file)));
            EXPECT_TRUE(questions[0].contains(QStringLiteral("\\nブロック数: %1\\n").arg(blocks)));
        }
        EXPECT_EQ(text(restoring.linesStarting(QStringLiteral("file "))), text(file));
        EXPECT_EQ(text(restoring.linesStarting(QStringLiteral("modified "))), "1");
        EXPECT_EQ(text(leftInRecoveryFolder()), "");
        const QByteArray restored = contentOf(dir.filePath(QStringLiteral("restored.txt")));
        EXPECT_TRUE(restored == recovered);
        return restored;
    }

    QTemporaryDir dir;
};

TEST_F(RecoveryEndToEnd, AKilledSessionLosesNothingOfItsLastFinishedCommand) {
    const struct {
        const char* moment;
        QStringList session;
        bool counter;
        int blocks;
    } moments[] = {
        {"after the first committed reading", {QStringLiteral("readings"), QStringLiteral("1")}, false, 1},
        {"after the third committed reading", {QStringLiteral("readings"), QStringLiteral("3")}, false, 1},
        {"right after a counter import", {QStringLiteral("import")}, true, 5},
    };
    for (const auto& moment : moments) {
        SCOPED_TRACE(moment.moment);
        QDir(state()).removeRecursively();
        std::optional<EmulatorProcess> emulator;
        QStringList arguments{moment.session[0], work()};
        arguments += moment.session.mid(1);
        if (moment.counter) {
            emulator.emplace(QStringList{});
            arguments << emulator->device();
        }
        Session killed(state(), arguments);
        const QString last = moment.counter ? QStringLiteral("1") : moment.session[1];
        ASSERT_TRUE(killed.waitFor(QStringLiteral("step ") + last))
            << killed.lines.join(QLatin1Char('\n')).toStdString();
        killed.kill();
        const QByteArray expected = contentOf(dir.filePath(QStringLiteral("expected.txt")));
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_TRUE(recoverAndRestore(QString(), moment.blocks) == expected);
    }
}

// The largest data set, changed key by key, is killed while its journal is being replaced.
TEST_F(RecoveryEndToEnd, AKillInTheMiddleOfAJournalWriteLeavesTheLastWholeJournal) {
    TestData largest;
    largest.BlockCount = TestData::MaxBlocks;
    for (int block = 1; block <= TestData::MaxBlocks; ++block) {
        largest.SurveyName[block] = QStringLiteral("調査%1").arg(block);
        largest.DropCount[block] = TestData::GridRows;
        for (int drop = 1; drop <= TestData::GridRows; ++drop)
            largest.Measure[block][drop] = static_cast<float>(drop * 0.5 + block * 0.1);
    }
    const QString file = dir.filePath(QStringLiteral("largest.txt"));
    ASSERT_FALSE(WriteDataFile(file, largest));
    TestData opened;
    ASSERT_FALSE(ReadDataFile(file, opened).failure);
    // The data set after `keys` letters typed into the survey name of block 1.
    const auto after = [&](int keys) {
        TestData typed = opened;
        for (int key = 0; key < keys; ++key) typed.SurveyName[1] += QChar(u'a' + key % 26);
        return DataFileBytes(typed);
    };
    int cutShort = 0;
    for (const int key : {2, 5, 9}) {
        SCOPED_TRACE(key);
        QDir(state()).removeRecursively();
        Session killed(state(), {QStringLiteral("keys"), work(), file});
        ASSERT_TRUE(killed.waitFor(QStringLiteral("step %1").arg(key)));
        // The moment the next journal write begins to make or fill a file is the moment to kill.
        const int watch = inotify_init1(IN_CLOEXEC);
        inotify_add_watch(watch, QFile::encodeName(recoveryFolder()).constData(), IN_CREATE | IN_MODIFY);
        pollfd ready{watch, POLLIN, 0};
        ASSERT_EQ(::poll(&ready, 1, 60000), 1);
        killed.kill();
        ::close(watch);
        const QStringList left = leftInRecoveryFolder();
        cutShort +=
            std::count_if(left.begin(), left.end(), [](const QString& name) { return name.startsWith('.'); });
        const int finished = killed.linesStarting(QStringLiteral("step ")).back().toInt();
        const QByteArray restored = recoverAndRestore(file, TestData::MaxBlocks, {file});
        EXPECT_TRUE(restored == after(finished) || restored == after(finished + 1))
            << "after step " << finished;
    }
    std::printf("journal writes cut short by the kill: %d of 3\n", cutShort);
}

}  // namespace
