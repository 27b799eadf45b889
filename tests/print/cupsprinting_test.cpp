#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "diagram/displaysettings.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/print/qtprinter.h"
#include "print/printjob.h"
#include "support/pdfcontent.h"
#include "support/printdialogscript.h"
#include "support/scripteddialogs.h"

// Printing through a real CUPS queue: a scheduler of the test's own (tools/private-cups) on a private
// socket, with a printer whose backend keeps every job as a file. The program finds it as it finds
// the system's printers, through CUPS_SERVER.
namespace {

struct NoEvents : EventPump {
    void processPendingEvents() override {}
};

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A job as it reached the printer.
struct Job {
    QString pdf;
    QString title;
    QString options;
};

class PrivateCups {
public:
    PrivateCups() {
        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start(QStringLiteral(TERRAKO_PRIVATE_CUPS), {folder_.path()});
        // The program's printers come from the scheduler CUPS_SERVER names, once it answers.
        qputenv("CUPS_SERVER", folder_.filePath(QStringLiteral("cups.sock")).toUtf8());
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 20000 && cupsd_.state() != QProcess::NotRunning) {
            if (QPrinterInfo::availablePrinterNames().contains(QStringLiteral("terrako"))) return;
            QTest::qWait(100);
        }
        cupsd_.kill();
        cupsd_.waitForFinished(5000);
        failure_ = QString::fromUtf8(cupsd_.readAll()).trimmed();
        if (failure_.isEmpty()) failure_ = QStringLiteral("it did not answer within 20 seconds");
    }
    ~PrivateCups() {
        if (cupsd_.state() == QProcess::NotRunning) return;
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000)) cupsd_.kill();
        cupsd_.waitForFinished(5000);
    }

    bool running() const { return failure_.isEmpty(); }
    const QString& failure() const { return failure_; }

    // The jobs that reached the printer since the last call, waiting until there are `count` of them.
    std::vector<Job> nextJobs(size_t count) {
        const QDir out(folder_.filePath(QStringLiteral("out")));
        QElapsedTimer waited;
        waited.start();
        QStringList files;
        do {
            QTest::qWait(50);
            files = out.entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
        } while (static_cast<size_t>(files.size()) < seen_ + count && waited.elapsed() < 30000);
        std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {  // job-N.pdf
            return a.mid(4).chopped(4).toInt() < b.mid(4).chopped(4).toInt();
        });
        std::vector<Job> jobs;
        for (qsizetype i = static_cast<qsizetype>(seen_); i < files.size(); ++i) {
            const QString stem = out.filePath(files[i].chopped(4));
            jobs.push_back({stem + QStringLiteral(".pdf"), text(stem + QStringLiteral(".title")),
                            text(stem + QStringLiteral(".options"))});
        }
        seen_ = static_cast<size_t>(files.size());
        return jobs;
    }

private:
    static QString text(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
    }

    QTemporaryDir folder_;
    QProcess cupsd_;
    QString failure_;
    size_t seen_ = 0;
};

class CupsPrintingTest : public testing::Test {
protected:
    static void SetUpTestSuite() { cups = new PrivateCups; }
    static void TearDownTestSuite() {
        delete cups;
        cups = nullptr;
    }

    CupsPrintingTest() {
        for (int block = 1; block <= 5; ++block) {
            float depth = 0;
            for (int drop = 1; drop <= 30; ++drop) data.Measure[block][drop] = depth += 0.4f * (1 + drop % 7);
            data.DropCount[block] = 30;
            data.SurveyName[block] = QStringLiteral("河川敷 第%1地点").arg(block);
        }
        data.BlockCount = 5;
        data.CurBlock = 1;
    }

    void SetUp() override {
        if (!cups->running())
            GTEST_SKIP() << "cupsd could not be started here, so no real queue is tested: "
                         << cups->failure().toStdString();
        ASSERT_EQ(printer.printer().printerName(), QStringLiteral("terrako"));
    }

    PrintJobParts parts() {
        return {data, display, printer, status, events, [](const QString&, const QString&) {}};
    }

    // The titles of the jobs, and each one page of A4 in the orientation asked for, fonts embedded.
    static std::vector<QString> checkedTitles(const std::vector<Job>& jobs, const char* pageSize) {
        std::vector<QString> titles;
        for (const Job& job : jobs) {
            titles.push_back(job.title);
            const QString info = run(QStringLiteral("pdfinfo"), {job.pdf});
            EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))))
                << info.toStdString();
            EXPECT_TRUE(info.contains(QString::fromLatin1(pageSize))) << info.toStdString();
            const QStringList fonts = run(QStringLiteral("pdffonts"), {job.pdf}).split(QLatin1Char('\n'));
            EXPECT_GT(fonts.size(), 3);  // the heading, its rule and a font at least
            for (qsizetype line = 2; line < fonts.size(); ++line) {
                const QStringList columns = fonts[line].split(QLatin1Char(' '), Qt::SkipEmptyParts);
                if (columns.size() < 5) continue;
                EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << fonts[line].toStdString();
            }
            // Every block prints every page it gets: the chosen pages are the jobs themselves.
            EXPECT_FALSE(job.options.contains(QStringLiteral("page-ranges"))) << job.options.toStdString();
            EXPECT_FALSE(job.options.contains(QStringLiteral("page-set"))) << job.options.toStdString();
        }
        return titles;
    }

    // The dotted lines of the job's page, each of dots 15 twips long every 45.
    static int dottedLines(const Job& job) {
        QFile file(job.pdf);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const std::vector<DottedLine> lines = dottedLinesOf(strokesOf(file.readAll()));
        for (const DottedLine& line : lines) {
            EXPECT_NEAR(line.dotLength, 0.75, 0.06);  // in whole device units
            EXPECT_NEAR(line.period, 2.25, 0.01);
        }
        return static_cast<int>(lines.size());
    }

    static QString titleOf(const char* blocks) {
        return QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ (ブロック番号 = %1)").arg(QString::fromUtf8(blocks));
    }

    static PrivateCups* cups;
    TestData data;
    DisplaySettings display;
    QtPrinter printer;
    QuietStatus status;
    NoEvents events;
    ScriptedDialogs dialogs;
};

PrivateCups* CupsPrintingTest::cups = nullptr;

TEST_F(CupsPrintingTest, ThreeFormsAreThreeJobsOfOnePortraitPageEach) {
    whenPrintDialogOpens([](QPrintDialog& dialog) { choosePageRange(dialog, 2, 4); });
    PrintTestForms(parts(), dialogs, nullptr, {});
    const std::vector<Job> jobs = cups->nextJobs(3);
    ASSERT_EQ(jobs.size(), 3u);
    EXPECT_EQ(checkedTitles(jobs, "595 x 842 pts (A4)"),
              (std::vector<QString>{titleOf("2"), titleOf("3"), titleOf("4")}));
    for (const Job& job : jobs) EXPECT_EQ(dottedLines(job), 4);  // the class boundaries
    EXPECT_TRUE(run(QStringLiteral("pdftotext"), {jobs[1].pdf, QStringLiteral("-")})
                    .contains(QStringLiteral("河川敷 第3地点")));
}

// A list of pages, and the odd pages of a range that starts at an even one, print as chosen.
TEST_F(CupsPrintingTest, PageListsAndOddOrEvenPagesPrintAsChosen) {
    whenPrintDialogOpens([](QPrintDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("pagesRadioButton"))->setChecked(true);
        dialog.findChild<QLineEdit*>(QStringLiteral("pagesLineEdit"))->setText(QStringLiteral("1,4-5"));
    });
    PrintTestForms(parts(), dialogs, nullptr, {});
    EXPECT_EQ(checkedTitles(cups->nextJobs(3), "595 x 842 pts (A4)"),
              (std::vector<QString>{titleOf("1"), titleOf("4"), titleOf("5")}));

    struct Case {
        int set;  // the dialog's page set: 1 odd pages, 2 even pages
        std::vector<QString> titles;
    };
    for (const Case& c : {Case{1, {titleOf("3"), titleOf("5")}}, Case{2, {titleOf("2"), titleOf("4")}}}) {
        whenPrintDialogOpens([&c](QPrintDialog& dialog) {
            choosePageRange(dialog, 2, 5);
            dialog.findChild<QComboBox*>(QStringLiteral("pageSetCombo"))->setCurrentIndex(c.set);
        });
        PrintTestForms(parts(), dialogs, nullptr, {});
        EXPECT_EQ(checkedTitles(cups->nextJobs(2), "595 x 842 pts (A4)"), c.titles) << c.set;
    }
}

TEST_F(CupsPrintingTest, ADiagramSheetArrivesLandscape) {
    printer.printer().setPageOrientation(QPageLayout::Landscape);
    whenPrintDialogOpens([](QPrintDialog& dialog) { choosePageRange(dialog, 1, 1); });
    PrintDiagramSheets(parts(), dialogs, {});
    const std::vector<Job> jobs = cups->nextJobs(1);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(checkedTitles(jobs, "842 x 595 pts (A4)"), std::vector<QString>{titleOf("1")});
    EXPECT_EQ(dottedLines(jobs[0]), 4);
}

}  // namespace
