#include "counter/counterimport.h"

#include "counter/counterimportwindow.h"
#include "model/testdata.h"
#include "platform/dialogs.h"

namespace {

const FileFilter DumpFiles{QStringLiteral("指定するﾌｧｲﾙ (k40read.tmp)"), QStringLiteral("k40read.tmp")};

}  // namespace

CounterImport::CounterImport(TestData& data, Dialogs& dialogs, CounterImportWindow& window)
    : data_(data), dialogs_(dialogs), window_(window) {}

bool CounterImport::cmdDataEx_Click(const InheritedSurvey& survey, const QString& textPath) {
    std::optional<QString> source = textPath;
    for (;;) {
        QString reason;
        if (source) {
            window_.ClearAllData();
            const std::optional<QString> failure = ReadCounterText(*source, survey, data_);
            if (!failure) {
                window_.correctReadings();
                data_.CurBlock = 1;
                window_.showImportedData();
                return true;
            }
            reason = *failure;
        }
        dialogs_.detailedMessage(QStringLiteral("[k40read.tmp] ﾌｧｲﾙの場所を指定して下さい。"), reason,
                                 Buttons::Ok);
        const std::optional<QString> chosen = dialogs_.openFileName(DumpFiles);
        if (!chosen || chosen->isEmpty()) return false;
        source = textOf(*chosen, textPath);
    }
}

std::optional<QString> CounterImport::textOf(const QString& chosen, const QString& textPath) {
    if (!IsCounterDump(chosen)) return chosen;
    const ConversionResult conversion = ConvertDump(chosen, textPath);
    if (conversion.ok) return textPath;
    dialogs_.message(conversion.message, Buttons::Ok);
    return std::nullopt;
}
