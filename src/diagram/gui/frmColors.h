#pragma once

#include <QDialog>
#include <QtGlobal>
#include <array>

class Dialogs;
class QComboBox;
class QLabel;
struct DisplaySettings;

// Which of the two colour sets the dialog edits.
enum class ColourSet { Colour, Mono };

// The colour settings dialog: the five fill colours of colour display or the five greys of monotone
// display, one field at a time through the platform's colour dialog, and 初期値 for the set shown. An
// accepted colour goes into the display settings at once; OK and キャンセル only close the dialog.
class frmColors : public QDialog {
    Q_OBJECT

public:
    frmColors(DisplaySettings& display, Dialogs& dialogs, ColourSet shown, QWidget* parent);

signals:
    // OK was pressed: whether a colour differs from its value before its last edit.
    void coloursAccepted(bool changed);

private:
    void chooseSet(int entry);
    void editField(int field);
    void cmdReset_Click();
    void cmdOK_Click();
    void showSwatch(int field);
    std::array<qint32, 6>& shownColours();

    DisplaySettings& display_;
    Dialogs& dialogs_;
    QComboBox* cmbCol_;
    std::array<QLabel*, 6> picField_{};
    qint16 CCol = 1;
    // The values before the last edit of each field (index 0 unused).
    std::array<qint32, 6> BC{};
    std::array<qint32, 6> BM{};
};
