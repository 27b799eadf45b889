#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

// The folder that holds the recovery journals, one for each instance of the program with unsaved
// work, and their locks: a journal whose lock no running process holds was left by an instance that
// ended without saving. The user's state folder by default; tests choose a folder of their own.
class RecoveryFolder {
public:
    // $XDG_STATE_HOME/terrako-diagraph/recovery, or ~/.local/state/terrako-diagraph/recovery.
    RecoveryFolder();
    explicit RecoveryFolder(const QString& path);

    const QString& path() const { return path_; }
    QString journalPath(const QString& id) const;
    // The journals in the folder, oldest first.
    QStringList journalIds() const;
    // The journals and the locks without a journal.
    QStringList allIds() const;
    // A journal name of its own for this process: the time it asks, and its process number.
    static QString newId();

    // Makes the folder when it is missing, readable by the user alone.
    bool make() const;
    // The lock of journal `id`, held until it goes; nothing when a running process holds it or the lock
    // cannot be made.
    std::unique_ptr<QLockFile> lock(const QString& id) const;

private:
    QString path_;
};
