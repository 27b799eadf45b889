// `terrako-diagraph import TXT OUT`: reads the counter's records from their text, corrects the
// readings and saves the blocks to OUT as 名前を付けて保存 does.
#include <QStringList>

#include "app/jobmessages.h"
#include "counter/countertextreader.h"
#include "datafile/datacorrection.h"
#include "datafile/datafilenotices.h"
#include "datafile/datafilewriter.h"
#include "model/testdata.h"

int importJob(const QStringList& arguments) {
    if (arguments.size() != 2) {
        printJobMessage(QStringLiteral("usage: import TXT OUT"));
        return 1;
    }
    TestData data;
    if (const std::optional<QString> reason = ReadCounterText(arguments[0], InheritedSurvey{}, data)) {
        printJobMessage(*reason);
        return 1;
    }
    CorrectReadings(data);
    // The save refuses a data set whose first block holds no drops.
    if (!data.hasData()) {
        printJobMessage(QStringLiteral("データがありません。"));
        return 1;
    }
    const QString& out = arguments[1];
    data.ExtFormat = 1;
    if (const std::optional<QString> reason = WriteDataFile(out, data)) {
        printJobMessage(DataFileNotices::unwritable(out, *reason));
        return 1;
    }
    return 0;
}
