#include <QStringList>
#include <cstdio>

#include "app/jobmessages.h"
#include "datafile/datasetjson.h"
#include "model/testdata.h"

// terrako-diagraph dump FILE: the data set as read from FILE, as JSON on stdout.
int dumpJob(const QStringList& arguments) {
    if (arguments.size() != 1) {
        printJobMessage(QStringLiteral("usage: dump FILE"));
        return 1;
    }
    TestData data;
    if (const std::optional<Failure> failure = readJobInput(arguments[0], data)) return jobExit(failure);
    const QByteArray json = DataSetJson(data);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
