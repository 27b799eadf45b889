#include "datafile/savefile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QFileInfo>
#include <cstdio>
#include <functional>

#include "datafile/datafilenotices.h"
#include "datafile/savechosenfile.h"
#include "datafile/savesteps.h"
#include "support/scripteddialogs.h"
#include "testfiles.h"

namespace {

const QByteArray Kept = "old contents";

// Every name of a file that was read, in the saves of jobs and of windows alike, is refused and the
// file is left as it was.
TEST(SaveFileAtomically, NeverWritesOverAnInputByAnyOfItsNames) {
    QTemporaryDir folder;
    const QString input = folder.filePath("data.txt");
    writeBytes(input, Kept.toStdString());
    QFile::link(input, folder.filePath("link.txt"));
    ASSERT_EQ(::link(QFile::encodeName(input).constData(), QFile::encodeName(folder.filePath("hard.txt"))),
              0);
    QDir().mkpath(folder.filePath("sub"));
    const int open = ::open(QFile::encodeName(input).constData(), O_WRONLY | O_APPEND);
    for (const QString& output :
         {input, folder.filePath("link.txt"), folder.filePath("hard.txt"), folder.filePath("sub/../data.txt"),
          QStringLiteral("/dev/fd/%1").arg(open)}) {
        const std::optional<SaveFailure> refused = SaveFileAtomically(output, "new", {input});
        ASSERT_TRUE(refused) << output.toStdString();
        EXPECT_EQ(refused->reason, QStringLiteral("読込んだファイル%1と同じファイルです").arg(input));
        EXPECT_EQ(refused->outcome, SaveFailure::Outcome::Unchanged);
    }
    ::close(open);
    EXPECT_EQ(bytesOf(input), Kept.toStdString());
    EXPECT_EQ(entriesOf(folder.path()), QStringList({"data.txt", "hard.txt", "link.txt", "sub"}));
    EXPECT_FALSE(SaveFileAtomically(folder.filePath("other.txt"), "new", {input}));

    // A window's export is refused over the data file it has open.
    ScriptedDialogs dialogs;
    dialogs.expectSaveFile(folder.filePath("link.txt"));
    dialogs.expect(
        QStringLiteral("ファイル%1に保存できませんでした。\n(読込んだファイル%2と同じファイルです)\n"
                       "ファイルは変更されていません。")
            .arg(folder.filePath("link.txt"), input));
    EXPECT_FALSE(SaveToChosenFile(dialogs, {}, input, [](const QString&) { return QByteArray("csv"); }));
    EXPECT_EQ(bytesOf(input), Kept.toStdString());
}

// A save in place, where the folder takes no temporary file, run as an ordinary user in a child; its
// exit code tells what became of it: 0 saved, else 10 + the outcome.
int saveInPlaceAsUser(const QString& target, const QByteArray& bytes, const std::function<void()>& fault) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        if (fault) fault();
        const std::optional<SaveFailure> failure = SaveFileAtomically(target, bytes);
        _exit(failure ? 10 + static_cast<int>(failure->outcome) : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void changeMode(const QString& path, mode_t mode) {
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// Writing in place never leaves a mix: with the new size reserved first, a size limit or a full disk
// stops the save before the first byte changes, and says the file is unchanged.
TEST(SaveFileAtomically, AWriteInPlaceLeavesTheOldFileOrTheNewOneUnderEveryFault) {
    const std::string old(50 * 1024, 'o');
    const QByteArray larger(200 * 1024, 'n');
    const int unchanged = 10 + static_cast<int>(SaveFailure::Outcome::Unchanged);
    const auto sizeLimit = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100 * 1024, 100 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    const struct {
        const char* fault;
        bool onFullTmpfs;
        std::function<void()> inChild;
        int exitCode;
    } cases[] = {{"none", false, {}, 0},
                 {"size limit", false, sizeLimit, unchanged},
                 {"full tmpfs", true, {}, unchanged}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        QTemporaryDir folder;
        const QString disk = folder.filePath("disk");
        const QString closed = disk + "/closed";
        QDir().mkpath(disk);
        if (c.onFullTmpfs &&
            ::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=256k") != 0) {
            std::printf("[  SKIPPED ] the case \"%s\": a tmpfs cannot be mounted here (needs root)\n",
                        c.fault);
            continue;
        }
        QDir().mkpath(closed);
        writeBytes(closed + "/data.txt", old);
        if (c.onFullTmpfs) writeBytes(disk + "/filler", std::string(256 * 1024, 'f'));
        changeMode(folder.path(), 0755);
        changeMode(disk, 0755);
        changeMode(closed + "/data.txt", 0666);
        changeMode(closed, 0555);
        EXPECT_EQ(saveInPlaceAsUser(closed + "/data.txt", larger, c.inChild), c.exitCode);
        const std::string left = bytesOf(closed + "/data.txt");
        EXPECT_EQ(left.size(), c.exitCode == 0 ? larger.size() : old.size());
        EXPECT_TRUE(left == (c.exitCode == 0 ? larger.toStdString() : old));
        EXPECT_EQ(entriesOf(closed), QStringList({"data.txt"}));
        changeMode(closed, 0755);
        if (c.onFullTmpfs) ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH);
    }
}

// What a killed save left beside a file is removed at the next save of that file, once its writer is
// gone; a save in progress and the leftovers of other files stay.
TEST(SaveFileAtomically, RemovesTheTemporariesOfKilledSavesOfTheSameFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("data.txt");
    const QString other = folder.filePath("other.txt");
    const auto leaveTemporary = [](const QString& target) {
        const pid_t child = fork();
        if (child == 0) {
            std::string name;
            _exit(SaveSteps::createTemporary(QFile::encodeName(target).toStdString(), name) >= 0 ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_EQ(status, 0);
    };
    leaveTemporary(path);
    leaveTemporary(other);
    std::string running;
    const int inProgress = SaveSteps::createTemporary(QFile::encodeName(path).toStdString(), running);
    ASSERT_GE(inProgress, 0);
    ::close(inProgress);
    ASSERT_EQ(entriesOf(folder.path()).size(), 3);

    EXPECT_FALSE(SaveFileAtomically(path, "new"));
    const QStringList left = entriesOf(folder.path());
    ASSERT_EQ(left.size(), 3) << left.join(' ').toStdString();
    EXPECT_TRUE(left.contains("data.txt"));
    EXPECT_TRUE(left.contains(QFileInfo(QString::fromStdString(running)).fileName()));
    EXPECT_TRUE(left.filter(".other.txt.").size() == 1);
}

// A device, a pipe or a descriptor is written as it is and stays what it was; its failures are told.
TEST(SaveFileAtomically, WritesIntoWhatIsNoRegularFileAsItIs) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const QString writeEnd = QStringLiteral("/dev/fd/%1").arg(ends[1]);
    // Writing into a pipe destroys nothing, even one that was read.
    EXPECT_FALSE(SaveFileAtomically(writeEnd, "through", {QStringLiteral("/dev/fd/%1").arg(ends[0])}));
    char received[16] = {};
    EXPECT_EQ(::read(ends[0], received, sizeof received), 7);
    EXPECT_STREQ(received, "through");
    ::close(ends[0]);
    const std::optional<SaveFailure> noReader = SaveFileAtomically(writeEnd, "lost");
    ASSERT_TRUE(noReader);
    EXPECT_EQ(noReader->reason, QStringLiteral("出力先のパイプが閉じられています"));
    ::close(ends[1]);

    QTemporaryDir folder;
    const QString fifo = folder.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::optional<SaveFailure> unread = SaveFileAtomically(fifo, "nobody");
    ASSERT_TRUE(unread);
    EXPECT_EQ(DataFileNotices::unwritable(fifo, *unread),
              QStringLiteral("ファイル%1に保存できませんでした。\n(パイプを読むプログラムがありません)\n"
                             "ファイルは変更されていません。")
                  .arg(fifo));
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

}  // namespace
