#include "datafile/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "datafile/samefile.h"
#include "datafile/savesteps.h"
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

// The descriptor a name stands for: /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N. Written
// through the descriptor, output keeps what the shell made of it (appending, a pipe, a terminal).
std::optional<int> descriptorNamed(const std::string& path) {
    if (path == "/dev/stdout") return STDOUT_FILENO;
    if (path == "/dev/stderr") return STDERR_FILENO;
    for (const std::string prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        if (!path.starts_with(prefix)) continue;
        const std::string number = path.substr(prefix.size());
        if (number.empty() || number.size() > 6 ||
            number.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        return std::stoi(number);
    }
    return std::nullopt;
}

// The refusal of an output that is one of the inputs.
std::optional<SaveFailure> overwritesInput(const QString& path, const QStringList& inputs) {
    for (const QString& input : inputs)
        if (!input.isEmpty() && NamesSameFile(path, input))
            return SaveFailure{QStringLiteral("読込んだファイル%1と同じファイルです").arg(input)};
    return std::nullopt;
}

// Makes the rename itself durable; the file is complete whether or not this succeeds.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A durable replacement has the file and its name on the disk when it returns, and writes an existing
// file in place in a folder that takes no new file. A quick one leaves the flush to the system and
// never writes in place, so that a killed process always leaves one of the files whole.
enum class Replacement { Durable, Quick };

std::optional<SaveFailure> replaceAtomically(const std::string& target, const struct stat* existing,
                                             QByteArrayView bytes, Replacement replacement) {
    const bool durable = replacement == Replacement::Durable;
    SaveSteps::removeStaleTemporaries(target);
    std::string temporary;
    const int fd = SaveSteps::createTemporary(target, temporary);
    if (fd < 0) {
        const int refused = errno;
        const bool folderClosed = refused == EACCES || refused == EPERM;
        if (durable && existing && folderClosed) return SaveSteps::writeInPlace(target, bytes);
        return SaveFailure{systemErrorText(refused)};
    }
    int error = 0;
    if (existing) {
        // The replacement keeps the owner where the process may give it away (an ordinary user may
        // not), and always the permissions.
        [[maybe_unused]] const bool ownerKept = ::fchown(fd, existing->st_uid, existing->st_gid) == 0;
        if (::fchmod(fd, existing->st_mode & 07777) != 0) error = errno;
    }
    size_t written = 0;
    if (error == 0 && (!SaveSteps::writeAll(fd, bytes, written) || (durable && ::fsync(fd) != 0)))
        error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return SaveFailure{systemErrorText(error)};
    }
    if (durable) syncFolder(folderOf(target));
    return std::nullopt;
}

}  // namespace

std::optional<SaveFailure> SaveFileAtomically(const QString& path, QByteArrayView bytes,
                                              const QStringList& inputs) {
    const std::string given = QFile::encodeName(path).toStdString();
    // Only a file is destroyed by writing over it: a terminal or a pipe may be read and written alike.
    if (const std::optional<int> fd = descriptorNamed(given)) {
        struct stat status {};
        const bool file = ::fstat(*fd, &status) == 0 && S_ISREG(status.st_mode);
        if (std::optional<SaveFailure> refusal = file ? overwritesInput(path, inputs) : std::nullopt)
            return refusal;
        return SaveSteps::writeIntoDescriptor(*fd, bytes);
    }
    const std::string target = resolved(given);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return SaveFailure{systemErrorText(EISDIR)};
    if (exists && !S_ISREG(existing.st_mode))
        return SaveSteps::writeIntoDevice(target, S_ISFIFO(existing.st_mode), bytes);
    if (std::optional<SaveFailure> refusal = overwritesInput(path, inputs)) return refusal;
    if (exists && ::access(target.c_str(), W_OK) != 0) return SaveFailure{systemErrorText(errno)};
    return replaceAtomically(target, exists ? &existing : nullptr, bytes, Replacement::Durable);
}

std::optional<SaveFailure> ReplaceFileUnsynced(const QString& path, QByteArrayView bytes) {
    const std::string target = QFile::encodeName(path).toStdString();
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) return SaveFailure{systemErrorText(EISDIR)};
    return replaceAtomically(target, exists ? &existing : nullptr, bytes, Replacement::Quick);
}

bool SyncToDisk(const QString& path) {
    const std::string name = QFile::encodeName(path).toStdString();
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    syncFolder(folderOf(name));
    return synced;
}

void RemoveStaleTemporaries(const QString& path) {
    SaveSteps::removeStaleTemporaries(QFile::encodeName(path).toStdString());
}
