#include <QDate>
#include <QStringList>
#include <optional>

#include "app/jobarguments.h"
#include "app/jobdrawing.h"
#include "app/jobmessages.h"
#include "diagram/displaysettings.h"
#include "model/testdata.h"
#include "platform/print/pdfdocument.h"
#include "print/reportjob.h"

namespace {

struct ReportArguments {
    std::optional<QString> from, to;
    ReportOptions options;
    QString in, out;
};

// The value of --target or --hard: a positive number, or nothing with the refusal printed.
bool takeValue(const JobArguments& given, const char* option, const char* unit,
               std::optional<double>& value) {
    const std::optional<QString> text = given.value(option);
    if (!text) return true;
    value = positiveValueOf(*text);
    if (value) return true;
    refuseJobArguments("report",
                       QStringLiteral("オプション %1 の値 %2 は使えません。（0 より大きい数、%3）")
                           .arg(QString::fromUtf8(option), quotedInput(*text), QString::fromUtf8(unit)));
    return false;
}

std::optional<ReportArguments> parse(const QStringList& arguments) {
    const std::optional<JobArguments> given = parseJobArguments(
        "report", arguments,
        {{"--from", "N"}, {"--to", "M"}, {"--target", "CM"}, {"--hard", "S"}, {"--no-forms"}},
        {"FILE", "OUT.pdf"});
    if (!given) return std::nullopt;
    ReportArguments parsed;
    for (const char* option : {"--from", "--to"}) {
        const std::optional<QString> block = given->value(option);
        if (block && !wholeNumberOf("report", option, *block)) return std::nullopt;
        (qstrcmp(option, "--from") == 0 ? parsed.from : parsed.to) = block;
    }
    std::optional<double> hard;
    if (!takeValue(*given, "--target", "cm", parsed.options.rule.target) ||
        !takeValue(*given, "--hard", "cm/drop", hard))
        return std::nullopt;
    if (hard) parsed.options.rule.hardLimit = *hard;
    parsed.options.contents.forms = !given->has("--no-forms");
    parsed.in = given->files()[0];
    parsed.out = given->files()[1];
    return parsed;
}

}  // namespace

// terrako-diagraph report ... FILE OUT.pdf: the site report of FILE, without windows.
int reportJob(const QStringList& arguments) {
    std::optional<ReportArguments> parsed = parse(arguments);
    if (!parsed) return 1;
    TestData data;
    if (const std::optional<Failure> failure =
            readJobInput(parsed->in, data, QStringLiteral("読めた範囲のデータで報告書を出力します。")))
        return jobExit(failure);
    const std::optional<PageRange> range = jobBlockRange(parsed->from, parsed->to, data.BlockCount);
    if (!range) return 1;
    ReportOptions& options = parsed->options;
    options.blocks = *range;
    options.date = QDate::currentDate();
    if (const std::optional<QString> notice = noDropsNotice(data, options))
        printJobMessage(QStringLiteral("警告: ") + *notice);

    const JobDrawing drawing;
    const DisplaySettings display;
    QuietStatus status;
    NoEvents events;
    PdfDocument document(Orientation::Portrait);
    const PrintJobParts parts{data,
                              display,
                              document,
                              status,
                              events,
                              [](const QString& text, const QString&) {
                                  printJobMessage(QStringLiteral("警告: ") + text); }};
    if (const std::optional<QString> failure = printSiteReport(parts, options))
        return jobExit(Failure{Failure::Kind::WriteFailed, *failure});
    return jobExit(writeJobOutput(parsed->out, document.bytes(), {parsed->in}));
}
