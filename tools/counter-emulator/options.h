#pragma once

#include <string>

#include "counterside.h"

// The emulator's command line.
struct Options {
    SessionSettings session;
    bool printMemory = false;  // print the memory as k40read.tmp text and end
    bool repeat = false;       // serve one session after another until ended
    bool help = false;
};

struct OptionsOrError {
    Options options;
    std::string error;  // empty when the command line was sound
};
OptionsOrError parseOptions(int argc, char* argv[]);

extern const char* const Usage;
