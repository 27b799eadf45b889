#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <utility>

ScriptedDialogs::~ScriptedDialogs() {
    for (const Expected& expected : script_) {
        if (expected.kind == Kind::Message)
            ADD_FAILURE() << "expected message box never shown: " << expected.text.toStdString();
        else
            ADD_FAILURE() << "expected file or colour dialog never shown";
    }
}

void ScriptedDialogs::expect(const QString& text, std::optional<Answer> answer) {
    script_.push_back({text, answer, Kind::Message, std::nullopt, std::nullopt});
}

void ScriptedDialogs::expectOpenFile(std::optional<QString> path) {
    script_.push_back({{}, std::nullopt, Kind::OpenFile, std::move(path), std::nullopt});
}

void ScriptedDialogs::expectSaveFile(std::optional<QString> path) {
    script_.push_back({{}, std::nullopt, Kind::SaveFile, std::move(path), std::nullopt});
}

void ScriptedDialogs::expectColor(std::optional<qint32> colour) {
    script_.push_back({{}, std::nullopt, Kind::Color, std::nullopt, colour});
}

std::optional<QString> ScriptedDialogs::openFileName(const FileFilter& filter) {
    return fileDialog(Kind::OpenFile, {filter});
}

std::optional<QString> ScriptedDialogs::saveFileName(const std::vector<FileFilter>& filters) {
    return fileDialog(Kind::SaveFile, filters);
}

std::optional<qint32> ScriptedDialogs::chooseColor(qint32 initial) {
    shownColours_.push_back(initial);
    if (script_.empty() || script_.front().kind != Kind::Color) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    const std::optional<qint32> colour = script_.front().colour;
    script_.pop_front();
    return colour;
}

std::optional<QString> ScriptedDialogs::fileDialog(Kind kind, const std::vector<FileFilter>& filters) {
    shownFileDialogs_.push_back(
        {kind == Kind::SaveFile, filters.empty() ? FileFilter{} : filters.front(), filters});
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
