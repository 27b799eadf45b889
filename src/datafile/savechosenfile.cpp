#include "datafile/savechosenfile.h"

#include "datafile/datafilenotices.h"
#include "datafile/samefile.h"
#include "datafile/savefile.h"

#include <QFileInfo>

bool SaveToChosenFile(Dialogs& dialogs, const std::vector<FileFilter>& filters, const QString& openDataFile,
                      const std::function<std::optional<QByteArray>(const QString& path)>& bytesFor) {
    const std::optional<QString> path = dialogs.saveFileName(filters);
    if (!path || path->isEmpty()) return false;
    // The open data file is refused below without a question that would only precede the refusal.
    if (QFileInfo::exists(*path) && !NamesSameFile(*path, openDataFile) &&
        dialogs.message(QStringLiteral("ファイル%1は既にあります。置き換えてもよろしいですか？").arg(*path),
                        Buttons::YesNoDefaultNo, QStringLiteral("上書きの確認")) != Answer::Yes)
        return false;
    const std::optional<QByteArray> bytes = bytesFor(*path);
    const std::optional<SaveFailure> failure =
        bytes ? SaveFileAtomically(*path, *bytes, QStringList{openDataFile})
              : SaveFailure{QStringLiteral("書き出す内容を作れませんでした")};
    if (!failure) return true;
    dialogs.message(DataFileNotices::unwritable(*path, *failure), Buttons::Ok, QStringLiteral("保存エラー"),
                    Icon::Critical);
    return false;
}
