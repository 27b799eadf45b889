#include "counter/gui/K40DebForm.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "counter/dumpconversion.h"
#include "counter/gui/K40DevSubForm.h"
#include "counter/portopenmessage.h"
#include "counter/readdump.h"
#include "counter/systemareaimage.h"
#include "model/format.h"
#include "platform/dialogs.h"
#include "platform/serialline.h"
#include "platform/twips.h"

namespace {

QPushButton* button(const char* name, const QString& caption) {
    auto* result = new QPushButton(caption);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

}  // namespace

K40DebForm::K40DebForm(Dialogs& dialogs, std::unique_ptr<SerialLine> line, const QString& device,
                       std::chrono::milliseconds timeLimit, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      line_(std::move(line)),
      device_(device),
      driver_(*line_, timeLimit),
      progress_(new K40DevSubForm(this)) {
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
        if (!driver_.running()) receivePhase();
    });
    connect(TxBtn_, &QPushButton::clicked, this, [this] {
        if (!driver_.running()) writePhase();
    });
    connect(TxtCalcBtn, &QPushButton::clicked, this, [this] { TxtCalcBtn_Click(); });
    connect(StopBtn_, &QPushButton::clicked, this, [this] { driver_.stop(); });
    connect(ExitBtn, &QPushButton::clicked, this, [this] {
        if (driver_.running())
            driver_.stop();
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

    driver_.shown = [this](const TransferScreen& screen) { showScreen(screen); };
    progress_->stopRunningTransfer = [this] {
        if (!driver_.running()) return false;
        driver_.stop();
        return true;
    };
}

K40DebForm::~K40DebForm() = default;

void K40DebForm::setParameters(int h1, int h2, int h3, int h4, int h5, int h6) {
    parameters_ = K40Parameters::forCall(h1, h2, h3, h4, h5, h6);
}

bool K40DebForm::load() {
    const std::array<int, 6> arguments{parameters_.K40DRV_H1, parameters_.K40DRV_H2, parameters_.K40DRV_H3,
                                       parameters_.K40DRV_H4, parameters_.K40DRV_H5, parameters_.K40DRV_H6};
    for (size_t i = 0; i < Hiki_.size(); ++i) Hiki_[i]->setText(Format::number(arguments[i], "0"));
    if (parameters_.K40DRV_H6 != K40Parameters::DebugMode) progress_->show();
    if (const auto failure = line_->open(device_)) {
        parameters_.K40DRV_H7 = K40Parameters::Failed;
        dialogs_.detailedMessage(PortOpenMessage::text(), PortOpenMessage::detail(device_, *failure),
                                 Buttons::Ok);
        unload();
        return false;
    }
    return true;
}

// Turns the received memory into the text of its records, k40txt.tmp.
void K40DebForm::TxtCalcBtn_Click() {
    const ConversionResult conversion = ConvertDump(ReadDump::fileName(), CounterText::fileName());
    if (!conversion.ok) dialogs_.message(conversion.message, Buttons::Ok);
}

bool K40DebForm::receivePhase() {
    return ended(driver_.receive(parameters_.K40DRV_H8, ReadDump::fileName()));
}

bool K40DebForm::writePhase() {
    const QByteArray image = SystemArea::image(QDateTime::currentDateTime(), parameters_.parameterBytes());
    if (!driver_.write(image)) return ended(false);
    parameters_.K40DRV_H7 = K40Parameters::Written;
    return true;
}

// After a failed or stopped phase nothing more is sent: the port closes before the operator is told.
bool K40DebForm::ended(bool completed) {
    if (completed) return true;
    parameters_.K40DRV_H7 = K40Parameters::Failed;
    line_->close();
    dialogs_.message(driver_.failure()->windowText(), Buttons::Ok);
    unload();
    return false;
}

void K40DebForm::unload() {
    progress_->close();
    line_->close();
    close();
}

void K40DebForm::closeEvent(QCloseEvent* event) {
    if (driver_.running()) {
        driver_.stop();
        event->ignore();
        return;
    }
    progress_->close();
    line_->close();
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

void K40DebForm::showScreen(const TransferScreen& screen) {
    Text_Data_->setText(screen.dataText);
    RxBtn_->setText(screen.rxCaption);
    RxBtn_->setEnabled(screen.rxEnabled);
    TxBtn_->setText(screen.txCaption);
    TxBtn_->setEnabled(screen.txEnabled);
    StopBtn_->setEnabled(screen.stopEnabled);
    panels_[1]->setText(screen.volumePanel);
    panels_[2]->setText(screen.countPanel);
    progress_->showScreen(screen);
}

void K40DebForm::showClock() {
    panels_[3]->setText(QTime::currentTime().toString(QStringLiteral("H:mm")));
}
