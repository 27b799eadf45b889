#include "mainwin/frmMain.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "counter/counterlink.h"
#include "counter/gui/K40DebForm.h"
#include "counter/gui/K40DevSubForm.h"
#include "counter/portsetting.h"
#include "diagram/displaysettings.h"
#include "diagram/gui/diagrampanel.h"
#include "diagram/gui/frmGraph.h"
#include "mainwin/dropgrid.h"
#include "mainwin/frmAbout.h"
#include "mainwin/frmDataGrid.h"
#include "mainwin/growinglayout.h"
#include "mainwin/surveykeys.h"
#include "mainwin/undosteps.h"
#include "model/storedinteger.h"
#include "model/testdata.h"
#include "platform/dialogs.h"
#include "platform/gui/windowplacement.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "print/gui/frmStatus.h"
#include "print/printjob.h"

namespace {

QLabel* label(QWidget& area, const QString& text, int left, int top, int width, int height) {
    return placeControl(new QLabel(text, &area), left, top, width, height);
}

QLineEdit* textField(QWidget& area, const char* name, bool inputMethod) {
    auto* field = new QLineEdit(&area);
    field->setObjectName(QString::fromUtf8(name));
    field->setAttribute(Qt::WA_InputMethodEnabled, inputMethod);
    return field;
}

// A list field: its value comes from its list; typed keys are refused by the keyboard path.
QComboBox* listField(QWidget& area, const char* name, const QStringList& entries) {
    auto* list = new QComboBox(&area);
    list->setObjectName(QString::fromUtf8(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(entries);
    list->setEditText(QString());
    // Pasting or dropping text would get round the refusal of typed keys.
    list->lineEdit()->setReadOnly(true);
    list->lineEdit()->setAcceptDrops(false);
    list->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    list->setAttribute(Qt::WA_InputMethodEnabled, false);
    list->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    return list;
}

QStringList twoDigitNumbers(int last) {
    QStringList numbers;
    for (int n = 1; n <= last; ++n) numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return numbers;
}

}  // namespace

frmMain::frmMain(const MainWindowParts& parts, QWidget* parent)
    : QMainWindow(parent),
      parts_(parts),
      data_(parts.data),
      dialogs_(parts.dialogs),
      grid_(new DropGrid(nullptr)),
      commands_(parts.data, parts.dialogs, {*grid_, *this, *this}, parts.link, parts.port, parts.recovery),
      recent_(parts.settings) {
    setObjectName(QStringLiteral("frmMain"));
    setCaption(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ・ﾒｲﾝﾌﾚｰﾑ"));
    placeWindowFrame(*this, 0, 0, 9696, 6900);
    restorePlace();
    parts_.display.load(parts_.settings);
    parts_.port.load(parts_.settings);

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("clientArea"));
    area->installEventFilter(this);
    setCentralWidget(area);
    // Made larger, the window gives the room to the grid's rows and to the diagram.
    layout_ = new GrowingLayout(*this, *area, 9696, 6900);
    createFields(*area);
    createBlockControls(*area);
    grid_->setParent(area);
    layout_->add(grid_, 2325, 2490, 3030, 3255, GrowingLayout::Taller);
    grid_->setEntry(&commands_.entry);
    picture_ = new DiagramPanel(data_, area);
    layout_->add(picture_, 5460, 50, 3950, 5964, GrowingLayout::Wider | GrowingLayout::Taller);
    connect(grid_, &DropGrid::menuRequested, this, [this](const QPoint& at) { mnuEdit->popup(at); });
    dataChanged_ = data_.changed.subscribe([this] {
        setWindowModified(data_.Modified);
        // A file opened or saved under a new name goes to the top of the recent files.
        if (!data_.DataFileName.isEmpty() && data_.DataFileName != lastFile_) {
            lastFile_ = data_.DataFileName;
            recent_.add(lastFile_);
        }
    });
    setAcceptDrops(true);
    undo_ = new UndoSteps(commands_, this);
    createMenus();
    surveyKeys_ = new SurveyKeys(
        {surveyName_, testerName_, testPlace_, dropHeight_, pointNo_, year_, month_, day_}, *grid_, dialogs_,
        [this] { return static_cast<int>(data_.CurBlock); }, this);
    prepareGrid();
    watchSurveyEdits();
    watchJournal();
}

// A survey text edited is stored in the shown block at once, so that it counts as an unsaved change (and
// an undoable step) the moment it is typed.
void frmMain::watchSurveyEdits() {
    const auto edited = [this] {
        if (!showingFields_) commands_.blocks.storeSurveyTexts();
    };
    for (QLineEdit* field : {surveyName_, testerName_, testPlace_, pointNo_, year_})
        connect(field, &QLineEdit::textChanged, this, edited);
    for (QComboBox* list : {dropHeight_, month_, day_})
        connect(list, &QComboBox::editTextChanged, this, edited);
}

// A journal that cannot be written is said once, after the command that changed the data has ended.
void frmMain::watchJournal() {
    RecoveryJournal* journal = commands_.recovery.journal();
    if (!journal) return;
    journal->setWarning([this](const QString& reason) {
        QTimer::singleShot(0, this, [this, reason] {
            dialogs_.detailedMessage(
                QStringLiteral("作業中のデータを復元用に記録できません。保存するまでは、プログラムが異常終了"
                               "すると作業中のデータは失われます。"),
                QStringLiteral("(%1)").arg(reason), Buttons::Ok, QStringLiteral("復元用の記録"),
                Icon::Warning);
        });
    });
}

// The grid outlives the commands (it is a child widget): it must not commit an edit into them while it
// is destroyed.
frmMain::~frmMain() {
    grid_->setEntry(nullptr);
    delete undo_;  // it leaves the commands, which go before the child objects
    delete listing_;
    delete graph_;
    delete summary_;
    delete glance_;
}

void frmMain::createFields(QWidget& area) {
    label(area, QStringLiteral("調査名"), 360, 50, 972, 252);
    surveyName_ = placeControl(textField(area, "Text調査名", true), 1560, 50, 3792, 276);
    label(area, QStringLiteral("試験者名"), 360, 547, 972, 252);
    testerName_ = placeControl(textField(area, "Text試験者名", true), 1560, 547, 3792, 276);
    label(area, QStringLiteral("試験場所"), 360, 1044, 972, 252);
    testPlace_ = placeControl(textField(area, "Text試験場所", true), 1560, 1044, 3792, 276);
    label(area, QStringLiteral("落錘落下高"), 360, 1541, 1212, 252);
    dropHeight_ = placeControl(listField(area, "cmb落下高", {QStringLiteral("50cm"), QStringLiteral("25cm")}),
                               1560, 1541, 972, 276);
    label(area, QStringLiteral("番号No."), 3120, 1541, 852, 252);
    pointNo_ = placeControl(textField(area, "Ser_No", false), 3960, 1541, 612, 276);
    label(area, QStringLiteral("試験日"), 360, 2040, 732, 252);
    year_ = placeControl(textField(area, "txtYear", false), 1560, 2040, 972, 264);
    label(area, QStringLiteral("年"), 2640, 2040, 252, 252);
    month_ = placeControl(listField(area, "cmbMon", twoDigitNumbers(12)), 3000, 2040, 612, 276);
    label(area, QStringLiteral("月"), 3720, 2040, 252, 252);
    day_ = placeControl(listField(area, "cmbDay", twoDigitNumbers(31)), 3960, 2040, 612, 276);
    label(area, QStringLiteral("日"), 4680, 2040, 252, 252);
}

void frmMain::createBlockControls(QWidget& area) {
    struct Button {
        const char* name;
        const char* caption;
        const char* tip;
        int left;
        void (BlockCommands::*command)();
    };
    const Button buttons[] = {
        {"cmdTopBlock", "<<", "ブロックの先頭にジャンプします", 2400, &BlockCommands::TopBlock},
        {"cmdPrevBlock", "<", "１つ前のブロックを表示します", 2982, &BlockCommands::PrevBlock},
        {"cmdNextBlock", ">", "１つ先のブロックを表示します", 4200, &BlockCommands::NextBlock},
        {"cmdEndBlock", ">>", "ブロックの最後にジャンプします", 4762, &BlockCommands::EndBlock},
    };
    for (const Button& spec : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(spec.caption), &area);
        layout_->add(button, spec.left, 5762, 590, 252, GrowingLayout::Lower);
        button->setObjectName(QString::fromUtf8(spec.name));
        button->setToolTip(QString::fromUtf8(spec.tip));
        connect(button, &QPushButton::clicked, this,
                [this, command = spec.command] { (commands_.blocks.*command)(); });
    }
    blockNumber_ = textField(area, "txtCBlock", false);
    layout_->add(blockNumber_, 3564, 5750, 625, 264, GrowingLayout::Lower);
    blockNumber_->setToolTip(
        QStringLiteral("ブロック番号を入力することで、該当するブロックを表示することが可能です"));
    blockNumber_->setAlignment(Qt::AlignCenter);
    blockNumber_->installEventFilter(this);
    // The import of counter data runs through this button, which is never shown.
    dataEx_ = placeControl(new QPushButton(QStringLiteral("DataEx"), &area), 1200, 5760, 852, 252);
    dataEx_->setObjectName(QStringLiteral("cmdDataEx"));
    dataEx_->hide();
    connect(dataEx_, &QPushButton::clicked, this, [this] { commands_.counterRead.importAgain(); });
}

void frmMain::prepareGrid() {
    data_.MaxDrops = 500;
    data_.BlockCount = 1;
    data_.CurBlock = 1;
    data_.DropCount[1] = 0;
    commands_.blocks.showEmptySurvey();
    grid_->setEditorText(QString());
}

QString frmMain::fieldText(SurveyField field) const {
    switch (field) {
        case SurveyField::SurveyName: return surveyName_->text();
        case SurveyField::TesterName: return testerName_->text();
        case SurveyField::TestPlace: return testPlace_->text();
        case SurveyField::DropHeight: return dropHeight_->currentText();
        case SurveyField::PointNo: return pointNo_->text();
        case SurveyField::TestYear: return year_->text();
        case SurveyField::TestMonth: return month_->currentText();
        case SurveyField::TestDay: return day_->currentText();
    }
    return {};
}

void frmMain::setFieldText(SurveyField field, const QString& text) {
    const QScopedValueRollback showing(showingFields_, true);
    switch (field) {
        case SurveyField::SurveyName: surveyName_->setText(text); break;
        case SurveyField::TesterName: testerName_->setText(text); break;
        case SurveyField::TestPlace: testPlace_->setText(text); break;
        case SurveyField::DropHeight: dropHeight_->setEditText(text); break;
        case SurveyField::PointNo: pointNo_->setText(text); break;
        case SurveyField::TestYear: year_->setText(text); break;
        case SurveyField::TestMonth: month_->setEditText(text); break;
        case SurveyField::TestDay: day_->setEditText(text); break;
    }
}

QString frmMain::blockNumberText() const {
    return blockNumber_->text();
}

void frmMain::setBlockNumberText(const QString& text) {
    blockNumber_->setText(text);
}

void frmMain::focusSurveyName() {
    surveyName_->setFocus(Qt::OtherFocusReason);
}

void frmMain::readStarted() {
    mnuInputData->setEnabled(false);
}

void frmMain::readEnded(bool imported) {
    mnuInputData->setEnabled(!imported);
}

void frmMain::showTransferProgress() {
    if (!transferProgress_) transferProgress_ = new K40DevSubForm(parts_.link, this);
    transferProgress_->show();
}

void frmMain::closeTransferProgress() {
    if (transferProgress_) transferProgress_->close();
}

void frmMain::showTransferWindow(const K40Parameters& parameters, const QString& device) {
    auto* window = new K40DebForm(parts_.link, dialogs_, parameters, device, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (window->load()) window->show();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == blockNumber_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        commands_.blocks.JumpToTypedBlock();
        return true;
    }
    if (watched == centralWidget() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        freeAreaReleased(mouse->button(), mouse->modifiers(), mouse->globalPosition().toPoint());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The right button on the free area: the view menu, with Shift the file menu, with Ctrl or Alt the
// offer to read the counter's backup data again.
void frmMain::freeAreaReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                               const QPoint& globalPosition) {
    if (button != Qt::RightButton) return;
    if (modifiers == Qt::NoModifier) {
        mnuView->popup(globalPosition);
    } else if (modifiers == Qt::ShiftModifier) {
        mnuFile->popup(globalPosition);
    } else if (dialogs_.message(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾊﾞｯｸｱｯﾌﾟﾃﾞｰﾀを再読込みしますか？"), Buttons::YesNo,
                                QStringLiteral("ﾃﾗｺﾃﾞｰﾀの再読込み")) == Answer::Yes) {
        dataEx_->click();
    }
}

// With unsaved changes the question is whether to save them first (a save that fails or is cancelled
// keeps the program running); without, the menu's 終了 still asks whether to quit at all. A counter read
// in progress has nothing to save yet: it is only asked whether to quit.
bool frmMain::mayQuit(bool askWithoutChanges) {
    commands_.entry.settle();
    commands_.blocks.storeSurveyTexts();
    const QString title = QStringLiteral("終了確認");
    const bool reading = parts_.link.running();
    if (!data_.Modified || reading)
        return !(askWithoutChanges || reading) ||
               dialogs_.message(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌを終了してもよろしいですか？"), Buttons::YesNo,
                                title) == Answer::Yes;
    switch (dialogs_.message(QStringLiteral("データが変更されています。終了する前に保存しますか？"),
                             Buttons::SaveDiscardCancel, title)) {
        case Answer::Save: return commands_.files.saveChanges();
        case Answer::Discard: return true;
        default: return false;
    }
}

void frmMain::quit() {
    if (!mayQuit(true)) return;
    quitting_ = true;
    close();
}

void frmMain::showListing() {
    commands_.entry.settle();
    commands_.blocks.StoreBlockHeader();
    if (!commands_.blocks.requireData()) return;
    auto* listing = new frmDataGrid(data_);
    listing_ = listing;
    connect(listing, &frmDataGrid::closed, this, &QWidget::show);
    connect(listing, &frmDataGrid::graphRequested, this, [this](int block) {
        data_.CurBlock = static_cast<qint16>(block);
        openGraph();
    });
    hide();
    listing->show();
}

// 印刷 and 印刷プレビュー: the test forms from the shown block on, its fields stored first.
void frmMain::printForms(bool preview) {
    commands_.entry.settle();
    if (!status_) status_ = new frmStatus(this);
    const PrintJobParts parts{
        data_,
        parts_.display,
        parts_.printer,
        *status_,
        events_,
        [this](const QString& text, const QString& title) { dialogs_.message(text, Buttons::Ok, title); }};
    const auto storeHeader = [this] { commands_.blocks.StoreBlockHeader(); };
    if (preview)
        PreviewTestForms(parts, dialogs_, storeHeader, {});
    else
        PrintTestForms(parts, dialogs_, storeHeader, {});
}

void frmMain::showGraph() {
    commands_.entry.settle();
    commands_.blocks.StoreBlockHeader();
    if (!commands_.blocks.requireData()) return;
    openGraph();
}

// The graph window stands in for the main window until it closes; the main window then shows the
// block the graph window showed last. The site windows, which could choose another block, are put away
// with the main window and come back with it. There is one graph window at a time.
void frmMain::openGraph() {
    if (graph_) {
        graph_->raise();
        graph_->activateWindow();
        return;
    }
    auto* graph = new frmGraph({data_, parts_.display, dialogs_, parts_.printer});
    graph_ = graph;
    QList<QPointer<QWidget>> held;
    for (QWidget* site : {summary_.data(), glance_.data()}) {
        if (!site || !site->isVisible()) continue;
        held << site;
        site->hide();
    }
    connect(graph, &frmGraph::closed, this, [this, held] {
        show();
        commands_.blocks.ShowBlockFromStart();
        for (const QPointer<QWidget>& site : held)
            if (site) site->show();
    });
    hide();
    graph->show();
}

void frmMain::showAbout() {
    if (!about_) about_ = new frmAbout;
    about_->show();
    about_->raise();
}

// Closed by its frame, the window asks only when there are unsaved changes, an open edit counted. A
// transfer in progress is stopped, and the program ends although the transfer's windows are still open.
void frmMain::closeEvent(QCloseEvent* event) {
    if (!quitting_ && !mayQuit(false)) {
        event->ignore();
        return;
    }
    // A read in progress is stopped and the program ends once the transfer has unwound.
    if (parts_.link.running()) {
        parts_.link.stop();
        QCoreApplication::exit(0);
        quitting_ = true;
    }
    unsetCursor();
    saveSettings();
    if (listing_) listing_->close();
    if (graph_) graph_->close();
    if (summary_) summary_->close();
    if (glance_) glance_->close();
    if (about_) about_->close();
    if (RecoveryJournal* journal = commands_.recovery.journal()) journal->end();
    event->accept();
}

// The window opens where and as large as it was left (never smaller than designed), when the top of
// that place lies on a screen that exists now; otherwise at its designed place.
void frmMain::restorePlace() {
    const auto stored = [this](const char* key) {
        return storedInteger<int>(parts_.settings, QString::fromLatin1(key), -1, StoredZero::IsValue);
    };
    const int left = stored("MainLeft");
    const int top = stored("MainTop");
    const int width = stored("MainWidth");
    const int height = stored("MainHeight");
    if (width <= 0 || height <= 0) return;
    const QPoint titleBar(Twips::toPixels(left) + 20, Twips::toPixels(top) + 10);
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto screen = std::find_if(screens.begin(), screens.end(), [&](const QScreen* candidate) {
        return candidate->availableGeometry().contains(titleBar);
    });
    if (screen == screens.end()) return;
    // A size no screen can hold, as a damaged settings file may give, is made to fit the screen, and
    // the window moved so that it lies on it whole; a screen smaller than the design keeps the design.
    const QRect available = (*screen)->availableGeometry();
    const int fitWidth = std::clamp(width, 9696, std::max(9696, available.width() * Twips::perPixel));
    const int fitHeight = std::clamp(height, 6900, std::max(6900, available.height() * Twips::perPixel));
    const int fitLeft = std::clamp(
        left, available.left() * Twips::perPixel,
        std::max(available.left() * Twips::perPixel, (available.right() + 1) * Twips::perPixel - fitWidth));
    const int fitTop = std::clamp(
        top, available.top() * Twips::perPixel,
        std::max(available.top() * Twips::perPixel, (available.bottom() + 1) * Twips::perPixel - fitHeight));
    placeWindowFrame(*this, fitLeft, fitTop, fitWidth, fitHeight);
}

// A window minimised at the end has no place worth keeping; everything else is kept all the same.
void frmMain::saveSettings() {
    Settings& settings = parts_.settings;
    if (!isMinimized()) {
        const QRect frame = frameGeometry();
        settings.setValue(QStringLiteral("MainLeft"), QString::number(frame.x() * Twips::perPixel));
        settings.setValue(QStringLiteral("MainTop"), QString::number(frame.y() * Twips::perPixel));
        settings.setValue(QStringLiteral("MainWidth"), QString::number(frame.width() * Twips::perPixel));
        settings.setValue(QStringLiteral("MainHeight"), QString::number(frame.height() * Twips::perPixel));
    }
    parts_.display.save(settings);
    parts_.port.saveNumber(settings);
}
