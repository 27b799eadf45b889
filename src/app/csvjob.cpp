#include <QStringList>

#include "app/jobarguments.h"
#include "app/jobmessages.h"
#include "diagram/sitecsv.h"
#include "model/testdata.h"

// terrako-diagraph csv [--summary] FILE OUT.csv: every drop of FILE, or with --summary the site
// summary, as CSV for spreadsheets, "-" writing to stdout; OUT is left as it was when it cannot be
// written.
int csvJob(const QStringList& arguments) {
    const std::optional<JobArguments> parsed =
        parseJobArguments("csv", arguments, {{"--summary"}}, {"FILE", "OUT.csv"});
    if (!parsed) return 1;
    const QString& in = parsed->files()[0];
    TestData data;
    if (const std::optional<Failure> failure =
            readJobInput(in, data, QStringLiteral("読めた範囲のデータを CSV に出力します。")))
        return jobExit(failure);
    const bool summary = parsed->has("--summary");
    return jobExit(writeJobOutput(parsed->files()[1], summary ? SummaryCsv(data) : DropsCsv(data), {in}));
}
