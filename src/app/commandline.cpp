#include "app/commandline.h"

#include <QString>
#include <QStringList>
#include <cstdio>

#include "app/gui.h"
#include "app/subcommands.h"
#include "platform/appinfo.h"

namespace {

void printUsage(FILE* stream) {
    QString usage = QStringLiteral("Usage:\n");
    const auto line = [&usage](const QString& synopsis, const QString& meaning) {
        usage +=
            QStringLiteral("  %1 %2  %3\n").arg(AppInfo::programName(), synopsis.leftJustified(34), meaning);
    };
    line(QString(), QStringLiteral("start the application"));
    line(QStringLiteral("FILE"), QStringLiteral("start the application with the data file FILE opened"));
    line(QStringLiteral("--version"), QStringLiteral("print the version"));
    line(QStringLiteral("--help"), QStringLiteral("print this help"));
    for (const Subcommand& subcommand : subcommands())
        line(QString::fromUtf8(subcommand.synopsis), QString::fromUtf8(subcommand.meaning));
    std::fputs(usage.toLocal8Bit().constData(), stream);
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
    for (const Subcommand& subcommand : subcommands()) {
        if (command == QLatin1String(subcommand.name)) {
            QStringList arguments;
            for (int i = 2; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
            return subcommand.run(arguments);
        }
    }
    if (argc == 2 && !command.startsWith(QLatin1Char('-'))) return startGui(argc, argv, command);
    std::fprintf(stderr, "%s: unknown command or option '%s'\n", qPrintable(AppInfo::programName()),
                 qPrintable(command));
    printUsage(stderr);
    return 1;
}
