#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

#include "counter/counterlink.h"
#include "counter/portsetting.h"
#include "datafile/datafilewriter.h"
#include "diagram/displaysettings.h"
#include "mainwin/frmMain.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/print/qtprinter.h"
#include "platform/serial/qtserialline.h"
#include "platform/settings.h"
#include "print/printjob.h"
#include "support/pdfcontent.h"
#include "support/printdialogscript.h"
#include "support/scripteddialogs.h"

// A page printed through the printer, at any resolution and from the windows, draws what the pdf job
// writes: the same lines, as wide, as dotted. The forms are also rendered side by side as PNG files
// under build-test/tests/print, to be looked at.
namespace {

struct NoEvents : EventPump {
    void processPendingEvents() override {}
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The strokes of two documents match: as many, each as wide, in the same place (to within the
// coarser of the resolutions).
void expectSameStrokes(const std::vector<PdfStroke>& printed, const std::vector<PdfStroke>& reference) {
    ASSERT_EQ(printed.size(), reference.size());
    for (size_t i = 0; i < printed.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(printed[i].width, reference[i].width, 0.005);
        EXPECT_NEAR(printed[i].from.x(), reference[i].from.x(), 0.3);
        EXPECT_NEAR(printed[i].from.y(), reference[i].from.y(), 0.3);
        EXPECT_NEAR(printed[i].to.x(), reference[i].to.x(), 0.3);
        EXPECT_NEAR(printed[i].to.y(), reference[i].to.y(), 0.3);
    }
}

QImage greyImage(const QString& file) {
    return QImage(file).convertToFormat(QImage::Format_Grayscale8);
}

// The pixels of `a` of which no pixel of `b` within one pixel is of a like grey: where the two images
// differ more than by the rounding of a line's place.
qint64 pixelsApart(const QImage& a, const QImage& b) {
    qint64 apart = 0;
    for (int y = 1; y + 1 < a.height(); ++y) {
        for (int x = 1; x + 1 < a.width(); ++x) {
            const int grey = qGray(a.pixel(x, y));
            bool like = false;
            for (int dy = -1; dy <= 1 && !like; ++dy)
                for (int dx = -1; dx <= 1 && !like; ++dx)
                    like = std::abs(grey - qGray(b.pixel(x + dx, y + dy))) <= 64;
            apart += !like;
        }
    }
    return apart;
}

class SamePaperTest : public testing::Test {
protected:
    SamePaperTest() {
        const float penetrations[] = {6.0f, 1.2f, 0.6f, 0.9f, 2.5f, 0.4f, 1.6f, 0.8f, 0.5f, 0.7f};
        for (int block = 1; block <= 3; ++block) {
            float depth = 0;
            for (int drop = 1; drop <= 60; ++drop)
                data.Measure[block][drop] = depth += penetrations[drop % 10];
            data.DropCount[block] = 60;
            data.SurveyName[block] = QStringLiteral("北区公園造成地");
            data.TesterName[block] = QStringLiteral("佐藤");
            data.TestPlace[block] = QStringLiteral("右岸");
            data.TestYear[block] = QStringLiteral("2001");
            data.TestMonth[block] = QStringLiteral("04");
            data.TestDay[block] = QStringLiteral("15");
            data.PointNo[block] = QString::number(block);
            data.DropHeight[block] = QStringLiteral("50cm");
        }
        data.BlockCount = 3;
        data.ExtFormat = 1;
        EXPECT_FALSE(WriteDataFile(path("site.txt"), data));
    }

    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    // Block `block`'s test form as the pdf job writes it.
    QByteArray pdfJobForm(int block) {
        QProcess job;
        job.start(QStringLiteral(TERRAKO_BINARY),
                  {QStringLiteral("pdf"), QStringLiteral("--from"), QString::number(block),
                   QStringLiteral("--to"), QString::number(block), path("site.txt"), path("job.pdf")});
        EXPECT_TRUE(job.waitForFinished(60000));
        EXPECT_EQ(job.exitCode(), 0) << job.readAllStandardError().toStdString();
        return contents(path("job.pdf"));
    }

    // A PDF file through the printer, as printing to a file from the print dialog makes it.
    static void printToFile(QtPrinter& printer, const QString& file) {
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        printer.printer().setOutputFileName(file);
    }

    QTemporaryDir folder;
    TestData data;
    DisplaySettings display;
};

TEST_F(SamePaperTest, AFormPrintedAtAnyResolutionDrawsAsThePdfJobWritesIt) {
    const std::vector<PdfStroke> reference = strokesOf(pdfJobForm(2));
    ASSERT_GT(reference.size(), 100u);
    // The class boundaries, dotted over the full depth: dots of 15 twips (0.75 pt) every 45, 1/600
    // inch wide.
    const std::vector<DottedLine> dotted = dottedLinesOf(reference);
    ASSERT_EQ(dotted.size(), 4u);
    for (const DottedLine& line : dotted) {
        EXPECT_NEAR(line.from.x(), line.to.x(), 0.1);
        EXPECT_NEAR(line.from.y() - line.to.y(), 9500 / 20.0, 1);  // 4750..14250 twips
        EXPECT_NEAR(line.dotLength, 0.75, 0.06);                   // in whole device units
        EXPECT_NEAR(line.period, 2.25, 0.01);
    }
    EXPECT_NEAR(reference.back().width, 0.12, 1e-9);

    for (const int dotsPerInch : {300, 1200}) {
        SCOPED_TRACE(dotsPerInch);
        QtPrinter printer;
        const QString file = path("printed.pdf");
        printToFile(printer, file);
        printer.printer().setResolution(dotsPerInch);
        QuietStatus status;
        NoEvents events;
        data.CurBlock = 1;
        const PrintOutcome outcome = printTestFormRange(
            {data, display, printer, status, events, [](const QString&, const QString&) {}}, {2}, {});
        EXPECT_FALSE(outcome.failure);
        expectSameStrokes(strokesOf(contents(file)), reference);
    }
}

// The main window's 印刷, printing block 2 to a PDF file, beside the pdf job's form of block 2.
TEST_F(SamePaperTest, AFormPrintedFromTheWindowCannotBeToldFromThePdfJobs) {
    PortSetting port;
    CounterLink link{std::make_unique<QtSerialLine>()};
    ScriptedDialogs dialogs;
    IniSettings settings(path("settings.ini"));
    QtPrinter printer;
    frmMain window({data, display, port, link, dialogs, settings, printer});
    window.show();
    ASSERT_TRUE(window.commands().files.openFile(path("site.txt")));
    printToFile(printer, path("window.pdf"));
    whenPrintDialogOpens([](QPrintDialog& dialog) { choosePageRange(dialog, 2, 2); });
    window.mnuPrint->trigger();

    const QByteArray printed = contents(path("window.pdf"));
    expectSameStrokes(strokesOf(printed), strokesOf(pdfJobForm(2)));

    // Rendered side by side, hardly a pixel differs.
    const QString images = QStringLiteral(TERRAKO_PRINT_IMAGE_DIR);
    QDir().mkpath(images);
    for (const auto& [pdf, name] :
         {std::pair{path("window.pdf"), "window-form"}, {path("job.pdf"), "pdfjob-form"}})
        EXPECT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                    {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                                     QStringLiteral("-singlefile"), pdf, images + QLatin1Char('/') + name}),
                  0);
    const QImage fromWindow = greyImage(images + QStringLiteral("/window-form.png"));
    const QImage fromJob = greyImage(images + QStringLiteral("/pdfjob-form.png"));
    ASSERT_EQ(fromWindow.size(), fromJob.size());
    const qint64 apart = pixelsApart(fromWindow, fromJob) + pixelsApart(fromJob, fromWindow);
    EXPECT_LT(apart, qint64(fromJob.width()) * fromJob.height() / 2000) << apart;
}

}  // namespace
