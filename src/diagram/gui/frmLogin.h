#pragma once

#include <QDialog>

class Dialogs;
class QLineEdit;

// The log-on window of GGT mode: a password entry that shows "*" for each character. A wrong password
// is refused with a message and selected for another try; the right one ends the window. ｷｬﾝｾﾙ hides
// it and keeps what was typed.
class frmLogin : public QDialog {
    Q_OBJECT

public:
    frmLogin(Dialogs& dialogs, QWidget* parent);

signals:
    void loggedOn();
    void cancelled();

private:
    void cmdOK_Click();

    Dialogs& dialogs_;
    QLineEdit* txtPassword_;
};
