#include "counter/gui/frmTRSet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "counter/portsetting.h"
#include "platform/dialogs.h"
#include "platform/gui/windowplacement.h"
#include "platform/serial/serialdevices.h"
#include "platform/settings.h"

namespace {

// A box of the line format: it shows the format the transfer always uses and cannot change it.
QComboBox* fixedBox(const QString& name, const QStringList& items, const QString& text) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentText(text);
    box->setEnabled(false);
    return box;
}

}  // namespace

frmTRSet::frmTRSet(PortSetting& port, Settings& settings, Dialogs& dialogs, std::vector<SerialDevice> devices,
                   QWidget* parent)
    : QDialog(parent), port_(port), settings_(settings), dialogs_(dialogs), devices_(std::move(devices)) {
    setObjectName(QStringLiteral("frmTRSet"));
    setWindowTitle(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･通信環境の設定"));

    cmbPort_ = new QComboBox;
    cmbPort_->setObjectName(QStringLiteral("cmbPort"));
    cmbPort_->setEditable(true);
    cmbPort_->setInsertPolicy(QComboBox::NoInsert);
    cmbPort_->addItems(PortSetting::entries(devices_));
    shownPort_ = port_.shownText(devices_);
    cmbPort_->setCurrentText(shownPort_);
    tPort_ = port_.CommPort;

    const std::array<std::pair<const char*, QWidget*>, 5> rows{{
        {"通信ポート", cmbPort_},
        {"通信速度", fixedBox(QStringLiteral("cmbRate"),
                              {QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                               QStringLiteral("9600")},
                              QStringLiteral("4800"))},
        {"パリティ", fixedBox(QStringLiteral("cmbParity"),
                              {QStringLiteral("なし"), QStringLiteral("奇数"), QStringLiteral("偶数"),
                               QStringLiteral("ﾏｰｸ"), QStringLiteral("ｽﾍﾟｰｽ")},
                              QStringLiteral("なし"))},
        {"データ", fixedBox(QStringLiteral("cmbData"), {QStringLiteral("7"), QStringLiteral("8")},
                            QStringLiteral("8"))},
        {"ストップビット",
         fixedBox(QStringLiteral("cmbStop"),
                  {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")}, QStringLiteral("1"))},
    }};
    const std::array<const char*, 5> labelNames{"lblPort", "lblRate", "lblParity", "lblData", "lblStop"};
    auto* grid = new QGridLayout;
    for (size_t row = 0; row < rows.size(); ++row) {
        auto* label = new QLabel(QString::fromUtf8(rows[row].first));
        label->setObjectName(QString::fromLatin1(labelNames[row]));
        grid->addWidget(label, int(row), 0);
        grid->addWidget(rows[row].second, int(row), 1);
    }
    grid->setColumnStretch(1, 1);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("キャンセル"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &frmTRSet::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTRSet::cmdCancel_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    placeWindowFrame(*this, 3300, 2000, 5400, 3600);
}

void frmTRSet::cmdOK_Click() {
    const auto choice = PortSetting::parse(cmbPort_->currentText(), devices_);
    if (!choice) {
        // キャンセル gives up the change, as the dialog's own button does; the others go back to the text.
        if (dialogs_.message(PortSetting::refusalText(cmbPort_->currentText()),
                             Buttons::CancelRetryContinue) == Answer::Cancel) {
            cmdCancel_Click();
            return;
        }
        cmbPort_->setFocus();
        return;
    }
    port_.choose(*choice, settings_);
    close();
}

void frmTRSet::cmdCancel_Click() {
    cmbPort_->setCurrentText(shownPort_);
    port_.CommPort = qint16(tPort_);
    close();
}

void showTRSet(PortSetting& port, Settings& settings, Dialogs& dialogs, QWidget* parent) {
    if (auto* open = parent ? parent->findChild<frmTRSet*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
        open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new frmTRSet(port, settings, dialogs, availableSerialDevices(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Nothing else can be used while the port is chosen: no read starts on a port half typed.
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}
