#include "app/jobmessages.h"

#include <cstdio>

#include "datafile/datafilenotices.h"
#include "datafile/datafilereader.h"
#include "datafile/savefile.h"
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

std::optional<Failure> readJobInput(const QString& path, TestData& data, const QString& withTheRest) {
    const ReadResult result = ReadDataFile(path, data);
    if (const std::optional<Failure>& failure = result.failure) {
        // The refusal itself does not name the file; on the command line it must.
        if (failure->kind == Failure::Kind::RefusedInput && !failure->text.contains(path))
            return Failure{failure->kind, QStringLiteral("%1: %2").arg(path, failure->text)};
        return failure;
    }
    const QStringList facts = DataFileNotices::readFacts(path, result);
    for (const QString& fact : facts) printJobMessage(QStringLiteral("警告: ") + fact);
    if (!facts.isEmpty()) printJobMessage(QStringLiteral("警告: ") + withTheRest);
    return std::nullopt;
}

QString jobOutputPath(const QString& out) {
    return out == QLatin1String("-") ? QStringLiteral("/dev/stdout") : out;
}

std::optional<Failure> writeJobOutput(const QString& out, QByteArrayView bytes, const QStringList& inputs) {
    const QString path = jobOutputPath(out);
    if (const std::optional<SaveFailure> failure = SaveFileAtomically(path, bytes, inputs))
        return Failure{Failure::Kind::WriteFailed, DataFileNotices::unwritable(path, *failure)};
    return std::nullopt;
}
