#include <QComboBox>
#include <QDate>

#include "mainwindowfixture.h"

namespace {

const QString ListOnly = QStringLiteral("数値の入力はできません。数値を選択して下さい。");

TEST_F(MainWindowTest, ListFieldsRefuseTypedKeys) {
    auto* month = child<QComboBox>("cmbMon");
    month->setEditText(QStringLiteral("04"));
    month->setFocus();
    dialogs.expect(ListOnly);
    QTest::keyClick(focused(), Qt::Key_7);
    EXPECT_EQ(month->currentText().toStdString(), "04");
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.shown()[0].title.toStdString(), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ");

    month->setCurrentIndex(3);
    QTest::keyClick(focused(), Qt::Key_Down);
    EXPECT_EQ(month->currentText().toStdString(), "05");
}

TEST_F(MainWindowTest, EnterWalksThroughTheSurveyFieldsFillingNumberAndDate) {
    const QDate today = QDate::currentDate();
    child<QComboBox>("cmbDay")->setEditText(QStringLiteral("09"));
    child<QLineEdit>("Text調査名")->setFocus();
    for (const char* field :
         {"Text試験者名", "Text試験場所", "cmb落下高", "Ser_No", "txtYear", "cmbMon", "cmbDay"}) {
        press(Qt::Key_Return);
        EXPECT_EQ(focused()->objectName().toStdString(), field);
    }
    EXPECT_EQ(text("Ser_No"), "1");
    EXPECT_EQ(text("txtYear"), today.toString(QStringLiteral("yyyy")).toStdString());
    EXPECT_EQ(child<QComboBox>("cmbMon")->currentText(), today.toString(QStringLiteral("MM")));
    EXPECT_EQ(child<QComboBox>("cmbDay")->currentText().toStdString(), "09");
    press(Qt::Key_Right);
    EXPECT_EQ(focused(), &grid());
    EXPECT_EQ(grid().currentRow(), 1);

    child<QLineEdit>("txtYear")->setFocus();
    press(Qt::Key_Up);
    EXPECT_EQ(focused()->objectName().toStdString(), "Ser_No");
    press(Qt::Key_Left);
    EXPECT_EQ(focused()->objectName().toStdString(), "cmb落下高");
}

}  // namespace
