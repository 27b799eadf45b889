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
    line(QStringLiteral("[--port DEVICE] [FILE]"),
         QStringLiteral("start with the data file FILE opened; read the counter on DEVICE this time"));
    line(QStringLiteral("--version"), QStringLiteral("print the version"));
    line(QStringLiteral("--help"), QStringLiteral("print this help"));
    for (const Subcommand& subcommand : subcommands())
        line(QString::fromUtf8(subcommand.synopsis), QString::fromUtf8(subcommand.meaning));
    std::fputs(usage.toLocal8Bit().constData(), stream);
}

}  // namespace

int runCommandLine(int argc, char* argv[]) {
    if (argc < 2) return startGui(argc, argv, {});
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
    GuiOptions options;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("--port") && i + 1 < argc) {
            options.device = QString::fromLocal8Bit(argv[++i]);
        } else if (!argument.startsWith(QLatin1Char('-')) && options.file.isEmpty()) {
            options.file = argument;
        } else {
            std::fprintf(stderr, "%s: unknown command or option '%s'\n", qPrintable(AppInfo::programName()),
                         qPrintable(argument));
            printUsage(stderr);
            return 1;
        }
    }
    return startGui(argc, argv, options);
}
