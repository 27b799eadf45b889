#include <csignal>

#include "app/commandline.h"

int main(int argc, char* argv[]) {
    // A file-size limit makes a write fail, which the saves report, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    return runCommandLine(argc, argv);
}
