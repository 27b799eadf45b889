#include "support/fakegrid.h"

void FakeGrid::aboutToLeaveCell() {
    if (commit) commit();
}

void FakeGrid::setCurrentRow(int row) {
    if (row != row_) aboutToLeaveCell();
    row_ = row;
}

void FakeGrid::setCurrentColumn(int column) {
    if (column != column_) aboutToLeaveCell();
    column_ = column;
}

void FakeGrid::select(int row, int column) {
    if (row != row_ || column != column_) aboutToLeaveCell();
    row_ = row;
    column_ = column;
}

void FakeGrid::openEditor(const QString& text) {
    editorText_ = text;
    editorVisible_ = true;
}

void FakeGrid::focusGrid() {
    if (commit) commit();
}
