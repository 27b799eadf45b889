#pragma once

#include <QString>

struct TestData;

// The drop grid of the main window and the editor that floats over its current cell, as the editing
// rules see them. Row r is drop r of the shown block; column 1 holds readings, column 2 penetrations.
//
// A grid commits an open edit (`ReadingEntry::InData`) when it gets the focus and when its current
// cell is about to change.
class GridView {
public:
    virtual ~GridView() = default;

    virtual QString cellText(int row, int column) const = 0;
    virtual void setCellText(int row, int column, const QString& text) = 0;

    virtual int currentRow() const = 0;
    virtual int currentColumn() const = 0;
    virtual void setCurrentRow(int row) = 0;
    virtual void setCurrentColumn(int column) = 0;

    // Places the editor over the current cell with the given text and the caret at its end, shows it
    // and gives it the focus.
    virtual void openEditor(const QString& text) = 0;
    virtual QString editorText() const = 0;
    virtual void setEditorText(const QString& text) = 0;
    virtual bool editorVisible() const = 0;
    virtual void hideEditor() = 0;

    // The grid is hidden while it is rewritten, so that no intermediate state is seen.
    virtual void hideGrid() = 0;
    virtual void showGrid() = 0;
    virtual void refreshGrid() = 0;
    virtual void focusGrid() = 0;
    // Brings the first data column into view, as a Home key press on the grid does.
    virtual void scrollHome() = 0;
};

// Shows drop `drop` of `block` in its row: the reading and the penetration, in their display form.
void showDrop(GridView& grid, const TestData& data, int block, int drop);
// Shows the penetration of the drop alone.
void showPenetration(GridView& grid, const TestData& data, int block, int drop);
