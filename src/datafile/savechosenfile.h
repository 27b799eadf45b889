#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

#include "platform/dialogs.h"

// Asks for a file with the save dialog and writes there the bytes made for the chosen name, replacing
// a file of that name without asking, but never the data file the window has open (`openDataFile`,
// empty for none); a failure is told the user with its reason. False when the user cancelled or
// nothing could be written.
bool SaveToChosenFile(Dialogs& dialogs, const std::vector<FileFilter>& filters, const QString& openDataFile,
                      const std::function<QByteArray(const QString& path)>& bytesFor);
