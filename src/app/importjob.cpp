// `terrako-diagraph import TXT OUT`: reads the counter's records from their text, corrects the
// readings and saves the blocks to OUT as 名前を付けて保存 does.
#include <QStringList>

#include "app/counterjobsteps.h"
#include "app/jobarguments.h"
#include "app/jobmessages.h"

int importJob(const QStringList& arguments) {
    const std::optional<JobArguments> parsed = parseJobArguments("import", arguments, {}, {"TXT", "OUT"});
    if (!parsed) return 1;
    return jobExit(saveCounterText(parsed->files()[0], parsed->files()[1]));
}
