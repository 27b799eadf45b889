#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

// The counter's end of a pseudo-terminal pair. The program opens the other end, the device path(),
// as its serial port. The line is raw: no echo, no line editing, every byte passes as it is.
class PseudoTerminal {
public:
    PseudoTerminal();  // throws std::runtime_error when the system has no pseudo-terminal to give
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& devicePath() const { return path_; }

    // Waits until a program has opened the device.
    void waitForOpen();
    // Waits for characters: all that have arrived, or nothing once the program has closed the device.
    std::optional<std::string> read();
    // Sends the characters; with `paced`, one at a time at 4800 bit/s (ten bits a character). False
    // once the program has closed the device.
    bool write(const std::string& characters, bool paced);
    // Waits until the program has closed the device, discarding whatever it still sends.
    void waitForClose();

private:
    bool hungUp() const;

    int master_ = -1;
    std::string path_;
};
