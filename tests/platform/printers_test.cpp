#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/print/qtprinter.h"
#include "support/recordingsurface.h"

namespace {

// A page drawn again on another surface keeps every operation with its state.
TEST(RecordedPage, ReplaysEveryOperationWithItsState) {
    RecordingSurface page(1000, 1000);
    page.setLineWidth(5);
    page.line(10, 20, 30, 40);
    page.setDrawColor(0x0000FF);
    page.fillBox(1, 2, 3, 4);
    page.setFontName(QStringLiteral("ＭＳ 明朝"));
    page.setFontSize(12);
    page.moveTo(100, 200);
    page.printLine(QStringLiteral("調査名"));
    page.printLine(QStringLiteral("次"));

    RecordingSurface device(1000, 1000);
    page.replay(device);
    ASSERT_EQ(device.ops().size(), page.ops().size());
    for (size_t i = 0; i < page.ops().size(); ++i) {
        const DrawnOp& a = page.ops()[i];
        const DrawnOp& b = device.ops()[i];
        EXPECT_EQ(a.kind, b.kind);
        EXPECT_EQ(a.from, b.from);
        EXPECT_EQ(a.text, b.text);
        EXPECT_EQ(a.fontName, b.fontName);
        EXPECT_EQ(a.fontSize, b.fontSize);
        EXPECT_EQ(a.color, b.color);
        EXPECT_EQ(a.lineWidth, b.lineWidth);
    }
    EXPECT_EQ(device.texts()[1].from, QPointF(0, 200 + 240));
}

// Printing to a file from the print dialog: every page of the job lands in that one file, and a job
// without pages writes nothing.
TEST(QtPrinter, PutsTheJobsPagesIntoOneFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("job.pdf"));
    QtPrinter printer;
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setOutputFileName(path);
    EXPECT_EQ(printer.orientation(), Orientation::Portrait);
    EXPECT_FALSE(printer.finish());
    EXPECT_FALSE(QFile::exists(path));

    for (const char* text : {"一枚目", "二枚目"}) {
        RecordedPage page = printer.newPage();
        EXPECT_GT(page.width(), 10000);
        page.moveTo(1000, 1000);
        page.printLine(QString::fromUtf8(text));
        EXPECT_FALSE(printer.print(page));
    }
    EXPECT_FALSE(printer.finish());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    EXPECT_TRUE(
        QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("Pages:           2")));
}

// A job of both orientations: each page prints in its own on the file's paper; a page made after a
// turned one has the setting's orientation, and the setting is as it was once the job ends.
TEST(QtPrinter, TurnsThePaperForAPageOfTheOtherOrientation) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("turned.pdf"));
    QtPrinter printer;
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setOutputFileName(path);
    printer.printer().setPageSize(QPageSize(QPageSize::A4));
    RecordedPage wide = printer.newPageIn(Orientation::Landscape);
    EXPECT_GT(wide.width(), wide.height());
    for (RecordedPage page : {printer.newPage(), wide, printer.newPage()}) {
        page.line(100, 100, page.width() - 100, 100);
        EXPECT_FALSE(printer.print(page));
    }
    EXPECT_FALSE(printer.finish());
    EXPECT_EQ(printer.orientation(), Orientation::Portrait);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"),
               {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("3"), path});
    info.waitForFinished();
    const QString sizes = QString::fromUtf8(info.readAllStandardOutput());
    for (const char* line :
         {"Page    1 size:  595 x 842", "Page    2 size:  842 x 595", "Page    3 size:  595 x 842"})
        EXPECT_TRUE(sizes.contains(QString::fromUtf8(line))) << line << "\n" << sizes.toStdString();
}

}  // namespace
