#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <ctime>

#include "datafile/savesteps.h"
#include "platform/systemerror.h"

namespace SaveSteps {

// SIGPIPE is held back while writing, and one it raised is taken away, so that a pipe whose reader
// went away gives EPIPE like any other failed write.
bool writeAll(int fd, QByteArrayView bytes, size_t& written) {
    sigset_t pipeSignal;
    sigset_t previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const char* data = bytes.data();
    size_t left = static_cast<size_t>(bytes.size());
    written = 0;
    bool complete = true;
    while (left > 0) {
        const ssize_t count = ::write(fd, data, left);
        if (count < 0 && errno == EINTR) continue;
        if (count == 0) errno = EIO;
        if (count <= 0) {
            complete = false;
            break;
        }
        data += count;
        left -= static_cast<size_t>(count);
        written += static_cast<size_t>(count);
    }
    if (!complete && errno == EPIPE) {
        const int error = errno;
        const timespec now{};
        sigtimedwait(&pipeSignal, nullptr, &now);
        errno = error;
    }
    const int error = errno;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = error;
    return complete;
}

std::optional<SaveFailure> writeIntoDescriptor(int fd, QByteArrayView bytes) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return SaveFailure{systemErrorText(errno)};
    size_t written = 0;
    int error = writeAll(fd, bytes, written) ? 0 : errno;
    // A file behind the descriptor reports some failures only when flushed.
    if (error == 0 && S_ISREG(status.st_mode) && ::fsync(fd) != 0) error = errno;
    if (error == 0) return std::nullopt;
    return SaveFailure{systemErrorText(error),
                       written > 0 ? SaveFailure::Outcome::Cut : SaveFailure::Outcome::Unchanged};
}

// A pipe nobody reads is refused at once instead of waiting for a reader.
std::optional<SaveFailure> writeIntoDevice(const std::string& path, bool pipe, QByteArrayView bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (pipe && errno == ENXIO) return SaveFailure{QStringLiteral("パイプを読むプログラムがありません")};
        return SaveFailure{systemErrorText(errno)};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::optional<SaveFailure> failure = writeIntoDescriptor(fd, bytes);
    if (::close(fd) != 0 && !failure)
        failure = SaveFailure{systemErrorText(errno), SaveFailure::Outcome::Cut};
    return failure;
}

}  // namespace SaveSteps
