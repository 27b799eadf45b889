#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <vector>

#include "diagram/displaysettings.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "print/diagramsheet.h"
#include "print/printjob.h"
#include "print/printprogress.h"
#include "support/recordingsurface.h"
#include "support/scripteddialogs.h"
#include "support/scriptedprinter.h"

namespace {

// The status window as a test sees it: what it said, and a way to press its cancel button.
class RecordingStatus : public PrintStatusView, private ProgressSink {
public:
    void openFor(PrintProgress& job) override { job_ = &job; }
    void setStatus(const QString& text) override {
        texts.push_back(text);
        barAtText.push_back(bar_);
    }
    void setMaximum(int maximum) override { maxima.push_back(maximum); }
    ProgressSink& bar() override { return *this; }
    void dismiss() override { job_ = nullptr; }
    void cancel() { job_->PrintCancel = 1; }

    std::vector<QString> texts;
    std::vector<int> barAtText;  // where the bar stood when each text was shown
    std::vector<int> maxima;
    int bar_ = 0;

private:
    void setProgress(int value) override { bar_ = value; }
    PrintProgress* job_ = nullptr;
};

struct NoEvents : EventPump {
    void processPendingEvents() override {}
};

// Four blocks, the third without readings; block 2 shown.
class PrintJobTest : public testing::Test {
protected:
    PrintJobTest() {
        for (int block : {1, 2, 4}) {
            for (int drop = 1; drop <= 10; ++drop) data.Measure[block][drop] = 1.5f * drop;
            data.DropCount[block] = 10;
            data.SurveyName[block] = QStringLiteral("現場%1").arg(block);
        }
        data.BlockCount = 4;
        data.CurBlock = 2;
    }

    PrintJobParts parts() {
        return {data,
                display,
                printer,
                status,
                events,
                [this](const QString& text, const QString& title) { dialogs.message(text, Buttons::Ok, title); }};
    }
    // The survey name printed on a test form.
    QString nameOn(const RecordedPage& page) {
        for (const DrawnOp& text : page.texts())
            if (text.from == QPointF(2400, 2100)) return text.text;
        return {};
    }

    TestData data;
    DisplaySettings display;
    ScriptedPrinter printer;
    RecordingStatus status;
    NoEvents events;
    ScriptedDialogs dialogs;
};

TEST_F(PrintJobTest, TestFormsFromTheShownBlockOnAPageEachUntilCancelled) {
    int stores = 0;
    PrintTestForms(parts(), dialogs, [&] { ++stores; }, {});
    EXPECT_EQ(stores, 1);
    ASSERT_EQ(printer.dialogs.size(), 1u);
    EXPECT_EQ(printer.dialogs[0].min, 1);
    EXPECT_EQ(printer.dialogs[0].max, 4);
    EXPECT_EQ(printer.dialogs[0].from, 2);
    ASSERT_EQ(printer.pages.size(), 3u);  // blocks 2, 3 (no readings, still printed) and 4
    EXPECT_EQ(nameOn(printer.pages[0]), QStringLiteral("現場2"));
    EXPECT_EQ(nameOn(printer.pages[2]), QStringLiteral("現場4"));
    EXPECT_EQ(status.texts[1], QStringLiteral(" 2/3を印刷中 (ブロック番号 = 3)"));
    EXPECT_EQ(data.CurBlock, 2);
    EXPECT_EQ(printer.finishes, 1);

    // A cancel during the second of three pages: that page is finished, the third never starts.
    struct CancelDuringSecondPage : EventPump {
        explicit CancelDuringSecondPage(RecordingStatus& status) : status(status) {}
        void processPendingEvents() override {
            if (++calls == 2) status.cancel();
        }
        RecordingStatus& status;
        int calls = 0;
    } cancelling(status);
    printer.pages.clear();
    const PrintJobParts all = parts();
    printTestFormRange({data, display, printer, status, cancelling, all.warn}, blocksIn({1, 3}), {});
    EXPECT_EQ(printer.pages.size(), 2u);
    EXPECT_EQ(data.CurBlock, 2);
}

TEST_F(PrintJobTest, RefusalsPrintNothing) {
    dialogs.expect(QStringLiteral("データが読込まれていません。"));
    data.CurBlock = 3;
    PrintTestForms(parts(), dialogs, nullptr, {});
    data.CurBlock = 2;
    printer.cancelDialog = true;
    PrintTestForms(parts(), dialogs, nullptr, {});
    printer.cancelDialog = false;
    printer.chosenOrientation = Orientation::Landscape;
    dialogs.expect(QStringLiteral("[プリンタの設定]で印刷の向きを「縦」に設定して下さい。"));
    PrintTestForms(parts(), dialogs, nullptr, {});
    printer.chosenOrientation = Orientation::Portrait;
    dialogs.expect(QStringLiteral("[プリンタの設定]で印刷の向きを「横」に設定して下さい。"));
    PrintDiagramSheets(parts(), dialogs, {});
    // A PDF file chosen in the print dialog that is the open data file, by another name.
    QTemporaryDir folder;
    data.DataFileName = folder.filePath(QStringLiteral("site.txt"));
    QFile(data.DataFileName).open(QIODevice::WriteOnly);
    printer.chosenFile = folder.filePath(QStringLiteral("./site.txt"));
    dialogs.expect(
        QStringLiteral("ファイル%1は開いているデータファイルです。別のファイル名を指定して下さい。")
            .arg(printer.chosenFile));
    PrintTestForms(parts(), dialogs, nullptr, {});
    printer.chosenFile.clear();
    EXPECT_TRUE(printer.pages.empty());

    printer.chosenOrientation = Orientation::Portrait;
    printer.failure = QStringLiteral("紙がありません");
    dialogs.expect(QStringLiteral("印刷できませんでした。\n(紙がありません)"));
    PrintTestForms(parts(), dialogs, nullptr, {});
    EXPECT_EQ(dialogs.shown().back().title, QStringLiteral("印刷エラー"));
    EXPECT_EQ(data.CurBlock, 2);
}

TEST_F(PrintJobTest, SheetsHoldTheTitleAndThreeDiagramsEach) {
    printer.chosenOrientation = Orientation::Landscape;
    std::vector<int> filled;
    SheetOptions options;
    options.fill = [&](Surface&, int CuPage, PrintProgress&, EventPump&) { filled.push_back(CuPage); };
    data.BlockCount = 5;
    for (int drop = 1; drop <= 10; ++drop) data.Measure[5][drop] = 2.0f * drop;
    data.DropCount[5] = 10;
    data.CurBlock = 1;
    PrintDiagramSheets(parts(), dialogs, options);
    EXPECT_EQ(filled, (std::vector<int>{1, 2, 0, 1, 2}));
    ASSERT_EQ(printer.pages.size(), 3u);
    // The first diagram lies in the right slot of the first sheet, beside the title block.
    double rightmost = 0;
    for (const DrawnOp& line : printer.pages[0].lines()) rightmost = std::max(rightmost, line.to.x());
    EXPECT_GE(rightmost, 15000);
    EXPECT_EQ(printer.documents, (std::vector<QString>{QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ (ブロック番号 = 1)"),
                                                       QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ (ブロック番号 = 2～4)"),
                                                       QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ (ブロック番号 = 5)")}));

    // One block: one sheet. A cancel before the second block drops the sheet it was on.
    printer.pages.clear();
    printer.chosenPages = PageSelection{{{2, 2}}};
    PrintDiagramSheets(parts(), dialogs, options);
    EXPECT_EQ(printer.pages.size(), 1u);
    printer.pages.clear();
    printer.chosenPages = PageSelection{{{1, 3}}};
    options.fill = [&](Surface&, int CuPage, PrintProgress&, EventPump&) {
        if (CuPage == 2) status.cancel();
    };
    dialogs.expect(QStringLiteral("印刷を中止しました。\n1枚を印刷しました (ブロック番号 = 1)。"));
    PrintDiagramSheets(parts(), dialogs, options);
    EXPECT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(data.CurBlock, 1);
}

TEST_F(PrintJobTest, PrintsThePagesChosenAndOnlyBlocksOfTheData) {
    using Parity = PageSelection::Parity;
    struct Case {
        PageSelection chosen;
        std::vector<QString> names;  // printed, in order
        const char* refusal;
    };
    const Case cases[] = {
        {{{{2, 2}, {4, 4}}}, {"現場2", "現場4"}, nullptr},
        {{{{4, 4}, {1, 2}, {2, 2}}}, {"現場4", "現場1", "現場2"}, nullptr},
        {{{{1, 4}}, Parity::Odd}, {"現場1", ""}, nullptr},
        {{{{2, 4}}, Parity::Even}, {"現場2", "現場4"}, nullptr},
        {{{{3, 7}}}, {}, "ブロック番号 5～7 はありません。\n1～4 の範囲で指定して下さい。"},
        {{{{1, 1}, {101, 200}, {300, 300}}},
         {},
         "ブロック番号 101～200, 300 はありません。\n1～4 の範囲で指定して下さい。"},
        {{{{2, 2}}, Parity::Odd}, {}, "指定された範囲に印刷するページがありません。"},
    };
    for (const Case& c : cases) {
        printer.pages.clear();
        printer.chosenPages = c.chosen;
        if (c.refusal) dialogs.expect(QString::fromUtf8(c.refusal));
        PrintTestForms(parts(), dialogs, nullptr, {});
        std::vector<QString> names;
        for (const RecordedPage& page : printer.pages) names.push_back(nameOn(page));
        EXPECT_EQ(names, c.names) << (c.refusal ? c.refusal : "");
        if (c.refusal) {
            EXPECT_EQ(dialogs.shown().back().title, QStringLiteral("印刷範囲"));
        }
    }
    // Diagram sheets take the same choice.
    printer.pages.clear();
    printer.chosenOrientation = Orientation::Landscape;
    printer.chosenPages = PageSelection{{{4, 5}}};
    dialogs.expect(QStringLiteral("ブロック番号 5 はありません。\n1～4 の範囲で指定して下さい。"));
    PrintDiagramSheets(parts(), dialogs, {});
    EXPECT_TRUE(printer.pages.empty());
    EXPECT_EQ(data.CurBlock, 2);
}

// Each form is a document of its own; the bar stands where the text says, and after a cancel the
// user is told what was printed.
TEST_F(PrintJobTest, BarFollowsThePagesAndACancelSaysWhatWasPrinted) {
    printer.chosenPages = PageSelection{{{1, 4}}};
    PrintTestForms(parts(), dialogs, nullptr, {});
    EXPECT_EQ(status.maxima, std::vector<int>{400});
    EXPECT_EQ(status.barAtText, (std::vector<int>{0, 100, 200, 300}));
    EXPECT_EQ(status.texts[3], QStringLiteral(" 4/4を印刷中 (ブロック番号 = 4)"));
    EXPECT_EQ(status.bar_, 400);
    EXPECT_EQ(printer.documents[2], QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ (ブロック番号 = 3)"));

    // Cancelled while the third of five forms is composed: that one still goes out.
    data.BlockCount = 5;
    printer.pages.clear();
    printer.chosenPages = PageSelection{{{1, 2}, {4, 5}}};
    struct CancelOnThirdPage : EventPump {
        explicit CancelOnThirdPage(RecordingStatus& status) : status(status) {}
        void processPendingEvents() override {
            if (++calls == 3) status.cancel();
        }
        RecordingStatus& status;
        int calls = 0;
    } cancelling(status);
    const PrintJobParts all = parts();
    dialogs.expect(QStringLiteral("印刷を中止しました。\n3枚を印刷しました (ブロック番号 = 1～2, 4)。"));
    PrintTestForms({data, display, printer, status, cancelling, all.warn}, dialogs, nullptr, {});
    EXPECT_EQ(printer.pages.size(), 3u);
    EXPECT_EQ(dialogs.shown().back().title, QStringLiteral("印刷中止"));
    EXPECT_EQ(data.CurBlock, 2);
}

// The preview's print button prints as 印刷 does: the dialog, its refusals, the status window and
// the warnings, which the preview itself keeps quiet.
TEST_F(PrintJobTest, PrintFromThePreviewRunsThePrintJob) {
    data.SurveyName[2] = QString(40, QChar(u'長'));
    printer.printFromPreview = true;
    int stores = 0;
    dialogs.expect(
        QStringLiteral("調査名称が印刷可能文字数を越えました。印刷可能文字数の範囲で印刷します。"));
    PreviewTestForms(parts(), dialogs, [&] { ++stores; }, {});
    EXPECT_EQ(printer.previews, 1);
    EXPECT_EQ(printer.dialogs.size(), 1u);
    EXPECT_EQ(printer.pages.size(), 6u);  // blocks 2 to 4 shown, then printed
    EXPECT_EQ(status.texts.size(), 3u);
    EXPECT_EQ(stores, 2);

    // Turned to landscape in the preview, then printed: the print is refused with the message.
    printer.pages.clear();
    status.texts.clear();
    printer.afterPage = [&](size_t) { printer.chosenOrientation = Orientation::Landscape; };
    dialogs.expect(QStringLiteral("[プリンタの設定]で印刷の向きを「縦」に設定して下さい。"));
    PreviewTestForms(parts(), dialogs, nullptr, {});
    EXPECT_EQ(printer.pages.size(), 3u);  // the preview's
    EXPECT_TRUE(status.texts.empty());
}

TEST(SheetTitle, WrapsTheTextsAndShowsTheLegendOfTheGrouping) {
    TestData data;
    data.CurBlock = 1;
    data.SurveyName[1] = QString(31, QChar(u'名'));
    data.TesterName[1] = QString(39, QChar(u'者'));
    data.TestPlace[1] = QString(38, QChar(u'所'));
    const DisplaySettings colours;
    struct Case {
        SheetLegend legend;
        std::vector<QString> texts;
        std::vector<qint32> boxes;
    };
    const Case cases[] = {
        {{true, {FillGrouping::TwoColors, 1}}, {"～ 0.7", "0.7 ～ 1.0"}, {255, 65535}},
        {{true, {FillGrouping::ThreeColors, 0}},
         {"～ 0.5", "0.5 ～ 0.7", "0.7 ～ 1.0"},
         {14737632, 12632256, 8421504}},
        {{true, {FillGrouping::FiveColors, 1}},
         {"～ 0.7", "0.7 ～ 1.0", "1.0 ～ 1.5", "1.5 ～ 4.0", "4.0 ～"},
         {255, 65535, 33023, 65280, 16776960}},
        {{false, {FillGrouping::FiveColors, 1}}, {}, {}},
    };
    for (const Case& c : cases) {
        RecordingSurface sheet(16838, 11906);
        std::vector<QString> warnings;
        PrintSheetTitle(sheet, data, colours, c.legend,
                        [&](const QString&, const QString& title) { warnings.push_back(title); });
        EXPECT_EQ(warnings, (std::vector<QString>{QStringLiteral("印刷可能文字数超過（調査名称）"),
                                                  QStringLiteral("印刷可能文字数超過（試験者名）")}));
        std::vector<QString> texts;
        for (const DrawnOp& text : sheet.texts()) texts.push_back(text.text);
        ASSERT_GE(texts.size(), 14u);
        EXPECT_EQ(texts[0].size(), 15);
        EXPECT_EQ(texts[1].size(), 15);  // the 31st character is lost, after the warning
        EXPECT_EQ(texts[3], QStringLiteral("： ") + QString(19, QChar(u'者')));
        EXPECT_EQ(texts[4], QString(19, QChar(u'者')));
        const std::vector<QString> legendTexts(texts.begin() + 14, texts.end());
        EXPECT_EQ(legendTexts, c.texts);
        std::vector<qint32> boxes;
        for (const DrawnOp& box : sheet.boxes()) boxes.push_back(box.color);
        EXPECT_EQ(boxes, c.boxes);
    }
}

}  // namespace
