#include "datafile/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/systemerror.h"

namespace {

// The file a path names, links followed; the path itself when it names no existing file.
std::string resolved(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a new, empty file beside `target` under a name nobody uses; returns its descriptor and name.
int createTemporary(const std::string& target, std::string& name) {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const size_t slash = target.rfind('/');
    const std::string prefix = slash == std::string::npos
                                   ? "." + target
                                   : target.substr(0, slash + 1) + "." + target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + ".";
        for (int i = 0; i < 8; ++i) name += letters[QRandomGenerator::global()->bounded(36)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, QByteArrayView bytes) {
    const char* data = bytes.data();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = EIO;
        if (written <= 0) return false;
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// A file the user may write in a folder where no new file may be made is written in place: not atomic,
// but the only way to save it, as QSaveFile's direct-write fallback does.
std::optional<SaveFailure> writeInPlace(const std::string& target, QByteArrayView bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return SaveFailure{systemErrorText(errno)};
    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return SaveFailure{systemErrorText(error), true};
    return std::nullopt;
}

// Makes the rename itself durable; the file is complete whether or not this succeeds.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<SaveFailure> SaveFileAtomically(const QString& path, QByteArrayView bytes) {
    const std::string target = resolved(QFile::encodeName(path).toStdString());
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return SaveFailure{systemErrorText(EISDIR)};
    if (exists && ::access(target.c_str(), W_OK) != 0) return SaveFailure{systemErrorText(errno)};

    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        const int refused = errno;
        const bool folderClosed = refused == EACCES || refused == EPERM;
        if (exists && S_ISREG(existing.st_mode) && folderClosed) return writeInPlace(target, bytes);
        return SaveFailure{systemErrorText(refused)};
    }
    int error = 0;
    if (exists) {
        // The replacement keeps the owner where the process may give it away (an ordinary user may
        // not), and always the permissions.
        [[maybe_unused]] const bool ownerKept = ::fchown(fd, existing.st_uid, existing.st_gid) == 0;
        if (::fchmod(fd, existing.st_mode & 07777) != 0) error = errno;
    }
    if (error == 0 && (!writeAll(fd, bytes) || ::fsync(fd) != 0)) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return SaveFailure{systemErrorText(error)};
    }
    syncFolder(folderOf(target));
    return std::nullopt;
}
