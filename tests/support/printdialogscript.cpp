#include "support/printdialogscript.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

void whenPrintDialogOpens(const std::function<void(QPrintDialog& dialog)>& choose) {
    auto* poll = new QTimer(QCoreApplication::instance());
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, choose, tries] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++*tries > 250) {
                ADD_FAILURE() << "no print dialog opened";
                poll->deleteLater();
            }
            return;
        }
        poll->deleteLater();
        choose(*dialog);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    poll->start(20);
}

void choosePageRange(QPrintDialog& dialog, int from, int to) {
    dialog.findChild<QRadioButton*>(QStringLiteral("printRange"))->setChecked(true);
    dialog.findChild<QSpinBox*>(QStringLiteral("from"))->setValue(from);
    dialog.findChild<QSpinBox*>(QStringLiteral("to"))->setValue(to);
}
