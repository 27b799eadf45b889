#include "counter/gui/K40DebForm.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include "counter/counterlink.h"
#include "counter/dumpconversion.h"
#include "counter/readdump.h"
#include "model/format.h"
#include "platform/dialogs.h"
#include "platform/twips.h"

namespace {

QPushButton* button(const char* name, const QString& caption) {
    auto* result = new QPushButton(caption);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

}  // namespace

K40DebForm::K40DebForm(CounterLink& link, Dialogs& dialogs, const K40Parameters& parameters,
                       const QString& device, QWidget* parent)
    : QWidget(parent, Qt::Window), link_(link), dialogs_(dialogs), parameters_(parameters), device_(device) {
    setObjectName(QStringLiteral("K40DebForm"));
    setWindowTitle(QStringLiteral("ﾃﾗｺｶｳﾝﾀ K-40通信用ﾃﾞﾊﾞｯｶｰ"));

    RxBtn_ = button("RxBtn", QStringLiteral("受信開始"));
    TxBtn_ = button("TxBtn", QStringLiteral("送信開始"));
    auto* TxtCalcBtn = button("TxtCalcBtn", QStringLiteral("TxtCalc"));
    StopBtn_ = button("StopBtn", QStringLiteral("通信中断"));
    auto* ExitBtn = button("ExitBtn", QStringLiteral("終了"));
    TxBtn_->setEnabled(false);
    StopBtn_->setEnabled(false);
    connect(RxBtn_, &QPushButton::clicked, this, [this] {
        if (!link_.running()) receivePhase();
    });
    connect(TxBtn_, &QPushButton::clicked, this, [this] {
        if (!link_.running()) writePhase();
    });
    connect(TxtCalcBtn, &QPushButton::clicked, this, [this] { TxtCalcBtn_Click(); });
    connect(StopBtn_, &QPushButton::clicked, this, [this] { link_.stop(); });
    connect(ExitBtn, &QPushButton::clicked, this, [this] {
        if (link_.running())
            link_.stop();
        else
            unload();
    });
    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {RxBtn_, TxBtn_, TxtCalcBtn, StopBtn_, ExitBtn}) buttons->addWidget(each);

    Text_Data_ = new QLineEdit;
    Text_Data_->setObjectName(QStringLiteral("Text_Data"));

    auto* frame = new QGroupBox(QStringLiteral("処理方法の設定"));
    auto* arguments = new QHBoxLayout;
    arguments->addWidget(new QLabel(QStringLiteral("Drv_K40（")));
    for (size_t i = 0; i < Hiki_.size(); ++i) {
        Hiki_[i] = new QLineEdit;
        Hiki_[i]->setObjectName(QStringLiteral("Hiki") + Format::number(int(i) + 1, "0"));
        Hiki_[i]->setMaximumWidth(Twips::toPixels(700));
        arguments->addWidget(Hiki_[i]);
    }
    arguments->addWidget(new QLabel(QStringLiteral("）")));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(
        new QLabel(QStringLiteral("引数  1,          2,          3,          4,          5,          6")));
    frameLayout->addLayout(arguments);

    auto* StatusBar1 = new QStatusBar;
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const std::array<QString, 4> panelTexts{QStringLiteral("4800bps, start1, data8, stop1, nonpar"),
                                            QStringLiteral("volume : "), QStringLiteral("count : "),
                                            QString()};
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(panelTexts[i]);
        panels_[i]->setObjectName(QStringLiteral("Panel") + Format::number(int(i) + 1, "0"));
        StatusBar1->addWidget(panels_[i], i == 0 ? 1 : 0);
    }
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &K40DebForm::showClock);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Text_Data_);
    layout->addWidget(frame);
    layout->addWidget(StatusBar1);
    resize(Twips::toPixels(8400), Twips::toPixels(3600));

    connect(&link_, &CounterLink::progressed, this, &K40DebForm::showProgress);
}

bool K40DebForm::load() {
    const std::array<int, 6> arguments{parameters_.K40DRV_H1, parameters_.K40DRV_H2, parameters_.K40DRV_H3,
                                       parameters_.K40DRV_H4, parameters_.K40DRV_H5, parameters_.K40DRV_H6};
    for (size_t i = 0; i < Hiki_.size(); ++i) Hiki_[i]->setText(Format::number(arguments[i], "0"));
    if (link_.open(device_)) return true;
    parameters_.K40DRV_H7 = K40Parameters::Failed;
    dialogs_.detailedMessage(link_.failure()->windowText(), link_.failure()->windowDetail(), Buttons::Ok,
                             QString(), Icon::Critical);
    unload();
    return false;
}

// Turns the received memory into the text of its records, k40txt.tmp.
void K40DebForm::TxtCalcBtn_Click() {
    if (const std::optional<Failure> failure = ConvertDump(ReadDump::fileName(), CounterText::fileName()))
        dialogs_.message(failure->text, Buttons::Ok, QString(), Icon::Critical);
}

bool K40DebForm::receivePhase() {
    return ended(link_.receive(parameters_, ReadDump::fileName()));
}

bool K40DebForm::writePhase() {
    if (!link_.write(parameters_)) return ended(false);
    parameters_.K40DRV_H7 = K40Parameters::Written;
    return true;
}

// A failed or stopped phase has closed the port before the operator is told.
bool K40DebForm::ended(bool completed) {
    if (completed) return true;
    parameters_.K40DRV_H7 = K40Parameters::Failed;
    RxBtn_->setText(QStringLiteral("受信開始"));
    TxBtn_->setText(QStringLiteral("送信開始"));
    StopBtn_->setEnabled(false);
    const bool stopped = link_.failure()->kind == TransferFailure::Kind::Stopped;
    dialogs_.message(link_.failure()->windowText(), Buttons::Ok, QString(),
                     stopped ? Icon::Warning : Icon::Critical);
    unload();
    return false;
}

void K40DebForm::unload() {
    link_.close();
    close();
}

void K40DebForm::closeEvent(QCloseEvent* event) {
    if (link_.running()) {
        link_.stop();
        event->ignore();
        return;
    }
    link_.close();
    QWidget::closeEvent(event);
}

void K40DebForm::showEvent(QShowEvent* event) {
    showClock();
    clock_->start();
    QWidget::showEvent(event);
}

void K40DebForm::hideEvent(QHideEvent* event) {
    clock_->stop();
    QWidget::hideEvent(event);
}

// The text box shows the status, or the chunk just received; the buttons follow the phases.
void K40DebForm::showProgress(const TransferProgress& progress) {
    using Step = TransferProgress::Step;
    const bool chunk = progress.step == Step::Receiving && progress.done > 1;
    Text_Data_->setText(chunk ? QString::fromLatin1(progress.chunk) : TransferTexts::status(progress.step));
    const QString count = QStringLiteral("count : ") + Format::number(progress.done, "0");
    switch (progress.step) {
        case Step::WaitingForCounter:
            RxBtn_->setText(QStringLiteral("受信中"));
            StopBtn_->setEnabled(true);
            panels_[1]->setText(QStringLiteral("volume : ") + Format::number(progress.total, "0"));
            break;
        case Step::Receiving: panels_[2]->setText(count); break;
        case Step::Received:
            panels_[2]->setText(count);
            RxBtn_->setText(QStringLiteral("受信開始"));
            RxBtn_->setEnabled(false);
            StopBtn_->setEnabled(false);
            TxBtn_->setEnabled(true);
            break;
        case Step::WaitingForReady: TxBtn_->setText(QStringLiteral("送信中")); break;
        case Step::Completed:
            TxBtn_->setText(QStringLiteral("送信開始"));
            TxBtn_->setEnabled(false);
            break;
        case Step::Idle:
        case Step::Verifying: break;
    }
}

void K40DebForm::showClock() {
    panels_[3]->setText(QTime::currentTime().toString(QStringLiteral("H:mm")));
}
