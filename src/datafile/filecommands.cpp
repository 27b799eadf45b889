#include "datafile/filecommands.h"

#include "datafile/datacorrection.h"
#include "datafile/datafilenotices.h"
#include "datafile/datafilereader.h"
#include "datafile/datafilewriter.h"
#include "datafile/filecommandwindow.h"
#include "model/testdata.h"
#include "platform/dialogs.h"

namespace {

const FileFilter DataFiles{QStringLiteral("すべてのﾌｧｲﾙ (*.txt)"), QStringLiteral("*.txt")};

QString caption(const QString& path) {
    return QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾒｲﾝﾌﾚｰﾑ [%1]").arg(path);
}

}  // namespace

FileCommands::FileCommands(TestData& data, Dialogs& dialogs, FileCommandWindow& window)
    : data_(data), dialogs_(dialogs), window_(window) {}

void FileCommands::mnuOpen() {
    if (data_.hasData() &&
        dialogs_.message(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"),
                         Buttons::YesNoDefaultNo, QStringLiteral("データ読込みの確認")) != Answer::Yes)
        return;
    const std::optional<QString> path = dialogs_.openFileName(DataFiles);
    if (path && !path->isEmpty()) openFile(*path);
}

bool FileCommands::openFile(const QString& path) {
    const int shownRows = data_.DropCount[data_.CurBlock];
    const ReadResult result = ReadDataFile(path, data_);
    switch (result.status) {
        case ReadResult::Status::Refused:
            dialogs_.message(DataFileNotices::notADataFile(), Buttons::Ok);
            return false;
        case ReadResult::Status::Unreadable:
            dialogs_.message(DataFileNotices::unreadable(path, result.reason), Buttons::Ok,
                             QStringLiteral("ファイル読込みエラー"));
            return false;
        case ReadResult::Status::Loaded: break;
    }
    data_.DataFileName = path;
    window_.clearGrid(shownRows);
    window_.setCaption(caption(path));
    window_.showLoadedData();
    const QString warningTitle = QStringLiteral("データ読込みの警告");
    if (result.tooLarge) dialogs_.message(DataFileNotices::tooLarge(path), Buttons::Ok, warningTitle);
    if (result.damaged) dialogs_.message(DataFileNotices::damaged(path), Buttons::Ok, warningTitle);
    return true;
}

void FileCommands::mnuSave() {
    if (refuseWithoutData(QStringLiteral("データがありません。"))) return;
    if (!data_.DataFileName.isEmpty()) {
        const QString question =
            QStringLiteral("ファイル名%1で上書きしてもよろしいですか。").arg(data_.DataFileName);
        if (dialogs_.message(question, Buttons::YesNo, QStringLiteral("ファイル名確認")) == Answer::Yes)
            save(data_.DataFileName);
        return;
    }
    dialogs_.message(QStringLiteral("ファイル名を指定してください。"), Buttons::CancelRetryContinue,
                     QStringLiteral("ファイル名不正"));
    const std::optional<QString> path = dialogs_.saveFileName(DataFiles);
    if (path && !path->isEmpty()) save(*path);
}

void FileCommands::mnuSaveName() {
    if (refuseWithoutData(QStringLiteral("データがありません。"))) return;
    const std::optional<QString> path = dialogs_.saveFileName(DataFiles);
    if (path && !path->isEmpty()) save(*path);
}

void FileCommands::mnuFileCheck() {
    if (refuseWithoutData(QStringLiteral("データが読込まれていません。"))) return;
    window_.clearGrid(data_.DropCount[data_.CurBlock]);
    CorrectReadings(data_);
    window_.showCorrectedData();
}

bool FileCommands::refuseWithoutData(const QString& text) {
    if (data_.hasData()) return false;
    dialogs_.message(text, Buttons::CancelRetryContinue, QStringLiteral("データなし"));
    return true;
}

// The file becomes the current data file only once it holds the data.
void FileCommands::save(const QString& path) {
    window_.StoreBlockHeader();
    if (!SurveyTextsStorable(data_) && dialogs_.message(DataFileNotices::unstorableQuestion(), Buttons::YesNo,
                                                        QStringLiteral("保存できない文字")) != Answer::Yes)
        return;
    data_.ExtFormat = 1;
    if (const std::optional<QString> reason = WriteDataFile(path, data_)) {
        dialogs_.message(DataFileNotices::unwritable(path, *reason), Buttons::Ok,
                         QStringLiteral("保存エラー"));
        return;
    }
    data_.DataFileName = path;
}
