#include "datafile/filebytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <algorithm>
#include <cerrno>

#include "platform/systemerror.h"

// Read with the system's calls rather than QFile, whose words for a folder are "Unknown error". A pipe
// without a writer or a device that never ends are read as far as the limit and no further: opening
// does not wait, and more than `largest` bytes are refused whatever the file claims its size is.
std::optional<std::string> ReadFileBytes(const QString& path, off_t largest, QString& reason,
                                         bool* tooLarge) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        reason = systemErrorText(errno);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(fd, &status) == 0 && status.st_size > largest) {
        ::close(fd);
        if (tooLarge) *tooLarge = true;
        reason = systemErrorText(EFBIG);
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(static_cast<size_t>(std::min(status.st_size, largest)));
    char buffer[65536];
    ssize_t count = 0;
    int error = 0;
    while ((count = ::read(fd, buffer, sizeof buffer)) > 0 || (count < 0 && errno == EINTR)) {
        if (count > 0) bytes.append(buffer, static_cast<size_t>(count));
        if (static_cast<off_t>(bytes.size()) > largest) {
            error = EFBIG;
            break;
        }
    }
    if (count < 0 && errno != EAGAIN) error = errno;
    ::close(fd);
    if (error == 0) return bytes;
    if (tooLarge) *tooLarge = error == EFBIG;
    reason = systemErrorText(error);
    return std::nullopt;
}
