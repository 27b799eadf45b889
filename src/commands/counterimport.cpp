#include "commands/counterimport.h"

#include "commands/blockcommands.h"
#include "commands/filecommands.h"
#include "model/testdata.h"
#include "platform/dialogs.h"

namespace {

const FileFilter DumpFiles{QStringLiteral("指定するﾌｧｲﾙ (k40read.tmp)"), QStringLiteral("k40read.tmp")};

}  // namespace

CounterImport::CounterImport(TestData& data, Dialogs& dialogs, BlockCommands& blocks, FileCommands& files)
    : data_(data), dialogs_(dialogs), blocks_(blocks), files_(files) {}

bool CounterImport::importCounterText(const InheritedSurvey& survey, const QString& textPath) {
    std::optional<QString> source = textPath;
    for (;;) {
        QString reason;
        if (source) {
            // Read aside: a text that cannot be read leaves nothing of itself in the data set. The data
            // of before are gone either way.
            TestData records;
            const CounterTextRead read = ReadCounterText(*source, survey, records);
            if (!read.failure) {
                {
                    // One change of the data set, and one step to undo.
                    const ChangeNotifier::Batch batch(data_.changed);
                    blocks_.ClearAllData();
                    takeBlocks(records);
                    files_.correctReadings();
                    data_.CurBlock = 1;
                    data_.Modified = true;
                    blocks_.ShowBlockFromStart();
                }
                if (!read.leftOut.empty())
                    dialogs_.message(LeftOutRecordsNotice(read.leftOut), Buttons::Ok, QString(),
                                     Icon::Warning);
                return true;
            }
            blocks_.ClearAllData();
            reason = read.failure->text;
        }
        dialogs_.detailedMessage(QStringLiteral("[k40read.tmp] ﾌｧｲﾙの場所を指定して下さい。"), reason,
                                 Buttons::Ok);
        const std::optional<QString> chosen = dialogs_.openFileName(DumpFiles);
        if (!chosen || chosen->isEmpty()) return false;
        source = textOf(*chosen, textPath);
    }
}

// The data file, its layout, the drop capacity and the edit history stay as they are: the import is
// one step of that history.
void CounterImport::takeBlocks(const TestData& records) {
    const QString file = data_.DataFileName;
    const qint16 maxDrops = data_.MaxDrops;
    const qint16 layout = data_.ExtFormat;
    const quint64 generation = data_.Generation;
    data_ = records;
    data_.DataFileName = file;
    data_.MaxDrops = maxDrops;
    data_.ExtFormat = layout;
    data_.Generation = generation;
}

std::optional<QString> CounterImport::textOf(const QString& chosen, const QString& textPath) {
    if (!IsCounterDump(chosen)) return chosen;
    const std::optional<Failure> failure = ConvertDump(chosen, textPath);
    if (!failure) return textPath;
    dialogs_.message(failure->text, Buttons::Ok, QString(), Icon::Warning);
    return std::nullopt;
}
