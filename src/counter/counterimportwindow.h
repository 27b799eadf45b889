#pragma once

// The main window as the import of the counter's records sees it.
class CounterImportWindow {
public:
    virtual ~CounterImportWindow() = default;

    // Empties every block in use and shows the empty block 1 (データクリア without the question).
    virtual void ClearAllData() = 0;

    // データ補正: removes the readings that break the rising depth sequence, in every block; it
    // refuses with its message when block `CurBlock` holds no drops.
    virtual void correctReadings() = 0;

    // Shows block `CurBlock` as after opening a data file, without changing the caption: its survey
    // information and readings, the block-number box, the grid from row 1 (`CurRow` 1) focused with
    // its first column in view, the diagram refreshed and redrawn.
    virtual void showImportedData() = 0;
};
