#pragma once

#include <QString>
#include <array>
#include <functional>

#include "commands/gridview.h"
#include "model/testdata.h"

// An in-memory drop grid and editor. Like the real grid it commits an open edit (calls `commit`) when
// it gets the focus and when its current cell is about to change.
class FakeGrid : public GridView {
public:
    QString cellText(int row, int column) const override { return cells_.at(row).at(column); }
    void setCellText(int row, int column, const QString& text) override { cells_.at(row).at(column) = text; }

    int currentRow() const override { return row_; }
    int currentColumn() const override { return column_; }
    void setCurrentRow(int row) override;
    void setCurrentColumn(int column) override;

    void openEditor(const QString& text) override;
    QString editorText() const override { return editorText_; }
    void setEditorText(const QString& text) override { editorText_ = text; }
    bool editorVisible() const override { return editorVisible_; }
    void hideEditor() override { editorVisible_ = false; }

    void hideGrid() override { gridVisible = false; }
    void showGrid() override { gridVisible = true; }
    void refreshGrid() override {}
    void focusGrid() override;
    void scrollHome() override {}

    // Moves the current cell as a click or arrow key would.
    void select(int row, int column = 1);

    std::function<void()> commit;
    bool gridVisible = true;

private:
    void aboutToLeaveCell();

    std::array<std::array<QString, 3>, TestData::GridRows + 1> cells_{};
    int row_ = 1;
    int column_ = 1;
    QString editorText_;
    bool editorVisible_ = false;
};
