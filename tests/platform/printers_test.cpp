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
        EXPECT_FALSE(printer.print(page, QString::fromUtf8(text)));
    }
    EXPECT_FALSE(printer.finish());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    EXPECT_TRUE(
        QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("Pages:           2")));
}

}  // namespace
