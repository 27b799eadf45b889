#include "commands/filecommands.h"

#include "commands/blockcommands.h"
#include "commands/readingentry.h"
#include "commands/surveyview.h"
#include "datafile/datacorrection.h"
#include "datafile/datafilenotices.h"
#include "datafile/datafilereader.h"
#include "datafile/datafilewriter.h"
#include "model/testdata.h"
#include "platform/dialogs.h"

namespace {

const FileFilter DataFiles{QStringLiteral("すべてのﾌｧｲﾙ (*.txt)"), QStringLiteral("*.txt")};

}  // namespace

FileCommands::FileCommands(TestData& data, Dialogs& dialogs, BlockCommands& blocks, ReadingEntry& entry,
                           SurveyView& survey)
    : data_(data), dialogs_(dialogs), blocks_(blocks), entry_(entry), survey_(survey) {}

void FileCommands::open() {
    if (!blocks_.mayDiscardData()) return;
    const std::optional<QString> path = dialogs_.openFileName(DataFiles);
    if (path && !path->isEmpty()) openFile(*path);
}

bool FileCommands::openFile(const QString& path) {
    const ChangeNotifier::Batch batch(data_.changed);
    const int shownRows = data_.DropCount[data_.CurBlock];
    const ReadResult result = ReadDataFile(path, data_);
    if (result.failure) {
        const bool refused = result.failure->kind == Failure::Kind::RefusedInput;
        dialogs_.message(result.failure->text, Buttons::Ok,
                         refused ? QString() : QStringLiteral("ファイル読込みエラー"));
        return false;
    }
    data_.DataFileName = path;
    entry_.forgetEdit();
    blocks_.CelClear(shownRows);
    survey_.setCaption(mainCaption(path));
    blocks_.ShowBlockFromStart();
    const QString warningTitle = QStringLiteral("データ読込みの警告");
    if (result.tooLarge) dialogs_.message(DataFileNotices::tooLarge(path), Buttons::Ok, warningTitle);
    if (result.damaged) dialogs_.message(DataFileNotices::damaged(path), Buttons::Ok, warningTitle);
    return true;
}

void FileCommands::save() {
    if (refuseWithoutData(QStringLiteral("データがありません。"))) return;
    if (!data_.DataFileName.isEmpty()) {
        const QString question =
            QStringLiteral("ファイル名%1で上書きしてもよろしいですか。").arg(data_.DataFileName);
        if (dialogs_.message(question, Buttons::YesNo, QStringLiteral("ファイル名確認")) == Answer::Yes)
            saveTo(data_.DataFileName);
        return;
    }
    dialogs_.message(QStringLiteral("ファイル名を指定してください。"), Buttons::CancelRetryContinue,
                     QStringLiteral("ファイル名不正"));
    const std::optional<QString> path = dialogs_.saveFileName(DataFiles);
    if (path && !path->isEmpty()) saveTo(*path);
}

void FileCommands::saveAs() {
    if (refuseWithoutData(QStringLiteral("データがありません。"))) return;
    const std::optional<QString> path = dialogs_.saveFileName(DataFiles);
    if (path && !path->isEmpty()) saveTo(*path);
}

void FileCommands::correctReadings() {
    if (refuseWithoutData(QStringLiteral("データが読込まれていません。"))) return;
    const ChangeNotifier::Batch batch(data_.changed);
    blocks_.CelClear(data_.DropCount[data_.CurBlock]);
    CorrectReadings(data_);
    blocks_.ShowBlockAgain();
}

bool FileCommands::refuseWithoutData(const QString& text) {
    if (data_.hasData()) return false;
    dialogs_.message(text, Buttons::CancelRetryContinue, QStringLiteral("データなし"));
    return true;
}

// The file becomes the current data file only once it holds the data.
void FileCommands::saveTo(const QString& path) {
    blocks_.StoreBlockHeader();
    if (!SurveyTextsStorable(data_) && dialogs_.message(DataFileNotices::unstorableQuestion(), Buttons::YesNo,
                                                        QStringLiteral("保存できない文字")) != Answer::Yes)
        return;
    data_.ExtFormat = 1;
    if (const std::optional<Failure> failure = WriteDataFile(path, data_)) {
        dialogs_.message(failure->text, Buttons::Ok, QStringLiteral("保存エラー"));
        return;
    }
    data_.DataFileName = path;
}
