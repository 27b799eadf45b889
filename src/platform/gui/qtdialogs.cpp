#include "platform/gui/qtdialogs.h"

#include <QApplication>

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <map>
#include <vector>

namespace {

struct Choice {
    QString caption;
    Answer answer;
    QMessageBox::ButtonRole role;
};

std::vector<Choice> choicesOf(Buttons buttons) {
    const Choice ok{QStringLiteral("OK"), Answer::Ok, QMessageBox::AcceptRole};
    const Choice yes{QStringLiteral("はい"), Answer::Yes, QMessageBox::YesRole};
    const Choice no{QStringLiteral("いいえ"), Answer::No, QMessageBox::NoRole};
    const Choice cancel{QStringLiteral("キャンセル"), Answer::Cancel, QMessageBox::RejectRole};
    switch (buttons) {
        case Buttons::Ok: return {ok};
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo: return {yes, no};
        case Buttons::OkCancel: return {ok, cancel};
        case Buttons::CancelRetryContinue:
            return {cancel,
                    {QStringLiteral("再試行"), Answer::Retry, QMessageBox::ActionRole},
                    {QStringLiteral("続行"), Answer::Continue, QMessageBox::ActionRole}};
        case Buttons::SaveDiscardCancel:
            return {{QStringLiteral("保存"), Answer::Save, QMessageBox::AcceptRole},
                    {QStringLiteral("保存しない"), Answer::Discard, QMessageBox::DestructiveRole},
                    cancel};
        case Buttons::RestoreDiscardLater:
            return {{QStringLiteral("復元する"), Answer::Restore, QMessageBox::AcceptRole},
                    {QStringLiteral("破棄する"), Answer::Discard, QMessageBox::DestructiveRole},
                    {QStringLiteral("後で"), Answer::Later, QMessageBox::RejectRole}};
    }
    return {ok};
}

// The answer Escape and the window's close button give.
Answer escapeAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo: return Answer::No;
        case Buttons::OkCancel:
        case Buttons::CancelRetryContinue:
        case Buttons::SaveDiscardCancel: return Answer::Cancel;
        case Buttons::RestoreDiscardLater: return Answer::Later;
    }
    return Answer::Ok;
}

QMessageBox::Icon iconOf(Buttons buttons, Icon icon) {
    if (icon == Icon::Warning) return QMessageBox::Warning;
    if (icon == Icon::Critical) return QMessageBox::Critical;
    switch (buttons) {
        case Buttons::Ok: return QMessageBox::Information;
        case Buttons::YesNo:
        case Buttons::OkCancel:
        case Buttons::RestoreDiscardLater: return QMessageBox::Question;
        case Buttons::YesNoDefaultNo:
        case Buttons::CancelRetryContinue:
        case Buttons::SaveDiscardCancel: return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

// Qt reads the patterns from the parentheses that end a filter; a label that already ends with them
// ("すべてのﾌｧｲﾙ (*.txt)") is shown as it is.
QString nameFilterOf(const FileFilter& filter) {
    const QString patterns = QStringLiteral("(%1)").arg(filter.pattern);
    return filter.label.endsWith(patterns) ? filter.label
                                           : QStringLiteral("%1 %2").arg(filter.label, patterns);
}

std::optional<QString> chosenFile(QFileDialog& dialog, const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& filter : filters) names << nameFilterOf(filter);
    dialog.setNameFilters(names);
    // Large enough that long Japanese file names and the detail columns show whole.
    dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 460)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// The extension a name typed without one gets: the chosen type's, so that the file shows in the open
// dialog.
QString defaultSuffixOf(const FileFilter& filter) {
    return filter.pattern.startsWith(QStringLiteral("*.")) ? filter.pattern.mid(2) : QString();
}

}  // namespace

std::optional<QString> QtDialogs::openFileName(const FileFilter& filter) {
    QFileDialog dialog(owner(), QStringLiteral("ファイルを開く"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog, {filter});
}

QWidget* dialogOwner(QWidget* preferred) {
    if (preferred && preferred->isVisible()) return preferred;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return preferred;
}

QWidget* QtDialogs::owner() const {
    return dialogOwner(parent_);
}

std::optional<QString> QtDialogs::saveFileName(const std::vector<FileFilter>& filters) {
    QFileDialog dialog(owner(), QStringLiteral("名前を付けて保存"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!filters.empty()) dialog.setDefaultSuffix(defaultSuffixOf(filters.front()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters](const QString& chosen) {
                         for (const FileFilter& filter : filters)
                             if (nameFilterOf(filter) == chosen)
                                 dialog.setDefaultSuffix(defaultSuffixOf(filter));
                     });
    return chosenFile(dialog, filters);
}

std::optional<qint32> QtDialogs::chooseColor(qint32 initial) {
    const QColor start(initial & 0xFF, initial >> 8 & 0xFF, initial >> 16 & 0xFF);
    const QColor colour = QColorDialog::getColor(start, owner());
    if (!colour.isValid()) return std::nullopt;
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

Answer QtDialogs::message(const QString& text, Buttons buttons, const QString& title, Icon icon) {
    return detailedMessage(text, QString(), buttons, title, icon);
}

Answer QtDialogs::detailedMessage(const QString& text, const QString& detail, Buttons buttons,
                                  const QString& title, Icon icon) {
    QMessageBox box(owner());
    box.setWindowTitle(effectiveTitle(title));
    box.setText(text);
    box.setInformativeText(detail);
    box.setIcon(iconOf(buttons, icon));
    std::map<QAbstractButton*, Answer> answers;
    for (const Choice& choice : choicesOf(buttons)) {
        QPushButton* button = box.addButton(choice.caption, choice.role);
        answers[button] = choice.answer;
        if (choice.answer == defaultAnswer(buttons)) box.setDefaultButton(button);
        if (choice.answer == escapeAnswer(buttons)) box.setEscapeButton(button);
    }
    box.exec();
    const auto chosen = answers.find(box.clickedButton());
    return chosen == answers.end() ? escapeAnswer(buttons) : chosen->second;
}
