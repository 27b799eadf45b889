#include "commands/recentfiles.h"

#include <QFile>
#include <QFileInfo>
#include <climits>

#include "platform/settings.h"

namespace {

QString keyOf(int entry) {
    return QStringLiteral("RecentFile%1").arg(entry);
}

}  // namespace

// Only absolute paths are ever stored; an entry that is none, or longer than a path can be, or repeated,
// leaves the list and the store.
RecentFiles::RecentFiles(Settings& settings) : settings_(settings) {
    bool dropped = false;
    for (int entry = 1; entry <= Limit; ++entry) {
        const QString path = settings_.value(keyOf(entry));
        const bool isPath = path.startsWith(QLatin1Char('/')) && !path.contains(QChar(u'\0')) &&
                            QFile::encodeName(path).size() < PATH_MAX;
        if (isPath && !files_.contains(path))
            files_ << path;
        else
            dropped = dropped || !path.isEmpty();
    }
    if (dropped) save();
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!files_.isEmpty() && files_.front() == absolute) return;
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > Limit) files_.removeLast();
    save();
}

void RecentFiles::remove(const QString& path) {
    if (files_.removeAll(path) > 0) save();
}

void RecentFiles::save() {
    for (int entry = 1; entry <= Limit; ++entry)
        settings_.setValue(keyOf(entry), entry <= files_.size() ? files_[entry - 1] : QString());
}
