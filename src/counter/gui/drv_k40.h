#pragma once

#include <QString>
#include <functional>
#include <memory>

class Dialogs;
class K40DebForm;
class QWidget;

// What a driver call needs besides its six arguments.
struct K40Link {
    Dialogs& dialogs;
    QString device;  // the port in force: PortSetting::deviceInForce(data, settings)
    QWidget* parent = nullptr;
};

// The transfer window of one driver call on the system's serial line, its nine parameters set.
std::unique_ptr<K40DebForm> makeTransferWindow(const K40Link& link, int h1, int h2, int h3, int h4, int h5,
                                               int h6);

// The driver entry; returns the status K40DRV_H7.
// - h6 = 99, debug mode: opens the port and shows the transfer window, which the operator drives and
//   which deletes itself when closed.
// - h1 = 1: opens the port and runs the receive phase, then, when `writeApproved` agrees (always when
//   it is empty), the write phase; then closes the windows. Status 0 when the port could not be opened
//   or a phase failed or was stopped (the reason has been shown), 1 after the write phase, else -1.
// - any other mode: nothing runs; -1.
int Drv_K40(const K40Link& link, int h1, int h2, int h3, int h4, int h5, int h6,
            const std::function<bool()>& writeApproved = {});
