// `terrako-diagraph receive --port DEVICE [--erase]`: reads the counter's memory into k40read.tmp in
// the current folder and, with --erase, writes the system area, which erases the counter's records.
#include <QStringList>

#include "app/counterjobsteps.h"
#include "app/jobmessages.h"

int receiveJob(const QStringList& arguments) {
    const auto parsed = parseCounterJobArguments(arguments, false);
    if (!parsed) {
        printJobMessage(QStringLiteral("usage: receive --port DEVICE [--erase]"));
        return 1;
    }
    return jobExit(receiveFromCounter(parsed->port, parsed->erase));
}
