// The journal holds the unsaved data set after every command, and goes when nothing is left unsaved.
#include <sys/resource.h>
#include <QCoreApplication>
#include <csignal>
#include <functional>

#include "datafile/datafilereader.h"
#include "recoveryfixture.h"

namespace {

const QString DiscardQuestion = QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？");

TEST_F(RecoveryTest, TheJournalHoldsTheUnsavedDataSetAfterEveryCommandAndGoesWhenNothingIsLeftUnsaved) {
    const QString saved = dir.filePath(QStringLiteral("現場.txt"));
    const QString other = dir.filePath(QStringLiteral("other.txt"));
    ASSERT_FALSE(WriteDataFile(other, someBlocks(2, QStringLiteral("別"))));
    const auto typeReading = [this](int row, const QString& text) {
        grid.select(row);
        commands->entry.GridKeyPress(text.left(1));
        grid.setEditorText(text);
        commands->entry.EditKeyCode(KeyCode::Enter);
    };
    const struct {
        const char* command;
        std::function<void()> run;
        bool journal;
        QString file{};  // the data file the journal names
    } steps[] = {
        {"nothing changed yet", [] {}, false},
        {"a reading typed", [&] { typeReading(1, QStringLiteral("5")); }, true},
        {"a survey text typed",
         [&] {
             survey.setFieldText(SurveyField::SurveyName, QStringLiteral("河川敷"));
             commands->blocks.storeSurveyTexts();
         },
         true},
        {"a block added",
         [&] {
             dialogs.expect(QStringLiteral("これより先のブロックはありません。追加しますか？"), Answer::Yes);
             dialogs.expect(QStringLiteral("前ブロックの調査情報を引き継ぎますか？"), Answer::Yes);
             commands->blocks.NextBlock();
         },
         true},
        {"a reading in the new block", [&] { typeReading(1, QStringLiteral("7.5")); }, true},
        {"the first block shown", [&] { commands->blocks.TopBlock(); }, true},
        {"saved under a name",
         [&] {
             dialogs.expectSaveFile(saved);
             commands->files.saveAs();
         },
         false},
        {"changed after the save", [&] { typeReading(2, QStringLiteral("9")); }, true, saved},
        {"another file opened after the question",
         [&] {
             dialogs.expect(DiscardQuestion, Answer::Yes);
             dialogs.expectOpenFile(other);
             commands->files.open();
         },
         false},
        {"データ補正 with nothing to correct", [&] { commands->files.correctReadings(); }, false},
        {"a reading in the opened file", [&] { typeReading(4, QStringLiteral("40")); }, true, other},
        {"新規作成 after the question",
         [&] {
             dialogs.expect(DiscardQuestion, Answer::Yes);
             commands->blocks.NewData();
         },
         false},
        {"a file opened by a name relative to the folder the program runs in, then changed",
         [&] {
             const QString previous = QDir::currentPath();
             QDir::setCurrent(dir.path());
             commands->files.openFile(QStringLiteral("other.txt"));
             typeReading(4, QStringLiteral("41"));
             QDir::setCurrent(previous);
         },
         true, other},
        {"a normal end",
         [&] {
             typeReading(5, QStringLiteral("50"));
             commands->recovery.journal()->end();
         },
         false},
        {"a window that closes after the end shows the block again",
         [&] { commands->blocks.ShowBlockFromStart(); }, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.command);
        step.run();
        ASSERT_TRUE(dialogs.allAnswered());
        const std::optional<Journal> journal = ownJournal();
        ASSERT_EQ(journal.has_value(), step.journal);
        if (!journal) continue;
        EXPECT_EQ(journal->dataFile, DataFileBytes(data));
        EXPECT_EQ(journal->record.dataFile, step.file);
        EXPECT_EQ(journal->record.shownBlock, data.CurBlock);
        EXPECT_EQ(journal->record.blockCount, data.BlockCount);
        EXPECT_EQ(journal->record.process, QCoreApplication::applicationPid());
        EXPECT_LE(journal->record.written.secsTo(QDateTime::currentDateTimeUtc()), 5);
    }
}

// What cannot be written is said once, and written at the next change once it can be.
TEST_F(RecoveryTest, AJournalThatCannotBeWrittenIsSaidOnceAndWrittenAtTheNextChangeThatCan) {
    const auto sizeLimit = [](rlim_t bytes) {
        const rlimit limit{bytes, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    std::signal(SIGXFSZ, SIG_IGN);
    const struct {
        const char* fault;
        bool fromTheStart;  // else it comes while the program runs
        std::function<void()> make;
        std::function<void()> mend;
        QString reason;
    } faults[] = {
        {"the folder's place taken by a file", true,
         [&] {
             QDir(folder.path()).removeRecursively();
             QFile(folder.path()).open(QIODevice::WriteOnly);
         },
         [&] { QFile::remove(folder.path()); },
         QStringLiteral("フォルダー%1に書込めません").arg(folder.path())},
        {"a full disk", false, [&] { sizeLimit(64); }, [&] { sizeLimit(RLIM_INFINITY); },
         QStringLiteral("ファイルが大きすぎます")},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.fault);
        commands.reset();
        if (fault.fromTheStart) fault.make();
        commands = std::make_unique<Commands>(data, dialogs, CommandViews{grid, survey, counterRead}, link,
                                              port, &folder);
        QStringList warnings;
        commands->recovery.journal()->setWarning([&](const QString& reason) { warnings << reason; });
        if (!fault.fromTheStart) fault.make();
        for (const char* text : {"a", "ab", "abc"}) {
            survey.setFieldText(SurveyField::SurveyName, QString::fromLatin1(text));
            commands->blocks.storeSurveyTexts();
        }
        fault.mend();
        EXPECT_EQ(warnings, QStringList{fault.reason});
        EXPECT_FALSE(commands->recovery.journal()->current());
        survey.setFieldText(SurveyField::SurveyName, QStringLiteral("abcd"));
        commands->blocks.storeSurveyTexts();
        const std::optional<Journal> journal = ownJournal();
        ASSERT_TRUE(journal);
        EXPECT_EQ(journal->dataFile, DataFileBytes(data));
        EXPECT_EQ(warnings.size(), 1);
        commands->recovery.journal()->end();
    }
}

}  // namespace
