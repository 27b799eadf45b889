// `terrako-diagraph read --port DEVICE [--erase] OUT`: the whole read of a counter without windows:
// its memory into k40read.tmp (and, with --erase, the write of the system area), the conversion into
// k40txt.tmp, the import with the data correction, and the save of the blocks to OUT.
#include <QStringList>

#include "app/counterjobsteps.h"
#include "app/jobmessages.h"
#include "counter/dumpconversion.h"
#include "counter/readdump.h"

int readJob(const QStringList& arguments) {
    const auto parsed = parseCounterJobArguments(arguments, true);
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
    // What the counter sent is not an input of the user's: any failure here is a failure of the read.
    return saveCounterText(CounterText::fileName(), parsed->out) == 0 ? 0 : 1;
}
