#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <array>
#include <initializer_list>

#include "diagram/reportrule.h"
#include "diagram/sitecsv.h"
#include "diagram/siteprofile.h"
#include "diagram/sitesummary.h"
#include "model/testdata.h"
#include "platform/settings.h"

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

// The effective depth: the reading of the first drop at or below the hard limit, judged by its
// softness rounded to 0.1, or the depth reached ("≥") when none is that hard; 適 when it reaches the
// target as the depths are shown.
TEST(SiteSummary, EffectiveDepthAndJudgement) {
    struct Case {
        const char* name;
        std::initializer_list<float> readings;
        ReportRule rule;
        std::optional<double> depth;
        bool hardReached;
        std::optional<bool> fit;
    };
    const std::optional<double> none;
    const Case cases[] = {
        {"no drops", {}, {0.7, 10.0}, none, false, std::nullopt},
        {"never hard, deep enough", {2, 4, 6}, {0.7, 5.0}, 6.0, false, true},
        {"never hard, too shallow", {2, 4, 6}, {0.7, 7.0}, 6.0, false, false},
        {"past 100 cm, hard after", {50, 99, 103, 103.5f}, {0.7, 100.0}, 103.5, true, true},
        {"hard limit on the class boundary", {2, 3, 3.5f}, {1.0, std::nullopt}, 3.0, true, std::nullopt},
        {"the same at the class-1 bound", {2, 3, 3.5f}, {0.7, std::nullopt}, 3.5, true, std::nullopt},
        {"1.04 is judged 1.0", {2, 3.04f, 3.5f}, {1.0, std::nullopt}, 3.04, true, std::nullopt},
        {"1.05 is judged 1.1", {2, 3.05f, 3.5f}, {1.0, std::nullopt}, 3.5, true, std::nullopt},
        {"target met as shown", {30.3f, 30.3f}, {0.7, 30.3}, 30.3, true, true},
    };
    for (const Case& c : cases) {
        TestData data;
        setBlock(data, 1, c.readings);
        const BlockSummary row = SummarizeBlock(data, 1, c.rule);
        ASSERT_EQ(row.effective.has_value(), c.depth.has_value()) << c.name;
        if (c.depth) {
            EXPECT_DOUBLE_EQ(row.effective->depth, *c.depth) << c.name;
            EXPECT_EQ(row.effective->hardReached, c.hardReached) << c.name;
        }
        EXPECT_EQ(row.fit, c.fit) << c.name;
    }
    // At the class-1 bound the effective depth is where the summary finds the first hard drop.
    TestData data;
    setBlock(data, 1, {1.5f, 2.5f, 2.9f, 3.8f});
    const BlockSummary row = SummarizeBlock(data, 1);
    EXPECT_FLOAT_EQ(static_cast<float>(row.effective->depth), static_cast<float>(*row.firstHardDepth));
    EXPECT_EQ(effectiveDepthText(*row.effective), QStringLiteral("2.9"));
    EXPECT_EQ(effectiveDepthText({12.5, false}), QStringLiteral("≥12.5"));
}

// Band by band: the thickness covered over the drops it took, a drop across an edge shared by its
// penetration, a drop that did not move counted where the rod stood, bands not reached left out.
TEST(SiteProfile, BandSoftnessAcrossThePoints) {
    TestData data;
    setBlock(data, 1, {5, 10, 15, 20, 25, 30, 35, 40, 45, 50});
    setBlock(data, 2, {8, 12, 12});
    setBlock(data, 3, {});
    setBlock(data, 4, {95, 105});
    const auto soft = [](int block, const TestData& d) { return bandSoftness(d, block); };
    EXPECT_DOUBLE_EQ(*soft(1, data)[4], 5.0);
    EXPECT_FALSE(soft(1, data)[5]);
    EXPECT_NEAR(*soft(2, data)[0], 10 / 1.5, 1e-6);
    EXPECT_NEAR(*soft(2, data)[1], 2 / 1.5, 1e-6);
    EXPECT_FALSE(soft(2, data)[2]);
    for (const auto& band : soft(3, data)) EXPECT_FALSE(band);
    EXPECT_NEAR(*soft(4, data)[8], 95.0, 1e-4);
    EXPECT_NEAR(*soft(4, data)[9], 10 / (5.0 / 95 + 0.5), 1e-4);

    struct Expected {
        int band, count;
        double mean, least, greatest;
    };
    const auto all = siteProfile(data, 1, 4);
    for (const Expected& e :
         {Expected{0, 3, (5 + 10 / 1.5 + 95) / 3, 5, 95}, Expected{1, 3, (5 + 2 / 1.5 + 95) / 3, 2 / 1.5, 95},
          Expected{5, 1, 95, 95, 95},
          Expected{9, 1, 10 / (5.0 / 95 + 0.5), 10 / (5.0 / 95 + 0.5), 10 / (5.0 / 95 + 0.5)}}) {
        const BandProfile& band = all[static_cast<size_t>(e.band)];
        EXPECT_EQ(band.count, e.count) << "band " << e.band;
        EXPECT_NEAR(*band.mean, e.mean, 1e-4) << "band " << e.band;
        EXPECT_NEAR(*band.least, e.least, 1e-4) << "band " << e.band;
        EXPECT_NEAR(*band.greatest, e.greatest, 1e-4) << "band " << e.band;
    }
    EXPECT_DOUBLE_EQ(all[9].top, 90);
    // Without block 4 no point reaches below 50 cm.
    const BandProfile deep = siteProfile(data, 1, 3)[5];
    EXPECT_EQ(deep.count, 0);
    EXPECT_FALSE(deep.mean || deep.least || deep.greatest);
}

// The rule in the settings: a stored value that is no positive number falls back to its default and
// is replaced; one written otherwise is rewritten as the program writes it.
TEST(ReportRule, KeptInTheSettings) {
    struct Case {
        const char* hard;
        const char* target;
        double hardLimit;
        std::optional<double> targetDepth;
        const char* storedHard;
        const char* storedTarget;
    };
    const Case cases[] = {
        {"", "", 0.7, std::nullopt, "", ""},         {"0.75", "40", 0.75, 40.0, "0.75", "40"},
        {"abc", "-3", 0.7, std::nullopt, "0.7", ""}, {"0", "1e400", 0.7, std::nullopt, "0.7", ""},
        {"0.50", "40.0", 0.5, 40.0, "0.5", "40"},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        IniSettings settings(folder.filePath(QStringLiteral("settings.ini")));
        settings.setValue(QStringLiteral("ReportHardLimit"), QString::fromUtf8(c.hard));
        settings.setValue(QStringLiteral("ReportTarget"), QString::fromUtf8(c.target));
        ReportRule rule;
        rule.load(settings);
        EXPECT_DOUBLE_EQ(rule.hardLimit, c.hardLimit) << c.hard;
        EXPECT_EQ(rule.target, c.targetDepth) << c.target;
        EXPECT_EQ(settings.value(QStringLiteral("ReportHardLimit")), QString::fromUtf8(c.storedHard))
            << c.hard;
        EXPECT_EQ(settings.value(QStringLiteral("ReportTarget")), QString::fromUtf8(c.storedTarget))
            << c.target;
    }
    QTemporaryDir folder;
    IniSettings settings(folder.filePath(QStringLiteral("settings.ini")));
    ReportRule{1.2, 35.5}.save(settings);
    ReportRule loaded;
    loaded.load(settings);
    EXPECT_DOUBLE_EQ(loaded.hardLimit, 1.2);
    EXPECT_EQ(loaded.target, 35.5);
}

}  // namespace
