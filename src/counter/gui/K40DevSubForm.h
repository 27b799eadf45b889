#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
struct TransferScreen;

// The small progress window of a counter transfer: status text, percentage, progress bar and a
// blinking mark.
class K40DevSubForm : public QWidget {
    Q_OBJECT

public:
    explicit K40DevSubForm(QWidget* parent = nullptr);

    void showScreen(const TransferScreen& screen);

    // Asked when the operator closes the window: stops a transfer in progress and says whether there
    // was one. The window then stays until the transfer has ended.
    std::function<bool()> stopRunningTransfer;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QProgressBar* ProgressBar1_;
    QLabel* Label1_;
};
