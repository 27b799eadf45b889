#include <QStringList>

#include "app/jobarguments.h"
#include "app/jobmessages.h"
#include "datafile/datasetjson.h"
#include "model/testdata.h"

// terrako-diagraph dump FILE: the data set as read from FILE, as JSON on stdout.
int dumpJob(const QStringList& arguments) {
    const std::optional<JobArguments> parsed = parseJobArguments("dump", arguments, {}, {"FILE"});
    if (!parsed) return 1;
    const QString& in = parsed->files()[0];
    TestData data;
    if (const std::optional<Failure> failure =
            readJobInput(in, data, QStringLiteral("読めた範囲のデータを出力します。")))
        return jobExit(failure);
    return jobExit(writeJobOutput(QStringLiteral("-"), DataSetJson(data), {in}));
}
