#pragma once

#include <QString>
#include <QtGlobal>

class Dialogs;
class GridView;
struct TestData;

// Key codes the editor's key dispatcher tells apart.
namespace KeyCode {
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Up = 38;
inline constexpr int Down = 40;
}  // namespace KeyCode

// The rules that turn a reading typed into the drop grid into block data: opening an edit, the commit
// step `InData`, which checks the typed text against the neighbouring readings and stores it, the
// recalculation `ReCal`, which appends a drop, fills a gap or recomputes the penetrations, the keys
// that finish an edit, the follow-up of a grid click, and `RefreshGrid`. It owns the state of the edit
// in progress; the commands change it through the methods below only.
//
// The recalculation writes cells as the grid does: its first write to a cell other than the current
// one runs the commit step, as leaving the current cell would.
class ReadingEntry {
public:
    ReadingEntry(TestData& data, GridView& grid, Dialogs& dialogs);

    // Opens the editor on the grid's current cell. A printable character starts it holding just that
    // character; anything else (Enter, Space, control keys: an empty text) starts it with the cell's text.
    void MSFlexGridEdit(const QString& typed);
    // A key pressed in the grid opens the editor there.
    void GridKeyPress(const QString& typed);
    // The editor's key dispatcher: Enter, Up and Down finish the edit and move the cursor, Escape
    // cancels it. Any other key is typed into the editor.
    void EditKeyCode(int keyCode);
    // Drops an open edit without storing anything, as Escape does.
    void CancelEdit();
    // The follow-up of a click or double click on the grid: runs the recalculation of a value the
    // click committed and moves the cursor to the row after the edited one.
    void GridClicked();

    // Checks the editor's text for the grid's current row and stores it; acts only while the editor
    // is visible and always leaves it hidden.
    void InData();
    // Brings the block in line with the editor's text for row `CurRow`.
    void ReCal();
    // Rewrites both columns of the shown block's drop rows.
    void RefreshGrid();

    // Before any other command: an open edit is committed into its own row, with the usual refusals,
    // and a value the commit step stored gets its follow-up, so that nothing typed is lost or left half
    // done. The cursor stays where it is.
    void settle();
    // The drop the next command applies to.
    void setCurRow(int row);
    // The insert command opened row `row` for its value.
    void beginInsert(int row);
    // The blocks were replaced or emptied: no edit is open and no insert waits for its value.
    void forgetEdit();

    qint16 CurRow() const { return CurRow_; }          // the drop the current edit or command applies to
    qint16 EndPrc() const { return EndPrc_; }          // an accepted value still waits for its follow-up
    qint16 InsertMode() const { return InsertMode_; }  // an inserted row is open for its value
    qint16 EditRow() const { return EditRow_; }        // grid row the editor was last opened on

private:
    void finishAndStep(int step);
    void closeEdit();
    void appendDrop(const QString& text, double value);
    void fillGap(const QString& text, double value);
    void changeReading(const QString& text, double value);
    void storeReading(int row, const QString& text);
    void extendBlockTo(int row);
    void moveTo(int row, int column);
    void refuse(const QString& text);

    TestData& data_;
    GridView& grid_;
    Dialogs& dialogs_;
    qint16 CurRow_ = 1;
    qint16 HitKey_ = 0;
    qint16 EndPrc_ = 0;
    qint16 InsertMode_ = 0;
    qint16 InsertStored_ = 0;
    qint16 AdvanceRow_ = 0;
    qint16 EditRow_ = 0;
    int cursorRow_ = 0;  // the cell the recalculation writes to, to tell when it leaves the current cell
    int cursorColumn_ = 0;
    bool committing_ = false;
    bool finishing_ = false;
};
