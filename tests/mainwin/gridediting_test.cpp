#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

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

TEST_F(MainWindowTest, PenetrationColumnNeverBecomesCurrentNorSelected) {
    setReadings(1, {1.0f, 2.0f});
    showFirstBlock();
    const auto onlyReadingsSelected = [this] {
        for (const QModelIndex& index : grid().selectionModel()->selectedIndexes())
            EXPECT_EQ(index.column(), 0);
    };
    clickCell(2, 2);
    EXPECT_EQ(grid().currentColumn(), 1);
    EXPECT_EQ(grid().currentRow(), 2);
    onlyReadingsSelected();
    press(Qt::Key_Right);
    EXPECT_EQ(grid().currentColumn(), 1);
    onlyReadingsSelected();
}

// A click or key that waits in the queue while an edit is finished comes after it: the value lands in
// its own block and row, and nothing typed later merges into it.
TEST_F(MainWindowTest, EventsQueuedBehindAFinishingKeyComeAfterTheEdit) {
    setReadings(1, {1.0f, 2.0f, 3.0f});
    setReadings(2, {9.0f});
    showFirstBlock();
    clickCell(4);
    type(QStringLiteral("3.5"));
    QWidget* editor = focused();
    auto* next = child<QPushButton>("cmdNextBlock");
    const QPoint centre = next->rect().center();
    QCoreApplication::postEvent(editor, new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
    QCoreApplication::postEvent(editor, new QKeyEvent(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5"));
    QCoreApplication::postEvent(
        next, new QMouseEvent(QEvent::MouseButtonPress, centre, next->mapToGlobal(centre), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        next, new QMouseEvent(QEvent::MouseButtonRelease, centre, next->mapToGlobal(centre), Qt::LeftButton,
                              Qt::NoButton, Qt::NoModifier));
    QCoreApplication::processEvents();
    EXPECT_EQ(readings(1), (std::vector<float>{1.0f, 2.0f, 3.0f, 3.5f}));
    EXPECT_EQ(readings(2), std::vector<float>{9.0f});
    EXPECT_EQ(data.CurBlock, 2);
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
    // The row clicked is the one the menu's commands act on.
    EXPECT_EQ(grid().currentRow(), 2);
    dialogs.expect(QStringLiteral("2 回目のデータを削除してもよろしいですか？"), Answer::No);
    window.mnuDelete->trigger();
}

// An open edit never lands on another drop than the one it was opened on, whatever happens before it
// is finished.
TEST_F(MainWindowTest, AnOpenEditStaysWithItsRow) {
    std::vector<float> depths;
    for (int drop = 1; drop <= 40; ++drop) depths.push_back(static_cast<float>(drop));
    for (size_t i = 0; i < depths.size(); ++i) data.Measure[1][i + 1] = depths[i];
    data.DropCount[1] = 40;
    showFirstBlock();

    // Keys the editor has no use for do not move the grid under it.
    clickCell(2);
    type(QStringLiteral("2.5"));
    press(Qt::Key_PageDown);
    press(Qt::Key_Return);
    EXPECT_EQ(data.Measure[1][2], 2.5f);
    EXPECT_EQ(data.Measure[1][12], 12.0f);
    EXPECT_EQ(grid().currentRow(), 3);

    // A second finishing key waiting in the queue does not finish the same edit again.
    clickCell(4);
    type(QStringLiteral("3.5"));
    QCoreApplication::postEvent(focused(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier));
    QCoreApplication::postEvent(focused(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier));
    QCoreApplication::processEvents();
    EXPECT_EQ(data.Measure[1][4], 3.5f);
    EXPECT_EQ(data.Measure[1][3], 3.0f);

    // Any other command first stores what was typed, into its own row; the delete then acts on it.
    clickCell(5);
    type(QStringLiteral("4.5"));
    dialogs.expect(QStringLiteral("5 回目のデータを削除してもよろしいですか？"), Answer::No);
    window.mnuDelete->trigger();
    EXPECT_EQ(data.Measure[1][5], 4.5f);
    EXPECT_FALSE(grid().editor().isVisible());

    // So does showing another block: the value stays with the block it was typed into.
    setReadings(2, {7.0f});
    clickCell(6);
    type(QStringLiteral("5.5"));
    QTest::mouseClick(child<QPushButton>("cmdNextBlock"), Qt::LeftButton);
    EXPECT_EQ(data.CurBlock, 2);
    EXPECT_EQ(data.Measure[1][6], 5.5f);
    EXPECT_EQ(readings(2), std::vector<float>{7.0f});
    clickCell(3);
    EXPECT_EQ(readings(2), std::vector<float>{7.0f});
}

TEST_F(MainWindowTest, ClickingADropNumberCommitsLikeClickingItsReading) {
    setReadings(1, {1.0f, 2.0f, 4.0f});
    showFirstBlock();
    clickCell(2);
    type(QStringLiteral("3"));
    QHeaderView& numbers = *grid().verticalHeader();
    QTest::mouseClick(numbers.viewport(), Qt::LeftButton, {},
                      QPoint(numbers.width() / 2, numbers.sectionViewportPosition(6) + 5));
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 3.0f, 4.0f}));
    EXPECT_EQ(cell(2, 2), "2.0");
    EXPECT_EQ(cell(3, 2), "1.0");
    EXPECT_EQ(grid().currentRow(), 3);
    EXPECT_EQ(grid().currentColumn(), 1);
}

TEST_F(MainWindowTest, EscapeAfterInsertingKeepsTheCopiedReadingOnShow) {
    setReadings(1, {1.0f, 3.0f});
    showFirstBlock();
    clickCell(2);
    window.mnuInsert->trigger();
    press(Qt::Key_Escape);
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 1.0f, 3.0f}));
    EXPECT_EQ(cell(2, 1), "1.0");
    EXPECT_EQ(cell(2, 2), "0.0");
    EXPECT_EQ(cell(3, 2), "2.0");
}

TEST_F(MainWindowTest, FinishingAnEditKeepsTheFocusInTheGrid) {
    std::vector<std::string> visited;
    const auto connection =
        QObject::connect(qApp, &QApplication::focusChanged, [&visited](QWidget*, QWidget* now) {
            if (now) visited.push_back(now->objectName().toStdString());
        });
    typeReading(1, QStringLiteral("4"));
    typeReading(2, QStringLiteral("5"), Qt::Key_Up);
    QObject::disconnect(connection);
    EXPECT_EQ(std::count(visited.begin(), visited.end(), "Text調査名"), 0) << visited.size();
}

}  // namespace
