#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "counter/counterimport.h"
#include "counter/counterimportwindow.h"
#include "datafile/filecommands.h"
#include "datafile/filecommandwindow.h"
#include "model/blockcommands.h"
#include "model/readingentry.h"
#include "model/surveyview.h"

class Dialogs;
class DiagramPanel;
class DropGrid;
class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class Settings;
class SurveyKeys;
struct TestData;

// The main window: survey fields, drop grid and diagram of the shown block, the block controls, and
// the menus through which every command is reached. It reads the stored colours and port when it
// opens and writes them, with its geometry, when it closes (unless it is minimised).
class frmMain : public QMainWindow, public SurveyView, public FileCommandWindow, public CounterImportWindow {
    Q_OBJECT

public:
    frmMain(TestData& data, Dialogs& dialogs, Settings& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    QString fieldText(SurveyField field) const override;
    void setFieldText(SurveyField field, const QString& text) override;
    QString blockNumberText() const override;
    void setBlockNumberText(const QString& text) override;
    void setCaption(const QString& caption) override { setWindowTitle(caption); }
    void focusSurveyName() override;

    void StoreBlockHeader() override { blocks_.StoreBlockHeader(); }
    void clearGrid(int rows) override { blocks_.CelClear(rows); }
    void showLoadedData() override { blocks_.ShowBlockFromStart(); }
    void showCorrectedData() override { blocks_.ShowBlockAgain(); }

    void ClearAllData() override { blocks_.ClearAllData(); }
    void correctReadings() override { files_.mnuFileCheck(); }
    void showImportedData() override { blocks_.ShowBlockFromStart(); }

    DropGrid& grid() { return *grid_; }
    ReadingEntry& entry() { return entry_; }
    BlockCommands& blocks() { return blocks_; }
    FileCommands& files() { return files_; }
    // Redraws the diagram of the shown block.
    void Picture1_Click();

    // データ読込み: reads the counter's records into new blocks, after asking what the new blocks inherit.
    void mnuInputData_Click();
    // Runs a transfer with the counter; with mode 1 the import and the save of what it brought follow.
    // Returns the transfer's status: 0 failed or stopped, 1 the counter was erased, -1 otherwise.
    int TerrakoTRX(int h1, int h2, int h3, int h4, int h5, int h6);
    // The counter's port for this run only, instead of the one in the settings.
    void setSessionDevice(const QString& device) { sessionDevice_ = device; }

    // Menu items, by the names the commands know them.
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuFileCheck = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveName = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuSetPrinter = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuInsert = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuReCal = nullptr;
    QAction* mnuClearAll = nullptr;
    QAction* mnuClearBlock = nullptr;
    QAction* mnuGrid = nullptr;
    QAction* mnuGraph = nullptr;
    QAction* mnuInputData = nullptr;
    QAction* mnuErase = nullptr;
    QAction* mnuTRSet = nullptr;
    QAction* mnuAbout = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuView = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFields(QWidget& area);
    void createBlockControls(QWidget& area);
    void createMenus();
    void prepareGrid();
    void quit();
    void showListing();
    void showAbout();
    void freeAreaReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                          const QPoint& globalPosition);
    void saveSettings();

    TestData& data_;
    Dialogs& dialogs_;
    Settings& settings_;
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
    ReadingEntry entry_;
    BlockCommands blocks_;
    FileCommands files_;
    CounterImport counterImport_;
    SurveyKeys* surveyKeys_;
    // The survey information every block read from the counter inherits.
    InheritedSurvey inherited_;
    QString sessionDevice_;
    QPointer<QWidget> listing_;
    QPointer<QWidget> about_;
};
