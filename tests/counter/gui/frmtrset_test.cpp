#include "counter/gui/frmTRSet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "counter/portsetting.h"
#include "platform/settings.h"
#include "support/scripteddialogs.h"

namespace {

std::string str(const QString& text) {
    return text.toStdString();
}

const std::vector<SerialDevice> Devices{
    {QStringLiteral("ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("/dev/ttyUSB0")}};

class PortDialog : public testing::Test {
protected:
    QComboBox& box(const char* name) { return *dialog.findChild<QComboBox*>(QString::fromLatin1(name)); }
    void press(const char* name) { dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click(); }

    QTemporaryDir folder;
    IniSettings settings{folder.filePath(QStringLiteral("settings.ini"))};
    PortSetting port;
    ScriptedDialogs dialogs;
    frmTRSet dialog{port, settings, dialogs, Devices};
};

TEST_F(PortDialog, ShowsThePortAndTheFixedLineFormat) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(10);
    EXPECT_EQ(str(dialog.windowTitle()), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･通信環境の設定");
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(220, 133));  // 3300, 2000 twips
    EXPECT_EQ(str(box("cmbPort").currentText()), "2");
    QStringList ports;
    for (int i = 0; i < box("cmbPort").count(); ++i) ports << box("cmbPort").itemText(i);
    EXPECT_EQ(str(ports.join(u'|')), "1|2|3|4|ttyUSB0 (FT232R USB UART)");
    EXPECT_EQ(str(box("cmbRate").currentText()), "4800");
    EXPECT_EQ(str(box("cmbParity").currentText()), "なし");
    EXPECT_EQ(str(box("cmbParity").itemText(4)), "ｽﾍﾟｰｽ");
    EXPECT_EQ(str(box("cmbData").currentText()), "8");
    EXPECT_EQ(str(box("cmbStop").currentText()), "1");
    EXPECT_EQ(box("cmbStop").count(), 3);
    EXPECT_FALSE(box("cmbRate").isEnabled());
}

TEST_F(PortDialog, OkKeepsANumberOrADevice) {
    box("cmbPort").setCurrentText(QStringLiteral("ttyUSB0 (FT232R USB UART)"));
    press("cmdOK");
    EXPECT_EQ(str(settings.value(PortSetting::deviceKey())), "/dev/ttyUSB0");
    EXPECT_EQ(port.CommPort, 2);

    frmTRSet again(port, settings, dialogs, Devices);
    auto* portBox = again.findChild<QComboBox*>(QStringLiteral("cmbPort"));
    EXPECT_EQ(str(portBox->currentText()), "ttyUSB0 (FT232R USB UART)");
    portBox->setCurrentText(QStringLiteral("3"));
    again.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(port.CommPort, 3);
    EXPECT_TRUE(settings.value(PortSetting::deviceKey()).isEmpty());
}

TEST_F(PortDialog, CancelKeepsThePortOfBefore) {
    port.CommPort = 4;
    frmTRSet dialogOfFour(port, settings, dialogs, Devices);
    auto* portBox = dialogOfFour.findChild<QComboBox*>(QStringLiteral("cmbPort"));
    EXPECT_EQ(str(portBox->currentText()), "4");
    portBox->setCurrentText(QStringLiteral("1"));
    dialogOfFour.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_EQ(port.CommPort, 4);
    EXPECT_EQ(str(portBox->currentText()), "4");
    EXPECT_TRUE(settings.value(PortSetting::deviceKey()).isEmpty());
}

// The refusal says what is accepted, and why the text is not: a device that is missing, or a device
// that is no serial port.
TEST_F(PortDialog, RefusesATextThatNamesNoPortAndSaysWhy) {
    dialog.show();
    const QString accepted = QStringLiteral(
        "通信ﾎﾟｰﾄには 1～255 の番号か、一覧にあるﾃﾞﾊﾞｲｽ、またはﾃﾞﾊﾞｲｽのﾊﾟｽ（/dev/ttyUSB0 "
        "など）を指定してください。");
    const struct {
        const char* typed;
        QString message;
    } refused[] = {
        {"abc", accepted},
        {"/dev/ttyUSB9",
         QStringLiteral(
             "ﾃﾞﾊﾞｲｽ /dev/ttyUSB9 がありません。ｹｰﾌﾞﾙが抜けたか、ﾃﾞﾊﾞｲｽ名が変わった可能性があります。")},
        {"null", QStringLiteral("/dev/null はｼﾘｱﾙﾎﾟｰﾄではありません。\n") + accepted},
    };
    for (const auto& text : refused) {
        box("cmbPort").setCurrentText(QString::fromUtf8(text.typed));
        dialogs.expect(text.message, Answer::Continue);
        press("cmdOK");
    }
    EXPECT_EQ(port.CommPort, 2);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialogs.shown().at(0).buttons, Buttons::CancelRetryContinue);

    // キャンセル to the refusal gives up the change as the dialog's own キャンセル does.
    dialogs.expect(accepted, Answer::Cancel);
    box("cmbPort").setCurrentText(QStringLiteral("abc"));
    press("cmdOK");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(port.CommPort, 2);
}

// The dialog holds every other window, also after a refusal, and there is only ever one.
TEST(PortDialogWindow, StaysTheOneModalWindow) {
    QTemporaryDir folder;
    IniSettings settings{folder.filePath(QStringLiteral("settings.ini"))};
    PortSetting port;
    ScriptedDialogs dialogs;
    QWidget main;
    main.show();
    showTRSet(port, settings, dialogs, &main);
    showTRSet(port, settings, dialogs, &main);
    const QList<frmTRSet*> open = main.findChildren<frmTRSet*>();
    ASSERT_EQ(open.size(), 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(open[0]));
    open[0]->findChild<QComboBox*>(QStringLiteral("cmbPort"))->setCurrentText(QStringLiteral("/dev/null"));
    dialogs.expect(
        QStringLiteral("/dev/null はｼﾘｱﾙﾎﾟｰﾄではありません。\n") +
            QStringLiteral("通信ﾎﾟｰﾄには 1～255 の番号か、一覧にあるﾃﾞﾊﾞｲｽ、またはﾃﾞﾊﾞｲｽのﾊﾟｽ（/dev/ttyUSB0 "
                           "など）を指定してください。"),
        Answer::Continue);
    open[0]->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(QApplication::activeModalWidget(), open[0]);
    EXPECT_TRUE(open[0]->isVisible());
    open[0]->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
