#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

// Message boxes as Qt dialogs with Japanese button captions, modal over the given window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    // The window the boxes are modal over and centred on.
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const QString& text, Buttons buttons, const QString& title = {}) override;
    // Shows the detail as the box's informative text, below the message.
    Answer detailedMessage(const QString& text, const QString& detail, Buttons buttons,
                           const QString& title = {}) override;

private:
    QPointer<QWidget> parent_;
};
