#include "datafile/filebytes.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <algorithm>
#include <cerrno>

#include "datafile/datafilenotices.h"
#include "platform/systemerror.h"

namespace {

enum class Trouble { None, TooLarge, Silent, Unreadable };

// Reads what the descriptor gives until its end. A pipe or device that has nothing yet is waited for,
// up to InputSilence after the last byte it gave.
Trouble readAll(int fd, off_t largest, std::string& bytes, int& error) {
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            bytes.append(buffer, static_cast<size_t>(count));
            if (static_cast<off_t>(bytes.size()) > largest) return Trouble::TooLarge;
        } else if (count == 0) {
            return Trouble::None;
        } else if (errno == EAGAIN) {
            pollfd waiting{fd, POLLIN, 0};
            const int ready = ::poll(&waiting, 1, static_cast<int>(InputSilence.count()));
            if (ready == 0) return Trouble::Silent;
            if (ready < 0 && errno != EINTR) {
                error = errno;
                return Trouble::Unreadable;
            }
        } else if (errno != EINTR) {
            error = errno;
            return Trouble::Unreadable;
        }
    }
}

}  // namespace

// Read with the system's calls rather than QFile, whose words for a folder are "Unknown error". Opening
// does not wait: a pipe without a writer ends at once, empty. More than `largest` bytes are refused
// whatever the file claims its size is.
std::optional<std::string> ReadFileBytes(const QString& path, off_t largest,
                                         std::optional<Failure>& failure) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        failure =
            Failure{Failure::Kind::Unreadable, DataFileNotices::unreadable(path, systemErrorText(errno))};
        return std::nullopt;
    }
    struct stat status {};
    std::string bytes;
    int error = 0;
    Trouble trouble = Trouble::None;
    if (::fstat(fd, &status) == 0 && status.st_size > largest) {
        trouble = Trouble::TooLarge;
    } else {
        bytes.reserve(static_cast<size_t>(std::min(status.st_size, largest)));
        trouble = readAll(fd, largest, bytes, error);
    }
    ::close(fd);
    switch (trouble) {
        case Trouble::None: return bytes;
        case Trouble::TooLarge:
            failure = Failure{Failure::Kind::RefusedInput, DataFileNotices::oversized(path, largest)};
            break;
        case Trouble::Silent:
            failure = Failure{Failure::Kind::RefusedInput, DataFileNotices::silent(path, InputSilence)};
            break;
        case Trouble::Unreadable:
            failure =
                Failure{Failure::Kind::Unreadable, DataFileNotices::unreadable(path, systemErrorText(error))};
            break;
    }
    return std::nullopt;
}
