#pragma once

#include <QString>

class Dialogs;
class FileCommandWindow;
struct TestData;

// The commands of the file menu that move the data set between memory and a data file, and the data
// correction: 開く, 上書き保存, 名前を付けて保存 and データ補正.
class FileCommands {
public:
    FileCommands(TestData& data, Dialogs& dialogs, FileCommandWindow& window);

    // 開く: after asking whether the shown data may be discarded, opens a data file chosen in a dialog.
    void mnuOpen();
    // 上書き保存: saves to the current data file after asking, or asks for a name when there is none.
    void mnuSave();
    // 名前を付けて保存: saves under a name chosen in a dialog, replacing such a file without asking.
    void mnuSaveName();
    // データ補正: removes the readings that break the rising depth sequence, in every block.
    void mnuFileCheck();

    // Opens a data file as 開く does once the file is chosen; returns whether it was loaded.
    bool openFile(const QString& path);

private:
    bool refuseWithoutData(const QString& text);
    void save(const QString& path);

    TestData& data_;
    Dialogs& dialogs_;
    FileCommandWindow& window_;
};
