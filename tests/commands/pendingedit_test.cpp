// What the engineer typed is never lost or left half done, whatever command comes next.
#include <functional>

#include "commandsfixture.h"
#include "datafile/datafilereader.h"

namespace {

class PendingEditTest : public CommandsTest {
protected:
    void typeWithoutFinishing(int row, const QString& text) {
        grid.select(row);
        commands.entry.GridKeyPress(text.left(1));
        grid.setEditorText(text);
    }
};

TEST_F(PendingEditTest, WhatWasTypedLandsInItsOwnRowBeforeAnyOtherCommand) {
    const QString path = folder.filePath(QStringLiteral("a.txt"));
    const struct {
        const char* command;
        std::function<void()> run;
    } commandsRun[] = {
        {"the next block", [&] { commands.blocks.NextBlock(); }},
        {"the block-number box",
         [&] {
             survey.blockNumber = QStringLiteral("2");
             commands.blocks.JumpToTypedBlock();
         }},
        {"上書き保存",
         [&] {
             data.DataFileName = path;
             dialogs.expect(QStringLiteral("ファイル名%1で上書きしてもよろしいですか。").arg(path),
                            Answer::Yes);
             commands.files.save();
         }},
        {"削除 of the row typed in",
         [&] {
             dialogs.expect(QStringLiteral("5 回目のデータを削除してもよろしいですか？"), Answer::No);
             commands.blocks.DeleteDrop();
         }},
        {"再計算", [&] { commands.blocks.Recalculate(); }},
        {"データ補正", [&] { commands.files.correctReadings(); }},
    };
    for (const auto& command : commandsRun) {
        SCOPED_TRACE(command.command);
        setReadings(1, {1.0f, 2.0f, 3.0f});
        setReadings(2, {9.0f});
        show(1);
        // An edit left open on row 5, two rows below the data: it fills the gap when it is finished.
        typeWithoutFinishing(5, QStringLiteral("5"));
        command.run();
        EXPECT_EQ(readings(1), (std::vector<float>{1.0f, 2.0f, 3.0f, 4.0f, 5.0f}));
        EXPECT_EQ(readings(2), std::vector<float>{9.0f});
        EXPECT_FALSE(grid.editorVisible());
    }
    TestData saved;
    ReadDataFile(path, saved);
    EXPECT_EQ(saved.DropCount[1], 5);

    // A value the grid stored when it took the focus, without the follow-up of a click, gets it too.
    setReadings(1, {1.0f, 2.0f, 3.0f});
    show(1);
    typeWithoutFinishing(5, QStringLiteral("5"));
    grid.focusGrid();
    EXPECT_EQ(data.DropCount[1], 3);
    commands.blocks.TopBlock();
    EXPECT_EQ(readings(1), (std::vector<float>{1.0f, 2.0f, 3.0f, 4.0f, 5.0f}));

    // A row without a drop never shows a reading, whatever was left there.
    grid.setCellText(7, 1, QStringLiteral("7.0"));
    show(1);
    EXPECT_EQ(cell(7, 1), "");
}

TEST_F(PendingEditTest, TheBlockNumberBoxStoresTheTextsTypedBeforeItJumps) {
    setReadings(1, {1.0f});
    setReadings(2, {2.0f});
    show(1);
    survey.fields[SurveyField::SurveyName] = QStringLiteral("河川敷");
    survey.blockNumber = QStringLiteral("2");
    commands.blocks.JumpToTypedBlock();
    EXPECT_EQ(data.CurBlock, 2);
    EXPECT_EQ(data.SurveyName[1], QStringLiteral("河川敷"));
    EXPECT_EQ(data.BlockNo[1], 0) << "the box held the block to go to, not the number of block 1";

    // A refused jump leaves the box showing the block on screen.
    data.DropCount[2] = 0;
    survey.blockNumber = QStringLiteral("1");
    dialogs.expect(QStringLiteral("データが読込まれていません。"));
    commands.blocks.JumpToTypedBlock();
    EXPECT_EQ(survey.blockNumber, QStringLiteral("2"));
}

TEST_F(PendingEditTest, ClearedAndRemovedBlocksLeaveNoSurveyTextBehind) {
    const auto expectEmptySurvey = [this] {
        for (const auto& [field, text] : survey.fields)
            EXPECT_EQ(text, field == SurveyField::DropHeight ? QStringLiteral("50cm") : QString());
    };
    for (int block = 1; block <= 2; ++block) {
        setReadings(block, {1.0f});
        data.SurveyName[block] = QStringLiteral("調査%1").arg(block);
    }
    show(1);
    dialogs.expect(QStringLiteral("すべてのブロックのデータをクリアしてもよろしいですか？"), Answer::Yes);
    commands.blocks.ClearAllBlocks();
    expectEmptySurvey();
    EXPECT_EQ(survey.blockNumber, QStringLiteral("1"));

    for (int block = 1; block <= 2; ++block) {
        setReadings(block, {1.0f});
        data.SurveyName[block] = QStringLiteral("調査%1").arg(block);
    }
    show(2);
    dialogs.expect(QStringLiteral("表示されているブロック(2)のデータをクリアしてもよろしいですか？"),
                   Answer::Yes);
    commands.blocks.ClearShownBlock();
    dialogs.expect(QStringLiteral("これより先のブロックはありません。追加しますか？"), Answer::Yes);
    dialogs.expect(QStringLiteral("前ブロックの調査情報を引き継ぎますか？"), Answer::No);
    commands.blocks.NextBlock();
    EXPECT_EQ(survey.fields[SurveyField::SurveyName], QString()) << "the removed block's name came back";

    dialogs.expect(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"), Answer::Yes);
    commands.blocks.NewData();
    expectEmptySurvey();
}

TEST_F(PendingEditTest, UnsavedChangesAreKnownUntilTheDataAreSavedOpenedOrMadeNew) {
    const QString path = folder.filePath(QStringLiteral("a.txt"));
    typeWithoutFinishing(1, QStringLiteral("3"));
    commands.entry.EditKeyCode(KeyCode::Enter);
    EXPECT_TRUE(data.Modified);
    dialogs.expectSaveFile(path);
    commands.files.saveAs();
    EXPECT_FALSE(data.Modified);

    dialogs.expect(QStringLiteral("これより先のブロックはありません。追加しますか？"), Answer::Yes);
    dialogs.expect(QStringLiteral("前ブロックの調査情報を引き継ぎますか？"), Answer::No);
    commands.blocks.NextBlock();
    EXPECT_TRUE(data.Modified);
    dialogs.expect(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"), Answer::Yes);
    dialogs.expectOpenFile(path);
    commands.files.open();
    EXPECT_FALSE(data.Modified);

    // Moving between blocks and storing an unchanged survey changes nothing to save.
    commands.blocks.TopBlock();
    commands.blocks.EndBlock();
    EXPECT_FALSE(data.Modified);
    survey.fields[SurveyField::TesterName] = QStringLiteral("佐藤");
    commands.blocks.TopBlock();
    EXPECT_TRUE(data.Modified);

    dialogs.expect(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"), Answer::Yes);
    commands.blocks.NewData();
    EXPECT_FALSE(data.Modified);
}

}  // namespace
