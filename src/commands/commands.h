#pragma once

#include "commands/blockcommands.h"
#include "commands/counterimport.h"
#include "commands/counterread.h"
#include "commands/edithistory.h"
#include "commands/filecommands.h"
#include "commands/readingentry.h"
#include "commands/recovery.h"

class CounterLink;
class CounterReadView;
class Dialogs;
class GridView;
class RecoveryFolder;
class SurveyView;
struct PortSetting;
struct TestData;

// The views the commands show the data set in: the drop grid, the survey fields with the caption, and
// what a counter read shows.
struct CommandViews {
    GridView& grid;
    SurveyView& survey;
    CounterReadView& counterRead;
};

// Every command of the main window, wired to the data set, the dialogs and the views. The main window
// makes one over its widgets; a test can make one over views of its own, without any window. With a
// recovery folder, the data set's unsaved changes are kept in a journal there.
struct Commands {
    Commands(TestData& data, Dialogs& dialogs, const CommandViews& views, CounterLink& link,
             const PortSetting& port, const RecoveryFolder* recoveryFolder = nullptr);
    Commands(const Commands&) = delete;
    Commands& operator=(const Commands&) = delete;

    // The start of the application: offers the unsaved work that instances which ended without saving
    // left behind, then opens `file` (when given) unless the work restored is that file's.
    void start(const QString& file);

    ReadingEntry entry;
    BlockCommands blocks;
    Recovery recovery;
    FileCommands files;
    CounterImport counterImport;
    CounterRead counterRead;
    EditHistory history;
};
