#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "platform/dialogs.h"

// A message box as a test saw it.
struct ShownBox {
    QString text;
    QString title;  // as shown: the application title when none was given
    Buttons buttons;
    Answer defaultAnswer;
    QString detail;  // of a detailed message
    Icon icon;
};

// A file dialog as a test saw it.
struct ShownFileDialog {
    bool save;          // a save dialog, else an open dialog
    FileFilter filter;  // the first type listed
    std::vector<FileFilter> filters;
};

// Dialogs for tests: records every box and answers from a script. A box the script does not expect,
// a box with another text than expected, or an expected box that never came fails the test; so does a
// file dialog.
class ScriptedDialogs : public Dialogs {
public:
    ~ScriptedDialogs() override;

    // The next box must show this text; it is answered with `answer`, or with its default button.
    void expect(const QString& text, std::optional<Answer> answer = std::nullopt);

    // The next dialog must be a file-open (file-save) dialog; it returns `path`, nothing meaning Cancel.
    void expectOpenFile(std::optional<QString> path);
    void expectSaveFile(std::optional<QString> path);
    // The next dialog must be the colour dialog; it returns `colour`, nothing meaning Cancel.
    void expectColor(std::optional<qint32> colour);

    Answer message(const QString& text, Buttons buttons, const QString& title = {},
                   Icon icon = Icon::ForButtons) override;
    std::optional<QString> openFileName(const FileFilter& filter) override;
    std::optional<QString> saveFileName(const std::vector<FileFilter>& filters) override;
    std::optional<qint32> chooseColor(qint32 initial) override;
    // Compares the text alone with the script and records the detail.
    Answer detailedMessage(const QString& text, const QString& detail, Buttons buttons,
                           const QString& title = {}, Icon icon = Icon::ForButtons) override;

    const std::vector<ShownBox>& shown() const { return shown_; }
    const std::vector<ShownFileDialog>& shownFileDialogs() const { return shownFileDialogs_; }
    // The colours the colour dialogs opened on.
    const std::vector<qint32>& shownColours() const { return shownColours_; }
    // Texts of the boxes shown so far.
    std::vector<QString> texts() const;
    bool allAnswered() const { return script_.empty(); }

private:
    enum class Kind { Message, OpenFile, SaveFile, Color };
    struct Expected {
        QString text;
        std::optional<Answer> answer;
        Kind kind = Kind::Message;
        std::optional<QString> path;
        std::optional<qint32> colour;
    };
    std::optional<QString> fileDialog(Kind kind, const std::vector<FileFilter>& filters);

    std::deque<Expected> script_;
    std::vector<ShownBox> shown_;
    std::vector<ShownFileDialog> shownFileDialogs_;
    std::vector<qint32> shownColours_;
};
