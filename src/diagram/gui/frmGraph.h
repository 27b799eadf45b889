#pragma once

#include <QMainWindow>
#include <QPointer>

#include "model/changenotifier.h"
#include "platform/gui/qteventpump.h"
#include "print/printjob.h"

class DiagramPanel;
class Dialogs;
class EventPump;
class PrintProgress;
class Printer;
class frmStatus;
class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class Surface;
class frmColors;
class frmLogin;
struct DisplaySettings;
struct FillChoice;
struct TestData;

// What the graph window works on, each owned by the application.
struct GraphWindowParts {
    TestData& data;
    DisplaySettings& display;
    Dialogs& dialogs;
    Printer& printer;
};

// The graph window: the diagram of one block at a time in a large panel, stepping through the blocks,
// copying and saving the diagram; in GGT mode also the fill with its options and the colour dialog.
// Closing it (by 閉じる or the window's own control) keeps its boxes in the display settings and tells
// the main window through `closed`.
class frmGraph : public QMainWindow {
    Q_OBJECT

public:
    explicit frmGraph(const GraphWindowParts& parts, QWidget* parent = nullptr);

    // For the test-form print job in GGT mode: make colour (monotone) display exclusive, then fill the
    // test form's diagram on the printer.
    void DrawColor(Surface& printer, PrintProgress& progress, EventPump& events);
    void DrawMono(Surface& printer, PrintProgress& progress, EventPump& events);
    // The fill of a printed diagram (sheet slots 0, 1, 2 or the test form, 5) as the boxes choose it;
    // the progress goes on from where the fill ends.
    void DrawGGT(Surface& printer, int CuPage, PrintProgress& progress, EventPump& events);

    QMenu* mnuFile = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuSetPrinter = nullptr;
    QAction* mnuPreview = nullptr;
    QAction* mnuClose = nullptr;
    QMenu* mnuOption = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuFileOut = nullptr;
    QAction* mnuGGT = nullptr;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createNavigation(QWidget& area);
    void createOptions(QWidget& area);
    void createButtons(QWidget& area);
    void createMenus();
    void loadBoxes();

    void ShowBlock();
    void nextBlock();
    void previousBlock();
    void jumpToTypedBlock();

    void colorSwitched(bool on);
    void monoSwitched(bool on);
    void pairSwitchedOn();
    void groupingSwitched(QCheckBox* box, bool on);
    // Runs the handler of the display switch that is on, which draws the fill again.
    void redrawFill();
    void CheckMode();
    bool groupingChosen() const;
    FillChoice printFill() const;
    void fillTestForm(QCheckBox& chosen, QCheckBox& other, Surface& printer, PrintProgress& progress,
                      EventPump& events);

    void cmdReDraw_Click();
    void showColours();
    void mnuGGT_Click();
    void logOn();
    void showGGTControls(bool shown);
    void copyPicture();
    void saveBitmap();
    void saveBoxes();
    void printForms(bool preview);
    void printSheets();
    PrintJobParts jobParts();

    TestData& data_;
    DisplaySettings& display_;
    Dialogs& dialogs_;
    Printer& printer_;
    QtEventPump events_;
    frmStatus* status_ = nullptr;

    DiagramPanel* picture_ = nullptr;
    QLineEdit* txtCBlock_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QCheckBox* chkColor_ = nullptr;
    QCheckBox* chkMono_ = nullptr;
    QCheckBox* chk5Colors_ = nullptr;
    QCheckBox* chk3Colors_ = nullptr;
    QCheckBox* chk2Colors_ = nullptr;
    QCheckBox* chkMarks_ = nullptr;
    QCheckBox* chkJHS_ = nullptr;
    QPushButton* cmdReDraw_ = nullptr;
    QPushButton* cmdChangeColor_ = nullptr;
    QPushButton* cmdGraph_ = nullptr;
    QPointer<frmLogin> login_;
    QPointer<frmColors> colours_;
    ChangeNotifier::Subscription dataChanged_;
};
