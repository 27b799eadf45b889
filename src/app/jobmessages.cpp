#include "app/jobmessages.h"

#include <cstdio>

#include "datafile/datafilenotices.h"
#include "datafile/datafilereader.h"
#include "platform/appinfo.h"

void printJobMessage(const QString& message) {
    std::fprintf(stderr, "%s: %s\n", AppInfo::programName().toUtf8().constData(),
                 message.toUtf8().constData());
}

int jobExit(const std::optional<Failure>& failure) {
    if (!failure) return 0;
    printJobMessage(failure->text);
    return failure->kind == Failure::Kind::RefusedInput ? 2 : 1;
}

std::optional<Failure> readJobInput(const QString& path, TestData& data) {
    const ReadResult result = ReadDataFile(path, data);
    if (const std::optional<Failure>& failure = result.failure) {
        // The refusal itself does not name the file; on the command line it must.
        if (failure->kind == Failure::Kind::RefusedInput)
            return Failure{failure->kind, QStringLiteral("%1: %2").arg(path, failure->text)};
        return failure;
    }
    for (const QString& warning : DataFileNotices::warnings(path, result)) printJobMessage(warning);
    return std::nullopt;
}
