#include <gtest/gtest.h>

#include <QString>
#include <map>
#include <utility>
#include <vector>

#include "model/testdata.h"
#include "print/testformpage.h"
#include "support/recordingsurface.h"

namespace {

// The texts of a page by their position.
std::map<std::pair<double, double>, QString> textsAt(const RecordingSurface& page) {
    std::map<std::pair<double, double>, QString> texts;
    for (const DrawnOp& text : page.texts()) texts[{text.from.x(), text.from.y()}] = text.text;
    return texts;
}

QString at(std::map<std::pair<double, double>, QString>& texts, double x, double y) {
    return texts[{x, y}];
}

TEST(TestFormHeader, PrintsTheFieldsAndShortensOnlyWhatDoesNotFit) {
    struct Case {
        int nameLength, testerLength;
        bool jhs;
        int printedName, printedTester;
        std::vector<QString> warnings;
    };
    const Case cases[] = {
        {34, 20, false, 34, 20, {}},
        {35, 21, true, 35, 20, {QStringLiteral("印刷可能文字数超過（試験者名）")}},
        {40, 3, false, 35, 3, {QStringLiteral("印刷可能文字数超過（調査名）")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nameLength);
        TestData data;
        data.CurBlock = 2;
        data.SurveyName[2] = QString(c.nameLength, QChar(u'調'));
        data.TesterName[2] = QString(c.testerLength, QChar(u'試'));
        data.TestPlace[2] = QStringLiteral("右岸");
        data.DropHeight[2] = QStringLiteral("50cm");
        data.TestYear[2] = QStringLiteral("2001");
        data.TestMonth[2] = QStringLiteral("04");
        data.TestDay[2] = QStringLiteral("15");
        data.PointNo[2] = QStringLiteral("3");
        std::vector<QString> warnings;
        RecordingSurface page(11906, 16838);
        PrintFormHeader(page, data, c.jhs,
                        [&](const QString&, const QString& title) { warnings.push_back(title); });

        auto texts = textsAt(page);
        EXPECT_EQ(at(texts, 2400, 2100).size(), c.printedName);
        EXPECT_EQ(at(texts, 2400, 2500).size(), c.printedTester);
        EXPECT_EQ(at(texts, 2400, 2900), QStringLiteral("右岸"));
        EXPECT_EQ(at(texts, 2400, 3300), QStringLiteral("50cm"));
        EXPECT_EQ(at(texts, 9000, 2500), QStringLiteral("2001年04月15日"));
        EXPECT_EQ(at(texts, 9000, 2900), QStringLiteral("No.3"));
        EXPECT_EQ(warnings, c.warnings);
        const QString title = QStringLiteral("長  谷  川  式  土  壌  貫  入  試  験");
        if (c.jhs) {
            EXPECT_EQ(at(texts, 3800, 1150), title);
            EXPECT_EQ(at(texts, 1000, 1150), QStringLiteral("JHS 604"));
            EXPECT_EQ(at(texts, 1000, 750), QStringLiteral("試験様式 － 604"));
            EXPECT_EQ(page.lines()[1].from, QPointF(3400, 1000));
        } else {
            EXPECT_EQ(at(texts, 3600, 1150), title);
            EXPECT_EQ(page.lines().size(), 10u);  // no vertical frame at the page edges
        }
        EXPECT_EQ(page.lines().front().lineWidth, 5);
        EXPECT_EQ(page.lines().back().lineWidth, 1);
    }
}

TEST(TestFormDropTable, ListsAllDropsAndLinesUpNumbersAndReadings) {
    TestData data;
    data.CurBlock = 1;
    const float readings[] = {5.0f, 12.34f, 123.4f, 124.0f, 0.0f, 130.0f, 131, 132, 133, 134, 135, 136};
    for (int drop = 1; drop <= 12; ++drop) data.Measure[1][drop] = readings[drop - 1];
    data.DropCount[1] = 12;
    data.Measure[1][241] = 140.0f;  // beyond the form
    RecordingSurface page(11906, 16838);
    page.setFontName(QStringLiteral("ＭＳ 明朝"));
    PrintDropTable(page, data);

    auto texts = textsAt(page);
    const double row1 = 4450;
    const double line = 6 * 20;
    EXPECT_EQ(at(texts, 6200 + 100 + 120, row1), "1");
    EXPECT_EQ(at(texts, 6200 + 100 + 60, row1 + 9 * line), "10");
    EXPECT_EQ(at(texts, 7400 + 100, row1 + 39 * line), "100");
    EXPECT_EQ(at(texts, 9800 + 100, row1 + 59 * line), "240");
    EXPECT_EQ(at(texts, 6200 + 600 + 120, row1), "5.0");
    EXPECT_EQ(at(texts, 6200 + 600 + 60, row1 + line), "12.3");
    EXPECT_EQ(at(texts, 6200 + 600, row1 + 2 * line), "123.4");
    EXPECT_FALSE(texts.count(
        std::pair<double, double>(6200 + 600 + 120, row1 + 4 * line)));  // a zero reading stays blank
    EXPECT_EQ(page.texts().size(), 4 * 3 + 240 + 11);
    EXPECT_EQ(page.texts().back().fontName, QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(page.fontName(), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(page.fontSize(), 6);
    // Thin lines, and the group separators at width 3.
    int wide = 0;
    for (const DrawnOp& l : page.lines()) wide += l.lineWidth == 3;
    EXPECT_EQ(wide, 3);
}

}  // namespace
