#include <QStringList>

#include "app/jobmessages.h"
#include "datafile/datafilenotices.h"
#include "datafile/savefile.h"
#include "diagram/sitecsv.h"
#include "model/testdata.h"

// terrako-diagraph csv [--summary] FILE OUT.csv: every drop of FILE, or with --summary the site
// summary, as CSV for spreadsheets; OUT is left as it was when it cannot be written.
int csvJob(const QStringList& arguments) {
    QStringList files = arguments;
    const bool summary = files.removeAll(QStringLiteral("--summary")) > 0;
    if (files.size() != 2 || files[0].startsWith(QLatin1Char('-')) || files[1].startsWith(QLatin1Char('-'))) {
        printJobMessage(QStringLiteral("usage: csv [--summary] FILE OUT.csv"));
        return 1;
    }
    TestData data;
    if (const std::optional<Failure> failure = readJobInput(files[0], data)) return jobExit(failure);
    if (const std::optional<SaveFailure> failure =
            SaveFileAtomically(files[1], summary ? SummaryCsv(data) : DropsCsv(data)))
        return jobExit(Failure{Failure::Kind::WriteFailed, DataFileNotices::unwritable(files[1], *failure)});
    return 0;
}
