// `terrako-diagraph receive --port DEVICE [--erase]`: reads the counter's memory into k40read.tmp in
// the current folder and, with --erase, writes the system area, which erases the counter's records.
#include <QStringList>

#include "app/counterjobsteps.h"
#include "app/jobmessages.h"

int receiveJob(const QStringList& arguments) {
    const std::optional<JobArguments> parsed = parseJobArguments("receive", arguments, CounterJobOptions, {});
    if (!parsed) return 1;
    const std::optional<QString> port = portOf("receive", *parsed);
    if (!port) return 1;
    return jobExit(receiveFromCounter(*port, parsed->has("--erase")));
}
