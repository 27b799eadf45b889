// Undo and redo of every kind of change to the blocks, through the main window's 編集 menu.
#include <QFile>
#include <functional>

#include "mainwindowfixture.h"

namespace {

// The same blocks: readings, numbers and survey texts.
bool same(const TestData& a, const TestData& b) {
    if (!a.sameReadings(b)) return false;
    for (int block = 1; block <= a.BlockCount; ++block)
        if (a.BlockNo[block] != b.BlockNo[block] || a.SurveyName[block] != b.SurveyName[block] ||
            a.DropHeight[block] != b.DropHeight[block])
            return false;
    return true;
}

class UndoTest : public MainWindowTest {
protected:
    UndoTest() {
        setReadings(1, {1.0f, 2.0f, 3.0f});
        setReadings(2, {0.5f, 1.5f, 1.0f, 2.5f});
        data.SurveyName[2] = QStringLiteral("河川敷");
        data.BlockNo = {0, 1, 2};
        data.DropHeight = {QString(), QStringLiteral("50cm"), QStringLiteral("50cm")};
        // As if these blocks had been opened from a file: the history starts here.
        ++data.Generation;
        showFirstBlock();
        data.changed.notify();
    }

    void yes(const char* question) { dialogs.expect(QString::fromUtf8(question), Answer::Yes); }
};

TEST_F(UndoTest, EveryKindOfChangeIsUndoneAndRedoneExactly) {
    struct Case {
        const char* name;
        int block;  // the block the change is made from: 1 or the last
        std::function<void()> change;
    };
    const Case cases[] = {
        {"typed reading", 1, [this] { typeReading(4, QStringLiteral("3.5")); }},
        {"insert", 1,
         [this] {
             clickCell(2);
             window.mnuInsert->trigger();
             press(Qt::Key_Escape);
         }},
        {"delete", 1,
         [this] {
             clickCell(2);
             yes("2 回目のデータを削除してもよろしいですか？");
             window.mnuDelete->trigger();
         }},
        {"block added", 2,
         [this] {
             yes("これより先のブロックはありません。追加しますか？");
             yes("前ブロックの調査情報を引き継ぎますか？");
             window.commands().blocks.NextBlock();
         }},
        {"block cleared", 2,
         [this] {
             yes("表示されているブロック(2)のデータをクリアしてもよろしいですか？");
             window.mnuClearBlock->trigger();
         }},
        {"all cleared", 1,
         [this] {
             yes("すべてのブロックのデータをクリアしてもよろしいですか？");
             window.mnuClearAll->trigger();
         }},
        {"data correction", 1, [this] { window.mnuFileCheck->trigger(); }},
        {"counter import", 1,
         [this] {
             const QString text = folder.filePath(QStringLiteral("k40txt.tmp"));
             QFile file(text);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(
                 "001 11/05 12:07 003 .0\r\n2.4 3.0 5.6 \r\n\r\nGGT \x90\xa7\x8c\xe4\x94\xd4\x8d\x86  001 "
                 "0003\r\n");
             file.close();
             EXPECT_TRUE(window.commands().counterImport.importCounterText({}, text));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.block == 1)
            window.commands().blocks.TopBlock();
        else
            window.commands().blocks.EndBlock();
        const TestData before = data;
        c.change();
        const TestData after = data;
        ASSERT_FALSE(same(after, before));
        ASSERT_TRUE(window.mnuUndo->isEnabled());

        window.commands().blocks.TopBlock();
        window.mnuUndo->trigger();
        EXPECT_TRUE(same(data, before));
        EXPECT_EQ(data.CurBlock, c.block);  // where the change was made
        EXPECT_EQ(text("txtCBlock"), std::to_string(data.CurBlock));
        window.mnuRedo->trigger();
        EXPECT_TRUE(same(data, after));
        window.mnuUndo->trigger();
        EXPECT_TRUE(same(data, before));
        EXPECT_TRUE(dialogs.allAnswered());
    }
}

TEST_F(UndoTest, ANewChangeDropsTheRedoStepsAndANewDataSetTheWholeHistory) {
    typeReading(4, QStringLiteral("3.5"));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(data.DropCount[1], 3);
    EXPECT_TRUE(window.mnuRedo->isEnabled());
    typeReading(4, QStringLiteral("4.5"));
    EXPECT_FALSE(window.mnuRedo->isEnabled());
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(data.Measure[1][4], 4.5f);

    dialogs.expect(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"), Answer::Yes);
    window.mnuNew->trigger();
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    EXPECT_FALSE(window.mnuRedo->isEnabled());
}

}  // namespace
