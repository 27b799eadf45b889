#pragma once

#include <QString>

// What the command line asks of the application's start.
struct GuiOptions {
    QString file;    // a data file to open at start
    QString device;  // the counter's port for this run, instead of the one in the settings
};

// Opens the main window as the options say and runs the application until it ends; returns the exit code.
int startGui(int argc, char* argv[], const GuiOptions& options);
