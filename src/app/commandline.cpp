#include "app/commandline.h"

#include <QString>
#include <cstdio>

#include "app/gui.h"
#include "platform/appinfo.h"

namespace {

void printUsage(FILE* stream) {
    const QString usage = QStringLiteral(
        "Usage:\n"
        "  %1              start the application\n"
        "  %1 --version    print the version\n"
        "  %1 --help       print this help\n");
    std::fputs(usage.arg(AppInfo::programName()).toLocal8Bit().constData(), stream);
}

}  // namespace

int runCommandLine(int argc, char* argv[]) {
    if (argc < 2) return startGui(argc, argv);
    const QString command = QString::fromLocal8Bit(argv[1]);
    if (command == QLatin1String("--version")) {
        std::printf("%s %s\n", qPrintable(AppInfo::programName()), qPrintable(AppInfo::version()));
        return 0;
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        printUsage(stdout);
        return 0;
    }
    std::fprintf(stderr, "%s: unknown command or option '%s'\n", qPrintable(AppInfo::programName()),
                 qPrintable(command));
    printUsage(stderr);
    return 1;
}
