#include "datafile/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

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

// Makes the rename itself durable; the file is complete whether or not this succeeds.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<QString> SaveFileAtomically(const QString& path, QByteArrayView bytes) {
    const std::string target = resolved(QFile::encodeName(path).toStdString());
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return reasonOf(EISDIR);
    if (exists && ::access(target.c_str(), W_OK) != 0) return reasonOf(errno);

    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return reasonOf(errno);
    int error = 0;
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0)
        error = errno;
    else if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return reasonOf(error);
    }
    syncFolder(folderOf(target));
    return std::nullopt;
}
