#include "diagram/gui/frmGraph.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

#include "diagram/displaysettings.h"
#include "diagram/drawcolor.h"
#include "diagram/ggtfill.h"
#include "diagram/gui/diagrampanel.h"
#include "diagram/gui/frmColors.h"
#include "diagram/gui/frmLogin.h"
#include "model/format.h"
#include "model/testdata.h"
#include "platform/appinfo.h"
#include "platform/dialogs.h"
#include "platform/gui/windowplacement.h"
#include "print/printprogress.h"

namespace {

constexpr int TestFormSlot = 5;

QPushButton* button(QWidget& area, const char* name, const char* caption, const char* tip) {
    auto* button = new QPushButton(QString::fromUtf8(caption), &area);
    button->setObjectName(QString::fromUtf8(name));
    button->setToolTip(QString::fromUtf8(tip));
    return button;
}

QCheckBox* checkBox(QVBoxLayout& frame, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QString::fromUtf8(name));
    frame.addWidget(box);
    return box;
}

}  // namespace

frmGraph::frmGraph(const GraphWindowParts& parts, QWidget* parent)
    : QMainWindow(parent),
      data_(parts.data),
      display_(parts.display),
      dialogs_(parts.dialogs),
      printer_(parts.printer) {
    setObjectName(QStringLiteral("frmGraph"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(AppInfo::captionWithFile(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ｸﾞﾗﾌ表示"), data_.DataFileName));
    placeWindowFrame(*this, 0, 0, 9696, 6900);

    auto* area = new QWidget(this);
    setCentralWidget(area);
    picture_ = placeControl(new DiagramPanel(data_, area), 120, 50, 3950, 5724);
    connect(picture_, &DiagramPanel::menuRequested, this, [this](const QPoint& at) { mnuOption->popup(at); });
    createNavigation(*area);
    createOptions(*area);
    createButtons(*area);
    createMenus();
    loadBoxes();
    cmdReDraw_->setEnabled(false);
    txtCBlock_->setText(QString::number(data_.CurBlock));
    // The number box names the block drawn, whoever changed it.
    dataChanged_ = data_.changed.subscribe([this] {
        const QString shown = QString::number(data_.CurBlock);
        if (txtCBlock_->text() != shown) txtCBlock_->setText(shown);
    });
}

void frmGraph::createNavigation(QWidget& area) {
    const auto step = [&](const char* name, const char* caption, const char* tip, int left, auto command) {
        connect(placeControl(button(area, name, caption, tip), left, 50, 600, 405), &QPushButton::clicked,
                this, command);
    };
    step("cmdBeg", "<<", "ブロックの先頭にジャンプします", 4300, [this] {
        data_.CurBlock = 1;
        ShowBlock();
    });
    step("cmdPrv", "<", "１つ前のブロックを表示します", 4950, [this] { previousBlock(); });
    step("cmdNext", ">", "１つ先のブロックを表示します", 6600, [this] { nextBlock(); });
    step("cmdEnd", ">>", "ブロックの最後にジャンプします", 7250, [this] {
        data_.CurBlock = data_.BlockCount;
        ShowBlock();
    });
    txtCBlock_ = placeControl(new QLineEdit(&area), 5600, 50, 950, 405);
    txtCBlock_->setObjectName(QStringLiteral("txtCBlock"));
    txtCBlock_->setAlignment(Qt::AlignCenter);
    txtCBlock_->setToolTip(
        QStringLiteral("ブロック番号を入力することで、該当するブロックを表示することが可能です"));
    txtCBlock_->installEventFilter(this);
}

void frmGraph::createOptions(QWidget& area) {
    Frame1_ = placeControl(new QGroupBox(QStringLiteral("表示/印刷指定"), &area), 4300, 650, 5100, 1050);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* display = new QVBoxLayout(Frame1_);
    chkColor_ = checkBox(*display, "chkColor", QStringLiteral("カラー表示"));
    chkMono_ = checkBox(*display, "chkMono", QStringLiteral("モノトーン表示"));

    Frame2_ = placeControl(new QGroupBox(QStringLiteral("印刷指定"), &area), 4300, 1800, 5100, 2250);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    auto* print = new QVBoxLayout(Frame2_);
    chk5Colors_ = checkBox(*print, "chk5Colors", groupingCaption(FillGrouping::FiveColors));
    chk3Colors_ = checkBox(*print, "chk3Colors", groupingCaption(FillGrouping::ThreeColors));
    chk2Colors_ = checkBox(*print, "chk2Colors", groupingCaption(FillGrouping::TwoColors));
    chkMarks_ = checkBox(*print, "chk○", QStringLiteral("○×△表示"));
    chkJHS_ = checkBox(*print, "chkJHS", QStringLiteral("JHS604表示"));

    // A change made by the program acts as a click: the handlers run on every change of value.
    connect(chkColor_, &QCheckBox::toggled, this, &frmGraph::colorSwitched);
    connect(chkMono_, &QCheckBox::toggled, this, &frmGraph::monoSwitched);
    for (QCheckBox* grouping : {chk5Colors_, chk3Colors_, chk2Colors_})
        connect(grouping, &QCheckBox::toggled, this,
                [this, grouping](bool on) { groupingSwitched(grouping, on); });
    connect(chkMarks_, &QCheckBox::toggled, this, [this](bool on) { display_.ShowMarks = on ? 1 : 0; });
    connect(chkJHS_, &QCheckBox::toggled, this, [this](bool on) { display_.ShowJHS = on ? 1 : 0; });
}

void frmGraph::createButtons(QWidget& area) {
    cmdReDraw_ =
        placeControl(button(area, "cmdReDraw", "再表示", "グラフを再表示します"), 4300, 4350, 1500, 480);
    connect(cmdReDraw_, &QPushButton::clicked, this, &frmGraph::cmdReDraw_Click);
    cmdChangeColor_ =
        placeControl(button(area, "cmdChangeColor", "表示調整", "グラフの塗りつぶしの色を調整します"), 5900,
                     4350, 1500, 480);
    connect(cmdChangeColor_, &QPushButton::clicked, this, &frmGraph::showColours);
    auto* cmdPrints =
        placeControl(button(area, "cmdPrints", "印  刷", "印刷を行います"), 4300, 5100, 1500, 480);
    connect(cmdPrints, &QPushButton::clicked, this, [this] { printForms(false); });
    cmdGraph_ =
        placeControl(button(area, "cmdGraph", "グラフ印刷", "GGTﾓｰﾄﾞで印刷します"), 5900, 5100, 1500, 480);
    connect(cmdGraph_, &QPushButton::clicked, this, &frmGraph::printSheets);
    auto* cmdClose =
        placeControl(button(area, "cmdClose", "閉じる", "メイン画面へ戻ります"), 7500, 5100, 1500, 480);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

// The boxes start from the saved values. In GGT mode each acts as a click and the display pair is made
// exclusive; otherwise they are only set, so that closing the window keeps the saved values.
void frmGraph::loadBoxes() {
    const std::pair<QCheckBox*, qint16> saved[] = {
        {chkMono_, display_.ShowMono},       {chkColor_, display_.ShowColor},
        {chk2Colors_, display_.Show2Colors}, {chk3Colors_, display_.Show3Colors},
        {chk5Colors_, display_.Show5Colors}, {chkJHS_, display_.ShowJHS},
        {chkMarks_, display_.ShowMarks},
    };
    if (display_.GGTMode != -1) {
        for (const auto& [box, value] : saved) {
            const QSignalBlocker quiet(box);
            box->setChecked(value == 1);
        }
        showGGTControls(false);
        return;
    }
    showGGTControls(true);
    for (const auto& [box, value] : saved) box->setChecked(value == 1);
    if (chkMono_->isChecked())
        chkColor_->setChecked(false);
    else if (chkColor_->isChecked())
        chkMono_->setChecked(false);
    else
        chkColor_->setChecked(true);
}

void frmGraph::showGGTControls(bool shown) {
    Frame1_->setVisible(shown);
    Frame2_->setVisible(shown);
    cmdReDraw_->setVisible(shown);
    cmdChangeColor_->setVisible(shown);
    cmdGraph_->setVisible(shown);
}

void frmGraph::ShowBlock() {
    txtCBlock_->setText(QString::number(data_.CurBlock));
    picture_->setFill(std::nullopt);
    if (display_.GGTMode == -1) redrawFill();
}

void frmGraph::nextBlock() {
    if (data_.CurBlock >= data_.BlockCount)
        dialogs_.message(QStringLiteral("これより先のブロックはありません。"), Buttons::Ok);
    else
        ++data_.CurBlock;
    ShowBlock();
}

void frmGraph::previousBlock() {
    if (data_.CurBlock <= 1)
        dialogs_.message(QStringLiteral("これより前のブロックはありません。"), Buttons::Ok);
    else
        --data_.CurBlock;
    ShowBlock();
}

void frmGraph::jumpToTypedBlock() {
    const double typed = Format::valueOf(txtCBlock_->text());
    // Halves go to the even block, as the number box has always rounded.
    data_.CurBlock = typed > data_.BlockCount ? data_.BlockCount
                     : typed < 1              ? qint16(1)
                                              : static_cast<qint16>(std::lrint(typed));
    ShowBlock();
}

bool frmGraph::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+C copies the diagram (コピー) even while the number box has the focus.
    if (watched == txtCBlock_ && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return true;
    if (watched == txtCBlock_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Up || key == Qt::Key_Down) {
            jumpToTypedBlock();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// "カラー表示" and "モノトーン表示" form a pair with exactly one on.
void frmGraph::colorSwitched(bool on) {
    if (!on) {
        chkMono_->setChecked(true);
        return;
    }
    chkMono_->setChecked(false);
    pairSwitchedOn();
}

void frmGraph::monoSwitched(bool on) {
    if (!on) {
        chkColor_->setChecked(true);
        return;
    }
    chkColor_->setChecked(false);
    pairSwitchedOn();
}

void frmGraph::pairSwitchedOn() {
    display_.ShowColor = chkColor_->isChecked() ? 1 : 0;
    display_.ShowMono = chkMono_->isChecked() ? 1 : 0;
    if (!groupingChosen()) chk5Colors_->setChecked(true);
    CheckMode();
}

// Turning a grouping on turns the other two off and draws the fill again; turning it off does no more.
void frmGraph::groupingSwitched(QCheckBox* box, bool on) {
    if (!on) return;
    for (QCheckBox* other : {chk5Colors_, chk3Colors_, chk2Colors_})
        if (other != box) other->setChecked(false);
    if (!chkColor_->isChecked() && !chkMono_->isChecked())
        chkMono_->setChecked(true);
    else
        CheckMode();
}

void frmGraph::redrawFill() {
    if (chkColor_->isChecked())
        colorSwitched(true);
    else
        monoSwitched(chkMono_->isChecked());
}

void frmGraph::CheckMode() {
    data_.Measure[data_.CurBlock][0] = 0.0f;
    const FillChoice choice{
        chosenGrouping(chk5Colors_->isChecked(), chk3Colors_->isChecked(), chk2Colors_->isChecked()),
        MonoColOf(display_.ShowMono == 1, display_.ShowColor == 1)};
    picture_->setFill(PanelFill{choice, display_});
}

bool frmGraph::groupingChosen() const {
    return chk5Colors_->isChecked() || chk3Colors_->isChecked() || chk2Colors_->isChecked();
}

FillChoice frmGraph::printFill() const {
    return {chosenGrouping(chk5Colors_->isChecked(), chk3Colors_->isChecked(), chk2Colors_->isChecked()),
            MonoColOf(chkMono_->isChecked(), chkColor_->isChecked())};
}

void frmGraph::DrawGGT(Surface& printer, int CuPage, PrintProgress& progress, EventPump& events) {
    ::DrawGGT(printer, data_, display_, printFill(), CuPage, progress, events);
    progress.ProgressBase = static_cast<qint16>(progress.value());
}

void frmGraph::DrawColor(Surface& printer, PrintProgress& progress, EventPump& events) {
    fillTestForm(*chkColor_, *chkMono_, printer, progress, events);
}

void frmGraph::DrawMono(Surface& printer, PrintProgress& progress, EventPump& events) {
    fillTestForm(*chkMono_, *chkColor_, printer, progress, events);
}

// Makes the display switch `chosen` exclusive when it is on, then fills the test form's diagram.
void frmGraph::fillTestForm(QCheckBox& chosen, QCheckBox& other, Surface& printer, PrintProgress& progress,
                            EventPump& events) {
    if (chosen.isChecked()) {
        other.setChecked(false);
        if (!groupingChosen()) chk5Colors_->setChecked(true);
    }
    progress.ProgressBase = 0;
    DrawGGT(printer, TestFormSlot, progress, events);
}

void frmGraph::cmdReDraw_Click() {
    picture_->setFill(std::nullopt);
    redrawFill();
    cmdReDraw_->setEnabled(false);
}

// One colour dialog at a time: a second click brings the open one to the front.
void frmGraph::showColours() {
    if (!colours_) {
        const ColourSet shown =
            !chkColor_->isChecked() && chkMono_->isChecked() ? ColourSet::Mono : ColourSet::Colour;
        colours_ = new frmColors(display_, dialogs_, shown, this);
        connect(colours_, &frmColors::coloursAccepted, cmdReDraw_, &QWidget::setEnabled);
    }
    colours_->show();
    colours_->raise();
    colours_->activateWindow();
}

void frmGraph::mnuGGT_Click() {
    if (display_.GGTMode == -1) {
        if (dialogs_.message(
                QStringLiteral("パスワード認証はすでに完了しています。GGTモードから抜けますか？"),
                Buttons::YesNo, QStringLiteral("GGTﾓｰﾄﾞ･ﾛｸﾞｵﾌ")) != Answer::Yes)
            return;
        display_.GGTMode = 0;
        showGGTControls(false);
        cmdReDraw_->setEnabled(false);
        picture_->setFill(std::nullopt);
        return;
    }
    if (!login_) {
        login_ = new frmLogin(dialogs_, this);
        connect(login_, &frmLogin::loggedOn, this, &frmGraph::logOn);
        connect(login_, &frmLogin::cancelled, this, [this] { display_.GGTMode = 0; });
    }
    login_->show();
    login_->raise();
    login_->activateWindow();
}

void frmGraph::logOn() {
    display_.GGTMode = -1;
    showGGTControls(true);
    if (display_.ShowColor == 0 && display_.ShowMono == 0) chkColor_->setChecked(true);
    CheckMode();
}

void frmGraph::saveBoxes() {
    const auto value = [](const QCheckBox* box) { return qint16(box->isChecked() ? 1 : 0); };
    display_.ShowMono = value(chkMono_);
    display_.ShowColor = value(chkColor_);
    display_.Show2Colors = value(chk2Colors_);
    display_.Show3Colors = value(chk3Colors_);
    display_.Show5Colors = value(chk5Colors_);
    display_.ShowJHS = value(chkJHS_);
    display_.ShowMarks = value(chkMarks_);
}

void frmGraph::closeEvent(QCloseEvent* event) {
    saveBoxes();
    emit closed();
    event->accept();
}
