// `terrako-diagraph receive --port DEVICE [--erase]`: reads the counter's memory into k40read.tmp in
// the current folder and, with --erase, writes the system area, which erases the counter's records.
#include <QStringList>
#include <optional>

#include "app/counterjobsteps.h"
#include "app/jobmessages.h"

namespace {

struct Arguments {
    QString port;
    bool erase = false;
};

std::optional<Arguments> parseArguments(const QStringList& arguments) {
    Arguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--erase"))
            parsed.erase = true;
        else if (arguments[i] == QLatin1String("--port") && i + 1 < arguments.size())
            parsed.port = arguments[++i];
        else
            return std::nullopt;
    }
    if (parsed.port.isEmpty()) return std::nullopt;
    return parsed;
}

}  // namespace

int receiveJob(const QStringList& arguments) {
    const auto parsed = parseArguments(arguments);
    if (!parsed) {
        printJobMessage(QStringLiteral("usage: receive --port DEVICE [--erase]"));
        return 1;
    }
    return receiveFromCounter(parsed->port, parsed->erase) ? 0 : 1;
}
