// `terrako-diagraph read --port DEVICE [--erase] OUT`: the whole read of a counter without windows:
// its memory into k40read.tmp (and, with --erase, the write of the system area), the conversion into
// k40txt.tmp, the import with the data correction, and the save of the blocks to OUT.
#include <QStringList>
#include <optional>

#include "app/counterjobsteps.h"
#include "app/jobmessages.h"
#include "counter/dumpconversion.h"
#include "counter/readdump.h"

namespace {

struct Arguments {
    QString port;
    bool erase = false;
    QString out;
};

std::optional<Arguments> parseArguments(const QStringList& arguments) {
    Arguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--erase"))
            parsed.erase = true;
        else if (arguments[i] == QLatin1String("--port") && i + 1 < arguments.size())
            parsed.port = arguments[++i];
        else if (parsed.out.isEmpty() && !arguments[i].startsWith(QLatin1Char('-')))
            parsed.out = arguments[i];
        else
            return std::nullopt;
    }
    if (parsed.port.isEmpty() || parsed.out.isEmpty()) return std::nullopt;
    return parsed;
}

}  // namespace

int readJob(const QStringList& arguments) {
    const auto parsed = parseArguments(arguments);
    if (!parsed) {
        printJobMessage(QStringLiteral("usage: read --port DEVICE [--erase] OUT"));
        return 1;
    }
    if (!receiveFromCounter(parsed->port, parsed->erase)) return 1;
    const ConversionResult conversion = ConvertDump(ReadDump::fileName(), CounterText::fileName());
    if (!conversion.ok) {
        printJobMessage(conversion.message);
        return 1;
    }
    return saveCounterText(CounterText::fileName(), parsed->out) ? 0 : 1;
}
