#pragma once

#include <QAbstractTableModel>
#include <QLineEdit>
#include <QTableView>
#include <array>

#include "commands/gridview.h"

class ReadingEntry;

// The editor that floats over the current cell of the drop grid while a reading is typed.
class FloatingEditor : public QLineEdit {
    Q_OBJECT

public:
    explicit FloatingEditor(QWidget* parent);

signals:
    // Every key pressed in the editor, as its key code (13 Enter, 27 Escape, 38 Up, 40 Down...).
    void keyDown(int keyCode);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The texts of the drop grid: rows are drops 1..500, columns the reading and the penetration.
class DropGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The penetration column is never selected: the editor does not open there.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QString& text(int row, int column) const { return texts_.at(row).at(column); }
    void setText(int row, int column, const QString& text);

private:
    std::array<std::array<QString, 2>, 500> texts_;
};

// The drop grid `grdData`: a header row "計測値", "貫入量", a fixed column of drop numbers headed
// "回数", and one row per drop. It commits an open edit when it gets the focus and before its current
// cell changes, opens the editor on a key press, and never keeps the penetration column current.
class DropGrid : public QTableView, public GridView {
    Q_OBJECT

public:
    explicit DropGrid(QWidget* parent);

    // The editing rules the grid's events drive; set once both exist.
    void setEntry(ReadingEntry* entry) { entry_ = entry; }
    FloatingEditor& editor() { return *editor_; }

    QString cellText(int row, int column) const override;
    void setCellText(int row, int column, const QString& text) override;
    int currentRow() const override;
    int currentColumn() const override;
    void setCurrentRow(int row) override;
    void setCurrentColumn(int column) override;
    void openEditor(const QString& text) override;
    QString editorText() const override { return editor_->text(); }
    void setEditorText(const QString& text) override { editor_->setText(text); }
    bool editorVisible() const override { return editor_->isVisible(); }
    void hideEditor() override;
    void hideGrid() override { setUpdatesEnabled(false); }
    void showGrid() override { setUpdatesEnabled(true); }
    void refreshGrid() override { viewport()->update(); }
    void focusGrid() override;
    void scrollHome() override;

signals:
    // The right mouse button was released over the grid.
    void menuRequested(const QPoint& globalPosition);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void commit();
    void moveCurrent(int row, int column);
    void keepReadingColumnCurrent(int row, int column);

    ReadingEntry* entry_ = nullptr;
    bool takingFocusFromEditor_ = false;
    DropGridModel* texts_;
    FloatingEditor* editor_;
};
