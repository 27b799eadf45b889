// Closing the main window while the counter is read stops the transfer and ends the program. In a
// binary of its own, because the application stays quitting afterwards.
#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <chrono>

#include "emulatorprocess.h"
#include "mainwindowfixture.h"

namespace {

using namespace std::chrono_literals;

TEST_F(MainWindowTest, ClosingTheWindowDuringAReadStopsItAndEndsTheProgram) {
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    EmulatorProcess emulator({QStringLiteral("--silent-after-chunks"), QStringLiteral("1")});
    port.sessionPort = PortSetting::Choice{0, emulator.device()};
    fillSurveyFields();
    dialogs.expect(
        QStringLiteral(
            "ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀを取得する際、表示している調査情報を全ﾌﾞﾛｯｸの調査情報としてｺﾋﾟｰすることが"
            "可能です。\r\n現在表示されている調査情報を引き継ぎますか？"),
        Answer::Yes);
    dialogs.expect(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSWを[FUNCTION]にセットして下さい。"), Answer::Ok);
    dialogs.expect(QStringLiteral("ﾛｰﾀﾘｴﾝｺｰﾀﾞを回して、カーソルを「data[t]x」の[t]にセットして下さい。"),
                   Answer::Ok);
    dialogs.expect(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌを終了してもよろしいですか？"), Answer::Yes);
    dialogs.expect(QStringLiteral("通信を中断しました。"));
    QTimer::singleShot(500ms, [this] { window.close(); });
    const auto start = std::chrono::steady_clock::now();
    window.mnuInputData->trigger();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);  // the counter's silence would last 10 s
    EXPECT_FALSE(window.isVisible());
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible()) << top->objectName().toStdString();

    // The program is ending: no event loop runs any more.
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer::singleShot(3s, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_LT(waited.elapsed(), 1000);
    QDir::setCurrent(previousFolder);
}

}  // namespace
