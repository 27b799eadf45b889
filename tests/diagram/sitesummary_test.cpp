#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "diagram/sitecsv.h"
#include "diagram/sitesummary.h"
#include "model/testdata.h"

namespace {

void setBlock(TestData& data, int block, std::initializer_list<float> readings) {
    int drop = 0;
    for (float reading : readings) data.Measure[block][++drop] = reading;
    data.DropCount[block] = static_cast<qint16>(drop);
    data.BlockCount = std::max<qint16>(data.BlockCount, static_cast<qint16>(block));
}

TEST(SiteSummary, ClassThicknessesWithinTheFirstMetreAndTheFirstHardDrop) {
    TestData data;
    // Softness 0.5, 1.0, 1.24, 2.0, 5.0, 0.70, 0.76, 0.74, 1.5, 4.0, 81.56, then 4.0 past 100 cm.
    setBlock(data, 1,
             {0.5f, 1.5f, 2.74f, 4.74f, 9.74f, 10.44f, 11.2f, 11.94f, 13.44f, 17.44f, 99.0f, 103.0f});
    setBlock(data, 2, {});
    data.PointNo[1] = QStringLiteral("7");
    data.TestYear[1] = QStringLiteral("2001");
    data.TestMonth[1] = QStringLiteral("04");
    data.TestDay[1] = QStringLiteral("15");

    const std::vector<BlockSummary> rows = SummarizeSite(data);
    ASSERT_EQ(rows.size(), 2u);
    const BlockSummary& full = rows[0];
    EXPECT_EQ(full.drops, 12);
    EXPECT_EQ(full.date, QStringLiteral("2001/04/15"));
    EXPECT_DOUBLE_EQ(*full.depth, 103.0);
    ASSERT_TRUE(full.thickness);
    const std::array<double, 5> expected{1.94, 1.76, 2.74, 2.0, 91.56};  // 0.70 hard, 0.76 judged 0.8
    for (int c = 0; c < 5; ++c) EXPECT_NEAR((*full.thickness)[c], expected[c], 1e-4) << "class " << c + 1;
    EXPECT_DOUBLE_EQ(*full.firstHardDepth, 0.5);
    EXPECT_NEAR(*full.meanSoftness, 103.0 / 12, 1e-6);

    const BlockSummary& empty = rows[1];
    EXPECT_EQ(empty.drops, 0);
    EXPECT_FALSE(empty.depth || empty.thickness || empty.firstHardDepth || empty.meanSoftness);
    EXPECT_EQ(summaryCells(empty), (QStringList{"2", "", "", "", "0", "", "", "", "", "", "", "", ""}));
}

TEST(SiteCsv, Utf8WithByteOrderMarkQuotedFieldsAndCrLf) {
    TestData data;
    setBlock(data, 1, {0.5f, 1.0f});
    data.PointNo[1] = QStringLiteral("1");
    data.SurveyName[1] = QStringLiteral("河川,\"東\"");
    EXPECT_EQ(DropsCsv(data),
              QByteArray("\xEF\xBB\xBF") +
                  QStringLiteral("ブロック,番号No.,回数,計測値(cm),貫入量(cm),軟らかさ区分\r\n"
                                 "1,1,1,0.5,0.5,1\r\n"
                                 "1,1,2,1,0.5,1\r\n")
                      .toUtf8());
    const QByteArray summary = SummaryCsv(data);
    EXPECT_TRUE(summary.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(summary.endsWith(
        QStringLiteral("\r\n1,1,\"河川,\"\"東\"\"\",,2,1,1.0,0.0,0.0,0.0,0.0,0.5,0.50\r\n").toUtf8()))
        << summary.toStdString();
}

}  // namespace
