// `terrako-diagraph convert DUMP TXT`: turns a counter memory dump into the readable text of its
// records, "-" writing it to stdout.
#include <QStringList>

#include "app/jobarguments.h"
#include "app/jobmessages.h"
#include "counter/dumpconversion.h"

int convertJob(const QStringList& arguments) {
    const std::optional<JobArguments> parsed = parseJobArguments("convert", arguments, {}, {"DUMP", "TXT"});
    if (!parsed) return 1;
    return jobExit(ConvertDump(parsed->files()[0], jobOutputPath(parsed->files()[1])));
}
