// `terrako-diagraph read --port DEVICE [--erase] OUT`: the whole read of a counter without windows:
// its memory into k40read.tmp (and, with --erase, the write of the system area), the conversion into
// k40txt.tmp, the import with the data correction, and the save of the blocks to OUT.
#include <QStringList>

#include "app/counterjobsteps.h"
#include "app/jobmessages.h"
#include "counter/dumpconversion.h"
#include "counter/readdump.h"
#include "datafile/samefile.h"

int readJob(const QStringList& arguments) {
    const std::optional<JobArguments> parsed =
        parseJobArguments("read", arguments, CounterJobOptions, {"OUT"});
    if (!parsed) return 1;
    const std::optional<QString> port = portOf("read", *parsed);
    if (!port) return 1;
    const QString& out = parsed->files()[0];
    // Refused before the counter is read, let alone erased.
    for (const QString& step : {ReadDump::fileName(), CounterText::fileName()}) {
        if (NamesSameFile(out, step)) {
            printJobMessage(
                QStringLiteral(
                    "ファイル%1は、読込みの途中で使うファイル%2と同じです。別のファイルを指定してください。")
                    .arg(out, step));
            return 1;
        }
    }
    std::optional<Failure> failure = receiveFromCounter(*port, parsed->has("--erase"));
    if (!failure) failure = ConvertDump(ReadDump::fileName(), CounterText::fileName());
    if (!failure) failure = saveCounterText(CounterText::fileName(), out);
    if (!failure) return 0;
    // What the counter sent is not an input of the user's: any failure here is a failure of the read.
    printJobMessage(failure->text);
    return 1;
}
