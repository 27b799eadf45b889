#pragma once

#include <QString>

class Dialogs;
class GridView;
class ReadingEntry;
class SurveyView;
struct TestData;

// Showing a block in the main window, moving between blocks, and the commands that change drops or
// whole blocks: insert and delete a drop, remove the shown block, clear all blocks, New.
class BlockCommands {
public:
    BlockCommands(TestData& data, GridView& grid, SurveyView& survey, ReadingEntry& entry, Dialogs& dialogs);

    // Puts block `block` on screen: its survey texts, its number and its readings.
    void DispData(int block);
    // Empties the eight survey fields and the block-number box.
    void ClearText();
    // Empties every block in use and shows block 1.
    void ClearAllData();
    // Sets the readings of a block to 0.0; call it before its drop count is set to 0.
    void ClearMeasure(int block);
    // Copies the survey fields on screen into the shown block, and `BlockNo` from the block-number box.
    void StoreBlockHeader();
    // The survey fields alone.
    void storeSurveyTexts();
    // The survey of the shown block of an emptied data set, on screen and in the block: empty texts and
    // the default drop height.
    void showEmptySurvey();

    // Shows block `CurBlock` from its first row, with the grid focused: after a block change or a load.
    void ShowBlockFromStart();
    // Shows block `CurBlock` again after its readings changed.
    void ShowBlockAgain();
    // Back to one empty block without a data file, the survey name field focused.
    void emptyDataSet();

    // Commands that need data refuse with a message when the shown block has no drops.
    bool requireData();
    // Whether the data in memory may be replaced: asked while any block holds drops or anything is unsaved.
    bool mayDiscardData();

    void TopBlock();
    void PrevBlock();
    void NextBlock();
    void EndBlock();
    // Up, Down or Enter in the block-number box: shows the block whose number was typed.
    void JumpToTypedBlock();

    void InsertDrop();
    void DeleteDrop();
    // データクリア(1block): removes the shown block.
    void ClearShownBlock();
    // データクリア(全block)
    void ClearAllBlocks();
    // 新規作成
    void NewData();
    // 再計算
    void Recalculate();

private:
    void showBlock(int to);
    void blankRowsFrom(int first);
    void appendBlock();
    void removeBlockAt(int block);
    void notice(const QString& text, const QString& title);

    TestData& data_;
    GridView& grid_;
    SurveyView& survey_;
    ReadingEntry& entry_;
    Dialogs& dialogs_;
};
