#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

#include "app/jobarguments.h"
#include "app/jobmessages.h"
#include "diagram/displaysettings.h"
#include "diagram/ggtfill.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/gui/fonts.h"
#include "platform/print/pdfdocument.h"
#include "print/printjob.h"
#include "print/printprogress.h"

namespace {

struct PdfArguments {
    bool sheet = false;
    std::optional<QString> from, to;  // as given, to be named in a refusal
    std::optional<int> MonoCol;       // 1 --color, 0 --mono
    FillGrouping grouping = FillGrouping::FiveColors;
    bool jhs = false;
    QString in, out;
};

std::optional<PdfArguments> parse(const QStringList& arguments) {
    const std::optional<JobArguments> given = parseJobArguments("pdf", arguments,
                                                                {{"--sheet"},
                                                                 {"--from", "N"},
                                                                 {"--to", "M"},
                                                                 {"--color"},
                                                                 {"--mono"},
                                                                 {"--fill", "5|3|2"},
                                                                 {"--jhs"}},
                                                                {"FILE", "OUT.pdf"});
    if (!given) return std::nullopt;
    PdfArguments parsed;
    parsed.sheet = given->has("--sheet");
    parsed.jhs = given->has("--jhs");
    if (given->has("--color") && given->has("--mono")) {
        refuseJobArguments("pdf", QStringLiteral("--color と --mono は同時に指定できません。"));
        return std::nullopt;
    }
    if (given->has("--color") || given->has("--mono")) parsed.MonoCol = given->has("--color") ? 1 : 0;
    for (const char* option : {"--from", "--to"}) {
        const std::optional<QString> block = given->value(option);
        if (block && !wholeNumberOf("pdf", option, *block)) return std::nullopt;
        (qstrcmp(option, "--from") == 0 ? parsed.from : parsed.to) = block;
    }
    if (const std::optional<QString> colours = given->value("--fill")) {
        const std::pair<const char*, FillGrouping> groupings[] = {{"5", FillGrouping::FiveColors},
                                                                  {"3", FillGrouping::ThreeColors},
                                                                  {"2", FillGrouping::TwoColors}};
        const auto chosen =
            std::find_if(std::begin(groupings), std::end(groupings),
                         [&](const auto& grouping) { return *colours == QLatin1String(grouping.first); });
        if (chosen == std::end(groupings)) {
            refuseJobArguments("pdf", QStringLiteral("オプション --fill の値 %1 は使えません。（5、3、2）")
                                          .arg(quotedInput(*colours)));
            return std::nullopt;
        }
        parsed.grouping = chosen->second;
    }
    // The JHS header is a test form's; a grouping fills nothing without a colour set on the forms.
    if (parsed.sheet && parsed.jhs) {
        refuseJobArguments(
            "pdf", QStringLiteral("--jhs は試験様式の見出しです。--sheet とは同時に指定できません。"));
        return std::nullopt;
    }
    if (!parsed.sheet && given->has("--fill") && !parsed.MonoCol) {
        refuseJobArguments(
            "pdf", QStringLiteral("試験様式では、--fill は --color か --mono と一緒に指定してください。"));
        return std::nullopt;
    }
    parsed.in = given->files()[0];
    parsed.out = given->files()[1];
    return parsed;
}

// The blocks to print, or the refusal of a range the file does not hold.
std::optional<PageRange> blockRange(const PdfArguments& arguments, int blockCount) {
    const QString blocks = QStringLiteral("（1～%1）").arg(blockCount);
    const auto block = [&](const std::optional<QString>& given, int otherwise) -> std::optional<int> {
        if (!given) return otherwise;
        const qint64 number = given->toLongLong();
        if (number >= 1 && number <= blockCount) return static_cast<int>(number);
        printJobMessage(QStringLiteral("ブロック %1 はありません").arg(quotedInput(*given)) + blocks);
        return std::nullopt;
    };
    const std::optional<int> from = block(arguments.from, 1);
    if (!from) return std::nullopt;
    const std::optional<int> to = block(arguments.to, blockCount);
    if (!to) return std::nullopt;
    if (*from > *to) {
        printJobMessage(
            QStringLiteral("--from %1 が --to %2 より後のブロックです。--from は --to 以下にしてください。")
                .arg(*from)
                .arg(*to));
        return std::nullopt;
    }
    return PageRange{*from, *to};
}

struct NoEvents : EventPump {
    void processPendingEvents() override {}
};

// Prints the pages into the document; the reason when that failed.
std::optional<QString> printPages(const PdfArguments& arguments, TestData& data, PdfDocument& document,
                                  PageRange range) {
    DisplaySettings display;
    QuietStatus status;
    NoEvents events;
    const PrintJobParts parts{data,
                              display,
                              document,
                              status,
                              events,
                              [](const QString& text, const QString&) {
                                  printJobMessage(QStringLiteral("警告: ") + text); }};
    const FillChoice fill{arguments.grouping, arguments.MonoCol.value_or(1)};
    if (arguments.sheet) {
        SheetOptions options;
        options.legend = {true, fill};
        options.fill = [&](Surface& page, int CuPage, PrintProgress& progress, EventPump& pump) {
            DrawGGT(page, data, display, fill, CuPage, progress, pump);
        };
        return printSheetRange(parts, blocksIn(range), options).failure;
    }
    // As printed from the graph window in GGT mode when a fill or the JHS header is asked for.
    TestFormOptions options;
    if (arguments.MonoCol || arguments.jhs) {
        display.GGTMode = -1;
        display.ShowJHS = arguments.jhs ? 1 : 0;
        options.graphWindow = true;
    }
    if (arguments.MonoCol) {
        options.fill = [&](Surface& page, PrintProgress& progress, EventPump& pump) {
            progress.ProgressBase = 0;
            DrawGGT(page, data, display, fill, 5, progress, pump);
            progress.ProgressBase = static_cast<qint16>(progress.value());
        };
    }
    return printTestFormRange(parts, blocksIn(range), options).failure;
}

}  // namespace

// terrako-diagraph pdf ... FILE OUT.pdf: the pages printing to a PDF file would make, without windows.
int pdfJob(const QStringList& arguments) {
    const std::optional<PdfArguments> parsed = parse(arguments);
    if (!parsed) return 1;
    TestData data;
    if (const std::optional<Failure> failure =
            readJobInput(parsed->in, data, QStringLiteral("読めた範囲のデータを PDF に出力します。")))
        return jobExit(failure);
    const std::optional<PageRange> range = blockRange(*parsed, data.BlockCount);
    if (!range) return 1;
    // The first block printed is the one shown: the diagram sheet's title block carries its texts.
    data.CurBlock = static_cast<qint16>(range->from);

    // Drawing text needs the window system's font support, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "terrako-diagraph";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    installApplicationFonts();

    PdfDocument document(parsed->sheet ? Orientation::Landscape : Orientation::Portrait);
    if (const std::optional<QString> failure = printPages(*parsed, data, document, *range))
        return jobExit(Failure{Failure::Kind::WriteFailed, failure.value()});
    return jobExit(writeJobOutput(parsed->out, document.bytes(), {parsed->in}));
}
