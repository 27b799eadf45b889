#include "commands/counterread.h"

#include "commands/blockcommands.h"
#include "commands/counterimport.h"
#include "commands/counterreadview.h"
#include "commands/filecommands.h"
#include "commands/readingentry.h"
#include "commands/surveyview.h"
#include "counter/counterlink.h"
#include "counter/dumpconversion.h"
#include "counter/k40parameters.h"
#include "counter/portsetting.h"
#include "counter/readdump.h"
#include "model/testdata.h"
#include "platform/dialogs.h"

CounterRead::CounterRead(const Parts& parts) : parts_(parts) {}

void CounterRead::readCounter() {
    TestData& data = parts_.data;
    Dialogs& dialogs = parts_.dialogs;
    parts_.entry.settle();
    parts_.blocks.StoreBlockHeader();
    if (data.anyDrops() &&
        dialogs.message(QStringLiteral("現在作業中のデータは消去されますが、よろしいですか？"),
                        Buttons::YesNoDefaultNo, QStringLiteral("データ読込みの確認")) != Answer::Yes)
        return;
    const std::optional<bool> inherit = askInheritance();
    if (!inherit) return;
    const int block = data.CurBlock;
    inherited_ = *inherit
                     ? InheritedSurvey{data.SurveyName[block], data.TesterName[block], data.TestYear[block],
                                       data.TestPlace[block],  data.PointNo[block],    data.DropHeight[block]}
                     : InheritedSurvey{};

    const QString modeTitle = QStringLiteral("カウンタのモードセット");
    if (dialogs.message(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSWを[FUNCTION]にセットして下さい。"), Buttons::OkCancel,
                        modeTitle) != Answer::Ok)
        return;
    if (dialogs.message(QStringLiteral("ﾛｰﾀﾘｴﾝｺｰﾀﾞを回して、カーソルを「data[t]x」の[t]にセットして下さい。"),
                        Buttons::OkCancel, modeTitle) != Answer::Ok)
        return;

    parts_.blocks.emptyDataSet();
    if (!*inherit) parts_.blocks.ClearText();
    parts_.view.readStarted();
    runTransfer(K40Parameters::forRead(parts_.port.numberInForce()));
}

std::optional<bool> CounterRead::askInheritance() {
    const TestData& data = parts_.data;
    Dialogs& dialogs = parts_.dialogs;
    const int block = data.CurBlock;
    const std::pair<const QString*, const char*> required[] = {
        {&data.SurveyName[block], "[調査名]"},  {&data.TesterName[block], "[試験者名]"},
        {&data.TestPlace[block], "[試験場所]"}, {&data.PointNo[block], "[番号]"},
        {&data.TestYear[block], "[試験年]"},
    };
    QString missing;
    for (const auto& [text, name] : required)
        if (text->isEmpty())
            missing += (missing.isEmpty() ? QString() : QStringLiteral(",")) + QString::fromUtf8(name);

    const QString inheritQuestion = QStringLiteral("現在表示されている調査情報を引き継ぎますか？");
    const QString opening = QStringLiteral(
        "ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀを取得する際、表示している調査情報を全ﾌﾞﾛｯｸの調査情報としてｺﾋﾟｰすることが可能です。\r"
        "\n");
    const QString entryTitle = QStringLiteral("調査情報の入力");
    bool inherit = false;
    if (data.hasData()) {
        inherit =
            dialogs.message(inheritQuestion, Buttons::YesNo, QStringLiteral("調査情報の継承")) == Answer::Yes;
    } else if (!missing.isEmpty()) {
        const QString question = opening + QStringLiteral("現在、") + missing +
                                 QStringLiteral(" のデータがありません。今、入力しますか？");
        if (dialogs.message(question, Buttons::YesNo, entryTitle) == Answer::Yes) return std::nullopt;
        inherit = true;
    } else {
        inherit = dialogs.message(opening + inheritQuestion, Buttons::YesNo, entryTitle) == Answer::Yes;
    }
    if (inherit && !missing.isEmpty() &&
        dialogs.message(missing + QStringLiteral(" のデータがありませんがよろしいですか？"), Buttons::YesNo,
                        QStringLiteral("調査情報の不足")) != Answer::Yes)
        return std::nullopt;
    return inherit;
}

int CounterRead::runTransfer(const K40Parameters& parameters) {
    const QString device = parts_.port.deviceInForce();
    if (parameters.K40DRV_H6 == K40Parameters::DebugMode) {
        parts_.view.showTransferWindow(parameters, device);
        return K40Parameters::Running;
    }
    if (parameters.K40DRV_H1 != K40Parameters::RunAll) return K40Parameters::Running;

    parts_.view.showTransferProgress();
    const CounterLink::Outcome outcome =
        parts_.link.read(device, parameters, ReadDump::fileName(), [this] { return askErase(); });
    if (const std::optional<TransferFailure>& failure = outcome.failure) {
        const Icon icon = failure->kind == TransferFailure::Kind::Stopped ? Icon::Warning : Icon::Critical;
        parts_.dialogs.detailedMessage(failure->windowText(), failure->windowDetail(), Buttons::Ok, QString(),
                                       icon);
    }
    parts_.view.closeTransferProgress();
    const int status = outcome.failure   ? K40Parameters::Failed
                       : outcome.written ? K40Parameters::Written
                                         : K40Parameters::Running;
    // What was received is imported even when the write phase failed afterwards: by then the counter
    // may already have lost its records.
    const bool imported = outcome.checked && importReceived();
    parts_.view.readEnded(imported);
    return status;
}

bool CounterRead::importReceived() {
    Dialogs& dialogs = parts_.dialogs;
    if (const std::optional<Failure> failure = ConvertDump(ReadDump::fileName(), CounterText::fileName())) {
        dialogs.message(failure->text, Buttons::Ok, QString(), Icon::Critical);
        return false;
    }
    if (!parts_.counterImport.importCounterText(inherited_)) return false;
    dialogs.message(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀをﾌｧｲﾙに保存します。"), Buttons::Ok);
    parts_.files.saveAs();
    parts_.survey.setCaption(mainCaption(parts_.data.DataFileName));
    return true;
}

bool CounterRead::askErase() {
    return parts_.dialogs.message(QStringLiteral("記録されたデータはすべて消去されますが、よろしいですか？"),
                                  Buttons::YesNoDefaultNo,
                                  QStringLiteral("記録データ消去の確認")) == Answer::Yes;
}

void CounterRead::importAgain() {
    parts_.entry.settle();
    if (!parts_.blocks.mayDiscardData()) return;
    parts_.counterImport.importCounterText(inherited_);
}
