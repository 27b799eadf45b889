#include "platform/dialogs.h"

#include "platform/appinfo.h"

Answer defaultAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo: return Answer::Yes;
        case Buttons::YesNoDefaultNo: return Answer::No;
        case Buttons::OkCancel: return Answer::Ok;
        case Buttons::CancelRetryContinue: return Answer::Cancel;
        case Buttons::SaveDiscardCancel: return Answer::Save;
        case Buttons::RestoreDiscardLater: return Answer::Restore;
    }
    return Answer::Ok;
}

QString Dialogs::effectiveTitle(const QString& title) {
    return title.isEmpty() ? AppInfo::title() : title;
}

Answer Dialogs::detailedMessage(const QString& text, const QString& detail, Buttons buttons,
                                const QString& title, Icon icon) {
    return message(detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail, buttons, title, icon);
}
