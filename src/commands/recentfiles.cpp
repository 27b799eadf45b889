#include "commands/recentfiles.h"

#include <QFileInfo>

#include "platform/settings.h"

namespace {

QString keyOf(int entry) {
    return QStringLiteral("RecentFile%1").arg(entry);
}

}  // namespace

RecentFiles::RecentFiles(Settings& settings) : settings_(settings) {
    for (int entry = 1; entry <= Limit; ++entry) {
        const QString path = settings_.value(keyOf(entry));
        if (!path.isEmpty() && !files_.contains(path)) files_ << path;
    }
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
