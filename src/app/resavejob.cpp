#include <QStringList>

#include "app/jobmessages.h"
#include "datafile/datafilenotices.h"
#include "datafile/datafilewriter.h"
#include "model/testdata.h"

// terrako-diagraph resave IN OUT: reads IN and writes OUT in the extended layout, as 名前を付けて保存
// does; OUT is left as it was when it cannot be written.
int resaveJob(const QStringList& arguments) {
    if (arguments.size() != 2) {
        printJobMessage(QStringLiteral("usage: resave IN OUT"));
        return 1;
    }
    TestData data;
    if (const std::optional<Failure> failure = readJobInput(arguments[0], data)) return jobExit(failure);
    const bool textsReplaced = !SurveyTextsStorable(data);
    data.ExtFormat = 1;
    if (const std::optional<Failure> failure = WriteDataFile(arguments[1], data)) return jobExit(failure);
    if (textsReplaced) printJobMessage(DataFileNotices::unstorableReplaced());
    return 0;
}
