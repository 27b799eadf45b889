#include "commands/readingentry.h"

#include <QScopeGuard>
#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>

#include "commands/gridview.h"
#include "model/format.h"
#include "model/testdata.h"
#include "platform/dialogs.h"

namespace {

QString tooSmall() {
    return QStringLiteral("入力された値が正しくありません。(入力値：小)");
}

// A typed reading as it will be stored: the value of its display form, rounded to one decimal. The
// checks against the neighbouring readings use this value, so that what is stored never falls below
// the reading before it.
double storedValue(double typed) {
    return std::isfinite(typed) ? Format::valueOf(Format::display(typed)) : typed;
}

}  // namespace

ReadingEntry::ReadingEntry(TestData& data, GridView& grid, Dialogs& dialogs)
    : data_(data), grid_(grid), dialogs_(dialogs) {}

void ReadingEntry::MSFlexGridEdit(const QString& typed) {
    EditRow_ = static_cast<qint16>(grid_.currentRow());
    const bool printable = !typed.isEmpty() && typed.front().unicode() > 32 && typed.front().isPrint();
    if (printable) {
        EndPrc_ = 1;
        grid_.openEditor(typed);
    } else {
        grid_.openEditor(grid_.cellText(grid_.currentRow(), grid_.currentColumn()));
    }
}

void ReadingEntry::GridKeyPress(const QString& typed) {
    MSFlexGridEdit(typed);
    CurRow_ = static_cast<qint16>(grid_.currentRow());
}

void ReadingEntry::EditKeyCode(int keyCode) {
    // A message box of the finish runs its own event loop; a finishing key that reaches the editor
    // there must not finish the same edit a second time.
    if (finishing_) return;
    // A key that waited in the queue while the edit was finished finds no edit to finish.
    if (!grid_.editorVisible()) return;
    const QScopedValueRollback finishing(finishing_, true);
    HitKey_ = static_cast<qint16>(keyCode);
    switch (keyCode) {
        case KeyCode::Enter:
        case KeyCode::Down: finishAndStep(+1); break;
        case KeyCode::Up: finishAndStep(-1); break;
        case KeyCode::Escape: {
            // An inserted row keeps the reading it was given, a copy of the one above; the grid shows it.
            const bool inserting = InsertMode_ == 1;
            CancelEdit();
            if (inserting) RefreshGrid();
            grid_.focusGrid();
            grid_.setCurrentColumn(1);
            break;
        }
        default: grid_.setCurrentColumn(1); break;
    }
}

void ReadingEntry::CancelEdit() {
    grid_.hideEditor();
    grid_.setEditorText(QString());
    EndPrc_ = 0;
    InsertMode_ = 0;
}

void ReadingEntry::settle() {
    if (!grid_.editorVisible() && EndPrc_ == 0) return;
    const ChangeNotifier::Batch batch(data_.changed);
    // No finishing key: a refused append must not move the cursor as Up would.
    const QScopedValueRollback noKey(HitKey_, qint16(0));
    const int shownRow = grid_.currentRow();
    CurRow_ = EditRow_;
    ReCal();
    CurRow_ = static_cast<qint16>(shownRow);
    closeEdit();
}

void ReadingEntry::setCurRow(int row) {
    CurRow_ = static_cast<qint16>(row);
}

void ReadingEntry::beginInsert(int row) {
    InsertMode_ = 1;
    InsertStored_ = 0;
    setCurRow(row);
}

void ReadingEntry::forgetEdit() {
    InsertStored_ = 0;
    CancelEdit();
}

// No pending event runs in here: a click or key that waits in the queue comes after the edit has
// landed in its own block and row.
void ReadingEntry::finishAndStep(int step) {
    const ChangeNotifier::Batch batch(data_.changed);
    ReCal();
    const int target = CurRow_ + step;
    if (target >= 1 && target <= TestData::GridRows && AdvanceRow_ == 1)
        CurRow_ = static_cast<qint16>(target);
    closeEdit();
}

// After the recalculation: no follow-up waits, the block shows again with the cursor on `CurRow`, and
// an edit the recalculation left open is committed, with its refusal, as the grid takes the focus.
void ReadingEntry::closeEdit() {
    AdvanceRow_ = 0;
    InsertMode_ = 0;
    EndPrc_ = 0;
    RefreshGrid();
    grid_.focusGrid();
    grid_.setCurrentColumn(1);
}

void ReadingEntry::GridClicked() {
    const ChangeNotifier::Batch batch(data_.changed);
    if (grid_.currentColumn() == 2) grid_.setCurrentColumn(1);
    CurRow_ = static_cast<qint16>(grid_.currentRow());
    if (EndPrc_ == 1) {
        CurRow_ = EditRow_;
        ReCal();
        if (CurRow_ < TestData::GridRows && AdvanceRow_ == 1) ++CurRow_;
        AdvanceRow_ = 0;
        RefreshGrid();
        grid_.setCurrentRow(CurRow_);
        grid_.setCurrentColumn(1);
        grid_.focusGrid();
        grid_.scrollHome();
        EndPrc_ = 0;
    }
    if (InsertMode_ == 1 && InsertStored_ == 1) {
        RefreshGrid();
        InsertMode_ = 0;
    }
}

void ReadingEntry::refuse(const QString& text) {
    dialogs_.message(text, Buttons::CancelRetryContinue, QStringLiteral("データ値修正"));
}

void ReadingEntry::InData() {
    // A message box runs its own event loop, in which the grid may ask to commit again.
    if (!grid_.editorVisible() || committing_) return;
    const QScopeGuard leave([this] { committing_ = false; });
    committing_ = true;
    const ChangeNotifier::Batch batch(data_.changed);
    const int row = grid_.currentRow();
    if (row < 1 || row > TestData::GridRows) {
        grid_.hideEditor();
        return;
    }
    const auto& measure = data_.Measure[data_.CurBlock];
    const int count = data_.DropCount[data_.CurBlock];
    AdvanceRow_ = 0;
    // Slots beyond the data are empty whatever an earlier, longer block left in them; rows there are
    // checked against the last reading by the recalculation.
    const double lower = row == 1 || row - 1 > count ? 0.0 : Format::readingValue(measure[row - 1]);
    const double upper = row >= count ? 1000.0 : Format::readingValue(measure[row + 1]);
    InsertStored_ = 1;
    EndPrc_ = 1;
    const QString text = grid_.editorText();
    if (grid_.currentColumn() == 2) {
        refuse(QStringLiteral("貫入量は修正できません。"));
        EndPrc_ = 0;
    } else if (text.isEmpty()) {
        EndPrc_ = 0;
    } else if (!Format::isNumeric(text)) {
        refuse(QStringLiteral("数値を入力して下さい。"));
        EndPrc_ = 0;
    } else if (const double typed = Format::valueOf(text); typed > 1000.0) {
        refuse(QStringLiteral("入力された値が正しくありません。(入力値は1000cm以下)"));
        EndPrc_ = 0;
    } else if (const double value = storedValue(typed); lower <= value && value <= upper) {
        storeReading(row, text);
        AdvanceRow_ = 1;
    } else {
        if (value < lower)
            refuse(tooSmall());
        else if (value > upper)
            refuse(QStringLiteral("入力された値が正しくありません。(入力値：大)"));
        else
            refuse(QStringLiteral("入力された値が正しくありません。"));
        EndPrc_ = 0;
    }
    grid_.hideEditor();
}

void ReadingEntry::ReCal() {
    const ChangeNotifier::Batch batch(data_.changed);
    grid_.hideGrid();
    cursorRow_ = grid_.currentRow();
    cursorColumn_ = grid_.currentColumn();
    const QString text = grid_.editorText();
    const double typed = Format::valueOf(text);
    const double value = storedValue(typed);
    const int count = data_.DropCount[data_.CurBlock];
    if (!Format::isNumeric(text) || typed > 1000.0 || CurRow_ < 1 || CurRow_ > TestData::GridRows)
        EndPrc_ = 0;
    else if (CurRow_ == count + 1)
        appendDrop(text, value);
    else if (CurRow_ > count + 1)
        fillGap(text, value);
    else
        changeReading(text, value);
    grid_.showGrid();
}

void ReadingEntry::appendDrop(const QString& text, double value) {
    const auto& measure = data_.Measure[data_.CurBlock];
    const int row = CurRow_;
    if (value >= Format::readingValue(measure[row - 1])) {
        moveTo(row, 1);
        storeReading(row, text);
        moveTo(row, 2);
        showPenetration(grid_, data_, data_.CurBlock, row);
        extendBlockTo(row);
    } else {
        AdvanceRow_ = 0;
        refuse(tooSmall());
        grid_.setEditorText(QString());
        // With Up the user leaves the empty row; row 1 has no row above it.
        if (HitKey_ == KeyCode::Up && CurRow_ > 1) --CurRow_;
    }
    EndPrc_ = 0;
}

void ReadingEntry::fillGap(const QString& text, double value) {
    auto& measure = data_.Measure[data_.CurBlock];
    const int count = data_.DropCount[data_.CurBlock];
    const int row = CurRow_;
    const float last = count == 0 ? 0.0f : measure[count];
    if (static_cast<float>(value) < last) {
        dialogs_.message(QStringLiteral("入力された値が正しくありません。（調査値：小）"), Buttons::Ok);
        moveTo(row, 1);
        grid_.setCellText(row, 1, QString());
        grid_.setEditorText(QString());
    } else {
        const float step = static_cast<float>((value - static_cast<double>(last)) / (row - count));
        float reading = last;
        for (int i = count + 1; i < row; ++i) {
            reading += step;
            moveTo(i, 1);
            measure[i] = reading;
            grid_.setCellText(i, 1, Format::display(reading));
        }
        moveTo(row, 1);
        storeReading(row, text);
        for (int i = count + 1; i <= row; ++i) {
            moveTo(i, 2);
            showPenetration(grid_, data_, data_.CurBlock, i);
        }
        extendBlockTo(row);
    }
    EndPrc_ = 0;
}

void ReadingEntry::changeReading(const QString& text, double value) {
    const auto& measure = data_.Measure[data_.CurBlock];
    const int count = data_.DropCount[data_.CurBlock];
    const int row = CurRow_;
    const double lower = row == 1 ? 0.0 : Format::readingValue(measure[row - 1]);
    const double upper = row >= count ? 1000.0 : Format::readingValue(measure[row + 1]);
    if (grid_.currentColumn() == 2) {
        refuse(QStringLiteral("貫入量は修正できません。"));
    } else if (lower <= value && value <= upper) {
        moveTo(row, 1);
        storeReading(row, text);
        // Below an inserted row every penetration has moved; otherwise only this drop's and the next.
        const int last = InsertMode_ == 1 ? count : std::min(row + 1, count);
        for (int i = row; i <= last; ++i) {
            moveTo(i, 2);
            showPenetration(grid_, data_, data_.CurBlock, i);
        }
    }
    EndPrc_ = 0;
}

// An accepted reading shows in its display form and is stored as the value of that form, i.e.
// rounded to one decimal.
void ReadingEntry::storeReading(int row, const QString& text) {
    const double value = storedValue(Format::valueOf(text));
    grid_.setCellText(row, 1, Format::display(value));
    float& reading = data_.Measure[data_.CurBlock][row];
    // A row beyond the drops becomes part of the block only when the recalculation appends it.
    if (row <= data_.DropCount[data_.CurBlock] && reading != static_cast<float>(value)) data_.Modified = true;
    reading = static_cast<float>(value);
    data_.changed.notify();
}

void ReadingEntry::extendBlockTo(int row) {
    data_.DropCount[data_.CurBlock] = static_cast<qint16>(row);
    data_.Modified = true;
}

// Leaving the current cell commits an open edit, as a move of the grid's current cell does.
void ReadingEntry::moveTo(int row, int column) {
    if (row == cursorRow_ && column == cursorColumn_) return;
    InData();
    cursorRow_ = row;
    cursorColumn_ = column;
}

void ReadingEntry::RefreshGrid() {
    grid_.hideGrid();
    for (int i = 1; i <= data_.DropCount[data_.CurBlock]; ++i) showDrop(grid_, data_, data_.CurBlock, i);
    grid_.refreshGrid();
    grid_.setCurrentRow(CurRow_);
    grid_.showGrid();
}
