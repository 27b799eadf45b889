#pragma once

#include <QString>

// Opens the main window, with the data file `file` opened when one is given, and runs the application
// until it ends; returns the exit code.
int startGui(int argc, char* argv[], const QString& file = {});
