#pragma once

#include <QString>

#include "platform/serialline.h"

// What the operator is told when the counter's port cannot be opened: the message, and as its detail
// the reason and what to do about it.
namespace PortOpenMessage {

QString text();
QString detail(const QString& device, const SerialOpenFailure& failure);
// The same for the command line.
QString commandLineText(const QString& device, const SerialOpenFailure& failure);

}  // namespace PortOpenMessage
