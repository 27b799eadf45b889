#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <vector>

#include "diagram/displaysettings.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "print/reportjob.h"
#include "print/reporttext.h"
#include "support/recordingsurface.h"
#include "support/scriptedprinter.h"

namespace {

struct NoEvents : EventPump {
    void processPendingEvents() override {}
};

bool landscape(const RecordedPage& page) {
    return page.width() > page.height();
}

int countTexts(const RecordedPage& page, const QString& text) {
    const std::vector<DrawnOp> texts = page.texts();
    return static_cast<int>(
        std::count_if(texts.begin(), texts.end(), [&](const DrawnOp& op) { return op.text == text; }));
}

bool hasText(const RecordedPage& page, const QString& part) {
    const std::vector<DrawnOp> texts = page.texts();
    return std::any_of(texts.begin(), texts.end(), [&](const DrawnOp& op) { return op.text.contains(part); });
}

// `points` blocks, each 2 cm a drop down to a hard layer at 10 + block cm; block `empty` has no drops.
class ReportTest : public testing::Test {
protected:
    void makeSite(int points, int empty = 0) {
        for (int block = 1; block <= points; ++block) {
            data.PointNo[block] = QString::number(block);
            data.SurveyName[block] = QStringLiteral("北区公園");
            if (block == empty) continue;
            float depth = 0;
            int drop = 0;
            while (depth < 10 + block) data.Measure[block][++drop] = depth += 2;
            for (int hard = 0; hard < 5; ++hard) data.Measure[block][++drop] = depth += 0.5f;
            data.DropCount[block] = static_cast<qint16>(drop);
        }
        data.BlockCount = static_cast<qint16>(points);
        data.CurBlock = 2;
    }
    void print(ReportOptions options) {
        options.date = QDate(2026, 12, 8);
        const PrintJobParts parts{
            data,   display, printer,
            status, events,  [this](const QString& text, const QString&) { warnings.push_back(text); }};
        EXPECT_FALSE(printSiteReport(parts, options));
    }

    TestData data;
    DisplaySettings display;
    ScriptedPrinter printer;
    QuietStatus status;
    NoEvents events;
    std::vector<QString> warnings;
};

// Cover portrait; table, glance (twenty a page) and profile landscape; the forms portrait; one job.
TEST_F(ReportTest, PagesInOrderEachInItsOrientation) {
    makeSite(26, 13);
    ReportOptions options;
    options.blocks = {1, 26};
    options.rule.target = 30;  // blocks 19 and on reach it
    print(options);
    ASSERT_EQ(printer.pages.size(), 5u + 26u);
    const std::vector<bool> shapes{false, true, true, true, true, false};
    for (size_t page = 0; page < shapes.size(); ++page)
        EXPECT_EQ(landscape(printer.pages[page]), shapes[page]) << page;
    EXPECT_EQ(printer.finishes, 1);
    EXPECT_EQ(data.CurBlock, 2);

    const RecordedPage& cover = printer.pages[0];
    EXPECT_TRUE(hasText(cover, QStringLiteral("適  8 地点　　　不適  17 地点")));
    EXPECT_TRUE(hasText(cover, QStringLiteral("打撃データのない地点（表と図には含めない）: ブロック 13")));
    EXPECT_TRUE(
        hasText(cover, QStringLiteral("地表から、軟らかさが 0.7 cm/drop 以下となる最初の打撃までの深さ")));
    EXPECT_TRUE(hasText(cover, QStringLiteral("30 cm（有効土層深が目標深さ以上")));
    EXPECT_TRUE(hasText(cover, QStringLiteral("2026年12月08日")));
    EXPECT_TRUE(hasText(cover, QStringLiteral("6～31 ページ")));
    for (const char* mark : {"××", "×", "○"}) EXPECT_TRUE(hasText(cover, QString::fromUtf8(mark))) << mark;
    EXPECT_EQ(countTexts(cover, QStringLiteral("△")), 2);
    for (size_t page = 0; page < 5; ++page)
        EXPECT_EQ(countTexts(printer.pages[page], QStringLiteral("%1 / 5").arg(page + 1)), 1) << page;

    EXPECT_EQ(countTexts(printer.pages[1], QStringLiteral("適")), 8);
    EXPECT_EQ(countTexts(printer.pages[1], QStringLiteral("不適")), 17);
    // Twenty diagrams, a depth scale a row; the rest on the next page.
    EXPECT_EQ(countTexts(printer.pages[2], QStringLiteral("深さ(cm)")), 2);
    EXPECT_TRUE(hasText(printer.pages[2], QStringLiteral("ブロック 21")));
    EXPECT_FALSE(hasText(printer.pages[2], QStringLiteral("ブロック 22")));
    EXPECT_EQ(countTexts(printer.pages[3], QStringLiteral("深さ(cm)")), 1);
    EXPECT_EQ(countTexts(printer.pages[4], QStringLiteral("n=25")), 2);  // 0–10 and 10–20 cm
    EXPECT_TRUE(hasText(printer.pages[5], QStringLiteral("No.1")));
    EXPECT_TRUE(warnings.empty());

    printer.pages.clear();
    options.contents.forms = false;
    options.contents.glance = false;
    print(options);
    EXPECT_EQ(printer.pages.size(), 3u);
    EXPECT_EQ(printer.finishes, 2);
}

// Every page of the table repeats its heading; a 番号No. too long for its cell is cut with "…", and
// the report warns once, naming the blocks.
TEST_F(ReportTest, TableRepeatsItsHeadingAndShortensWhatDoesNotFit) {
    makeSite(35);
    data.PointNo[4] = QStringLiteral("第四地点北側の斜面");
    data.PointNo[7] = QStringLiteral("7-ABCDEFGHIJKLMNOP");
    ReportOptions options;
    options.blocks = {1, 35};
    options.contents = {true, false, false, false};
    print(options);
    ASSERT_EQ(printer.pages.size(), 3u);
    for (size_t page : {1u, 2u}) {
        EXPECT_EQ(countTexts(printer.pages[page], QStringLiteral("土層深")), 1) << page;
        EXPECT_EQ(countTexts(printer.pages[page], QStringLiteral("－")), page == 1 ? 30 : 5) << page;
    }
    EXPECT_TRUE(hasText(printer.pages[1], QStringLiteral("地点別一覧（1/2）")));
    EXPECT_TRUE(hasText(printer.pages[2], QStringLiteral("35")));
    EXPECT_EQ(countTexts(printer.pages[1], QStringLiteral("第四地…")), 1);
    EXPECT_EQ(countTexts(printer.pages[1], QStringLiteral("7-ABCDE…")), 1);
    EXPECT_EQ(warnings,
              std::vector<QString>{QStringLiteral(
                  "番号No.が印刷可能文字数を越えました。「…」で省略して印刷します。（ブロック 4, 7）")});
}

// Without drops the cover says so and there are no table rows or diagrams; the forms are still printed.
TEST_F(ReportTest, WithoutDropsOnlyTheCoverAndTheForms) {
    data.BlockCount = 3;
    ReportOptions options;
    options.blocks = {1, 3};
    print(options);
    ASSERT_EQ(printer.pages.size(), 4u);
    EXPECT_TRUE(hasText(printer.pages[0], QStringLiteral("対象のブロックには打撃データがありません。")));
    EXPECT_FALSE(hasText(printer.pages[0], QStringLiteral("地点別一覧")));
    EXPECT_FALSE(landscape(printer.pages[1]));
}

// A text fits its cell by the widths of its characters (ASCII half an em, others one), cut with "…";
// control characters print as blanks.
TEST(ReportText, FitsTextsToTheirCells) {
    struct Case {
        const char* text;
        double ems;
        const char* fitted;
    };
    const Case cases[] = {
        {"ABCD", 2, "ABCD"}, {"ABCDE", 2, "AB…"}, {"調査名称", 4, "調査名称"}, {"調査名称", 3, "調査…"},
        {"a\nb", 5, "a b"},  {"ｱｲｳｴ", 2, "ｱｲｳｴ"}, {"𠮷野家です", 2.5, "𠮷…"},  {"𠮷野家です", 1.5, "…"},
    };
    FittedTexts texts;
    for (const Case& c : cases)
        EXPECT_EQ(texts.fit(QString::fromUtf8(c.text), c.ems * 200, 10, "x"), QString::fromUtf8(c.fitted))
            << c.text;
    EXPECT_DOUBLE_EQ(textWidth(QStringLiteral("No.調査"), 10), 3.5 * 200);
}

}  // namespace
