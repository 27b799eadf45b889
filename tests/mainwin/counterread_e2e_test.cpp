// データ読込み from start to end against the counter emulator on a pseudo-terminal.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <chrono>

#include "emulatorprocess.h"
#include "mainwindowfixture.h"

namespace {

const QString Opening = QStringLiteral(
    "ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀを取得する際、表示している調査情報を全ﾌﾞﾛｯｸの調査情報としてｺﾋﾟｰすることが可能です。\r\n");
const QString EraseQuestion = QStringLiteral("記録されたデータはすべて消去されますが、よろしいですか？");

class CounterReadEndToEnd : public MainWindowTest {
protected:
    CounterReadEndToEnd() : previousFolder(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
    ~CounterReadEndToEnd() override { QDir::setCurrent(previousFolder); }

    // Two test points; the second has one drop whose reading breaks the rise of the depths.
    QString writePoints() {
        const QString points = folder.filePath(QStringLiteral("points.txt"));
        QFile file(points);
        file.open(QIODevice::WriteOnly);
        file.write("1 05/31 14:07 = 2.4 3.0 5.6 10.0 12.2\n2 06/01 08:00 = 20.0 20.0 -10.0 40.0\n");
        return points;
    }
    // The questions before the transfer, for a new data set without survey information.
    void expectTheQuestionsBeforeTheTransfer() {
        dialogs.expect(
            Opening +
                QStringLiteral("現在、[調査名],[試験者名],[試験場所],[番号],[試験年] のデータがありません。"
                               "今、入力しますか？"),
            Answer::No);
        dialogs.expect(
            QStringLiteral(
                "[調査名],[試験者名],[試験場所],[番号],[試験年] のデータがありませんがよろしいですか？"),
            Answer::Yes);
        dialogs.expect(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSWを[FUNCTION]にセットして下さい。"), Answer::Ok);
        dialogs.expect(QStringLiteral("ﾛｰﾀﾘｴﾝｺｰﾀﾞを回して、カーソルを「data[t]x」の[t]にセットして下さい。"),
                       Answer::Ok);
    }

    QString previousFolder;
};

TEST_F(CounterReadEndToEnd, ReadsTheCounterIntoBlocksKeepsItsRecordsAndSavesTheData) {
    const QString points = writePoints();
    const QString image = folder.filePath(QStringLiteral("image.bin"));
    EmulatorProcess emulator({QStringLiteral("--points"), points, QStringLiteral("--save"), image});
    port.sessionPort = PortSetting::Choice{0, emulator.device()};

    fillSurveyFields();
    const QString saved = folder.filePath(QStringLiteral("現場.txt"));
    dialogs.expect(
        QStringLiteral(
            "ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀを取得する際、表示している調査情報を全ﾌﾞﾛｯｸの調査情報としてｺﾋﾟｰすることが"
            "可能です。\r\n現在表示されている調査情報を引き継ぎますか？"),
        Answer::Yes);
    dialogs.expect(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSWを[FUNCTION]にセットして下さい。"), Answer::Ok);
    dialogs.expect(QStringLiteral("ﾛｰﾀﾘｴﾝｺｰﾀﾞを回して、カーソルを「data[t]x」の[t]にセットして下さい。"),
                   Answer::Ok);
    dialogs.expect(EraseQuestion, Answer::No);
    dialogs.expect(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀをﾌｧｲﾙに保存します。"));
    dialogs.expectSaveFile(saved);
    window.mnuInputData->trigger();

    EXPECT_EQ(data.BlockCount, 2);
    EXPECT_EQ(readings(1), (std::vector<float>{0.2f, 0.5f, 1.1f, 2.1f, 3.3f}));
    EXPECT_EQ(readings(2), (std::vector<float>{2.0f, 4.0f, 7.0f}));
    EXPECT_EQ(data.SurveyName[2].toStdString(), "河川敷");
    EXPECT_EQ(data.TestMonth[1].toStdString(), "05");
    EXPECT_EQ(data.TestDay[1].toStdString(), "31");
    EXPECT_EQ(cell(5, 1), "3.3");
    EXPECT_EQ(data.DataFileName, saved);
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(caption(), QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾒｲﾝﾌﾚｰﾑ [%1]").arg(saved));
    EXPECT_FALSE(window.mnuInputData->isEnabled());
    EXPECT_EQ(dialogs.shown()[3].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(dialogs.shown()[3].title.toStdString(), "記録データ消去の確認");
    EXPECT_FALSE(QFile::exists(image));  // the counter received no image: its records stay
}

// A counter that fails during the erase may already have lost its records: what was received is kept.
TEST_F(CounterReadEndToEnd, AWritePhaseThatFailsStillImportsWhatWasReceived) {
    EmulatorProcess emulator(
        {QStringLiteral("--points"), writePoints(), QStringLiteral("--wrong-ack-at"), QStringLiteral("5")});
    port.sessionPort = PortSetting::Choice{0, emulator.device()};
    expectTheQuestionsBeforeTheTransfer();
    dialogs.expect(EraseQuestion, Answer::Yes);
    dialogs.expect(QStringLiteral("ﾃﾗｺｶｳﾝﾀから予期しない応答があったため、通信を中断しました。\n受信: B"));
    dialogs.expect(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀをﾌｧｲﾙに保存します。"));
    dialogs.expectSaveFile(std::nullopt);
    window.mnuInputData->trigger();

    EXPECT_EQ(data.BlockCount, 2);
    EXPECT_EQ(readings(2), (std::vector<float>{2.0f, 4.0f, 7.0f}));
    EXPECT_TRUE(data.SurveyName[1].isEmpty());
    EXPECT_TRUE(data.DataFileName.isEmpty());
    EXPECT_EQ(caption().toStdString(), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾒｲﾝﾌﾚｰﾑ []*");
}

// While the counter is read nothing else can be used; the progress window's stop ends the read, and a
// read that brought nothing may be tried again at once.
TEST_F(CounterReadEndToEnd, TheProgressWindowHoldsTheProgramItsStopEndsTheReadAndItCanBeTriedAgain) {
    using namespace std::chrono_literals;
    EmulatorProcess emulator({QStringLiteral("--silent-after-chunks"), QStringLiteral("1")});
    port.sessionPort = PortSetting::Choice{0, emulator.device()};
    expectTheQuestionsBeforeTheTransfer();
    dialogs.expect(QStringLiteral("通信を中断しました。"));
    QPointer<QWidget> modal;
    QTimer::singleShot(500ms, [&modal] {
        modal = QApplication::activeModalWidget();
        if (auto* stop = modal ? modal->findChild<QPushButton*>(QStringLiteral("cmdStop")) : nullptr) {
            EXPECT_EQ(stop->text().toStdString(), "通信中断");
            stop->click();
        }
    });
    const auto start = std::chrono::steady_clock::now();
    window.mnuInputData->trigger();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);  // the counter's silence would last 10 s
    ASSERT_TRUE(modal);
    EXPECT_EQ(modal->objectName().toStdString(), "K40DevSubForm");
    EXPECT_FALSE(modal->isVisible());
    EXPECT_EQ(dialogs.shown().back().icon, Icon::Warning);
    EXPECT_TRUE(window.mnuInputData->isEnabled());

    port.sessionPort = PortSetting::Choice{0, QStringLiteral("/dev/pts/999999")};
    expectTheQuestionsBeforeTheTransfer();
    dialogs.expect(QStringLiteral("設定されているﾎﾟｰﾄがOPENできません。別のﾎﾟｰﾄを設定してください。"));
    window.mnuInputData->trigger();
    EXPECT_EQ(dialogs.shown().back().icon, Icon::Critical);
    EXPECT_TRUE(window.mnuInputData->isEnabled());
}

}  // namespace
