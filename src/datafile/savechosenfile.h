#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "platform/dialogs.h"

// Asks for a file with the save dialog and writes there the bytes made for the chosen name (nothing
// when they could not be made), asking before a file of that name is replaced, and never replacing the
// data file the window has open (`openDataFile`, empty for none); a failure is told the user with its
// reason. False when the user cancelled or nothing could be written.
bool SaveToChosenFile(Dialogs& dialogs, const std::vector<FileFilter>& filters, const QString& openDataFile,
                      const std::function<std::optional<QByteArray>(const QString& path)>& bytesFor);
