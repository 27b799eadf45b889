#pragma once

#include <QWidget>
#include <array>
#include <chrono>
#include <memory>

#include "counter/k40parameters.h"
#include "counter/transferdriver.h"

class Dialogs;
class K40DevSubForm;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class SerialLine;

// The transfer window of the counter link. It holds the nine transfer parameters and the serial line,
// runs the receive and write phases (its buttons, or the driver entry) and keeps the progress window.
// In normal use it stays hidden; in debug mode the operator drives it.
class K40DebForm : public QWidget {
    Q_OBJECT

public:
    // The window opens `device` on `line` when loaded; every wait for the counter ends after `timeLimit`.
    K40DebForm(Dialogs& dialogs, std::unique_ptr<SerialLine> line, const QString& device,
               std::chrono::milliseconds timeLimit = ReplyTimeLimit, QWidget* parent = nullptr);
    ~K40DebForm() override;

    // Sets the nine parameters from the six arguments of a driver call.
    void setParameters(int h1, int h2, int h3, int h4, int h5, int h6);
    const K40Parameters& parameters() const { return parameters_; }
    // The pause before each chunk request, in milliseconds (K40DRV_H8).
    void setRequestInterval(int milliseconds) { parameters_.K40DRV_H8 = milliseconds; }

    // Shows the parameters and, outside debug mode, the progress window, and opens the port. When it
    // cannot be opened: the message with the reason, the windows closed, status 0, false.
    bool load();
    // The receive phase (RxBtn) and the write phase (TxBtn). A phase that fails or is stopped ends with
    // status 0, the windows and the port closed and the reason shown; false then.
    bool receivePhase();
    bool writePhase();
    // Closes the progress window and this window, and the port.
    void unload();

    K40DevSubForm& progressWindow() { return *progress_; }

    // TxtCalcBtn: converts the received memory into the text of its records.
    void TxtCalcBtn_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showScreen(const TransferScreen& screen);
    bool ended(bool completed);
    void showClock();

    Dialogs& dialogs_;
    std::unique_ptr<SerialLine> line_;
    QString device_;
    K40Parameters parameters_;
    TransferDriver driver_;
    K40DevSubForm* progress_;

    QPushButton* RxBtn_;
    QPushButton* TxBtn_;
    QPushButton* StopBtn_;
    QLineEdit* Text_Data_;
    std::array<QLineEdit*, 6> Hiki_;
    std::array<QLabel*, 4> panels_;
    QTimer* clock_;
};
