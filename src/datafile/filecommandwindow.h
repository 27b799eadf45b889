#pragma once

#include <QString>

// The main window as the file commands see it.
class FileCommandWindow {
public:
    virtual ~FileCommandWindow() = default;

    // Copies the survey fields on screen into the shown block `CurBlock`, and `BlockNo` from the
    // block-number box.
    virtual void StoreBlockHeader() = 0;

    virtual void setCaption(const QString& caption) = 0;

    // Hides the grid and empties columns 1 and 2 of its rows 1..rows, so that nothing of the block
    // shown so far stays visible; the grid shows again with the next block shown.
    virtual void clearGrid(int rows) = 0;

    // Shows block `CurBlock` as a freshly loaded data set: its survey information and readings
    // (`DispData`), the block-number box showing `CurBlock`, the grid cursor on row 1 (`CurRow` 1),
    // the grid refreshed and focused with its first column in view, the diagram refreshed and redrawn.
    virtual void showLoadedData() = 0;

    // Shows block `CurBlock` again after its readings changed: `DispData`, the grid shown, the
    // block-number box showing `CurBlock`, the diagram refreshed and redrawn.
    virtual void showCorrectedData() = 0;
};
