#pragma once

#include <QWidget>

class CounterLink;
class QLabel;
class QLineEdit;
class QProgressBar;
struct TransferProgress;

// The small progress window of a counter transfer: status text, percentage, progress bar and a
// blinking mark, as the link reports them. It is modal to the whole application, so that nothing else
// can be used while the counter is read. Its stop button and its close control stop a transfer in
// progress; it then stays until the transfer has ended.
class K40DevSubForm : public QWidget {
    Q_OBJECT

public:
    explicit K40DevSubForm(CounterLink& link, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showProgress(const TransferProgress& progress);

    CounterLink& link_;
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QProgressBar* ProgressBar1_;
    QLabel* Label1_;
};
