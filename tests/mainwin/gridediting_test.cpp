#include "mainwindowfixture.h"

namespace {

TEST_F(MainWindowTest, ATypedCharacterOpensTheEditorHoldingItOverTheCell) {
    setReadings(1, {1.0f, 2.5f});
    showFirstBlock();
    clickCell(2);
    type(QStringLiteral("7"));
    auto* editor = &grid().editor();
    ASSERT_EQ(focused(), editor);
    EXPECT_EQ(editor->text().toStdString(), "7");
    EXPECT_EQ(editor->cursorPosition(), 1);
    EXPECT_EQ(editor->geometry(), grid().visualRect(grid().model()->index(1, 0)));

    press(Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(cell(2, 1), "2.5");
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 2.5f}));

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        press(key);
        EXPECT_EQ(editor->text().toStdString(), "2.5");
        EXPECT_EQ(editor->cursorPosition(), 3);
        press(Qt::Key_Escape);
    }
}

TEST_F(MainWindowTest, TypedReadingsAppendFillGapsAndChangeRowsAndTheCursorMovesOn) {
    typeReading(1, QStringLiteral("10"));
    EXPECT_EQ(readings(), std::vector<float>{10.0f});
    EXPECT_EQ(grid().currentRow(), 2);
    EXPECT_EQ(focused(), &grid());

    typeReading(4, QStringLiteral("16"));
    EXPECT_EQ(readings(), (std::vector<float>{10.0f, 12.0f, 14.0f, 16.0f}));
    EXPECT_EQ(cell(3, 2), "2.0");
    EXPECT_EQ(grid().currentRow(), 5);

    typeReading(2, QStringLiteral("11.04"));
    EXPECT_EQ(readings(), (std::vector<float>{10.0f, 11.0f, 14.0f, 16.0f}));
    EXPECT_EQ(cell(2, 2), "1.0");
    EXPECT_EQ(cell(3, 2), "3.0");
    EXPECT_EQ(grid().currentRow(), 3);

    dialogs.expect(QStringLiteral("入力された値が正しくありません。(入力値：大)"));
    typeReading(2, QStringLiteral("15"), Qt::Key_Down);
    EXPECT_EQ(readings(), (std::vector<float>{10.0f, 11.0f, 14.0f, 16.0f}));
    EXPECT_EQ(grid().currentRow(), 2);

    typeReading(3, QStringLiteral("13"), Qt::Key_Up);
    EXPECT_EQ(readings(), (std::vector<float>{10.0f, 11.0f, 13.0f, 16.0f}));
    EXPECT_EQ(grid().currentRow(), 2);

    dialogs.expect(QStringLiteral("入力された値が正しくありません。(入力値：小)"));
    typeReading(5, QStringLiteral("3"), Qt::Key_Up);
    EXPECT_EQ(data.DropCount[1], 4);
    EXPECT_EQ(grid().currentRow(), 4);
    EXPECT_EQ(cell(5, 1), "");
}

TEST_F(MainWindowTest, CursorStaysOnTheFirstAndLastRows) {
    typeReading(1, QStringLiteral("5"), Qt::Key_Up);
    EXPECT_EQ(grid().currentRow(), 1);

    for (int drop = 2; drop <= 499; ++drop) data.Measure[1][drop] = 5.0f + drop;
    data.DropCount[1] = 499;
    showFirstBlock();
    typeReading(500, QStringLiteral("600"));
    EXPECT_EQ(data.DropCount[1], 500);
    EXPECT_EQ(grid().currentRow(), 500);
}

TEST_F(MainWindowTest, ClickingElsewhereCommitsAndMovesToTheRowAfterTheEditedOne) {
    setReadings(1, {1.0f, 2.0f});
    showFirstBlock();
    clickCell(3);
    type(QStringLiteral("2.75"));
    clickCell(9);
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 2.0f, 2.8f}));
    EXPECT_EQ(cell(3, 2), "0.8");
    EXPECT_EQ(grid().currentRow(), 4);
    EXPECT_FALSE(grid().editor().isVisible());
}

TEST_F(MainWindowTest, PenetrationColumnNeverBecomesCurrent) {
    setReadings(1, {1.0f, 2.0f});
    showFirstBlock();
    clickCell(2, 2);
    EXPECT_EQ(grid().currentColumn(), 1);
    EXPECT_EQ(grid().currentRow(), 2);
    press(Qt::Key_Right);
    EXPECT_EQ(grid().currentColumn(), 1);
}

TEST_F(MainWindowTest, RightButtonOverTheGridOpensTheEditMenu) {
    setReadings(1, {1.0f, 2.0f});
    showFirstBlock();
    const QRect cell = grid().visualRect(grid().model()->index(1, 0));
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title().toStdString(), "編集(&E)");
        menu->close();
    });
    QTest::mouseClick(grid().viewport(), Qt::RightButton, {}, cell.center());
    QTest::qWait(20);
    EXPECT_EQ(grid().currentRow(), 1);
}

}  // namespace
