#include "commands/filecommands.h"

#include <QFileInfo>

#include "commands/blockcommands.h"
#include "commands/readingentry.h"
#include "commands/recovery.h"
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
                           SurveyView& survey, Recovery& recovery)
    : data_(data), dialogs_(dialogs), blocks_(blocks), entry_(entry), survey_(survey), recovery_(recovery) {}

void FileCommands::open() {
    entry_.settle();
    if (!blocks_.mayDiscardData()) return;
    const std::optional<QString> path = dialogs_.openFileName(DataFiles);
    if (path && !path->isEmpty()) openFile(*path);
}

bool FileCommands::openChosen(const QString& path) {
    entry_.settle();
    if (!QFileInfo(path).isFile()) {
        dialogs_.message(QStringLiteral("ファイル%1が見つかりません。").arg(path), Buttons::Ok, QString(),
                         Icon::Warning);
        return false;
    }
    if (blocks_.mayDiscardData()) openFile(path);
    return true;
}

bool FileCommands::openFile(const QString& path) {
    if (recovery_.restoredInstead(path)) return true;
    ReadResult result;
    {
        // The views redraw once, before the messages below, so that they show the file read.
        const ChangeNotifier::Batch batch(data_.changed);
        result = ReadDataFile(path, data_);
        if (!result.failure) {
            ++data_.Generation;
            data_.DataFileName = path;
            data_.Modified = false;
            entry_.forgetEdit();
            survey_.setCaption(mainCaption(path));
            blocks_.ShowBlockFromStart();
        }
    }
    if (result.failure) {
        if (result.failure->kind == Failure::Kind::RefusedInput)
            dialogs_.message(result.failure->text, Buttons::Ok, QString(), Icon::Warning);
        else
            dialogs_.message(result.failure->text, Buttons::Ok, QStringLiteral("ファイル読込みエラー"),
                             Icon::Critical);
        return false;
    }
    const QString warningTitle = QStringLiteral("データ読込みの警告");
    for (const QString& warning : DataFileNotices::warnings(path, result))
        dialogs_.message(warning, Buttons::Ok, warningTitle, Icon::Warning);
    return true;
}

void FileCommands::save() {
    entry_.settle();
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
    const std::optional<QString> path = dialogs_.saveFileName({DataFiles});
    if (path && !path->isEmpty()) saveTo(*path);
}

void FileCommands::saveAs() {
    entry_.settle();
    if (refuseWithoutData(QStringLiteral("データがありません。"))) return;
    const std::optional<QString> path = dialogs_.saveFileName({DataFiles});
    if (path && !path->isEmpty()) saveTo(*path);
}

bool FileCommands::saveChanges() {
    entry_.settle();
    if (refuseWithoutData(QStringLiteral("データがありません。"))) return false;
    if (!data_.DataFileName.isEmpty()) return saveTo(data_.DataFileName);
    const std::optional<QString> path = dialogs_.saveFileName({DataFiles});
    return path && !path->isEmpty() && saveTo(*path);
}

void FileCommands::correctReadings() {
    entry_.settle();
    if (refuseWithoutData(QStringLiteral("データが読込まれていません。"))) return;
    const ChangeNotifier::Batch batch(data_.changed);
    if (CorrectReadings(data_)) data_.Modified = true;
    blocks_.ShowBlockAgain();
}

bool FileCommands::refuseWithoutData(const QString& text) {
    if (data_.hasData()) return false;
    dialogs_.message(text, Buttons::CancelRetryContinue, QStringLiteral("データなし"));
    return true;
}

// The file becomes the current data file only once it holds the data.
bool FileCommands::saveTo(const QString& path) {
    blocks_.StoreBlockHeader();
    if (!SurveyTextsStorable(data_) && dialogs_.message(DataFileNotices::unstorableQuestion(), Buttons::YesNo,
                                                        QStringLiteral("保存できない文字")) != Answer::Yes)
        return false;
    data_.ExtFormat = 1;
    if (const std::optional<Failure> failure = WriteDataFile(path, data_)) {
        dialogs_.message(failure->text, Buttons::Ok, QStringLiteral("保存エラー"), Icon::Critical);
        return false;
    }
    data_.DataFileName = path;
    data_.Modified = false;
    survey_.setCaption(mainCaption(path));
    data_.changed.notify();
    return true;
}
