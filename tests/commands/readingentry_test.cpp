#include "commands/readingentry.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <vector>

#include "model/testdata.h"
#include "support/fakegrid.h"
#include "support/scripteddialogs.h"

namespace {

const QString TooLarge = QStringLiteral("入力された値が正しくありません。(入力値：大)");
const QString TooSmall = QStringLiteral("入力された値が正しくありません。(入力値：小)");
const QString Above1000 = QStringLiteral("入力された値が正しくありません。(入力値は1000cm以下)");
const QString BelowLast = QStringLiteral("入力された値が正しくありません。（調査値：小）");
const QString NotNumeric = QStringLiteral("数値を入力して下さい。");
const QString Penetration = QStringLiteral("貫入量は修正できません。");

class ReadingEntryTest : public testing::Test {
protected:
    ReadingEntryTest() {
        grid.commit = [this] { entry.InData(); };
    }

    // Block 1 holds these readings, shown in the grid.
    void setReadings(std::initializer_list<float> readings) {
        int drop = 0;
        for (float reading : readings) data.Measure[1][++drop] = reading;
        data.DropCount[1] = static_cast<qint16>(drop);
        entry.RefreshGrid();
    }

    // Selects the cell, types the text into it and finishes the edit with the key.
    void type(int row, const QString& text, int key = KeyCode::Enter) {
        grid.select(row, 1);
        entry.GridKeyPress(text.left(1));
        grid.setEditorText(text);
        entry.EditKeyCode(key);
    }

    std::vector<float> readings() const {
        return {data.Measure[1].begin() + 1, data.Measure[1].begin() + 1 + data.DropCount[1]};
    }

    std::string cell(int row, int column) const { return grid.cellText(row, column).toStdString(); }

    TestData data;
    FakeGrid grid;
    ScriptedDialogs dialogs;
    ReadingEntry entry{data, grid, dialogs};
};

TEST_F(ReadingEntryTest, AppendedReadingsMoveTheCursorOn) {
    type(1, "1000");
    EXPECT_EQ(readings(), std::vector<float>{1000.0f});
    EXPECT_EQ(cell(1, 1), "1000.0");
    EXPECT_EQ(cell(1, 2), "1000.0");
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(entry.CurRow(), 2);

    dialogs.expect(Above1000);
    type(2, "1000.1");
    EXPECT_EQ(data.DropCount[1], 1);
    EXPECT_EQ(grid.currentRow(), 2);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title.toStdString(), "データ値修正");
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::CancelRetryContinue);
    EXPECT_FALSE(grid.editorVisible());
}

TEST_F(ReadingEntryTest, ValueEqualToThePreviousReadingGivesZeroPenetration) {
    // 12.3 has no exact single-precision value: the stored reading must compare equal to the typed one.
    setReadings({12.3f, 12.3f, 20.0f});
    type(4, "20");
    type(2, "12.3");
    type(5, "20");
    EXPECT_EQ(readings(), (std::vector<float>{12.3f, 12.3f, 20.0f, 20.0f, 20.0f}));
    EXPECT_EQ(cell(5, 2), "0.0");
}

// The checks against the neighbours use the reading as it will be stored, rounded to one decimal, so
// that accepted readings never decrease.
TEST_F(ReadingEntryTest, AReadingThatRoundsBelowItsNeighbourIsRefused) {
    setReadings({10.0f});
    type(4, "11");  // the gap fill gives 10.333 and 10.667
    const std::vector<float> filled = readings();
    dialogs.expect(TooSmall);
    type(3, "10.34");  // stored it would be 10.3, below 10.333
    dialogs.expect(TooLarge);
    type(2, "10.66");  // stored 10.7, above 10.667
    EXPECT_EQ(readings(), filled);
    for (int row = 2; row <= 4; ++row) EXPECT_NE(cell(row, 2).front(), '-') << row;

    setReadings({10.0f});
    type(3, "9.96");  // stored as 10.0, the last reading
    EXPECT_EQ(readings(), (std::vector<float>{10.0f, 10.0f, 10.0f}));
    dialogs.expect(BelowLast);
    type(5, "9.94");  // stored as 9.9
    EXPECT_EQ(data.DropCount[1], 3);
}

TEST_F(ReadingEntryTest, ExistingRowIsBoundedByItsNeighbours) {
    setReadings({1.0f, 3.0f, 5.0f});
    dialogs.expect(TooLarge);
    type(1, "4");
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 3.0f, 5.0f}));
    EXPECT_EQ(cell(1, 1), "1.0");
    EXPECT_EQ(grid.currentRow(), 1);

    type(1, "0");
    EXPECT_EQ(readings(), (std::vector<float>{0.0f, 3.0f, 5.0f}));
    EXPECT_EQ(cell(2, 2), "3.0");
    EXPECT_EQ(grid.currentRow(), 2);

    type(3, "1000");  // the last row may rise to the limit
    EXPECT_EQ(readings(), (std::vector<float>{0.0f, 3.0f, 1000.0f}));
    EXPECT_EQ(cell(3, 2), "997.0");

    dialogs.expect(TooSmall);
    type(3, "2.9");
    EXPECT_EQ(readings(), (std::vector<float>{0.0f, 3.0f, 1000.0f}));
    EXPECT_EQ(dialogs.shown().size(), 2u);
}

TEST_F(ReadingEntryTest, PenetrationColumnIsNeverEdited) {
    setReadings({1.0f, 2.0f});
    grid.select(2, 2);
    grid.openEditor(QStringLiteral("7"));
    dialogs.expect(Penetration);
    entry.InData();
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 2.0f}));
    EXPECT_EQ(entry.EndPrc(), 0);
    EXPECT_FALSE(grid.editorVisible());

    entry.setCurRow(2);
    dialogs.expect(Penetration);
    entry.ReCal();
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 2.0f}));

    grid.select(1, 2);  // a click there leaves the reading column current
    entry.GridClicked();
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_EQ(dialogs.shown().size(), 2u);
}

TEST_F(ReadingEntryTest, GapFillInterpolatesFromLastReading) {
    setReadings({2.0f, 6.0f, 10.0f});
    type(6, "16");
    EXPECT_EQ(readings(), (std::vector<float>{2.0f, 6.0f, 10.0f, 12.0f, 14.0f, 16.0f}));
    for (int row = 4; row <= 6; ++row) EXPECT_EQ(cell(row, 2), "2.0") << row;
    EXPECT_EQ(cell(6, 1), "16.0");
    EXPECT_EQ(grid.currentRow(), 7);
}

TEST_F(ReadingEntryTest, GapFillOfAnEmptyBlockStartsFromZero) {
    type(4, "8");
    EXPECT_EQ(readings(), (std::vector<float>{2.0f, 4.0f, 6.0f, 8.0f}));
    EXPECT_EQ(cell(1, 2), "2.0");
}

TEST_F(ReadingEntryTest, GapFillIgnoresReadingsLeftBeyondTheData) {
    setReadings({5.0f});
    data.Measure[1][3] = 50.0f;  // left behind by a block that was shortened
    type(4, "11");
    EXPECT_EQ(readings(), (std::vector<float>{5.0f, 7.0f, 9.0f, 11.0f}));
}

TEST_F(ReadingEntryTest, GapValueBelowTheLastReadingIsRefused) {
    setReadings({10.0f});
    dialogs.expect(BelowLast);
    type(4, "5");
    EXPECT_EQ(data.DropCount[1], 1);
    EXPECT_EQ(cell(4, 1), "");
    EXPECT_EQ(grid.editorText().toStdString(), "");
    EXPECT_EQ(grid.currentRow(), 4);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title.toStdString(), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ");
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::Ok);
}

TEST_F(ReadingEntryTest, TypedReadingIsStoredRoundedToOneDecimal) {
    type(1, "12.34");
    EXPECT_EQ(readings(), std::vector<float>{12.3f});
    EXPECT_EQ(cell(1, 1), "12.3");

    // The same through a click elsewhere, which commits the edit before its follow-up runs.
    grid.select(2, 1);
    entry.GridKeyPress(QStringLiteral("1"));
    grid.setEditorText(QStringLiteral("14.56"));
    grid.select(9, 1);
    entry.GridClicked();
    EXPECT_EQ(readings(), (std::vector<float>{12.3f, 14.6f}));
    EXPECT_EQ(cell(2, 2), "2.3");
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_EQ(entry.EndPrc(), 0);
}

TEST_F(ReadingEntryTest, RefusedAppendWithUpArrowLeavesTheEmptyRow) {
    setReadings({5.0f, 6.0f});
    dialogs.expect(TooSmall);
    type(3, "4", KeyCode::Up);
    EXPECT_EQ(data.DropCount[1], 2);
    EXPECT_EQ(entry.CurRow(), 2);
    EXPECT_EQ(grid.currentRow(), 2);

    dialogs.expect(TooSmall);
    type(3, "4", KeyCode::Enter);
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_EQ(dialogs.shown().size(), 2u);
}

TEST_F(ReadingEntryTest, CursorStopsAtTheEndsOfTheGrid) {
    dialogs.expect(TooSmall);
    type(1, "-1", KeyCode::Up);
    EXPECT_EQ(entry.CurRow(), 1);
    EXPECT_EQ(grid.currentRow(), 1);

    type(1, "1", KeyCode::Up);
    EXPECT_EQ(grid.currentRow(), 1);

    for (int drop = 2; drop <= 499; ++drop) data.Measure[1][drop] = static_cast<float>(drop);
    data.DropCount[1] = 499;
    type(500, "600");
    EXPECT_EQ(data.DropCount[1], 500);
    EXPECT_EQ(grid.currentRow(), 500);
}

TEST_F(ReadingEntryTest, TextWithANumericPrefixIsNotANumber) {
    setReadings({1.0f});
    dialogs.expect(NotNumeric);
    type(2, "12abc");
    EXPECT_EQ(data.DropCount[1], 1);
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(ReadingEntryTest, EditorOpensWithTheTypedCharacterOrTheCellText) {
    setReadings({1.0f, 2.5f});
    grid.select(2, 1);
    entry.GridKeyPress(QStringLiteral("7"));
    EXPECT_EQ(grid.editorText().toStdString(), "7");
    EXPECT_EQ(entry.EndPrc(), 1);
    EXPECT_EQ(entry.EditRow(), 2);

    entry.EditKeyCode(KeyCode::Escape);
    EXPECT_FALSE(grid.editorVisible());
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 2.5f}));
    EXPECT_EQ(cell(2, 1), "2.5");
    EXPECT_EQ(entry.EndPrc(), 0);

    for (const char* key : {"\r", " "}) {
        entry.GridKeyPress(QString::fromLatin1(key));
        EXPECT_EQ(grid.editorText().toStdString(), "2.5");
        entry.EditKeyCode(KeyCode::Escape);
    }
}

// Whatever is typed where, the readings the block keeps never fall, so no penetration is negative.
TEST(ReadingEntryProperty, RandomTypingKeepsTheReadingsRising) {
    struct AnswerAll : Dialogs {
        Answer message(const QString&, Buttons buttons, const QString&, Icon) override {
            return defaultAnswer(buttons);
        }
        std::optional<QString> openFileName(const FileFilter&) override { return std::nullopt; }
        std::optional<QString> saveFileName(const std::vector<FileFilter>&) override { return std::nullopt; }
        std::optional<qint32> chooseColor(qint32) override { return std::nullopt; }
    } dialogs;
    TestData data;
    FakeGrid grid;
    ReadingEntry entry{data, grid, dialogs};
    grid.commit = [&entry] { entry.InData(); };
    std::mt19937 random(8122026);
    const int keys[] = {KeyCode::Enter, KeyCode::Up, KeyCode::Down};
    for (int step = 0; step < 3000; ++step) {
        const int count = data.DropCount[1];
        const int row = std::uniform_int_distribution<int>(1, count + 3)(random);
        const double value = std::uniform_real_distribution<double>(-5, 1100)(random);
        const QString text = step % 17 == 0 ? QStringLiteral("x") : QString::number(value, 'f', step % 3);
        grid.select(row, 1);
        entry.GridKeyPress(text.left(1));
        grid.setEditorText(text);
        entry.EditKeyCode(keys[step % 3]);
        for (int drop = 1; drop <= data.DropCount[1]; ++drop)
            ASSERT_GE(data.penetration(1, drop), 0.0f) << "step " << step << " drop " << drop;
    }
    EXPECT_GT(data.DropCount[1], 10);
}

}  // namespace
