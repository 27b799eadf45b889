// `terrako-diagraph receive` against the counter emulator.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "emulatorprocess.h"

namespace {

struct JobResult {
    int exitCode = -1;
    QString errors;
};

JobResult receive(const QStringList& arguments, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(TERRAKO_DIAGRAPH), QStringList{QStringLiteral("receive")} + arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The one full-length transfer of the tests: 959 pauses of 10 ms before the chunk requests.
TEST(ReceiveJob, ReadsTheMemoryIntoTheCurrentFolderAndErasesTheCounter) {
    QTemporaryDir folder;
    const QString dump = folder.filePath(QStringLiteral("points.txt"));
    {
        QFile points(dump);
        ASSERT_TRUE(points.open(QIODevice::WriteOnly));
        points.write("1 05/31 14:07 = 2.4 3.0 5.6 199.8\n2 06/01 08:00 40 soft 10-15\n");
    }
    const QString saved = folder.filePath(QStringLiteral("image.bin"));
    EmulatorProcess emulator({QStringLiteral("--points"), dump, QStringLiteral("--save"), saved});
    QProcess memory;
    memory.start(EmulatorProcess::program(),
                 {QStringLiteral("--points"), dump, QStringLiteral("--print-memory")});
    ASSERT_TRUE(memory.waitForFinished());

    const JobResult run =
        receive({QStringLiteral("--port"), emulator.device(), QStringLiteral("--erase")}, folder.path());
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("100% 受信")));
    EXPECT_TRUE(run.errors.contains(QStringLiteral("[通信完了] --> ﾃﾞｰﾀの通信が終了しました。")));
    EXPECT_EQ(readFile(folder.filePath(QStringLiteral("k40read.tmp"))), memory.readAllStandardOutput());
    // The emulator checks the table, clock, zeros and fill; the port number goes as byte 5.
    EXPECT_EQ(emulator.exitCode(), 0) << emulator.errors().toStdString();
    EXPECT_EQ(readFile(saved).mid(889, 6), QByteArray("\x01\x14\x02\x14\x02\x00", 6));
}

TEST(ReceiveJob, FailsWithTheReasonWhenThePortCannotBeUsed) {
    QTemporaryDir folder;
    const JobResult missing = receive({QStringLiteral("--port"), QStringLiteral("99")}, folder.path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.errors.contains(QStringLiteral("ﾎﾟｰﾄが見つかりません。ｹｰﾌﾞﾙが抜けたか")))
        << missing.errors.toStdString();

    // A text that names no serial port says why: what is accepted, a missing device, or no serial port.
    const struct {
        const char* port;
        const char* reason;
    } ports[] = {
        {"COM9", "--port COM9 は通信ﾎﾟｰﾄではありません。1～255 の番号"},
        {"/dev/ttyUSB9", "ﾃﾞﾊﾞｲｽ /dev/ttyUSB9 がありません。ｹｰﾌﾞﾙが抜けたか"},
        {"/dev/null", "/dev/null はｼﾘｱﾙﾎﾟｰﾄではありません。"},
    };
    for (const auto& port : ports) {
        const JobResult result =
            receive({QStringLiteral("--port"), QString::fromUtf8(port.port)}, folder.path());
        EXPECT_EQ(result.exitCode, 1) << port.port;
        EXPECT_TRUE(result.errors.contains(QString::fromUtf8(port.reason))) << result.errors.toStdString();
    }
    // The window's --port means the same, and refuses the same.
    QProcess window;
    window.start(QStringLiteral(TERRAKO_DIAGRAPH), {QStringLiteral("--port"), QStringLiteral("/dev/null")});
    ASSERT_TRUE(window.waitForFinished(10000));
    EXPECT_EQ(window.exitCode(), 1);
    EXPECT_TRUE(window.readAllStandardError().contains("/dev/null はｼﾘｱﾙﾎﾟｰﾄではありません。"));

    EXPECT_EQ(receive({QStringLiteral("--erase")}, folder.path()).exitCode, 1);

    EmulatorProcess silent({QStringLiteral("--first-char"), QStringLiteral("X")});
    const JobResult refused = receive({QStringLiteral("--port"), silent.device()}, folder.path());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.errors.contains(QStringLiteral("\"A\" で始まっていないため")));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("k40read.tmp"))));
}

}  // namespace
