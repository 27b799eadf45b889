#include <QPushButton>

#include "mainwindowfixture.h"

namespace {

const QString NoData = QStringLiteral("データが読込まれていません。");

class BlockCommandsTest : public MainWindowTest {
protected:
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void jumpTo(const QString& typed) {
        auto* box = child<QLineEdit>("txtCBlock");
        box->setFocus();
        box->setText(typed);
        QTest::keyClick(box, Qt::Key_Return);
    }
};

TEST_F(BlockCommandsTest, NextOnTheLastBlockAddsABlockThatInheritsTheSurveyInformation) {
    setReadings(1, {1.0f, 2.0f, 3.0f});
    showFirstBlock();
    child<QLineEdit>("Text調査名")->setText(QStringLiteral("河川敷"));
    child<QLineEdit>("Ser_No")->setText(QStringLiteral("A-1"));
    dialogs.expect(QStringLiteral("これより先のブロックはありません。追加しますか？"), Answer::Yes);
    dialogs.expect(QStringLiteral("前ブロックの調査情報を引き継ぎますか？"), Answer::Yes);
    click("cmdNextBlock");
    EXPECT_EQ(data.BlockCount, 2);
    EXPECT_EQ(data.CurBlock, 2);
    EXPECT_EQ(text("Text調査名"), "河川敷");
    EXPECT_EQ(text("Ser_No"), "A-1");
    EXPECT_EQ(text("txtCBlock"), "2");
    EXPECT_EQ(data.SurveyName[1].toStdString(), "河川敷");
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(cell(3, 2), "");
    EXPECT_EQ(dialogs.shown()[0].title.toStdString(), "ブロック追加");
    EXPECT_EQ(dialogs.shown()[1].title.toStdString(), "調査情報の継承");

    dialogs.expect(QStringLiteral("これより前のブロックはありません。"));
    click("cmdTopBlock");
    click("cmdPrevBlock");
    EXPECT_EQ(data.CurBlock, 1);
    EXPECT_EQ(cell(3, 1), "3.0");
}

TEST_F(BlockCommandsTest, NoBlockIsAddedBeyondTheHundredth) {
    data.BlockCount = 100;
    setReadings(100, {1.0f});
    data.CurBlock = 100;
    dialogs.expect(QStringLiteral(
        "これより先のブロックはありません。これ以上ブロックを追加できません。(最大100ブロック)"));
    click("cmdNextBlock");
    EXPECT_EQ(data.BlockCount, 100);
    EXPECT_EQ(data.CurBlock, 100);
}

TEST_F(BlockCommandsTest, BlockNumberBoxJumpsWithinTheBlocksInUse) {
    setReadings(1, {1.0f});
    setReadings(2, {2.0f});
    setReadings(3, {3.0f});
    showFirstBlock();
    jumpTo(QStringLiteral("99"));
    EXPECT_EQ(data.CurBlock, 3);
    EXPECT_EQ(text("txtCBlock"), "3");
    EXPECT_EQ(cell(1, 1), "3.0");
    jumpTo(QStringLiteral("0"));
    EXPECT_EQ(data.CurBlock, 1);
    jumpTo(QStringLiteral("2"));
    jumpTo(QStringLiteral("-4"));
    EXPECT_EQ(data.CurBlock, 1);
    EXPECT_EQ(text("txtCBlock"), "1");

    data.DropCount[1] = 0;
    dialogs.expect(NoData);
    jumpTo(QStringLiteral("3"));
    EXPECT_EQ(data.CurBlock, 1);
    EXPECT_EQ(text("txtCBlock"), "1");
}

TEST_F(BlockCommandsTest, DeletingADropClosesUpTheReadings) {
    setReadings(1, {1.0f, 2.0f, 4.0f, 7.0f, 9.0f});
    showFirstBlock();
    clickCell(3);
    dialogs.expect(QStringLiteral("3 回目のデータを削除してもよろしいですか？"), Answer::Yes);
    window.mnuDelete->trigger();
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 2.0f, 7.0f, 9.0f}));
    EXPECT_EQ(cell(3, 2), "5.0");
    EXPECT_EQ(cell(4, 2), "2.0");
    EXPECT_EQ(cell(5, 1), "");
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(dialogs.shown()[0].title.toStdString(), "データを削除");

    clickCell(6);
    dialogs.expect(QStringLiteral("削除するデータ(計測値)をクリックしてください。"));
    window.mnuDelete->trigger();
    clickCell(4);
    dialogs.expect(QStringLiteral("4 回目のデータを削除してもよろしいですか？"), Answer::Yes);
    window.mnuDelete->trigger();
    EXPECT_EQ(grid().currentRow(), 3);
}

TEST_F(BlockCommandsTest, InsertingOpensAnEmptyRowThatHoldsTheReadingAbove) {
    setReadings(1, {1.0f, 3.0f});
    showFirstBlock();
    clickCell(2);
    window.mnuInsert->trigger();
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 1.0f, 3.0f}));
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(cell(3, 1), "3.0");
    ASSERT_EQ(focused(), &grid().editor());
    EXPECT_EQ(grid().editor().text().toStdString(), "");

    type(QStringLiteral("2"));
    press(Qt::Key_Return);
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 2.0f, 3.0f}));
    EXPECT_EQ(cell(3, 2), "1.0");
    EXPECT_EQ(window.commands().entry.InsertMode(), 0);
}

TEST_F(BlockCommandsTest, NoDropIsInsertedIntoAFullBlock) {
    for (int drop = 1; drop <= 500; ++drop) data.Measure[1][drop] = static_cast<float>(drop);
    data.DropCount[1] = 500;
    showFirstBlock();
    clickCell(2);
    dialogs.expect(QStringLiteral("これ以上データを挿入できません。(最大500回)"));
    window.mnuInsert->trigger();
    EXPECT_EQ(data.DropCount[1], 500);
    EXPECT_EQ(data.Measure[1][2], 2.0f);
}

TEST_F(BlockCommandsTest, RemovingTheMiddleBlockMovesTheNextBlockUpWithItsSurveyInformation) {
    setReadings(1, {1.0f});
    setReadings(2, {2.0f, 4.0f, 6.0f});
    setReadings(3, {3.0f, 5.0f});
    for (int block = 1; block <= 3; ++block) data.PointNo[block] = QStringLiteral("No.%1").arg(block);
    showFirstBlock();
    click("cmdNextBlock");
    dialogs.expect(QStringLiteral("表示されているブロック(2)のデータをクリアしてもよろしいですか？"),
                   Answer::Yes);
    window.mnuClearBlock->trigger();
    EXPECT_EQ(data.BlockCount, 2);
    EXPECT_EQ(data.CurBlock, 2);
    EXPECT_EQ(readings(2), (std::vector<float>{3.0f, 5.0f}));
    EXPECT_EQ(data.PointNo[2].toStdString(), "No.3");
    EXPECT_EQ(text("Ser_No"), "No.3");
    EXPECT_EQ(cell(2, 1), "5.0");
    EXPECT_EQ(cell(3, 1), "");
    EXPECT_EQ(dialogs.shown()[0].title.toStdString(), "データをクリア(１ブロック)");

    dialogs.expect(QStringLiteral("表示されているブロック(2)のデータをクリアしてもよろしいですか？"),
                   Answer::Yes);
    window.mnuClearBlock->trigger();
    EXPECT_EQ(data.BlockCount, 1);
    EXPECT_EQ(data.CurBlock, 1);
    EXPECT_EQ(cell(1, 1), "1.0");
}

TEST_F(BlockCommandsTest, ClearingAllBlocksKeepsTheirCountAndNewStartsAgain) {
    setReadings(1, {1.0f});
    setReadings(2, {2.0f});
    data.DataFileName = QStringLiteral("/tmp/a.txt");
    showFirstBlock();
    dialogs.expect(QStringLiteral("すべてのブロックのデータをクリアしてもよろしいですか？"), Answer::Yes);
    window.mnuClearAll->trigger();
    EXPECT_EQ(data.BlockCount, 2);
    EXPECT_EQ(data.DropCount[2], 0);
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(caption().toStdString(), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾒｲﾝﾌﾚｰﾑ*");

    // The clearing is not saved yet: New asks before it starts again.
    dialogs.expect(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"), Answer::Yes);
    window.mnuNew->trigger();
    EXPECT_EQ(data.BlockCount, 1);
    EXPECT_TRUE(data.DataFileName.isEmpty());
    EXPECT_EQ(focused(), child<QWidget>("Text調査名"));

    typeReading(1, QStringLiteral("4"));
    dialogs.expect(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"), Answer::No);
    window.mnuNew->trigger();
    EXPECT_EQ(data.DropCount[1], 1);
}

TEST_F(BlockCommandsTest, CommandsThatNeedDataRefuseOnAnEmptyBlock) {
    for (QAction* command :
         {window.mnuInsert, window.mnuDelete, window.mnuReCal, window.mnuClearAll, window.mnuClearBlock}) {
        dialogs.expect(NoData);
        command->trigger();
    }
    for (const ShownBox& box : dialogs.shown()) {
        EXPECT_EQ(box.title.toStdString(), "データなし");
        EXPECT_EQ(box.buttons, Buttons::CancelRetryContinue);
    }
}

TEST_F(BlockCommandsTest, StoringTheSurveyFieldsKeepsTheBlockNumberWhenTheBoxHoldsNoNumber) {
    setReadings(1, {1.0f});
    setReadings(2, {1.0f});
    data.BlockNo[1] = 7;
    showFirstBlock();
    child<QLineEdit>("txtCBlock")->setText(QStringLiteral("abc"));
    child<QLineEdit>("Text試験者名")->setText(QStringLiteral("佐藤"));
    click("cmdNextBlock");
    EXPECT_EQ(data.BlockNo[1], 7);
    EXPECT_EQ(data.TesterName[1].toStdString(), "佐藤");
}

}  // namespace
