#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "commands/commands.h"
#include "commands/counterreadview.h"
#include "commands/recentfiles.h"
#include "commands/surveyview.h"
#include "model/changenotifier.h"
#include "platform/gui/qteventpump.h"

class CounterLink;
class Dialogs;
class DiagramPanel;
class DropGrid;
class K40DevSubForm;
class Printer;
class frmStatus;
class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class RecoveryFolder;
class Settings;
class GrowingLayout;
class SurveyKeys;
class UndoSteps;
struct DisplaySettings;
struct PortSetting;
struct TestData;

// What the main window works on: the state, each part made once by the application and owned there,
// the counter link, the dialogs, the settings store and the folder of the recovery journals (none: no
// journal is kept).
struct MainWindowParts {
    TestData& data;
    DisplaySettings& display;
    PortSetting& port;
    CounterLink& link;
    Dialogs& dialogs;
    Settings& settings;
    Printer& printer;
    const RecoveryFolder* recovery = nullptr;
};

// The main window: survey fields, drop grid and diagram of the shown block, the block controls, and
// the menus through which every command is reached. It reads the stored colours and port when it
// opens and writes them, with its geometry, when it closes (unless it is minimised).
class frmMain : public QMainWindow, public SurveyView, public CounterReadView {
    Q_OBJECT

public:
    explicit frmMain(const MainWindowParts& parts, QWidget* parent = nullptr);
    ~frmMain() override;

    QString fieldText(SurveyField field) const override;
    void setFieldText(SurveyField field, const QString& text) override;
    QString blockNumberText() const override;
    void setBlockNumberText(const QString& text) override;
    // The caption marks unsaved changes with an asterisk after it.
    void setCaption(const QString& caption) override { setWindowTitle(caption + QStringLiteral("[*]")); }
    void focusSurveyName() override;

    void readStarted() override;
    void readEnded(bool imported) override;
    void showTransferProgress() override;
    void closeTransferProgress() override;
    void showTransferWindow(const K40Parameters& parameters, const QString& device) override;

    DropGrid& grid() { return *grid_; }
    Commands& commands() { return commands_; }

    // Menu items, by the names the commands know them.
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuFileCheck = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveName = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuSetPrinter = nullptr;
    QAction* mnuPreview = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuInsert = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuReCal = nullptr;
    QAction* mnuClearAll = nullptr;
    QAction* mnuClearBlock = nullptr;
    QAction* mnuGrid = nullptr;
    QAction* mnuGraph = nullptr;
    QAction* mnuSummary = nullptr;
    QAction* mnuGlance = nullptr;
    QAction* mnuCsv = nullptr;
    QAction* mnuReport = nullptr;
    QAction* mnuInputData = nullptr;
    QAction* mnuErase = nullptr;
    QAction* mnuTRSet = nullptr;
    QAction* mnuAbout = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuRecent = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuView = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFields(QWidget& area);
    void createBlockControls(QWidget& area);
    void createMenus();
    void prepareGrid();
    void quit();
    bool mayQuit(bool askWithoutChanges);
    void watchSurveyEdits();
    void watchJournal();
    void showListing();
    void showGraph();
    void openGraph();
    void printForms(bool preview);
    void showSummary();
    void showGlance();
    void showChosenBlock(int block);
    void exportCsv();
    void showReport();
    void showAbout();
    void freeAreaReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                          const QPoint& globalPosition);
    void saveSettings();
    void restorePlace();
    void fillRecentMenu();
    void openRecent(const QString& path);

    MainWindowParts parts_;
    TestData& data_;
    Dialogs& dialogs_;
    DropGrid* grid_;
    DiagramPanel* picture_;
    QLineEdit* surveyName_;
    QLineEdit* testerName_;
    QLineEdit* testPlace_;
    QComboBox* dropHeight_;
    QLineEdit* pointNo_;
    QLineEdit* year_;
    QComboBox* month_;
    QComboBox* day_;
    QLineEdit* blockNumber_;
    QPushButton* dataEx_;
    Commands commands_;
    SurveyKeys* surveyKeys_;
    UndoSteps* undo_;
    GrowingLayout* layout_ = nullptr;
    K40DevSubForm* transferProgress_ = nullptr;
    ChangeNotifier::Subscription dataChanged_;
    RecentFiles recent_;
    QString lastFile_;            // the data file last put on the recent list
    bool quitting_ = false;       // the quit question was answered: close without asking again
    bool showingFields_ = false;  // the fields are being filled from the data set, not edited
    QPointer<QWidget> listing_;
    QPointer<QWidget> graph_;
    QPointer<QWidget> summary_;
    QPointer<QWidget> glance_;
    frmStatus* status_ = nullptr;
    QtEventPump events_;
    QPointer<QWidget> about_;
};
