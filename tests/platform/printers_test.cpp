#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/gui/translations.h"
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

// Runs `act` on the modal dialog of type T as soon as it is open.
template <typename T>
void whenOpen(const std::function<void(T& dialog)>& act) {
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            act(*dialog);
        }
    });
    poll->start(20);
}

// The texts a dialog shows that are English words: every text, tool tip and list entry without a
// Japanese character but with a word of three letters or more. Paper names are names, and stay.
QStringList englishTexts(QWidget& dialog) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    QStringList texts;
    const auto note = [&](const QString& text) {
        bool japanese = false;
        for (QChar c : text) japanese |= c.unicode() >= 0x3000;
        if (!japanese && text.contains(word) && !texts.contains(text)) texts << text;
    };
    note(dialog.windowTitle());
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        note(widget->toolTip());
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) note(button->text());
        if (auto* label = qobject_cast<QLabel*>(widget)) note(label->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget)) note(group->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i) note(tabs->tabText(i));
        if (auto* list = qobject_cast<QComboBox*>(widget);
            list && list->objectName() != QLatin1String("pageSizeCombo"))
            for (int i = 0; i < list->count(); ++i) note(list->itemText(i));
    }
    for (QAction* action : dialog.findChildren<QAction*>()) note(action->text());
    return texts;
}

// The print dialog, its printer properties and the preview speak Japanese: Qt's translation, and the
// application's for what it lacks.
TEST(PrintDialogs, SpeakJapanese) {
    installJapaneseQtTexts();
    QPrinter printer(QPrinter::HighResolution);
    QStringList english;
    whenOpen<QPrintDialog>([&](QPrintDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印刷"));
        english << englishTexts(dialog);
        whenOpen<QDialog>([&](QDialog& properties) {
            if (&properties == &dialog) return;
            english << englishTexts(properties);
            properties.reject();
            dialog.reject();
        });
        dialog.findChild<QPushButton*>(QStringLiteral("properties"))->click();
    });
    QPrintDialog dialog(&printer);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.exec();

    whenOpen<QPrintPreviewDialog>([&](QPrintPreviewDialog& preview) {
        english << englishTexts(preview);
        preview.reject();
    });
    QPrintPreviewDialog(&printer).exec();
    EXPECT_TRUE(english.isEmpty()) << english.join(QStringLiteral(" | ")).toStdString();
}

// The preview's print button hands the printing back to the job, which prints as 印刷 does; the
// preview prints nothing itself.
TEST(QtPrinter, PreviewsPrintButtonLeavesThePrintingToTheJob) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("preview.pdf"));
    QtPrinter printer;
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setOutputFileName(path);
    const auto compose = [](Printer& pages) {
        RecordedPage page = pages.newPage();
        page.moveTo(1000, 1000);
        page.printLine(QStringLiteral("試験様式"));
        EXPECT_FALSE(pages.print(page, {}));
    };
    struct Case {
        bool pressPrint;
        bool printAsked;
    };
    for (const Case& c : {Case{true, true}, Case{false, false}}) {
        whenOpen<QPrintPreviewDialog>([&](QPrintPreviewDialog& preview) {
            if (!c.pressPrint) return preview.reject();
            for (QAction* action : preview.findChildren<QAction*>())
                if (action->text() == QPrintPreviewDialog::tr("Print")) action->trigger();
        });
        EXPECT_EQ(printer.preview(compose), c.printAsked);
        EXPECT_FALSE(QFile::exists(path));
    }
}

}  // namespace
