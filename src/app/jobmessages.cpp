#include "app/jobmessages.h"

#include <cstdio>

#include "datafile/datafilenotices.h"
#include "datafile/datafilereader.h"
#include "platform/appinfo.h"

void printJobMessage(const QString& message) {
    std::fprintf(stderr, "%s: %s\n", AppInfo::programName().toUtf8().constData(),
                 message.toUtf8().constData());
}

std::optional<int> readJobInput(const QString& path, TestData& data) {
    const ReadResult result = ReadDataFile(path, data);
    switch (result.status) {
        case ReadResult::Status::Refused:
            printJobMessage(QStringLiteral("%1: %2").arg(path, DataFileNotices::notADataFile()));
            return 2;
        case ReadResult::Status::Unreadable:
            printJobMessage(DataFileNotices::unreadable(path, result.reason));
            return 1;
        case ReadResult::Status::Loaded: break;
    }
    if (result.tooLarge) printJobMessage(DataFileNotices::tooLarge(path));
    if (result.damaged) printJobMessage(DataFileNotices::damaged(path));
    return std::nullopt;
}
