#include <QGuiApplication>
#include <QStringList>
#include <optional>

#include "app/jobmessages.h"
#include "datafile/datafilenotices.h"
#include "datafile/savefile.h"
#include "diagram/displaysettings.h"
#include "diagram/ggtfill.h"
#include "model/format.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/gui/fonts.h"
#include "platform/print/pdfdocument.h"
#include "print/printjob.h"
#include "print/printprogress.h"

namespace {

const QString Usage = QStringLiteral(
    "usage: pdf [--sheet] [--from N] [--to M] [--color | --mono] [--fill 5|3|2] [--jhs] FILE OUT.pdf");

struct PdfArguments {
    bool sheet = false;
    std::optional<int> from, to;
    std::optional<int> MonoCol;  // 1 --color, 0 --mono
    FillGrouping grouping = FillGrouping::FiveColors;
    bool fillGiven = false;
    bool jhs = false;
    QString in, out;
};

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<PdfArguments> parse(const QStringList& arguments) {
    PdfArguments parsed;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--sheet")) {
            parsed.sheet = true;
        } else if (argument == QLatin1String("--color") || argument == QLatin1String("--mono")) {
            const int MonoCol = argument == QLatin1String("--color") ? 1 : 0;
            if (parsed.MonoCol && *parsed.MonoCol != MonoCol) return std::nullopt;  // both asked for
            parsed.MonoCol = MonoCol;
        } else if (argument == QLatin1String("--jhs")) {
            parsed.jhs = true;
        } else if ((argument == QLatin1String("--from") || argument == QLatin1String("--to")) && hasValue) {
            const std::optional<int> block = wholeNumber(arguments[++i]);
            if (!block) return std::nullopt;
            (argument == QLatin1String("--from") ? parsed.from : parsed.to) = block;
        } else if (argument == QLatin1String("--fill") && hasValue) {
            parsed.fillGiven = true;
            const QString colours = arguments[++i];
            if (colours == QLatin1String("5"))
                parsed.grouping = FillGrouping::FiveColors;
            else if (colours == QLatin1String("3"))
                parsed.grouping = FillGrouping::ThreeColors;
            else if (colours == QLatin1String("2"))
                parsed.grouping = FillGrouping::TwoColors;
            else
                return std::nullopt;
        } else if (argument.startsWith(QLatin1Char('-'))) {
            return std::nullopt;
        } else {
            files << argument;
        }
    }
    if (files.size() != 2) return std::nullopt;
    // The JHS header is a test form's; a grouping fills nothing without a colour set on the forms.
    if (parsed.sheet ? parsed.jhs : parsed.fillGiven && !parsed.MonoCol) return std::nullopt;
    parsed.in = files[0];
    parsed.out = files[1];
    return parsed;
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
                                  printJobMessage(QStringLiteral("warning: ") + text); }};
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
    if (!parsed) {
        printJobMessage(Usage);
        return 1;
    }
    TestData data;
    if (const std::optional<Failure> failure = readJobInput(parsed->in, data)) return jobExit(failure);
    const PageRange range{parsed->from.value_or(1), parsed->to.value_or(data.BlockCount)};
    if (range.from < 1 || range.from > range.to || range.to > data.BlockCount) {
        printJobMessage(QStringLiteral("blocks %1 to %2 are not in the file, which holds blocks 1 to %3")
                            .arg(range.from)
                            .arg(range.to)
                            .arg(data.BlockCount));
        return 1;
    }
    // The first block printed is the one shown: the diagram sheet's title block carries its texts.
    data.CurBlock = static_cast<qint16>(range.from);

    // Drawing text needs the window system's font support, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "terrako-diagraph";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    installApplicationFonts();

    PdfDocument document(parsed->sheet ? Orientation::Landscape : Orientation::Portrait);
    if (const std::optional<QString> failure = printPages(*parsed, data, document, range))
        return jobExit(Failure{Failure::Kind::WriteFailed, failure.value()});
    if (const std::optional<SaveFailure> failure = SaveFileAtomically(parsed->out, document.bytes()))
        return jobExit(
            Failure{Failure::Kind::WriteFailed, DataFileNotices::unwritable(parsed->out, *failure)});
    return 0;
}
