#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs::~ScriptedDialogs() {
    for (const Expected& expected : script_)
        ADD_FAILURE() << "expected message box never shown: " << expected.text.toStdString();
}

void ScriptedDialogs::expect(const QString& text, std::optional<Answer> answer) {
    script_.push_back({text, answer});
}

Answer ScriptedDialogs::message(const QString& text, Buttons buttons, const QString& title) {
    shown_.push_back({text, effectiveTitle(title), buttons, defaultAnswer(buttons), {}});
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString();
        return defaultAnswer(buttons);
    }
    const Expected expected = script_.front();
    script_.pop_front();
    EXPECT_EQ(text.toStdString(), expected.text.toStdString()) << "message box text";
    return expected.answer.value_or(defaultAnswer(buttons));
}

std::vector<QString> ScriptedDialogs::texts() const {
    std::vector<QString> result;
    for (const ShownBox& box : shown_) result.push_back(box.text);
    return result;
}

Answer ScriptedDialogs::detailedMessage(const QString& text, const QString& detail, Buttons buttons,
                                        const QString& title) {
    const Answer answer = message(text, buttons, title);
    shown_.back().detail = detail;
    return answer;
}
