// counter-emulator: a recording counter on a pseudo-terminal, for tests and demonstrations.
#include <cstdio>
#include <iostream>

#include "counterside.h"
#include "options.h"
#include "pseudoterminal.h"

namespace {

int serve(const Options& options) {
    PseudoTerminal line;
    std::cout << line.devicePath() << std::endl;
    bool sound = true;
    do {
        const SessionReport report = runSession(line, options.session);
        for (const std::string& fault : report.faults) std::cerr << "counter-emulator: " << fault << '\n';
        std::cerr << "counter-emulator: session ended after " << report.chunksSent << " chunks and "
                  << report.imageBytes << " image bytes"
                  << (report.imageChecked && report.faults.empty() ? "; image sound" : "") << std::endl;
        sound = report.faults.empty();
    } while (options.repeat);
    return sound ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const OptionsOrError parsed = parseOptions(argc, argv);
    if (!parsed.error.empty()) {
        std::cerr << "counter-emulator: " << parsed.error << '\n' << Usage;
        return 2;
    }
    if (parsed.options.help) {
        std::cout << Usage;
        return 0;
    }
    if (parsed.options.printMemory) {
        std::cout << parsed.options.session.memoryDigits << "\r\n";
        return 0;
    }
    try {
        return serve(parsed.options);
    } catch (const std::exception& error) {
        std::cerr << "counter-emulator: " << error.what() << '\n';
        return 1;
    }
}
