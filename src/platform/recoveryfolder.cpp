#include "platform/recoveryfolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include "platform/appinfo.h"

namespace {

const QString JournalSuffix = QStringLiteral(".journal");
const QString LockSuffix = QStringLiteral(".lock");

QString userStateFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state");
}

QStringList idsEndingWith(const QDir& folder, const QString& suffix) {
    QStringList ids;
    for (const QString& name : folder.entryList({QLatin1Char('*') + suffix}, QDir::Files, QDir::Name))
        ids << name.chopped(suffix.size());
    return ids;
}

}  // namespace

RecoveryFolder::RecoveryFolder()
    : RecoveryFolder(userStateFolder() + QLatin1Char('/') + AppInfo::programName() +
                     QStringLiteral("/recovery")) {}

RecoveryFolder::RecoveryFolder(const QString& path) : path_(path) {}

QString RecoveryFolder::journalPath(const QString& id) const {
    return path_ + QLatin1Char('/') + id + JournalSuffix;
}

QStringList RecoveryFolder::journalIds() const {
    return idsEndingWith(QDir(path_), JournalSuffix);
}

QStringList RecoveryFolder::allIds() const {
    QStringList ids = journalIds() + idsEndingWith(QDir(path_), LockSuffix);
    ids.sort();
    ids.removeDuplicates();
    return ids;
}

// Names sort by the time they were made.
QString RecoveryFolder::newId() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) + QLatin1Char('-') +
           QString::number(QCoreApplication::applicationPid());
}

bool RecoveryFolder::make() const {
    if (QDir(path_).exists()) return true;
    if (!QDir().mkpath(path_)) return false;
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

// A lock is stale once its process is gone, however old or new it is.
std::unique_ptr<QLockFile> RecoveryFolder::lock(const QString& id) const {
    auto lock = std::make_unique<QLockFile>(path_ + QLatin1Char('/') + id + LockSuffix);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}
