#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

// The button sets of the application's message boxes.
enum class Buttons {
    Ok,
    YesNo,           // はい is the default
    YesNoDefaultNo,  // いいえ is the default: every destructive question
    OkCancel,
    CancelRetryContinue,  // refusals and no-data notices; the answer is ignored
    SaveDiscardCancel,  // 保存 / 保存しない / キャンセル: unsaved changes before they would be lost
    RestoreDiscardLater,  // 復元する / 破棄する / 後で: work an instance left unsaved when it ended
};

enum class Answer { Ok, Cancel, Yes, No, Retry, Continue, Save, Discard, Restore, Later };

// The icon of a message box. By default it follows the button set: information for OK, a question for
// Yes/No and OK/Cancel, a warning for destructive questions and refusals. Failures say what they are.
enum class Icon { ForButtons, Warning, Critical };

// The answer given by the default button of a set, which is also what Enter chooses.
Answer defaultAnswer(Buttons buttons);

// One entry of a file dialog's type list: the label shown and the pattern of the names listed.
struct FileFilter {
    QString label;
    QString pattern;
};

// Modal dialogs: every message box of the application goes through here, so that tests can see and
// answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a modal message box and returns the button chosen. An empty title shows the application
    // title.
    virtual Answer message(const QString& text, Buttons buttons, const QString& title = {},
                           Icon icon = Icon::ForButtons) = 0;

    // File dialogs: the full path chosen, or nothing when the user cancelled. The save dialog asks
    // nothing about replacing an existing file; the caller decides.
    virtual std::optional<QString> openFileName(const FileFilter& filter) = 0;
    // The save dialog lists the types in order; the first is chosen at first.
    virtual std::optional<QString> saveFileName(const std::vector<FileFilter>& filters) = 0;
    // The platform's colour dialog, opened on `initial`: the colour chosen, RGB with red in the low
    // byte, or nothing when the user cancelled.
    virtual std::optional<qint32> chooseColor(qint32 initial) = 0;
    // A message box with a detail under the text, such as the system's reason and the remedy. By
    // default a detail follows the text after an empty line.
    virtual Answer detailedMessage(const QString& text, const QString& detail, Buttons buttons,
                                   const QString& title = {}, Icon icon = Icon::ForButtons);

    // The title a box shows for the given title argument.
    static QString effectiveTitle(const QString& title);
};
