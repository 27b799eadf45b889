#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <string>

#include "datafile/savesteps.h"
#include "platform/systemerror.h"

namespace {

bool readWhole(int fd, std::string& bytes) {
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t count = ::pread(fd, buffer, sizeof buffer, at);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return false;
        if (count == 0) return true;
        bytes.append(buffer, static_cast<size_t>(count));
        at += count;
    }
}

// Puts `bytes` at the start of the file, cuts it to their size and flushes it to the disk.
bool rewrite(int fd, QByteArrayView bytes) {
    size_t written = 0;
    return ::lseek(fd, 0, SEEK_SET) == 0 && SaveSteps::writeAll(fd, bytes, written) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

}  // namespace

namespace SaveSteps {

// Not atomic, but the only way to save in such a folder. The old bytes are read before anything
// changes; a full disk or a size limit stops the save at the reservation, before the first byte.
std::optional<SaveFailure> writeInPlace(const std::string& target, QByteArrayView bytes) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return SaveFailure{systemErrorText(errno)};
    std::string old;
    if (!readWhole(fd, old)) {
        const int error = errno;
        ::close(fd);
        return SaveFailure{systemErrorText(error)};
    }
    const auto oldSize = static_cast<off_t>(old.size());
    const auto newSize = static_cast<off_t>(bytes.size());
    if (newSize > oldSize) {
        if (const int refused = ::posix_fallocate(fd, 0, newSize); refused != 0) {
            // A reservation that failed halfway may have lengthened the file.
            const bool cut = ::ftruncate(fd, oldSize) == 0;
            ::close(fd);
            return SaveFailure{systemErrorText(refused),
                               cut ? SaveFailure::Outcome::Unchanged : SaveFailure::Outcome::Damaged};
        }
    }
    if (rewrite(fd, bytes)) {
        ::close(fd);
        return std::nullopt;
    }
    const int error = errno;
    const bool restored = rewrite(fd, QByteArrayView(old.data(), oldSize));
    ::close(fd);
    return SaveFailure{systemErrorText(error),
                       restored ? SaveFailure::Outcome::Unchanged : SaveFailure::Outcome::Damaged};
}

}  // namespace SaveSteps
