#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <initializer_list>

#include "datafile/datafilewriter.h"
#include "model/testdata.h"
#include "support/programrun.h"

// The report job as a user runs it, its PDF read back with poppler's tools; a page of each kind goes to
// build/tests/report to be looked at.
namespace {

ProgramRun run(const QString& program, const QStringList& arguments) {
    return runProgram(program, arguments, 120000);
}

ProgramRun report(const QStringList& arguments) {
    return run(QStringLiteral(TERRAKO_BINARY), QStringList{QStringLiteral("report")} + arguments);
}

// One page's text as laid out, with runs of blanks made one and the wave dash of "～" as typed.
QString pageText(const QString& file, int page) {
    QString text = run(QStringLiteral("pdftotext"),
                       {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                        QStringLiteral("-l"), QString::number(page), file, QStringLiteral("-")})
                       .out;
    return text.replace(QRegularExpression(QStringLiteral("[ \u3000]+")), QStringLiteral(" "))
        .replace(QChar(u'〜'), QChar(u'～'));
}

void setBlock(TestData& data, int block, std::initializer_list<float> readings) {
    int drop = 0;
    for (float reading : readings) data.Measure[block][++drop] = reading;
    data.DropCount[block] = static_cast<qint16>(drop);
    data.PointNo[block] = QString::number(block);
    data.SurveyName[block] = QStringLiteral("北区中央公園");
}

class ReportJobTest : public testing::Test {
protected:
    QString write(const char* name, const TestData& data) {
        const QString path = out(name);
        EXPECT_FALSE(WriteDataFile(path, data));
        return path;
    }
    QString out(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
};

// Four points worked by hand: hard at 20.5 cm, never hard down to 45 cm, no drops, past 100 cm.
TEST_F(ReportJobTest, TheJudgementCountsAndBandsAsWorkedByHand) {
    TestData data;
    setBlock(data, 1, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 20.5f, 21});
    setBlock(data, 2, {3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45});
    setBlock(data, 3, {});
    setBlock(data, 4, {25, 50, 75, 100, 110, 110.5f});
    data.BlockCount = 4;
    const QString input = write("site.txt", data);
    const ProgramRun made =
        report({QStringLiteral("--target"), QStringLiteral("40"), input, out("report.pdf")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    // Cover, table, glance, profile, four forms.
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {out("report.pdf")})
                    .out.contains(QRegularExpression(QStringLiteral("Pages: +8\n"))));

    const QString cover = pageText(out("report.pdf"), 1);
    for (const QString& expected :
         {QStringLiteral("適 2 地点 不適 1 地点"), QStringLiteral("有効土層深の範囲: 20.5 ～ 110.5 cm"),
          QStringLiteral("打撃データのない地点（表と図には含めない）: ブロック 3"),
          QStringLiteral("4 地点（ブロック 1～4）"),
          QStringLiteral("0.7 cm/drop 以下となる最初の打撃までの深さ"),
          QStringLiteral("40 cm（有効土層深が目標深さ以上")})
        EXPECT_TRUE(cover.contains(expected)) << expected.toStdString() << "\n" << cover.toStdString();

    const QString table = pageText(out("report.pdf"), 2);
    for (const char* row : {"1 1 12 21 .* 20.5 1.75 20.5 不適", "2 2 15 45 .* 3.00 ≥45 適",
                            "4 4 6 110.5 .* 110.5 18.42 110.5 適"})
        EXPECT_TRUE(table.contains(QRegularExpression(QString::fromUtf8(row)))) << row << "\n"
                                                                                << table.toStdString();
    EXPECT_FALSE(table.contains(QRegularExpression(QStringLiteral("\n ?3 3 "))));

    const QString bands = pageText(out("report.pdf"), 4);
    for (const char* row : {"0～10 3 10.00 2.00 25.00 5 △", "20～30 3 9.50 0.50 25.00 5 △",
                            "40～50 2 14.00 3.00 25.00 5 △", "50～60 1 25.00 25.00 25.00 5 △"})
        EXPECT_TRUE(bands.contains(QString::fromUtf8(row))) << row << "\n" << bands.toStdString();

    // A harder rule and no forms: block 2 turns hard at 3 cm/drop.
    const ProgramRun harder =
        report({QStringLiteral("--hard"), QStringLiteral("3"), QStringLiteral("--no-forms"),
                QStringLiteral("--from"), QStringLiteral("2"), input, out("hard.pdf")});
    ASSERT_EQ(harder.exitCode, 0) << harder.err.toStdString();
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {out("hard.pdf")})
                    .out.contains(QRegularExpression(QStringLiteral("Pages: +4\n"))));
    EXPECT_TRUE(pageText(out("hard.pdf"), 1).contains(QStringLiteral("有効土層深の範囲: 3 ～ 110.5 cm")));
}

// A site of 24 points rendered: one picture of each kind of page.
TEST_F(ReportJobTest, EachKindOfPageRendered) {
    TestData data;
    for (int block = 1; block <= 24; ++block) {
        // Depths in tenths of a cm, as a counter reads them: soft, then firmer, then hard.
        int tenths = 0;
        int drop = 0;
        const int soft = 250 + 60 * (block % 7);
        while (tenths < 1040 && drop < 400) {
            const int step = tenths < soft         ? 14 + 9 * ((drop * 7 + block) % 5) / 2
                             : tenths < soft + 300 ? 8 + (drop + block) % 6
                                                   : 3 + (drop * 3 + block) % 5;
            tenths += step;
            data.Measure[block][++drop] = static_cast<float>(tenths) / 10;
            if (block % 5 == 0 && tenths > 800) break;
        }
        data.DropCount[block] = static_cast<qint16>(drop);
        data.PointNo[block] = QString::number(block);
        data.SurveyName[block] = QStringLiteral("北区中央公園 植栽基盤調査");
        data.TesterName[block] = QStringLiteral("佐藤");
        data.TestPlace[block] = QStringLiteral("第%1工区").arg((block - 1) / 8 + 1);
        data.TestYear[block] = QStringLiteral("2024");
        data.TestMonth[block] = QStringLiteral("05");
        data.TestDay[block] = QString::number(14 + (block - 1) / 10);
        data.DropHeight[block] = QStringLiteral("50cm");
    }
    data.BlockCount = 24;
    const QString input = write("site24.txt", data);
    const ProgramRun made =
        report({QStringLiteral("--target"), QStringLiteral("70"), input, out("site.pdf")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString folderPath = QStringLiteral(TERRAKO_REPORT_IMAGE_DIR);
    QDir().mkpath(folderPath);
    const std::pair<int, const char*> kinds[] = {
        {1, "cover"}, {2, "table"}, {3, "glance"}, {5, "profile"}, {6, "form"}};
    for (const auto& [page, name] : kinds) {
        const ProgramRun rendered =
            run(QStringLiteral("pdftoppm"),
                {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"),
                 QString::number(page), QStringLiteral("-l"), QString::number(page),
                 QStringLiteral("-singlefile"), out("site.pdf"),
                 folderPath + QLatin1Char('/') + QString::fromLatin1(name)});
        EXPECT_EQ(rendered.exitCode, 0) << name;
        EXPECT_TRUE(QFile::exists(folderPath + QLatin1Char('/') + QString::fromLatin1(name) +
                                  QStringLiteral(".png")));
    }
}

// A file without drops makes a cover saying so, with a warning; values that cannot be used are refused
// by name and leave the output as it was.
TEST_F(ReportJobTest, NoDropsWarnsAndBadValuesAreRefused) {
    TestData empty;
    empty.BlockCount = 2;
    const QString nothing = write("empty.txt", empty);
    const ProgramRun bare = report({nothing, out("bare.pdf")});
    EXPECT_EQ(bare.exitCode, 0);
    EXPECT_TRUE(bare.err.contains(QStringLiteral("警告: ブロック 1～2 には打撃データがありません。")))
        << bare.err.toStdString();
    EXPECT_TRUE(
        pageText(out("bare.pdf"), 1).contains(QStringLiteral("対象のブロックには打撃データがありません。")));

    TestData data;
    setBlock(data, 1, {1, 2, 3});
    data.BlockCount = 1;
    const QString input = write("one.txt", data);
    QFile kept(out("kept.pdf"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("old");
    kept.close();
    QFile notData(out("notdata.txt"));
    ASSERT_TRUE(notData.open(QIODevice::WriteOnly));
    notData.write("hello\r\n");
    notData.close();
    struct Case {
        QStringList options;
        int exitCode;
        const char* named;
    };
    const Case cases[] = {
        {{QStringLiteral("--target"), QStringLiteral("0")}, 1, "--target の値 0 は使えません"},
        {{QStringLiteral("--target"), QStringLiteral("-5")}, 1, "--target の値 -5 は使えません"},
        {{QStringLiteral("--target"), QStringLiteral("deep")}, 1, "--target の値 deep は使えません"},
        {{QStringLiteral("--hard"), QStringLiteral("0")}, 1, "--hard の値 0 は使えません"},
        {{QStringLiteral("--hard"), QStringLiteral("-0.7")}, 1, "--hard の値 -0.7 は使えません"},
        {{QStringLiteral("--from"), QStringLiteral("2")}, 1, "ブロック 2 はありません（1～1）"},
        {{QStringLiteral("--to"), QStringLiteral("0")}, 1, "ブロック 0 はありません"},
    };
    for (const Case& c : cases) {
        const ProgramRun refused = report(c.options + QStringList{input, out("kept.pdf")});
        EXPECT_EQ(refused.exitCode, c.exitCode) << c.named;
        EXPECT_TRUE(refused.err.contains(QString::fromUtf8(c.named))) << refused.err.toStdString();
    }
    EXPECT_EQ(report({out("notdata.txt"), out("kept.pdf")}).exitCode, 2);
    EXPECT_EQ(report({input, input}).exitCode, 1);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
}

}  // namespace
