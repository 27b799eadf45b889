#include "platform/gui/qteventpump.h"

#include <QCoreApplication>

void QtEventPump::processPendingEvents() {
    QCoreApplication::processEvents();
}
