#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Replaces the file at `path` by `bytes` so that it is never left half written: the bytes go to a
// new file in the same folder, which is flushed to the disk and then renamed over the old one. An
// existing file keeps its permissions (and its owner where the process may set it), a link keeps
// pointing to the replaced file, and a read-only file is refused. Returns the reason, in the user's
// words, when the file could not be written; it is then left as it was. A file the user may write in
// a folder where no file may be made is written in place instead, which is not atomic: a failure there
// may have changed the file, and says so.
struct SaveFailure {
    QString reason;
    bool fileChanged = false;
};
std::optional<SaveFailure> SaveFileAtomically(const QString& path, QByteArrayView bytes);
