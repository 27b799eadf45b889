#pragma once

#include "counter/countertextreader.h"

class BlockCommands;
class CounterImport;
class CounterLink;
class CounterReadView;
class Dialogs;
class FileCommands;
class ReadingEntry;
class SurveyView;
struct K40Parameters;
struct PortSetting;
struct TestData;

// Reading the counter: the questions before the transfer, the transfer itself, the import of what it
// brought and the save of the new data.
class CounterRead {
public:
    struct Parts {
        TestData& data;
        Dialogs& dialogs;
        SurveyView& survey;
        CounterReadView& view;
        ReadingEntry& entry;
        BlockCommands& blocks;
        FileCommands& files;
        CounterImport& counterImport;
        CounterLink& link;
        const PortSetting& port;
    };
    explicit CounterRead(const Parts& parts);

    // データ読込み (mnuInputData): reads the counter's records into new blocks, after asking what the new
    // blocks inherit.
    void readCounter();
    // TerrakoTRX: runs a transfer with the counter; a read (mode 1) is followed by the import and the
    // save of what it brought. Returns the transfer's status: 0 failed or stopped, 1 the counter was
    // erased, -1 otherwise.
    int runTransfer(const K40Parameters& parameters);
    // cmdDataEx: imports the counter's records of the last read again, with the same survey information,
    // after asking whether the data in memory may be replaced.
    void importAgain();

private:
    // Whether the new blocks take over the survey information of the shown block; nothing when the
    // operator ends the command.
    std::optional<bool> askInheritance();
    bool askErase();
    // Converts and imports what the counter sent and has the operator save it; false when nothing was
    // imported.
    bool importReceived();

    Parts parts_;
    InheritedSurvey inherited_;
};
