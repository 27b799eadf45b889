#include <QStringList>

#include "app/jobarguments.h"
#include "app/jobmessages.h"
#include "datafile/datafilenotices.h"
#include "datafile/datafilewriter.h"
#include "model/testdata.h"

// terrako-diagraph resave IN OUT: reads IN and writes OUT in the extended layout, as 名前を付けて保存
// does; OUT is left as it was when it cannot be written.
int resaveJob(const QStringList& arguments) {
    const std::optional<JobArguments> parsed = parseJobArguments("resave", arguments, {}, {"IN", "OUT"});
    if (!parsed) return 1;
    const QString& in = parsed->files()[0];
    const QString& out = parsed->files()[1];
    TestData data;
    if (const std::optional<Failure> failure =
            readJobInput(in, data, QStringLiteral("読めた範囲のデータだけを%1に保存します。").arg(out)))
        return jobExit(failure);
    const bool textsReplaced = !SurveyTextsStorable(data);
    data.ExtFormat = 1;
    if (const std::optional<Failure> failure = WriteDataFile(out, data, {in})) return jobExit(failure);
    if (textsReplaced) printJobMessage(QStringLiteral("警告: ") + DataFileNotices::unstorableReplaced());
    return 0;
}
