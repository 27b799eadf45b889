#pragma once

#include <QString>

class BlockCommands;
class Dialogs;
class ReadingEntry;
class Recovery;
class SurveyView;
struct TestData;

// The commands of the file menu that move the data set between memory and a data file, and the data
// correction.
class FileCommands {
public:
    FileCommands(TestData& data, Dialogs& dialogs, BlockCommands& blocks, ReadingEntry& entry,
                 SurveyView& survey, Recovery& recovery);

    // 開く (mnuOpen): after asking whether the shown data may be discarded, opens a data file chosen
    // in a dialog.
    void open();
    // A file chosen outside the file dialog (from the recent files, dropped on the window): asks as
    // 開く does before the data in memory is replaced. False when the file is not there any more,
    // which the user is told.
    bool openChosen(const QString& path);
    // 上書き保存 (mnuSave): saves to the current data file after asking, or asks for a name when there
    // is none.
    void save();
    // 名前を付けて保存 (mnuSaveName): saves under a name chosen in a dialog, replacing such a file
    // without asking.
    void saveAs();
    // Saves unsaved changes before they would be lost: into the current data file without a question, or
    // under a name chosen in a dialog when there is none. True when they were saved.
    bool saveChanges();
    // データ補正 (mnuFileCheck): removes the readings that break the rising depth sequence, in every block.
    void correctReadings();

    // Opens a data file as 開く does once the file is chosen, after offering the unsaved work that an
    // instance which ended without saving left of it; returns whether it (or that work) was loaded.
    bool openFile(const QString& path);

private:
    bool refuseWithoutData(const QString& text);
    bool saveTo(const QString& path);

    TestData& data_;
    Dialogs& dialogs_;
    BlockCommands& blocks_;
    ReadingEntry& entry_;
    SurveyView& survey_;
    Recovery& recovery_;
};
