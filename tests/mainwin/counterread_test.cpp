#include <QAction>

#include "mainwindowfixture.h"

namespace {

const QString Opening = QStringLiteral(
    "ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀを取得する際、表示している調査情報を全ﾌﾞﾛｯｸの調査情報としてｺﾋﾟｰすることが可能です。\r\n");
const QString SwitchPrompt = QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSWを[FUNCTION]にセットして下さい。");
const QString CursorPrompt =
    QStringLiteral("ﾛｰﾀﾘｴﾝｺｰﾀﾞを回して、カーソルを「data[t]x」の[t]にセットして下さい。");

class CounterReadTest : public MainWindowTest {
protected:
    void fill(const char* field, const QString& text) { child<QLineEdit>(field)->setText(text); }
    std::vector<std::string> titles() const {
        std::vector<std::string> all;
        for (const ShownBox& box : dialogs.shown()) all.push_back(box.title.toStdString());
        return all;
    }
};

TEST_F(CounterReadTest, EmptyBlockWithEverySurveyFieldAsksOneQuestionThenTheTwoModePrompts) {
    fillSurveyFields();
    dialogs.expect(Opening + QStringLiteral("現在表示されている調査情報を引き継ぎますか？"), Answer::Yes);
    dialogs.expect(SwitchPrompt, Answer::Ok);
    dialogs.expect(CursorPrompt, Answer::Cancel);
    window.mnuInputData->trigger();
    EXPECT_EQ(titles(), (std::vector<std::string>{"調査情報の入力", "カウンタのモードセット",
                                                  "カウンタのモードセット"}));
    EXPECT_EQ(dialogs.shown()[1].buttons, Buttons::OkCancel);
    EXPECT_TRUE(window.mnuInputData->isEnabled());
    EXPECT_EQ(data.SurveyName[1].toStdString(), "河川敷");
    EXPECT_EQ(text("Text調査名"), "河川敷");
}

TEST_F(CounterReadTest, MissingSurveyFieldsAreNamedAndMayBeFilledInFirst) {
    fill("Text試験者名", QStringLiteral("佐藤"));
    fill("Text試験場所", QStringLiteral("右岸"));
    fill("Ser_No", QStringLiteral("3"));
    const QString question =
        Opening + QStringLiteral("現在、[調査名],[試験年] のデータがありません。今、入力しますか？");
    dialogs.expect(question, Answer::Yes);
    window.mnuInputData->trigger();
    ASSERT_EQ(dialogs.shown().size(), 1u);

    dialogs.expect(question, Answer::No);
    dialogs.expect(QStringLiteral("[調査名],[試験年] のデータがありませんがよろしいですか？"), Answer::No);
    window.mnuInputData->trigger();
    EXPECT_EQ(dialogs.shown()[2].title.toStdString(), "調査情報の不足");
    EXPECT_TRUE(window.mnuInputData->isEnabled());
}

TEST_F(CounterReadTest, ABlockWithDropsIsKeptUnlessTheOperatorAgrees) {
    setReadings(1, {1.0f, 2.0f});
    showFirstBlock();
    dialogs.expect(QStringLiteral("現在作業中のデータは消去されますが、よろしいですか？"), Answer::No);
    window.mnuInputData->trigger();
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 2.0f}));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNoDefaultNo);

    dialogs.expect(QStringLiteral("現在作業中のデータは消去されますが、よろしいですか？"), Answer::Yes);
    dialogs.expect(QStringLiteral("現在表示されている調査情報を引き継ぎますか？"), Answer::No);
    dialogs.expect(SwitchPrompt, Answer::Cancel);
    window.mnuInputData->trigger();
    EXPECT_EQ(dialogs.shown()[2].title.toStdString(), "調査情報の継承");
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 2.0f}));
}

}  // namespace
