#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <csignal>
#include <string>
#include <string_view>

#include "datafile/savesteps.h"

namespace {

constexpr size_t RandomLetters = 8;
constexpr size_t LongestHost = 64;

// Temporaries are named ".NAME.HOST.PID.XXXXXXXX" beside the file: the host and process tell whether
// the writer is still there, on a folder that several machines share too.
std::string hostName() {
    char buffer[256] = {};
    if (::gethostname(buffer, sizeof buffer - 1) != 0) return "localhost";
    std::string name(buffer);
    for (char& c : name)
        if (c == '/' || c == '.') c = '_';
    return name.substr(0, LongestHost);
}

struct Place {
    std::string folder;  // with its trailing slash, or empty for the current folder
    std::string prefix;  // ".NAME." with NAME shortened so that every temporary name fits
};

Place placeOf(const std::string& target) {
    const size_t slash = target.rfind('/');
    Place place{slash == std::string::npos ? std::string() : target.substr(0, slash + 1),
                target.substr(slash == std::string::npos ? 0 : slash + 1)};
    const size_t room = NAME_MAX - 4 - LongestHost - 10 - RandomLetters;
    std::string& name = place.prefix;
    if (name.size() > room) {
        name.resize(room);
        // Never in the middle of a UTF-8 character.
        while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80) name.pop_back();
        if (!name.empty() && static_cast<unsigned char>(name.back()) >= 0xC0) name.pop_back();
    }
    name = "." + name + ".";
    return place;
}

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process that wrote a temporary of this host, from the rest of its name after the prefix; none
// for a name that is not such a temporary.
std::optional<pid_t> writerOf(std::string_view rest, const std::string& host) {
    if (rest.size() < RandomLetters + 2 || rest[rest.size() - RandomLetters - 1] != '.') return std::nullopt;
    rest.remove_suffix(RandomLetters + 1);
    const size_t dot = rest.rfind('.');
    if (dot == std::string_view::npos || rest.substr(0, dot) != host) return std::nullopt;
    const std::string_view pid = rest.substr(dot + 1);
    if (!isDigits(pid) || pid.size() > 9) return std::nullopt;
    return static_cast<pid_t>(std::stol(std::string(pid)));
}

}  // namespace

namespace SaveSteps {

int createTemporary(const std::string& target, std::string& name) {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const Place place = placeOf(target);
    const std::string stem =
        place.folder + place.prefix + hostName() + "." + std::to_string(::getpid()) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem;
        for (size_t i = 0; i < RandomLetters; ++i) name += letters[QRandomGenerator::global()->bounded(36)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void removeStaleTemporaries(const std::string& target) {
    const Place place = placeOf(target);
    DIR* folder = ::opendir(place.folder.empty() ? "." : place.folder.c_str());
    if (!folder) return;
    const std::string host = hostName();
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name(entry->d_name);
        if (!name.starts_with(place.prefix)) continue;
        const std::optional<pid_t> writer = writerOf(name.substr(place.prefix.size()), host);
        if (!writer || ::kill(*writer, 0) == 0 || errno != ESRCH) continue;
        struct stat status {};
        if (::fstatat(::dirfd(folder), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

}  // namespace SaveSteps
