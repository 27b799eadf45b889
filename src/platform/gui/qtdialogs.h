#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

// The window a dialog belongs to: the preferred one, or the active window while that one is hidden (the
// main window hides while the graph window or the listing stands in for it).
QWidget* dialogOwner(QWidget* preferred);

// Message boxes and file dialogs as Qt dialogs with Japanese captions, modal over the given window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    // The window the boxes are modal over and centred on.
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const QString& text, Buttons buttons, const QString& title = {},
                   Icon icon = Icon::ForButtons) override;
    std::optional<QString> openFileName(const FileFilter& filter) override;
    std::optional<QString> saveFileName(const std::vector<FileFilter>& filters) override;
    std::optional<qint32> chooseColor(qint32 initial) override;
    // Shows the detail as the box's informative text, below the message.
    Answer detailedMessage(const QString& text, const QString& detail, Buttons buttons,
                           const QString& title = {}, Icon icon = Icon::ForButtons) override;

private:
    QWidget* owner() const;

    QPointer<QWidget> parent_;
};
