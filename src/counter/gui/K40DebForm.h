#pragma once

#include <QWidget>
#include <array>

#include "counter/k40parameters.h"

class CounterLink;
class Dialogs;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
struct TransferProgress;

// The transfer window of the counter link in debug mode: it shows the six transfer parameters and what
// the link reports, and the operator runs the receive and write phases and the conversion with its
// buttons.
class K40DebForm : public QWidget {
    Q_OBJECT

public:
    K40DebForm(CounterLink& link, Dialogs& dialogs, const K40Parameters& parameters, const QString& device,
               QWidget* parent = nullptr);

    const K40Parameters& parameters() const { return parameters_; }

    // Shows the parameters and opens the port. When it cannot be opened: the message with the reason,
    // the window closed, status 0, false.
    bool load();
    // The receive phase (RxBtn) and the write phase (TxBtn). A phase that fails or is stopped ends with
    // status 0, the window and the port closed and the reason shown; false then.
    bool receivePhase();
    bool writePhase();
    // Closes the window and the port.
    void unload();

    // TxtCalcBtn: converts the received memory into the text of its records.
    void TxtCalcBtn_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showProgress(const TransferProgress& progress);
    bool ended(bool completed);
    void showClock();

    CounterLink& link_;
    Dialogs& dialogs_;
    K40Parameters parameters_;
    QString device_;

    QPushButton* RxBtn_;
    QPushButton* TxBtn_;
    QPushButton* StopBtn_;
    QLineEdit* Text_Data_;
    std::array<QLineEdit*, 6> Hiki_;
    std::array<QLabel*, 4> panels_;
    QTimer* clock_;
};
