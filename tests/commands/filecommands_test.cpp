#include "commands/filecommands.h"

#include "commandsfixture.h"
#include "datafile/datafilereader.h"
#include "datafile/testfiles.h"

namespace {

const QString ClearQuestion = QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？");
const QString NotADataFile = QStringLiteral("このﾌｧｲﾙは貫入計ではありません。もう一度読み直してください。");
const QString NoDataToSave = QStringLiteral("データがありません。");
const QString NameMissing = QStringLiteral("ファイル名を指定してください。");
const std::string OneDropFile =
    "\"KORVANDEL\",1,\"EXT\"\r\n1,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n"
    "\" 2.5\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\"\r\n";

class FileCommandsTest : public CommandsTest {
protected:
    // Block `block` of two holds `drops` readings 1, 2, 3...; it is shown.
    void holdData(int block, int drops) {
        data.BlockCount = 2;
        data.DropCount[block] = static_cast<qint16>(drops);
        for (int drop = 1; drop <= drops; ++drop) data.Measure[block][drop] = static_cast<float>(drop);
        show(block);
    }

    QString file(const char* name, std::string_view bytes) {
        const QString path = folder.filePath(name);
        writeBytes(path, bytes);
        return path;
    }
};

TEST_F(FileCommandsTest, OpenAsksWhenAnyBlockHoldsDropsAndShowsTheFile) {
    holdData(1, 3);
    show(2);
    const QString path = file("a.txt", OneDropFile);
    dialogs.expect(ClearQuestion, Answer::Yes);
    dialogs.expectOpenFile(path);
    commands.files.open();
    ASSERT_EQ(dialogs.shownFileDialogs().size(), 1u);
    EXPECT_FALSE(dialogs.shownFileDialogs()[0].save);
    EXPECT_EQ(dialogs.shownFileDialogs()[0].filter.label, QStringLiteral("すべてのﾌｧｲﾙ (*.txt)"));
    EXPECT_EQ(dialogs.shownFileDialogs()[0].filter.pattern, QStringLiteral("*.txt"));
    EXPECT_EQ(data.BlockCount, 1);
    EXPECT_EQ(data.CurBlock, 1);
    EXPECT_EQ(data.DataFileName, path);
    EXPECT_EQ(survey.caption, QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾒｲﾝﾌﾚｰﾑ [%1]").arg(path));
    EXPECT_EQ(survey.blockNumber, QStringLiteral("1"));
    EXPECT_EQ(cell(1, 1), "2.5");
    EXPECT_EQ(cell(1, 2), "2.5");

    // Nothing to lose: no question.
    data.DropCount[1] = 0;
    dialogs.expectOpenFile(path);
    commands.files.open();
    EXPECT_EQ(data.DropCount[1], 1);
}

TEST_F(FileCommandsTest, OpenOverShownDataAsksFirstAndLeavesNothingOfTheOldBlockOnScreen) {
    holdData(2, 3);
    dialogs.expect(ClearQuestion, Answer::No);
    commands.files.open();
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("データ読込みの確認"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNoDefaultNo);

    dialogs.expect(ClearQuestion, Answer::Yes);
    dialogs.expectOpenFile(std::nullopt);
    commands.files.open();
    EXPECT_EQ(readings(2), (std::vector<float>{1.0f, 2.0f, 3.0f}));

    dialogs.expect(ClearQuestion, Answer::Yes);
    dialogs.expectOpenFile(file("a.txt", OneDropFile));
    commands.files.open();
    EXPECT_EQ(cell(1, 1), "2.5");
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(cell(3, 2), "");
}

TEST_F(FileCommandsTest, OpenOfAnotherKindOfFileKeepsTheDataAndTheCurrentFileName) {
    holdData(2, 3);
    data.DataFileName = QStringLiteral("/前/data.txt");
    dialogs.expect(NotADataFile);
    EXPECT_FALSE(commands.files.openFile(file("b.txt", "\"korvandel\",1,\"EXT\"\r\n")));
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::Ok);
    EXPECT_EQ(data.DataFileName, QStringLiteral("/前/data.txt"));
    EXPECT_EQ(data.DropCount[2], 3);
    EXPECT_EQ(cell(3, 1), "3.0");
    EXPECT_TRUE(survey.caption.isEmpty());

    dialogs.expect(QStringLiteral("ファイル%1を読込めませんでした。\n(ファイルではなくフォルダーです)")
                       .arg(folder.path()));
    EXPECT_FALSE(commands.files.openFile(folder.path()));
    EXPECT_EQ(dialogs.shown()[1].title, QStringLiteral("ファイル読込みエラー"));
    EXPECT_EQ(dialogs.shown()[1].icon, Icon::Critical);
}

TEST_F(FileCommandsTest, OpenOfADamagedOrOversizedFileShowsWhatWasReadAndWarns) {
    const QString path = file("c.txt", std::string("\"KORVANDEL\",101,\"EXT\"\r\n") + "1,\"\",\"\"");
    dialogs.expect(
        QStringLiteral("ファイル%1には、読込める量(100ブロック、1ブロック500回)を超えるデータがあります。\n"
                       "超えた分は読込まれていません。上書き保存すると、その分は失われます。")
            .arg(path));
    dialogs.expect(
        QStringLiteral("ファイル%1の一部が読めませんでした。ファイルが壊れている可能性があります。\n"
                       "読めた範囲のデータを表示します。上書き保存する前に内容を確認してください。")
            .arg(path));
    EXPECT_TRUE(commands.files.openFile(path));
    EXPECT_EQ(data.DataFileName, path);
    EXPECT_EQ(data.BlockCount, 100);
    EXPECT_EQ(dialogs.shown()[1].title, QStringLiteral("データ読込みの警告"));
    EXPECT_EQ(survey.blockNumber, QStringLiteral("1"));
}

TEST_F(FileCommandsTest, SaveAndCorrectionNeedReadingsInTheShownBlock) {
    holdData(1, 3);
    show(2);
    data.DataFileName = folder.filePath("a.txt");
    dialogs.expect(NoDataToSave);
    dialogs.expect(NoDataToSave);
    dialogs.expect(QStringLiteral("データが読込まれていません。"));
    commands.files.save();
    commands.files.saveAs();
    commands.files.correctReadings();
    for (const ShownBox& box : dialogs.shown()) {
        EXPECT_EQ(box.title, QStringLiteral("データなし"));
        EXPECT_EQ(box.buttons, Buttons::CancelRetryContinue);
    }
    EXPECT_FALSE(QFile::exists(data.DataFileName));
}

TEST_F(FileCommandsTest, SaveAsksBeforeReplacingTheCurrentFileAndStoresTheTypedSurveyFields) {
    holdData(1, 3);
    data.DataFileName = file("a.txt", "old");
    survey.fields[SurveyField::SurveyName] = QStringLiteral("入力中の調査");
    const QString question =
        QStringLiteral("ファイル名%1で上書きしてもよろしいですか。").arg(data.DataFileName);
    dialogs.expect(question, Answer::No);
    commands.files.save();
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ファイル名確認"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(bytesOf(data.DataFileName), "old");
    EXPECT_TRUE(data.SurveyName[1].isEmpty());

    dialogs.expect(question, Answer::Yes);
    commands.files.save();
    EXPECT_EQ(data.ExtFormat, 1);
    TestData saved;
    ReadDataFile(data.DataFileName, saved);
    EXPECT_EQ(saved.SurveyName[1], QStringLiteral("入力中の調査"));
    EXPECT_EQ(saved.DropCount[1], 3);
}

TEST_F(FileCommandsTest, SaveWithoutAFileNameAsksForOneFirst) {
    holdData(1, 3);
    dialogs.expect(NameMissing);
    dialogs.expectSaveFile(std::nullopt);
    commands.files.save();
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ファイル名不正"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::CancelRetryContinue);
    EXPECT_EQ(data.DataFileName, QString());

    const QString path = folder.filePath("new.txt");
    dialogs.expect(NameMissing);
    dialogs.expectSaveFile(path);
    commands.files.save();
    EXPECT_EQ(dialogs.shownFileDialogs().back().filter.label, QStringLiteral("すべてのﾌｧｲﾙ (*.txt)"));
    EXPECT_TRUE(dialogs.shownFileDialogs().back().save);
    EXPECT_EQ(data.DataFileName, path);
    EXPECT_EQ(bytesOf(path).substr(0, 22), "\"KORVANDEL\",2,\"EXT\"\r\n1");
    EXPECT_EQ(survey.caption, QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾒｲﾝﾌﾚｰﾑ [%1]").arg(path));
}

TEST_F(FileCommandsTest, SaveAsReplacesAnExistingFileWithoutAsking) {
    holdData(1, 3);
    const QString path = file("a.txt", "old");
    dialogs.expectSaveFile(path);
    commands.files.saveAs();
    EXPECT_EQ(data.DataFileName, path);
    EXPECT_NE(bytesOf(path), "old");
}

TEST_F(FileCommandsTest, FailedSaveNamesTheFileAndReasonAndKeepsTheOldFile) {
    holdData(1, 3);
    data.DataFileName = QStringLiteral("/前/data.txt");
    const QString path = file("a.txt", "old");
    dialogs.expectSaveFile(path);
    dialogs.expect(
        QStringLiteral(
            "ファイル%1に保存できませんでした。\n(ファイルが大きすぎます)\nファイルは変更されていません。")
            .arg(path));
    {
        const FileSizeLimit diskFull(20);
        commands.files.saveAs();
    }
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("保存エラー"));
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_EQ(bytesOf(path), "old");
    EXPECT_EQ(data.DataFileName, QStringLiteral("/前/data.txt"));
}

TEST_F(FileCommandsTest, SurveyTextsTheFileCannotHoldAreReplacedOnlyWithConsent) {
    holdData(1, 3);
    survey.fields[SurveyField::SurveyName] = QStringLiteral("\"A\"地区");
    const QString path = folder.filePath("a.txt");
    const QString question = QStringLiteral(
        "調査情報に、ファイルに保存できない文字があります。\n"
        "\" を ” に、保存できないその他の文字を ？ に置き換えて保存しますか？");
    dialogs.expectSaveFile(path);
    dialogs.expect(question, Answer::No);
    commands.files.saveAs();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(data.DataFileName, QString());

    dialogs.expectSaveFile(path);
    dialogs.expect(question, Answer::Yes);
    commands.files.saveAs();
    TestData saved;
    ReadDataFile(path, saved);
    EXPECT_EQ(saved.SurveyName[1], QStringLiteral("”A”地区"));
    EXPECT_EQ(data.SurveyName[1], QStringLiteral("\"A\"地区"));
}

TEST_F(FileCommandsTest, CorrectionCorrectsEveryBlockAndShowsTheShownBlockAgain) {
    data.DropCount[1] = 2;
    data.Measure[1][1] = 3.0f;
    data.Measure[1][2] = 1.0f;
    holdData(2, 4);
    data.Measure[2][3] = 0.5f;
    commands.files.correctReadings();
    EXPECT_EQ(readings(2), (std::vector<float>{1.0f, 2.0f, 4.0f}));
    EXPECT_EQ(data.DropCount[1], 1);
    EXPECT_EQ(cell(3, 1), "4.0");
    EXPECT_EQ(cell(3, 2), "2.0");
    EXPECT_EQ(cell(4, 1), "");
    EXPECT_EQ(survey.blockNumber, QStringLiteral("2"));
}

}  // namespace
