#include "counter/gui/K40DebForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "counter/counterlink.h"
#include "counter/gui/K40DevSubForm.h"
#include "emulatorprocess.h"
#include "platform/serial/qtserialline.h"
#include "support/scripteddialogs.h"

namespace {

using namespace std::chrono_literals;

std::string str(const QString& text) {
    return text.toStdString();
}

QString text(QWidget& window, const char* name) {
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name))) return edit->text();
    if (auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name))) return button->text();
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

bool enabled(QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled();
}

// The transfer windows work in a folder of their own: k40read.tmp lands in the current folder. Both
// show the same link.
class TransferWindows : public testing::Test {
protected:
    TransferWindows() { QDir::setCurrent(folder.path()); }
    ~TransferWindows() override { QDir::setCurrent(QDir::tempPath()); }

    std::unique_ptr<K40DebForm> window(const QString& device, int h6 = 0) {
        K40Parameters parameters = K40Parameters::forCall(1, 20, 2, 20, 2, h6);
        parameters.K40DRV_H8 = 0;
        return std::make_unique<K40DebForm>(link, dialogs, parameters, device);
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    CounterLink link{std::make_unique<QtSerialLine>(), 300ms};
    K40DevSubForm progress{link};
};

TEST_F(TransferWindows, DebugModeShowsTheParametersAndRunsNothing) {
    EmulatorProcess emulator({});
    auto form = window(emulator.device(), 99);
    ASSERT_TRUE(form->load());
    form->show();
    EXPECT_EQ(str(form->windowTitle()), "ﾃﾗｺｶｳﾝﾀ K-40通信用ﾃﾞﾊﾞｯｶｰ");
    QStringList arguments;
    for (const char* name : {"Hiki1", "Hiki2", "Hiki3", "Hiki4", "Hiki5", "Hiki6"})
        arguments << text(*form, name);
    EXPECT_EQ(str(arguments.join(u',')), "1,20,2,20,2,99");
    EXPECT_EQ(str(text(*form, "RxBtn")), "受信開始");
    EXPECT_TRUE(enabled(*form, "RxBtn"));
    EXPECT_FALSE(enabled(*form, "TxBtn"));
    EXPECT_FALSE(enabled(*form, "StopBtn"));
    EXPECT_EQ(str(text(*form, "Panel1")), "4800bps, start1, data8, stop1, nonpar");
    QTest::qWait(50);
    EXPECT_TRUE(text(*form, "Text_Data").isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral("k40read.tmp")));
    form->findChild<QPushButton*>(QStringLiteral("ExitBtn"))->click();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(TransferWindows, APortThatCannotBeOpenedRunsNothing) {
    dialogs.expect(QStringLiteral("設定されているﾎﾟｰﾄがOPENできません。別のﾎﾟｰﾄを設定してください。"));
    auto form = window(QStringLiteral("/dev/no-such-tty"));
    form->show();
    EXPECT_FALSE(form->load());
    EXPECT_EQ(form->parameters().K40DRV_H7, 0);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].detail.contains(QStringLiteral("/dev/no-such-tty")));
    EXPECT_TRUE(dialogs.shown()[0].detail.contains(QStringLiteral("ｹｰﾌﾞﾙが抜けたか")));
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFile::exists(QStringLiteral("k40read.tmp")));
}

TEST_F(TransferWindows, BothWindowsFollowBothPhasesToTheEnd) {
    EmulatorProcess emulator({});
    auto form = window(emulator.device());
    EXPECT_EQ(str(progress.windowTitle()), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･通信状況");
    ASSERT_TRUE(form->load());
    ASSERT_TRUE(form->receivePhase());
    EXPECT_EQ(str(text(progress, "Text1")), "[受信中] --> ﾃﾞｰﾀの読み込みが終了しました。");
    EXPECT_EQ(str(text(progress, "Text2")), "100% 受信");
    EXPECT_EQ(str(text(*form, "Panel2")), "volume : 960");
    EXPECT_EQ(str(text(*form, "Panel3")), "count : 960");
    EXPECT_TRUE(enabled(*form, "TxBtn"));
    EXPECT_FALSE(enabled(*form, "RxBtn"));
    EXPECT_FALSE(enabled(*form, "StopBtn"));
    const QString screens = QCoreApplication::applicationDirPath() + QStringLiteral("/screens");
    QDir().mkpath(screens);
    EXPECT_TRUE(progress.grab().save(screens + QStringLiteral("/K40DevSubForm.png")));
    EXPECT_TRUE(form->grab().save(screens + QStringLiteral("/K40DebForm.png")));
    ASSERT_TRUE(form->writePhase());
    EXPECT_EQ(form->parameters().K40DRV_H7, 1);
    EXPECT_EQ(str(text(progress, "Text1")), "[通信完了] --> ﾃﾞｰﾀの通信が終了しました。");
    EXPECT_EQ(str(text(progress, "Text2")), "100% 照合");
    EXPECT_EQ(str(text(*form, "Text_Data")), "[通信完了] --> ﾃﾞｰﾀの通信が終了しました。");
    EXPECT_EQ(str(text(*form, "TxBtn")), "送信開始");
    EXPECT_FALSE(enabled(*form, "TxBtn"));
    form->unload();
    EXPECT_EQ(emulator.exitCode(), 0) << emulator.errors().toStdString();
    EXPECT_TRUE(QFile::exists(QStringLiteral("k40read.tmp")));

    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("TxtCalcBtn")), Qt::LeftButton);
    QFile records(QStringLiteral("k40txt.tmp"));
    ASSERT_TRUE(records.open(QIODevice::ReadOnly));
    EXPECT_TRUE(records.readAll().contains("GGT"));
}

TEST_F(TransferWindows, AFailedPhaseClosesTheWindowAndSaysWhy) {
    EmulatorProcess emulator({QStringLiteral("--wrong-ack-at"), QStringLiteral("3")});
    auto form = window(emulator.device());
    form->show();
    ASSERT_TRUE(form->load());
    ASSERT_TRUE(form->receivePhase());
    dialogs.expect(QStringLiteral("ﾃﾗｺｶｳﾝﾀから予期しない応答があったため、通信を中断しました。\n受信: B"));
    EXPECT_FALSE(form->writePhase());
    EXPECT_EQ(form->parameters().K40DRV_H7, 0);
    EXPECT_EQ(str(text(*form, "TxBtn")), "送信開始");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(TransferWindows, ClosingTheProgressWindowStopsTheTransfer) {
    EmulatorProcess emulator({QStringLiteral("--silent-after-chunks"), QStringLiteral("2")});
    CounterLink patient(std::make_unique<QtSerialLine>());  // the full time limit: only closing ends it
    K40DevSubForm shown(patient);
    shown.show();
    K40DebForm form(patient, dialogs, K40Parameters::forRead(2), emulator.device());
    ASSERT_TRUE(form.load());
    QTimer::singleShot(200ms, [&shown] { shown.close(); });
    dialogs.expect(QStringLiteral("通信を中断しました。"));
    EXPECT_FALSE(form.receivePhase());
    EXPECT_EQ(form.parameters().K40DRV_H7, 0);
    EXPECT_EQ(str(text(form, "RxBtn")), "受信開始");
    EXPECT_TRUE(shown.isVisible());  // it stayed while the transfer ran
}

}  // namespace
