#pragma once

#include <QString>
#include <QStringList>
#include <chrono>

struct ReadResult;
struct SaveFailure;

// What the user is told about reading and writing a data file, in the windows and on the command line.
namespace DataFileNotices {

// A file without the data-file signature.
QString notADataFile();
QString unreadable(const QString& path, const QString& reason);
// What was not loaded of a data file read as far as it could be.
QString damaged(const QString& path);
QString tooLarge(const QString& path);
QString leftOut(const QString& path);
// A file far larger than any of its kind, which is not read.
QString oversized(const QString& path, qint64 largestBytes);
// An input whose writer stopped writing, which is not read.
QString silent(const QString& path, std::chrono::milliseconds silence);
// The facts of a data file loaded as far as it could be, for a job to add what it does with the rest.
QStringList readFacts(const QString& path, const ReadResult& result);
// The same as the windows tell them, with what showing and saving that data means.
QStringList warnings(const QString& path, const ReadResult& result);
QString unwritable(const QString& path, const SaveFailure& failure);
// Survey texts that the file cannot hold as they are.
QString unstorableQuestion();
QString unstorableReplaced();

}  // namespace DataFileNotices
