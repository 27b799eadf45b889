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
    std::optional<Failure> failure = receiveFromCounter(parsed->port, parsed->erase);
    if (!failure) failure = ConvertDump(ReadDump::fileName(), CounterText::fileName());
    if (!failure) failure = saveCounterText(CounterText::fileName(), parsed->out);
    if (!failure) return 0;
    // What the counter sent is not an input of the user's: any failure here is a failure of the read.
    printJobMessage(failure->text);
    return 1;
}
