#include "datafile/filecommands.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "datafile/datafilereader.h"
#include "datafile/filecommandwindow.h"
#include "model/testdata.h"
#include "support/scripteddialogs.h"
#include "testfiles.h"

namespace {

const QString ClearQuestion = QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？");
const QString NotADataFile = QStringLiteral("このﾌｧｲﾙは貫入計ではありません。もう一度読み直してください。");
const QString NoDataToSave = QStringLiteral("データがありません。");
const QString NameMissing = QStringLiteral("ファイル名を指定してください。");
const std::string OneDropFile =
    "\"KORVANDEL\",1,\"EXT\"\r\n1,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n"
    "\" 2.5\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\"\r\n";

// The main window: records what the commands ask of it.
class FakeWindow : public FileCommandWindow {
public:
    explicit FakeWindow(TestData& data) : data_(data) {}

    void StoreBlockHeader() override {
        calls.emplace_back("StoreBlockHeader", data_.CurBlock);
        data_.SurveyName[data_.CurBlock] = typedSurveyName;
    }
    void setCaption(const QString& text) override {
        calls.emplace_back("setCaption", 0);
        caption = text;
    }
    void clearGrid(int rows) override { calls.emplace_back("clearGrid", rows); }
    void showLoadedData() override { calls.emplace_back("showLoadedData", data_.CurBlock); }
    void showCorrectedData() override { calls.emplace_back("showCorrectedData", data_.CurBlock); }

    std::vector<std::pair<std::string, int>> calls;  // what was asked, with the rows or the block
    QString caption;
    QString typedSurveyName = QStringLiteral("入力中の調査");

private:
    TestData& data_;
};

using Calls = std::vector<std::pair<std::string, int>>;

class FileCommandsTest : public testing::Test {
protected:
    // Block `block` of two holds `drops` readings 1, 2, 3...; it is shown.
    void holdData(int block, int drops) {
        data.BlockCount = 2;
        data.CurBlock = static_cast<qint16>(block);
        data.DropCount[block] = static_cast<qint16>(drops);
        for (int drop = 1; drop <= drops; ++drop) data.Measure[block][drop] = static_cast<float>(drop);
    }

    QString file(const char* name, std::string_view bytes) {
        const QString path = folder.filePath(name);
        writeBytes(path, bytes);
        return path;
    }

    QTemporaryDir folder;
    TestData data;
    ScriptedDialogs dialogs;
    FakeWindow window{data};
    FileCommands commands{data, dialogs, window};
};

TEST_F(FileCommandsTest, OpenAsksNothingWhenTheShownBlockIsEmptyAndShowsTheFile) {
    holdData(1, 3);
    data.CurBlock = 2;
    const QString path = file("a.txt", OneDropFile);
    dialogs.expectOpenFile(path);
    commands.mnuOpen();
    ASSERT_EQ(dialogs.shownFileDialogs().size(), 1u);
    EXPECT_FALSE(dialogs.shownFileDialogs()[0].save);
    EXPECT_EQ(dialogs.shownFileDialogs()[0].filter.label, QStringLiteral("すべてのﾌｧｲﾙ (*.txt)"));
    EXPECT_EQ(dialogs.shownFileDialogs()[0].filter.pattern, QStringLiteral("*.txt"));
    EXPECT_EQ(data.BlockCount, 1);
    EXPECT_EQ(data.Measure[1][1], 2.5f);
    EXPECT_EQ(data.DataFileName, path);
    EXPECT_EQ(window.caption, QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾒｲﾝﾌﾚｰﾑ [%1]").arg(path));
    EXPECT_EQ(window.calls, Calls({{"clearGrid", 0}, {"setCaption", 0}, {"showLoadedData", 1}}));
}

TEST_F(FileCommandsTest, OpenOverShownDataAsksFirstAndACancelChangesNothing) {
    holdData(2, 3);
    dialogs.expect(ClearQuestion, Answer::No);
    commands.mnuOpen();
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("データ読込みの確認"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNoDefaultNo);

    dialogs.expect(ClearQuestion, Answer::Yes);
    dialogs.expectOpenFile(std::nullopt);
    commands.mnuOpen();

    dialogs.expect(ClearQuestion, Answer::Yes);
    dialogs.expectOpenFile(file("a.txt", OneDropFile));
    commands.mnuOpen();
    EXPECT_EQ(window.calls, Calls({{"clearGrid", 3}, {"setCaption", 0}, {"showLoadedData", 1}}));
}

TEST_F(FileCommandsTest, OpenOfAnotherKindOfFileKeepsTheDataAndTheCurrentFileName) {
    holdData(2, 3);
    data.DataFileName = QStringLiteral("/前/data.txt");
    dialogs.expect(NotADataFile);
    EXPECT_FALSE(commands.openFile(file("b.txt", "\"korvandel\",1,\"EXT\"\r\n")));
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::Ok);
    EXPECT_EQ(data.DataFileName, QStringLiteral("/前/data.txt"));
    EXPECT_EQ(data.DropCount[2], 3);
    EXPECT_TRUE(window.calls.empty());
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
    EXPECT_TRUE(commands.openFile(path));
    EXPECT_EQ(data.DataFileName, path);
    EXPECT_EQ(data.BlockCount, 100);
    EXPECT_EQ(dialogs.shown()[1].title, QStringLiteral("データ読込みの警告"));
    EXPECT_EQ(window.calls.back(), Calls::value_type("showLoadedData", 1));
}

TEST_F(FileCommandsTest, SaveAndCorrectionNeedReadingsInTheShownBlock) {
    holdData(1, 3);
    data.CurBlock = 2;
    data.DataFileName = folder.filePath("a.txt");
    dialogs.expect(NoDataToSave);
    dialogs.expect(NoDataToSave);
    dialogs.expect(QStringLiteral("データが読込まれていません。"));
    commands.mnuSave();
    commands.mnuSaveName();
    commands.mnuFileCheck();
    for (const ShownBox& box : dialogs.shown()) {
        EXPECT_EQ(box.title, QStringLiteral("データなし"));
        EXPECT_EQ(box.buttons, Buttons::CancelRetryContinue);
    }
    EXPECT_TRUE(window.calls.empty());
    EXPECT_FALSE(QFile::exists(data.DataFileName));
}

TEST_F(FileCommandsTest, SaveAsksBeforeReplacingTheCurrentFileAndStoresTheTypedSurveyFields) {
    holdData(1, 3);
    data.DataFileName = file("a.txt", "old");
    const QString question =
        QStringLiteral("ファイル名%1で上書きしてもよろしいですか。").arg(data.DataFileName);
    dialogs.expect(question, Answer::No);
    commands.mnuSave();
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ファイル名確認"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(bytesOf(data.DataFileName), "old");
    EXPECT_TRUE(window.calls.empty());

    dialogs.expect(question, Answer::Yes);
    commands.mnuSave();
    EXPECT_EQ(window.calls, Calls({{"StoreBlockHeader", 1}}));
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
    commands.mnuSave();
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ファイル名不正"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::CancelRetryContinue);
    EXPECT_EQ(data.DataFileName, QString());

    const QString path = folder.filePath("new.txt");
    dialogs.expect(NameMissing);
    dialogs.expectSaveFile(path);
    commands.mnuSave();
    EXPECT_EQ(dialogs.shownFileDialogs().back().filter.label, QStringLiteral("すべてのﾌｧｲﾙ (*.txt)"));
    EXPECT_TRUE(dialogs.shownFileDialogs().back().save);
    EXPECT_EQ(data.DataFileName, path);
    EXPECT_EQ(bytesOf(path).substr(0, 22), "\"KORVANDEL\",2,\"EXT\"\r\n1");
    EXPECT_EQ(window.caption, QString());
}

TEST_F(FileCommandsTest, SaveAsReplacesAnExistingFileWithoutAsking) {
    holdData(1, 3);
    const QString path = file("a.txt", "old");
    dialogs.expectSaveFile(path);
    commands.mnuSaveName();
    EXPECT_EQ(data.DataFileName, path);
    EXPECT_NE(bytesOf(path), "old");
}

TEST_F(FileCommandsTest, FailedSaveNamesTheFileAndReasonAndKeepsTheOldFile) {
    holdData(1, 3);
    data.DataFileName = QStringLiteral("/前/data.txt");
    const QString path = file("a.txt", "old");
    dialogs.expectSaveFile(path);
    dialogs.expect(
        QStringLiteral("ファイル%1に保存できませんでした。\n(File too large)\nファイルは変更されていません。")
            .arg(path));
    {
        const FileSizeLimit diskFull(20);
        commands.mnuSaveName();
    }
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("保存エラー"));
    EXPECT_EQ(bytesOf(path), "old");
    EXPECT_EQ(data.DataFileName, QStringLiteral("/前/data.txt"));
}

TEST_F(FileCommandsTest, SurveyTextsTheFileCannotHoldAreReplacedOnlyWithConsent) {
    holdData(1, 3);
    window.typedSurveyName = QStringLiteral("\"A\"地区");
    const QString path = folder.filePath("a.txt");
    const QString question = QStringLiteral(
        "調査情報に、ファイルに保存できない文字があります。\n"
        "\" を ” に、保存できないその他の文字を ？ に置き換えて保存しますか？");
    dialogs.expectSaveFile(path);
    dialogs.expect(question, Answer::No);
    commands.mnuSaveName();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(data.DataFileName, QString());

    dialogs.expectSaveFile(path);
    dialogs.expect(question, Answer::Yes);
    commands.mnuSaveName();
    TestData saved;
    ReadDataFile(path, saved);
    EXPECT_EQ(saved.SurveyName[1], QStringLiteral("”A”地区"));
    EXPECT_EQ(data.SurveyName[1], QStringLiteral("\"A\"地区"));
}

TEST_F(FileCommandsTest, CorrectionClearsTheGridCorrectsEveryBlockAndShowsTheBlockAgain) {
    holdData(2, 4);
    data.Measure[2][3] = 0.5f;
    data.DropCount[1] = 2;
    data.Measure[1][1] = 3.0f;
    data.Measure[1][2] = 1.0f;
    commands.mnuFileCheck();
    EXPECT_EQ(window.calls, Calls({{"clearGrid", 4}, {"showCorrectedData", 2}}));
    EXPECT_EQ(data.DropCount[2], 3);
    EXPECT_EQ(data.DropCount[1], 1);
}

}  // namespace
