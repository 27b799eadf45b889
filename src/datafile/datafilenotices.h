#pragma once

#include <QString>
#include <QStringList>

struct ReadResult;
struct SaveFailure;

// What the user is told about reading and writing a data file, in the windows and on the command line.
namespace DataFileNotices {

// A file without the data-file signature.
QString notADataFile();
QString unreadable(const QString& path, const QString& reason);
QString damaged(const QString& path);
QString tooLarge(const QString& path);
// A file far larger than any of its kind, which is not read.
QString oversized(const QString& path, qint64 largestBytes);
QString leftOut(const QString& path);
// The warnings of a data file loaded as far as it could be.
QStringList warnings(const QString& path, const ReadResult& result);
QString unwritable(const QString& path, const SaveFailure& failure);
// Survey texts that the file cannot hold as they are.
QString unstorableQuestion();
QString unstorableReplaced();

}  // namespace DataFileNotices
