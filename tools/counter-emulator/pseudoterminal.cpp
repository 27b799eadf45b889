#include "pseudoterminal.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace {

constexpr auto CharacterTime = std::chrono::microseconds(10'000'000 / 4800);
constexpr auto OpenPollInterval = std::chrono::milliseconds(2);

std::runtime_error systemError(const std::string& what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

}  // namespace

PseudoTerminal::PseudoTerminal() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) throw systemError("posix_openpt");
    path_ = ::ptsname(master_);
    // Settings made on the master apply to the device; raw, so that nothing is echoed or translated.
    termios settings{};
    ::tcgetattr(master_, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(master_, TCSANOW, &settings);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    // Once the device has been opened and closed, the master reports a hang-up until the next open,
    // which is how the opening program is noticed.
    const int device = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    if (device < 0) throw systemError("open " + path_);
    ::close(device);
}

PseudoTerminal::~PseudoTerminal() {
    ::close(master_);
}

bool PseudoTerminal::hungUp() const {
    pollfd poll{master_, POLLIN, 0};
    return ::poll(&poll, 1, 0) > 0 && (poll.revents & POLLHUP) && !(poll.revents & POLLIN);
}

void PseudoTerminal::waitForOpen() {
    while (hungUp()) std::this_thread::sleep_for(OpenPollInterval);
}

std::optional<std::string> PseudoTerminal::read() {
    for (;;) {
        pollfd poll{master_, POLLIN, 0};
        if (::poll(&poll, 1, -1) < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (poll.revents & POLLIN) {
            char buffer[4096];
            const ssize_t count = ::read(master_, buffer, sizeof buffer);
            if (count > 0) return std::string(buffer, std::size_t(count));
            if (count < 0 && (errno == EAGAIN || errno == EINTR)) continue;
            return std::nullopt;
        }
        if (poll.revents & (POLLHUP | POLLERR)) return std::nullopt;
    }
}

bool PseudoTerminal::write(const std::string& characters, bool paced) {
    std::size_t sent = 0;
    while (sent < characters.size()) {
        const std::size_t length = paced ? 1 : characters.size() - sent;
        const ssize_t count = ::write(master_, characters.data() + sent, length);
        if (count > 0) {
            sent += std::size_t(count);
            if (paced) std::this_thread::sleep_for(CharacterTime);
            continue;
        }
        if (count < 0 && errno != EAGAIN && errno != EINTR) return false;
        if (hungUp()) return false;
        pollfd poll{master_, POLLOUT, 0};
        ::poll(&poll, 1, 100);
    }
    return true;
}

void PseudoTerminal::waitForClose() {
    while (read()) {
    }
}
