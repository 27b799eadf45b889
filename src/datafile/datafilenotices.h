#pragma once

#include <QString>

// What the user is told about reading and writing a data file, in the windows and on the command line.
namespace DataFileNotices {

// A file without the data-file signature.
QString notADataFile();
QString unreadable(const QString& path, const QString& reason);
QString damaged(const QString& path);
QString tooLarge(const QString& path);
QString unwritable(const QString& path, const QString& reason);
// Survey texts that the file cannot hold as they are.
QString unstorableQuestion();
QString unstorableReplaced();

}  // namespace DataFileNotices
