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

#include "counter/gui/K40DevSubForm.h"
#include "counter/gui/drv_k40.h"
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

K40DebForm* openWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<K40DebForm*>(window); form && form->isVisible()) return form;
    return nullptr;
}

// The transfer windows work in a folder of their own: k40read.tmp lands in the current folder.
class TransferWindows : public testing::Test {
protected:
    TransferWindows() { QDir::setCurrent(folder.path()); }
    ~TransferWindows() override { QDir::setCurrent(QDir::tempPath()); }

    std::unique_ptr<K40DebForm> window(const QString& device) {
        auto form = std::make_unique<K40DebForm>(dialogs, std::make_unique<QtSerialLine>(), device, 300ms);
        form->setParameters(1, 20, 2, 20, 2, 0);
        form->setRequestInterval(0);
        return form;
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
};

TEST_F(TransferWindows, DebugModeShowsTheParametersAndRunsNothing) {
    EmulatorProcess emulator({});
    EXPECT_EQ(Drv_K40({dialogs, emulator.device()}, 1, 20, 2, 20, 5, 99), -1);
    K40DebForm* form = openWindow();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(str(form->windowTitle()), "ﾃﾗｺｶｳﾝﾀ K-40通信用ﾃﾞﾊﾞｯｶｰ");
    EXPECT_FALSE(form->progressWindow().isVisible());
    QStringList arguments;
    for (const char* name : {"Hiki1", "Hiki2", "Hiki3", "Hiki4", "Hiki5", "Hiki6"})
        arguments << text(*form, name);
    EXPECT_EQ(str(arguments.join(u',')), "1,20,2,20,5,99");
    EXPECT_EQ(str(text(*form, "RxBtn")), "受信開始");
    EXPECT_TRUE(enabled(*form, "RxBtn"));
    EXPECT_FALSE(enabled(*form, "TxBtn"));
    EXPECT_FALSE(enabled(*form, "StopBtn"));
    EXPECT_EQ(str(text(*form, "Panel1")), "4800bps, start1, data8, stop1, nonpar");
    QTest::qWait(50);
    EXPECT_TRUE(text(*form, "Text_Data").isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral("k40read.tmp")));
    form->findChild<QPushButton*>(QStringLiteral("ExitBtn"))->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openWindow(), nullptr);
}

TEST_F(TransferWindows, APortThatCannotBeOpenedRunsNothing) {
    dialogs.expect(QStringLiteral(
        "設定されているﾎﾟｰﾄがOPENできません。ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌを再起動し、別のﾎﾟｰﾄを設定してください。"));
    EXPECT_EQ(Drv_K40({dialogs, QStringLiteral("/dev/no-such-tty")}, 1, 20, 2, 20, 2, 0), 0);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].detail.contains(QStringLiteral("/dev/no-such-tty")));
    EXPECT_TRUE(dialogs.shown()[0].detail.contains(QStringLiteral("ｹｰﾌﾞﾙが抜けたか")));
    EXPECT_EQ(openWindow(), nullptr);
    EXPECT_FALSE(QFile::exists(QStringLiteral("k40read.tmp")));
}

TEST_F(TransferWindows, ProgressWindowFollowsBothPhasesToTheEnd) {
    EmulatorProcess emulator({});
    auto form = window(emulator.device());
    ASSERT_TRUE(form->load());
    K40DevSubForm& progress = form->progressWindow();
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(str(progress.windowTitle()), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･通信状況");
    ASSERT_TRUE(form->receivePhase());
    EXPECT_EQ(str(text(progress, "Text2")), "100% 受信");
    EXPECT_EQ(str(text(*form, "Panel3")), "count : 960");
    EXPECT_TRUE(enabled(*form, "TxBtn"));
    EXPECT_FALSE(enabled(*form, "RxBtn"));
    ASSERT_TRUE(form->writePhase());
    EXPECT_EQ(form->parameters().K40DRV_H7, 1);
    EXPECT_EQ(str(text(progress, "Text1")), "[通信完了] --> ﾃﾞｰﾀの通信が終了しました。");
    EXPECT_EQ(str(text(progress, "Text2")), "100% 照合");
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

TEST_F(TransferWindows, AFailedPhaseClosesTheWindowsAndSaysWhy) {
    EmulatorProcess emulator({QStringLiteral("--wrong-ack-at"), QStringLiteral("3")});
    auto form = window(emulator.device());
    ASSERT_TRUE(form->load());
    ASSERT_TRUE(form->receivePhase());
    dialogs.expect(QStringLiteral("ﾃﾗｺｶｳﾝﾀから予期しない応答があったため、通信を中断しました。\n受信: B"));
    EXPECT_FALSE(form->writePhase());
    EXPECT_EQ(form->parameters().K40DRV_H7, 0);
    EXPECT_FALSE(form->progressWindow().isVisible());
}

TEST_F(TransferWindows, ClosingTheProgressWindowStopsTheTransfer) {
    EmulatorProcess emulator({QStringLiteral("--silent-after-chunks"), QStringLiteral("2")});
    auto form = std::make_unique<K40DebForm>(dialogs, std::make_unique<QtSerialLine>(), emulator.device());
    form->setParameters(1, 20, 2, 20, 2, 0);
    ASSERT_TRUE(form->load());
    QTimer::singleShot(200ms, [&form] { form->progressWindow().close(); });
    dialogs.expect(QStringLiteral("通信を中断しました。"));
    EXPECT_FALSE(form->receivePhase());
    EXPECT_EQ(form->parameters().K40DRV_H7, 0);
    EXPECT_EQ(str(text(*form, "RxBtn")), "受信開始");
    EXPECT_FALSE(form->progressWindow().isVisible());
}

}  // namespace
