#include <QAction>

#include "counter/dumpconversion.h"
#include "counter/gui/drv_k40.h"
#include "counter/k40parameters.h"
#include "counter/portsetting.h"
#include "counter/readdump.h"
#include "mainwin/frmMain.h"
#include "model/testdata.h"
#include "platform/dialogs.h"

// Reading the counter: the questions before the transfer, the transfer itself, the import of what it
// brought and the save of the new data.

void frmMain::mnuInputData_Click() {
    blocks_.StoreBlockHeader();
    const int block = data_.CurBlock;
    const QString discardTitle = QStringLiteral("データ読込みの確認");
    if (data_.hasData() &&
        dialogs_.message(QStringLiteral("現在作業中のデータは消去されますが、よろしいですか？"),
                         Buttons::YesNoDefaultNo, discardTitle) != Answer::Yes)
        return;

    const std::pair<const QString*, const char*> required[] = {
        {&data_.SurveyName[block], "[調査名]"},  {&data_.TesterName[block], "[試験者名]"},
        {&data_.TestPlace[block], "[試験場所]"}, {&data_.PointNo[block], "[番号]"},
        {&data_.TestYear[block], "[試験年]"},
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
    if (data_.hasData()) {
        inherit = dialogs_.message(inheritQuestion, Buttons::YesNo, QStringLiteral("調査情報の継承")) ==
                  Answer::Yes;
    } else if (!missing.isEmpty()) {
        const QString question = opening + QStringLiteral("現在、") + missing +
                                 QStringLiteral(" のデータがありません。今、入力しますか？");
        if (dialogs_.message(question, Buttons::YesNo, entryTitle) == Answer::Yes) return;
        inherit = true;
    } else {
        inherit = dialogs_.message(opening + inheritQuestion, Buttons::YesNo, entryTitle) == Answer::Yes;
    }

    if (inherit) {
        if (!missing.isEmpty() &&
            dialogs_.message(missing + QStringLiteral(" のデータがありませんがよろしいですか？"),
                             Buttons::YesNo, QStringLiteral("調査情報の不足")) != Answer::Yes)
            return;
        inherited_ = {data_.SurveyName[block], data_.TesterName[block], data_.TestYear[block],
                      data_.TestPlace[block],  data_.PointNo[block],    data_.DropHeight[block]};
    } else {
        inherited_ = {};
    }

    const QString modeTitle = QStringLiteral("カウンタのモードセット");
    if (dialogs_.message(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSWを[FUNCTION]にセットして下さい。"), Buttons::OkCancel,
                         modeTitle) != Answer::Ok)
        return;
    if (dialogs_.message(
            QStringLiteral("ﾛｰﾀﾘｴﾝｺｰﾀﾞを回して、カーソルを「data[t]x」の[t]にセットして下さい。"),
            Buttons::OkCancel, modeTitle) != Answer::Ok)
        return;

    blocks_.ClearAllData();
    Picture1_Click();
    data_.CurBlock = 1;
    setBlockNumberText(QStringLiteral("1"));
    data_.DropCount[1] = 0;
    data_.BlockCount = 1;
    data_.DataFileName.clear();
    focusSurveyName();
    if (!inherit) blocks_.ClearText();
    mnuInputData->setEnabled(false);
    TerrakoTRX(K40Parameters::RunAll, 20, 2, 20, data_.CommPort, 0);
}

int frmMain::TerrakoTRX(int h1, int h2, int h3, int h4, int h5, int h6) {
    const QString device =
        sessionDevice_.isEmpty() ? PortSetting::deviceInForce(data_, settings_) : sessionDevice_;
    bool received = false;  // the erase question comes only after a completed receive phase
    const int status = Drv_K40({dialogs_, device, this}, h1, h2, h3, h4, h5, h6, [this, &received] {
        received = true;
        return dialogs_.message(QStringLiteral("記録されたデータはすべて消去されますが、よろしいですか？"),
                                Buttons::YesNoDefaultNo,
                                QStringLiteral("記録データ消去の確認")) == Answer::Yes;
    });
    // What was received is imported even when the write phase failed afterwards: by then the counter
    // may already have lost its records.
    if (h6 == K40Parameters::DebugMode || h1 != K40Parameters::RunAll || !received) return status;
    const ConversionResult conversion = ConvertDump(ReadDump::fileName(), CounterText::fileName());
    if (!conversion.ok) {
        dialogs_.message(conversion.message, Buttons::Ok);
        return K40Parameters::Failed;
    }
    counterImport_.cmdDataEx_Click(inherited_);
    dialogs_.message(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀをﾌｧｲﾙに保存します。"), Buttons::Ok);
    files_.mnuSaveName();
    setCaption(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾒｲﾝﾌﾚｰﾑ [") + data_.DataFileName + QStringLiteral("]"));
    return status;
}
