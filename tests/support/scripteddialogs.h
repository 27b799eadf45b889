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
};

// Dialogs for tests: records every box and answers from a script. A box the script does not expect,
// a box with another text than expected, or an expected box that never came fails the test.
class ScriptedDialogs : public Dialogs {
public:
    ~ScriptedDialogs() override;

    // The next box must show this text; it is answered with `answer`, or with its default button.
    void expect(const QString& text, std::optional<Answer> answer = std::nullopt);

    Answer message(const QString& text, Buttons buttons, const QString& title = {}) override;
    // Compares the text alone with the script and records the detail.
    Answer detailedMessage(const QString& text, const QString& detail, Buttons buttons,
                           const QString& title = {}) override;

    const std::vector<ShownBox>& shown() const { return shown_; }
    // Texts of the boxes shown so far.
    std::vector<QString> texts() const;
    bool allAnswered() const { return script_.empty(); }

private:
    struct Expected {
        QString text;
        std::optional<Answer> answer;
    };
    std::deque<Expected> script_;
    std::vector<ShownBox> shown_;
};
