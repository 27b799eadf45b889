#include "diagram/gui/frmLogin.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/dialogs.h"
#include "platform/gui/windowplacement.h"

namespace {

// Compared exactly: case and blanks count.
const QString Password = QStringLiteral("TARNWELD");

}  // namespace

frmLogin::frmLogin(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾛｸﾞｵﾝ"));
    placeWindowFrame(*this, 2800, 2500, 4200, 1900);

    auto* lblLabels = new QLabel(QStringLiteral("ﾊﾟｽﾜｰﾄﾞ(&P):"));
    lblLabels->setObjectName(QStringLiteral("lblLabels"));
    txtPassword_ = new QLineEdit;
    txtPassword_->setObjectName(QStringLiteral("txtPassword"));
    txtPassword_->setEchoMode(QLineEdit::Password);
    txtPassword_->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // '*'
    lblLabels->setBuddy(txtPassword_);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    auto* cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        emit cancelled();
        hide();
    });

    auto* entry = new QHBoxLayout;
    entry->addWidget(lblLabels);
    entry->addWidget(txtPassword_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addStretch();
    layout->addLayout(buttons);
}

void frmLogin::cmdOK_Click() {
    if (txtPassword_->text() != Password) {
        dialogs_.message(QStringLiteral("ﾊﾟｽﾜｰﾄﾞが正しくありません。もう一度入力してください !"), Buttons::Ok,
                         QStringLiteral("ﾛｸﾞｵﾝ"));
        activateWindow();
        txtPassword_->setFocus();
        txtPassword_->selectAll();
        return;
    }
    hide();
    emit loggedOn();
    deleteLater();
}
