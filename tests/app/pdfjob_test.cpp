#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "datafile/datafilewriter.h"
#include "model/testdata.h"
#include "support/programrun.h"

// The pdf job as a user runs it, its PDF read back with poppler's tools; page images go to
// build/tests/diagrams to be looked at.
namespace {

ProgramRun run(const QString& program, const QStringList& arguments) {
    return runProgram(program, arguments, 60000);
}

ProgramRun pdf(const QStringList& arguments) {
    return run(QStringLiteral(TERRAKO_BINARY), QStringList{QStringLiteral("pdf")} + arguments);
}

class PdfJobTest : public testing::Test {
protected:
    PdfJobTest() {
        TestData data;
        const float penetrations[] = {6.0f, 1.2f, 0.6f, 0.9f, 2.5f, 0.4f, 1.6f, 0.8f, 0.5f, 0.7f};
        for (int block = 1; block <= 5; ++block) {
            float depth = 0;
            for (int drop = 1; drop <= 40; ++drop)
                data.Measure[block][drop] = depth += penetrations[drop % 10];
            data.DropCount[block] = 40;
            data.SurveyName[block] = QStringLiteral("北区公園造成地");
            data.TesterName[block] = QStringLiteral("佐藤");
            data.TestYear[block] = QStringLiteral("2001");
            data.TestMonth[block] = QStringLiteral("04");
            data.TestDay[block] = QStringLiteral("15");
            data.PointNo[block] = QString::number(block + 2);
            data.DropHeight[block] = QStringLiteral("50cm");
        }
        data.SurveyName[5] = QString(40, QChar(u'長'));
        data.BlockCount = 5;
        data.ExtFormat = 1;
        input = folder.filePath(QStringLiteral("site.txt"));
        EXPECT_FALSE(WriteDataFile(input, data));
    }

    QString out(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    static QString info(const QString& file) { return run(QStringLiteral("pdfinfo"), {file}).out; }
    static QString text(const QString& file, int page) {
        return run(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                    file, QStringLiteral("-")})
            .out;
    }
    static void image(const QString& file, const char* name) {
        QDir().mkpath(QStringLiteral(TERRAKO_DIAGRAM_IMAGE_DIR));
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
             QStringLiteral("-singlefile"), file,
             QStringLiteral(TERRAKO_DIAGRAM_IMAGE_DIR "/") + QString::fromLatin1(name)});
    }

    QTemporaryDir folder;
    QString input;
};

TEST_F(PdfJobTest, TestFormsAPageEachOnA4PortraitWithEveryText) {
    const ProgramRun forms =
        pdf({QStringLiteral("--color"), QStringLiteral("--jhs"), input, out("forms.pdf")});
    EXPECT_EQ(forms.exitCode, 0) << forms.err.toStdString();
    // The name of block 5 is too long: a warning, and the page still printed.
    EXPECT_TRUE(forms.err.contains(QStringLiteral("警告: 調査名称が印刷可能文字数を越えました。")));
    const QString pages = info(out("forms.pdf"));
    EXPECT_TRUE(pages.contains(QRegularExpression(QStringLiteral("Pages: +5\n")))) << pages.toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("595 x 842 pts (A4)")));
    const QString first = text(out("forms.pdf"), 1);
    for (const QString& expected :
         {QStringLiteral("調査名"), QStringLiteral("北区公園造成地"), QStringLiteral("試験者名"),
          QStringLiteral("佐藤"), QStringLiteral("試験年月日"), QStringLiteral("2001年04月15日"),
          QStringLiteral("No.3"), QStringLiteral("落錘落下高"), QStringLiteral("50cm"),
          QStringLiteral("JHS 604"), QStringLiteral("試験様式"), QStringLiteral("貫入量(cm)"),
          QStringLiteral("240"), QStringLiteral("SOFTNESS")})
        EXPECT_TRUE(first.contains(expected)) << expected.toStdString();
    EXPECT_TRUE(first.simplified().remove(QLatin1Char(' ')).contains(QStringLiteral("長谷川式土壌貫入試験")));
    image(out("forms.pdf"), "test-form-page");

    const ProgramRun two = pdf({QStringLiteral("--from"), QStringLiteral("2"), QStringLiteral("--to"),
                                QStringLiteral("3"), input, out("two.pdf")});
    EXPECT_EQ(two.exitCode, 0);
    EXPECT_TRUE(info(out("two.pdf")).contains(QRegularExpression(QStringLiteral("Pages: +2\n"))));
    EXPECT_TRUE(text(out("two.pdf"), 1).contains(QStringLiteral("No.4")));
}

TEST_F(PdfJobTest, DiagramSheetsThreeDiagramsEachOnA4Landscape) {
    const ProgramRun sheets = pdf({QStringLiteral("--sheet"), input, out("sheets.pdf")});
    EXPECT_EQ(sheets.exitCode, 0) << sheets.err.toStdString();
    const QString pages = info(out("sheets.pdf"));
    EXPECT_TRUE(pages.contains(QRegularExpression(QStringLiteral("Pages: +3\n")))) << pages.toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("842 x 595 pts (A4)")));
    const QString first = text(out("sheets.pdf"), 1);
    for (const QString& expected :
         {QStringLiteral("北区公園造成地"), QStringLiteral("グラフの凡例"), QStringLiteral("SOFTNESS")})
        EXPECT_TRUE(first.contains(expected)) << expected.toStdString();
    // The full-width tilde comes back as the wave dash its glyph also stands for.
    EXPECT_TRUE(first.contains(QRegularExpression(QStringLiteral("4\\.0 [～〜]"))));
    image(out("sheets.pdf"), "diagram-sheet-page");

    // The title block carries the texts of the first block printed: block 5's name is too long.
    const ProgramRun last = pdf(
        {QStringLiteral("--sheet"), QStringLiteral("--from"), QStringLiteral("5"), input, out("last.pdf")});
    EXPECT_EQ(last.exitCode, 0);
    EXPECT_TRUE(last.err.contains(QStringLiteral("調査名称が印刷可能文字数を越えました。")));
}

TEST_F(PdfJobTest, FailuresLeaveTheOutputAsItWas) {
    QFile kept(out("kept.pdf"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("old");
    kept.close();
    QFile notData(out("notdata.txt"));
    ASSERT_TRUE(notData.open(QIODevice::WriteOnly));
    notData.write("hello\r\n");
    notData.close();
    struct Case {
        QStringList arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{out("notdata.txt"), out("kept.pdf")}, 2},
        {{QStringLiteral("--from"), QStringLiteral("6"), input, out("kept.pdf")}, 1},
        {{QStringLiteral("--fill"), QStringLiteral("4"), input, out("kept.pdf")}, 1},
        {{QStringLiteral("--color"), QStringLiteral("--mono"), input, out("kept.pdf")}, 1},
        {{QStringLiteral("--sheet"), QStringLiteral("--jhs"), input, out("kept.pdf")}, 1},
        {{input, out("kept.pdf/x.pdf")}, 1},
    };
    for (const Case& c : cases) {
        const ProgramRun failed = pdf(c.arguments);
        EXPECT_EQ(failed.exitCode, c.exitCode) << c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(failed.err.isEmpty());
    }
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
}

}  // namespace
