// terrako-diagraph recover: the journals left in the state folder, listed and written out as data
// files, without windows.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "datafile/datafilewriter.h"
#include "datafile/journalfile.h"
#include "model/testdata.h"
#include "platform/recoveryfolder.h"
#include "support/programrun.h"

namespace {

class RecoverJobTest : public testing::Test {
protected:
    RecoverJobTest() { folder.make(); }

    ProgramRun recover(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_STATE_HOME"), dir.path());
        return runProgram(QStringLiteral(TERRAKO_BINARY), QStringList{QStringLiteral("recover")} + arguments,
                          30000, environment);
    }
    void leave(const QString& id, const QByteArray& bytes) {
        QFile file(folder.journalPath(id));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray dataFileOf(int blocks) {
        TestData data;
        data.BlockCount = static_cast<qint16>(blocks);
        data.DropCount[1] = 2;
        data.Measure[1][1] = 1.5f;
        data.Measure[1][2] = 3.0f;
        data.SurveyName[1] = QStringLiteral("河川敷");
        return DataFileBytes(data);
    }

    QTemporaryDir dir;
    RecoveryFolder folder{dir.filePath(QStringLiteral("terrako-diagraph/recovery"))};
    const QDateTime written = QDateTime::fromString(QStringLiteral("2026-03-04T05:06:07Z"), Qt::ISODate);
    const QString shownTime = written.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
};

TEST_F(RecoverJobTest, ListsEveryJournalWithItsFileTimeBlocksAndWhetherItsInstanceRuns) {
    EXPECT_EQ(recover({QStringLiteral("--list")}).err,
              QStringLiteral("terrako-diagraph: 復元用の記録はありません（%1）。\n").arg(folder.path()));
    leave(QStringLiteral("20260304-050607-11"), JournalBytes({QString(), written, 1, 1, 11}, dataFileOf(1)));
    leave(QStringLiteral("20260304-050608-12"),
          JournalBytes({QStringLiteral("/データ/現場.txt"), written, 2, 3, 12}, dataFileOf(3)));
    leave(QStringLiteral("20260304-050609-13"), "damaged");
    const std::unique_ptr<QLockFile> running = folder.lock(QStringLiteral("20260304-050608-12"));
    ASSERT_TRUE(running);
    const ProgramRun list = recover({QStringLiteral("--list")});
    EXPECT_EQ(list.exitCode, 0);
    const QStringList lines = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0],
              QStringLiteral("20260304-050607-11\t新しいデータ\t%1\t1ブロック\t終了済み").arg(shownTime));
    EXPECT_EQ(lines[1],
              QStringLiteral("20260304-050608-12\t/データ/現場.txt\t%1\t3ブロック\t実行中").arg(shownTime));
    EXPECT_TRUE(lines[2].startsWith(
        QStringLiteral("20260304-050609-13\t読めません(復元用の記録ではないか、壊れています)\t")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("\t-\t終了済み")));
}

TEST_F(RecoverJobTest, WritesTheDataFileOfAJournalOrSaysWhyNot) {
    const QByteArray dataFile = dataFileOf(2);
    leave(QStringLiteral("20260304-050607-21"), JournalBytes({QString(), written, 1, 2, 21}, dataFile));
    leave(QStringLiteral("20260304-050607-22"), "{\"version\":9}\n");
    const QString out = dir.filePath(QStringLiteral("救出.txt"));
    const struct {
        const char* run;
        QStringList arguments;
        int exitCode;
        QString message;
        bool written;
    } runs[] = {
        {"a journal", {QStringLiteral("20260304-050607-21"), out}, 0, QString(), true},
        {"a journal of a later version",
         {QStringLiteral("20260304-050607-22"), out},
         1,
         QStringLiteral(
             "復元用の記録 20260304-050607-22 を読めません(新しい版のプログラムが書いた記録です)。"),
         false},
        {"no such journal",
         {QStringLiteral("20990101-000000-1"), out},
         1,
         QStringLiteral("復元用の記録 20990101-000000-1 はありません。recover --list で一覧できます。"),
         false},
        {"a path for an id",
         {QStringLiteral("../recovery/20260304-050607-21"), out},
         1,
         QStringLiteral("はありません。"),
         false},
        {"onto the journal itself",
         {QStringLiteral("20260304-050607-21"), folder.journalPath("20260304-050607-21")},
         1,
         QStringLiteral("読込んだファイル"),
         false},
        {"no output named",
         {QStringLiteral("20260304-050607-21")},
         1,
         QStringLiteral("OUT を指定してください。"),
         false},
        {"--list with an id",
         {QStringLiteral("--list"), QStringLiteral("20260304-050607-21")},
         1,
         QStringLiteral("余分な引数"),
         false},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.run);
        QFile::remove(out);
        const ProgramRun job = recover(run.arguments);
        EXPECT_EQ(job.exitCode, run.exitCode);
        EXPECT_TRUE(job.err.contains(run.message)) << job.err.toStdString();
        QFile written(out);
        EXPECT_EQ(written.exists(), run.written);
        if (run.written && written.open(QIODevice::ReadOnly)) {
            EXPECT_EQ(written.readAll(), dataFile);
        }
    }
    // The journal stays for the next start.
    EXPECT_TRUE(QFile::exists(folder.journalPath(QStringLiteral("20260304-050607-21"))));
}

}  // namespace
