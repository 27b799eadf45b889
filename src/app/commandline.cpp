#include "app/commandline.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

#include "app/gui.h"
#include "app/subcommands.h"
#include "platform/appinfo.h"
#include "platform/failure.h"

namespace {

void printUsage(FILE* stream) {
    QString usage = QStringLiteral("使い方:\n");
    const auto line = [&usage](const QString& synopsis, const QString& meaning) {
        usage +=
            QStringLiteral("  %1 %2  %3\n").arg(AppInfo::programName(), synopsis.leftJustified(34), meaning);
    };
    line(QString(), QStringLiteral("アプリケーションを起動する"));
    line(QStringLiteral("[--port DEVICE] [FILE]"),
         QStringLiteral(
             "データファイル FILE を開いて起動する（--port: 今回はテラコカウンタを DEVICE で読む）"));
    line(QStringLiteral("--version"), QStringLiteral("バージョンを表示する"));
    line(QStringLiteral("--help"), QStringLiteral("この使い方を表示する"));
    for (const Subcommand& subcommand : subcommands())
        line(QString::fromUtf8(subcommand.synopsis), QString::fromUtf8(subcommand.meaning));
    std::fputs(usage.toUtf8().constData(), stream);
}

// The options of the application's start: --port DEVICE once, and one data file.
std::optional<GuiOptions> guiOptions(int argc, char* argv[]) {
    GuiOptions options;
    bool portGiven = false;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        QString refusal;
        if (argument == QLatin1String("--port") && i + 1 < argc && !portGiven) {
            options.device = QString::fromLocal8Bit(argv[++i]);
            portGiven = true;
        } else if (argument == QLatin1String("--port")) {
            refusal =
                portGiven
                    ? QStringLiteral("オプション --port が2回指定されています。1回だけ指定してください。")
                    : QStringLiteral("オプション --port のあとに DEVICE を指定してください。");
        } else if (argument.startsWith(QLatin1Char('-'))) {
            refusal = QStringLiteral("コマンドまたはオプション %1 はありません。").arg(quotedInput(argument));
        } else if (!options.file.isEmpty()) {
            refusal = QStringLiteral("開くデータファイルは1つだけ指定してください（%1 と %2）。")
                          .arg(quotedInput(options.file), quotedInput(argument));
        } else {
            options.file = argument;
        }
        if (!refusal.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(AppInfo::programName()),
                         refusal.toUtf8().constData());
            printUsage(stderr);
            return std::nullopt;
        }
    }
    return options;
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
    const std::optional<GuiOptions> options = guiOptions(argc, argv);
    return options ? startGui(argc, argv, *options) : 1;
}
