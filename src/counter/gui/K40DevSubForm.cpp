#include "counter/gui/K40DevSubForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "counter/counterlink.h"
#include "platform/gui/windowplacement.h"

K40DevSubForm::K40DevSubForm(CounterLink& link, QWidget* parent) : QWidget(parent, Qt::Window), link_(link) {
    setObjectName(QStringLiteral("K40DevSubForm"));
    setWindowTitle(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･通信状況"));
    Text1_ = new QLineEdit;
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setReadOnly(true);
    Text2_ = new QLineEdit;
    Text2_->setObjectName(QStringLiteral("Text2"));
    Text2_->setReadOnly(true);
    Text2_->setAlignment(Qt::AlignRight);
    Text2_->setMaximumWidth(110);
    ProgressBar1_ = new QProgressBar;
    ProgressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1_->setTextVisible(false);
    ProgressBar1_->setMinimum(0);
    Label1_ = new QLabel(QStringLiteral("○"));
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setStyleSheet(QStringLiteral("color: #ff0000;"));

    auto* cmdStop = new QPushButton(QStringLiteral("通信中断"));
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    connect(cmdStop, &QPushButton::clicked, this, [this] { link_.stop(); });

    auto* progress = new QHBoxLayout;
    progress->addWidget(Label1_);
    progress->addWidget(Text2_);
    progress->addWidget(ProgressBar1_, 1);
    progress->addWidget(cmdStop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text1_);
    layout->addLayout(progress);
    setWindowModality(Qt::ApplicationModal);
    placeWindowFrame(*this, 2000, 3200, 7200, 1500);
    connect(&link_, &CounterLink::progressed, this, &K40DevSubForm::showProgress);
}

void K40DevSubForm::showProgress(const TransferProgress& progress) {
    if (const QString status = TransferTexts::status(progress.step); !status.isEmpty())
        Text1_->setText(status);
    if (const std::optional<QString> percent = TransferTexts::percent(progress)) Text2_->setText(*percent);
    ProgressBar1_->setMaximum(progress.total);
    ProgressBar1_->setValue(progress.done);
    if (const std::optional<bool> filled = TransferTexts::markFilled(progress))
        Label1_->setText(*filled ? QStringLiteral("●") : QStringLiteral("○"));
}

void K40DevSubForm::closeEvent(QCloseEvent* event) {
    if (!link_.running()) return;
    link_.stop();
    event->ignore();
}
