#pragma once

#include <QDialog>

#include "platform/progresssink.h"
#include "print/printjob.h"

class QLineEdit;
class QProgressBar;

// The print status window "印刷状況": what is being printed, a progress bar and キャンセル. It keeps
// the other windows from taking input while a job runs, so that nothing changes the data being
// printed; its cancel button stays usable.
class frmStatus : public QDialog, public PrintStatusView, private ProgressSink {
    Q_OBJECT

public:
    explicit frmStatus(QWidget* parent = nullptr);

    void openFor(PrintProgress& job) override;
    void setStatus(const QString& text) override;
    void setMaximum(int maximum) override;
    ProgressSink& bar() override { return *this; }
    void dismiss() override;

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setProgress(int value) override;

    QLineEdit* txtStatus_;
    QProgressBar* ProgressBar1_;
    PrintProgress* job_ = nullptr;
};
