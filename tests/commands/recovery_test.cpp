// The work an instance left unsaved is offered back, one question a journal, at start and before its
// file is opened.
#include <QFileInfo>
#include <functional>

#include "recoveryfixture.h"

namespace {

const QString Later = QStringLiteral("復元しますか？（後で: 記録を残し、次の起動時にまた確認します）");

QString question(const QString& file, const QDateTime& written, int blocks, const QString& extra = {}) {
    return QStringLiteral("保存されないまま終了した作業のデータがあります。\nファイル: ") + file +
           QStringLiteral("\n記録日時: ") +
           written.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")) +
           QStringLiteral("\nブロック数: ") + QString::number(blocks) + QStringLiteral("\n") + extra + Later;
}

TEST_F(RecoveryTest, EachAnswerToTheQuestionAtStartDoesWhatItSays) {
    const QString file = dir.filePath(QStringLiteral("現場.txt"));
    ASSERT_FALSE(WriteDataFile(file, someBlocks(1, QStringLiteral("保存済み"))));
    const QDateTime written = QDateTime::currentDateTimeUtc().addSecs(3600);
    const struct {
        const char* answer;
        Answer given;
        QString file;
        bool restored;
        bool kept;
    } cases[] = {
        {"復元する a new data set", Answer::Restore, QString(), true, false},
        {"復元する a file's", Answer::Restore, file, true, false},
        {"破棄する", Answer::Discard, file, false, false},
        {"後で", Answer::Later, file, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        commands.reset();
        QDir(folder.path()).removeRecursively();
        data = TestData();
        commands = std::make_unique<Commands>(data, dialogs, CommandViews{grid, survey, counterRead}, link,
                                              port, &folder);
        const TestData left = someBlocks(3, QStringLiteral("未保存"));
        const QString id = leaveJournal(left, {c.file, written, 2});
        dialogs.expect(question(c.file.isEmpty() ? QStringLiteral("新しいデータ") : c.file, written, 3),
                       c.given);
        EXPECT_EQ(commands->recovery.offerAtStart(), c.restored);
        EXPECT_EQ(exists(id), c.kept);
        if (c.restored) {
            EXPECT_EQ(DataFileBytes(data), DataFileBytes(left));
            EXPECT_EQ(data.DataFileName, c.file);
            EXPECT_TRUE(data.Modified);
            EXPECT_EQ(data.CurBlock, 2);
            EXPECT_EQ(survey.fields[SurveyField::SurveyName], QStringLiteral("未保存"));
            EXPECT_EQ(survey.caption, c.file.isEmpty() ? mainCaption() : mainCaption(c.file));
            // Its own journal holds the work from now on.
            ASSERT_TRUE(ownJournal());
            EXPECT_EQ(ownJournal()->dataFile, DataFileBytes(left));
        } else {
            EXPECT_EQ(data.DropCount[1], 0);
            EXPECT_FALSE(data.Modified);
        }
        // Answered once, it is not asked again in this run, not even when its file is opened.
        EXPECT_EQ(commands->files.openFile(file), true);
        EXPECT_EQ(data.DataFileName, file);
        EXPECT_EQ(data.SurveyName[1], QStringLiteral("保存済み"));
        EXPECT_EQ(exists(id), c.kept);
    }
}

TEST_F(RecoveryTest, TheQuestionSaysWhenTheFileChangedOnDiskSinceTheJournal) {
    const QString file = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_FALSE(WriteDataFile(file, someBlocks(1, QStringLiteral("x"))));
    const QDateTime modified = QFileInfo(file).lastModified();
    const struct {
        const char* when;
        QDateTime written;
        QString extra;
    } cases[] = {
        {"journal newer", modified.addSecs(60), QString()},
        {"file newer", modified.addSecs(-60),
         QStringLiteral("ファイルはこの記録のあとに変更されています(%1)。\n")
             .arg(modified.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        const QString id = leaveJournal(someBlocks(1, QStringLiteral("y")), {file, c.written});
        dialogs.expect(question(file, c.written, 1, c.extra), Answer::Discard);
        commands->recovery.offerAtStart();
        EXPECT_FALSE(exists(id));
    }
}

TEST_F(RecoveryTest, AJournalThatCannotBeReadIsKeptAndTheBoxSaysSo) {
    const QByteArray dataFile = DataFileBytes(someBlocks(1, QStringLiteral("z")));
    const auto record = [](int version, qsizetype bytes) {
        return R"({"version":)" + QByteArray::number(version) +
               R"(,"file":"","written":"2026-01-02T03:04:05.000Z","shownBlock":1,"blockCount":1,"process":1,)"
               R"("bytes":)" +
               QByteArray::number(bytes) + "}\n";
    };
    const qsizetype size = dataFile.size();
    const struct {
        const char* journal;
        QByteArray bytes;
        QString reason;
    } cases[] = {
        {"of a later version", record(2, size) + dataFile,
         QStringLiteral("新しい版のプログラムが書いた記録です")},
        {"cut short", record(1, size) + dataFile.left(size - 3),
         QStringLiteral("記録が途中で切れているか、壊れています")},
        {"longer than it says", record(1, size) + dataFile + "1",
         QStringLiteral("記録が途中で切れているか、壊れています")},
        {"without a record", dataFile, QStringLiteral("復元用の記録ではないか、壊れています")},
        {"empty", QByteArray(), QStringLiteral("復元用の記録ではないか、壊れています")},
        {"holding no data file", record(1, 5) + "hello", QStringLiteral("記録のデータが壊れています")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.journal);
        const QString id = QStringLiteral("20200101-000000-2");
        leaveBytes(c.bytes, id);
        dialogs.expect(
            QStringLiteral("保存されないまま終了した作業の記録がありますが、読めません。\n記録: %1\n(%2)\n"
                           "記録は削除せずに残します。")
                .arg(folder.journalPath(id), c.reason));
        commands = std::make_unique<Commands>(data, dialogs, CommandViews{grid, survey, counterRead}, link,
                                              port, &folder);
        EXPECT_FALSE(commands->recovery.offerAtStart());
        EXPECT_TRUE(exists(id));
        EXPECT_FALSE(commands->recovery.offerAtStart());  // said once a run
    }
}

TEST_F(RecoveryTest, TheJournalOfARunningInstanceIsNeverOffered) {
    TestData running;
    Commands other(running, dialogs, CommandViews{grid, survey, counterRead}, link, port, &folder);
    running.Modified = true;
    running.changed.notify();
    ASSERT_TRUE(exists(other.recovery.journal()->id()));
    EXPECT_FALSE(commands->recovery.offerAtStart());
    EXPECT_TRUE(exists(other.recovery.journal()->id()));
}

TEST_F(RecoveryTest, OpeningAFileThatHasAJournalAsksFirst) {
    const QString file = dir.filePath(QStringLiteral("b.txt"));
    const QString elsewhere = dir.filePath(QStringLiteral("c.txt"));
    ASSERT_FALSE(WriteDataFile(file, someBlocks(1, QStringLiteral("ディスク"))));
    ASSERT_FALSE(WriteDataFile(elsewhere, someBlocks(1, QStringLiteral("ほか"))));
    const QDateTime written = QDateTime::currentDateTimeUtc().addSecs(3600);
    const struct {
        Answer answer;
        QString surveyName;
        bool modified;
        bool kept;
    } cases[] = {
        {Answer::Restore, QStringLiteral("記録"), true, false},
        {Answer::Discard, QStringLiteral("ディスク"), false, false},
        {Answer::Later, QStringLiteral("ディスク"), false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.answer));
        commands = std::make_unique<Commands>(data, dialogs, CommandViews{grid, survey, counterRead}, link,
                                              port, &folder);
        const QString id = leaveJournal(someBlocks(2, QStringLiteral("記録")), {file, written, 2});
        EXPECT_TRUE(commands->files.openFile(elsewhere));  // another file's journal is not asked about
        dialogs.expect(question(file, written, 2), c.answer);
        EXPECT_TRUE(commands->files.openFile(file));
        EXPECT_EQ(data.SurveyName[1], c.surveyName);
        EXPECT_EQ(data.DataFileName, file);
        EXPECT_EQ(data.Modified, c.modified);
        EXPECT_EQ(exists(id), c.kept);
        QFile::remove(folder.journalPath(id));
        commands->recovery.journal()->end();
    }
}

// At start the file named on the command line is opened, unless the work restored is that file's.
TEST_F(RecoveryTest, TheFileToOpenAtStartGivesWayToItsRestoredWork) {
    const QString file = dir.filePath(QStringLiteral("d.txt"));
    const QString other = dir.filePath(QStringLiteral("e.txt"));
    ASSERT_FALSE(WriteDataFile(file, someBlocks(1, QStringLiteral("ディスク"))));
    ASSERT_FALSE(WriteDataFile(other, someBlocks(1, QStringLiteral("ほか"))));
    const QDateTime written = QDateTime::currentDateTimeUtc().addSecs(3600);
    const struct {
        const char* start;
        QString opened;
        std::optional<Answer> discard;  // the answer to 開く's question, when it is asked
        QString surveyName;
    } cases[] = {
        {"with the journal's file", file, std::nullopt, QStringLiteral("記録")},
        {"with another file, keeping the work", other, Answer::No, QStringLiteral("記録")},
        {"with another file, giving the work up", other, Answer::Yes, QStringLiteral("ほか")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        data = TestData();
        commands = std::make_unique<Commands>(data, dialogs, CommandViews{grid, survey, counterRead}, link,
                                              port, &folder);
        leaveJournal(someBlocks(1, QStringLiteral("記録")), {file, written});
        dialogs.expect(question(file, written, 1), Answer::Restore);
        if (c.discard)
            dialogs.expect(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"),
                           *c.discard);
        commands->start(c.opened);
        EXPECT_EQ(data.SurveyName[1], c.surveyName);
        commands->recovery.journal()->end();
    }
}

}  // namespace
