#include "datafile/savechosenfile.h"

#include "datafile/datafilenotices.h"
#include "datafile/savefile.h"

bool SaveToChosenFile(Dialogs& dialogs, const std::vector<FileFilter>& filters, const QString& openDataFile,
                      const std::function<QByteArray(const QString& path)>& bytesFor) {
    const std::optional<QString> path = dialogs.saveFileName(filters);
    if (!path || path->isEmpty()) return false;
    const std::optional<SaveFailure> failure =
        SaveFileAtomically(*path, bytesFor(*path), QStringList{openDataFile});
    if (!failure) return true;
    dialogs.message(DataFileNotices::unwritable(*path, *failure), Buttons::Ok, QStringLiteral("保存エラー"),
                    Icon::Critical);
    return false;
}
