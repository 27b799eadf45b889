#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

// Why a save did not succeed, in the user's words, and what became of the file.
struct SaveFailure {
    enum class Outcome {
        Unchanged,  // the file is as it was before the save
        Damaged,    // a write in place failed and the old bytes could not be put back
        Cut,        // a device, pipe or standard output got only the first part of the bytes
    };
    QString reason;
    Outcome outcome = Outcome::Unchanged;
};

// Writes `bytes` to `path` so that a file is never left half written. A regular file (or a new one)
// is replaced: the bytes go to a new file in the same folder, which is flushed to the disk and then
// renamed over the old one; an existing file keeps its permissions (and its owner where the process
// may set it), a link keeps pointing to the replaced file, a read-only file is refused. The temporary
// files of earlier saves of the same file whose writer was killed are removed. In a folder where no
// file may be made, a file the user may write is written in place: its new size is reserved first,
// and its old bytes are put back when the write fails. What is not a regular file (a device, a pipe,
// /dev/stdout, /dev/fd/N) is written as it is. A file that is one of `inputs` (the files a job read,
// the data file a window has open) by any name is refused and nothing is written.
std::optional<SaveFailure> SaveFileAtomically(const QString& path, QByteArrayView bytes,
                                              const QStringList& inputs = {});

// Replaces the regular file at `path` (or makes it) as SaveFileAtomically does, without waiting for
// the disk: a process killed at any moment leaves the old file or the new one whole, but a power cut
// may still cost the new one. For a file replaced after every change, made durable by SyncToDisk.
std::optional<SaveFailure> ReplaceFileUnsynced(const QString& path, QByteArrayView bytes);
// Waits until the file at `path` and its name are on the disk; false when it is not there.
bool SyncToDisk(const QString& path);
// Removes the temporary files that killed writers of the file at `path` left beside it.
void RemoveStaleTemporaries(const QString& path);
