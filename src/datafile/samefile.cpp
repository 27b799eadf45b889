#include "datafile/samefile.h"

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <climits>
#include <cstdlib>
#include <string>

namespace {

// Where a file that does not exist yet would be made: its folder with links followed, and its name.
QString placeOf(const QString& path) {
    const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    char buffer[PATH_MAX];
    if (::realpath(QFile::encodeName(info.path()).constData(), buffer))
        return QDir(QFile::decodeName(buffer)).filePath(info.fileName());
    return info.filePath();
}

}  // namespace

bool NamesSameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    const bool firstExists = ::stat(QFile::encodeName(a).constData(), &first) == 0;
    const bool secondExists = ::stat(QFile::encodeName(b).constData(), &second) == 0;
    if (firstExists && secondExists) return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return !firstExists && !secondExists && placeOf(a) == placeOf(b);
}
