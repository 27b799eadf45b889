#include "print/gui/frmStatus.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/gui/windowplacement.h"
#include "print/printprogress.h"

frmStatus::frmStatus(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmStatus"));
    setWindowTitle(QStringLiteral("印刷状況"));
    setWindowModality(Qt::ApplicationModal);
    placeWindowFrame(*this, 2000, 2500, 5400, 1800);

    txtStatus_ = new QLineEdit;
    txtStatus_->setObjectName(QStringLiteral("txtStatus"));
    txtStatus_->setReadOnly(true);
    ProgressBar1_ = new QProgressBar;
    ProgressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1_->setTextVisible(false);
    auto* cmdCansel = new QPushButton(QStringLiteral("キャンセル"));
    cmdCansel->setObjectName(QStringLiteral("cmdCansel"));
    connect(cmdCansel, &QPushButton::clicked, this, &frmStatus::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCansel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtStatus_);
    layout->addWidget(ProgressBar1_);
    layout->addLayout(buttons);
}

void frmStatus::openFor(PrintProgress& job) {
    job_ = &job;
    ProgressBar1_->setMinimum(0);
    ProgressBar1_->setValue(0);
    show();
}

void frmStatus::setStatus(const QString& text) {
    txtStatus_->setText(text);
}

void frmStatus::setMaximum(int maximum) {
    ProgressBar1_->setMaximum(maximum);
}

void frmStatus::setProgress(int value) {
    ProgressBar1_->setValue(value);
}

void frmStatus::dismiss() {
    job_ = nullptr;
    hide();
    setEnabled(true);
}

// キャンセル, Escape and the window's close control all cancel the job. The window stays up, without
// input, until the job has stopped (within the page in progress), so that no other window takes input
// while the job still runs.
void frmStatus::reject() {
    if (!job_) return dismiss();
    job_->PrintCancel = 1;
    setEnabled(false);
}

void frmStatus::closeEvent(QCloseEvent* event) {
    const bool running = job_ != nullptr;
    reject();
    if (running)
        event->ignore();
    else
        event->accept();
}
