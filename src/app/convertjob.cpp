// `terrako-diagraph convert DUMP TXT`: turns a counter memory dump into the readable text of its records.
#include <QStringList>

#include "app/jobmessages.h"
#include "counter/dumpconversion.h"

int convertJob(const QStringList& arguments) {
    if (arguments.size() != 2) {
        printJobMessage(QStringLiteral("usage: convert DUMP TXT"));
        return 1;
    }
    return jobExit(ConvertDump(arguments[0], arguments[1]));
}
