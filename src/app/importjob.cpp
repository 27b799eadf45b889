// `terrako-diagraph import TXT OUT`: reads the counter's records from their text, corrects the
// readings and saves the blocks to OUT as 名前を付けて保存 does.
#include <QStringList>

#include "app/counterjobsteps.h"
#include "app/jobmessages.h"

int importJob(const QStringList& arguments) {
    if (arguments.size() != 2) {
        printJobMessage(QStringLiteral("usage: import TXT OUT"));
        return 1;
    }
    return jobExit(saveCounterText(arguments[0], arguments[1]));
}
