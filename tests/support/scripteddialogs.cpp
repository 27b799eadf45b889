#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <utility>

ScriptedDialogs::~ScriptedDialogs() {
    for (const Expected& expected : script_) {
        if (expected.kind == Kind::Message)
            ADD_FAILURE() << "expected message box never shown: " << expected.text.toStdString();
        else
            ADD_FAILURE() << "expected file dialog never shown";
    }
}

void ScriptedDialogs::expect(const QString& text, std::optional<Answer> answer) {
    script_.push_back({text, answer, Kind::Message, std::nullopt});
}

void ScriptedDialogs::expectOpenFile(std::optional<QString> path) {
    script_.push_back({{}, std::nullopt, Kind::OpenFile, std::move(path)});
}

void ScriptedDialogs::expectSaveFile(std::optional<QString> path) {
    script_.push_back({{}, std::nullopt, Kind::SaveFile, std::move(path)});
}

std::optional<QString> ScriptedDialogs::openFileName(const FileFilter& filter) {
    return fileDialog(Kind::OpenFile, filter);
}

std::optional<QString> ScriptedDialogs::saveFileName(const FileFilter& filter) {
    return fileDialog(Kind::SaveFile, filter);
}

std::optional<QString> ScriptedDialogs::fileDialog(Kind kind, const FileFilter& filter) {
    shownFileDialogs_.push_back({kind == Kind::SaveFile, filter});
    const char* name = kind == Kind::SaveFile ? "file-save dialog" : "file-open dialog";
    if (script_.empty() || script_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << name;
        return std::nullopt;
    }
    const Expected expected = script_.front();
    script_.pop_front();
    return expected.path;
}

Answer ScriptedDialogs::message(const QString& text, Buttons buttons, const QString& title, Icon icon) {
    shown_.push_back({text, effectiveTitle(title), buttons, defaultAnswer(buttons), {}, icon});
    if (script_.empty() || script_.front().kind != Kind::Message) {
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
                                        const QString& title, Icon icon) {
    const Answer answer = message(text, buttons, title, icon);
    shown_.back().detail = detail;
    return answer;
}
