#pragma once

#include <QString>
#include <optional>

#include "counter/countertextreader.h"
#include "counter/dumpconversion.h"

class BlockCommands;
class Dialogs;
class FileCommands;
struct TestData;

// The import of the counter's records into the data set, run by the read command after the conversion.
class CounterImport {
public:
    CounterImport(TestData& data, Dialogs& dialogs, BlockCommands& blocks, FileCommands& files);

    // cmdDataEx: replaces the data set by the records of the text at `textPath`, each block taking over
    // `survey`, corrects the readings and shows block 1. When the text cannot be read the user is asked
    // for the file: a chosen memory dump is converted into `textPath` first, a chosen text file is read
    // as it is. Returns false when the user cancelled that question.
    bool importCounterText(const InheritedSurvey& survey, const QString& textPath = CounterText::fileName());

private:
    // The text to read after the user chose `chosen`, or nothing when a chosen dump was refused.
    std::optional<QString> textOf(const QString& chosen, const QString& textPath);
    // The blocks read take the place of those in memory.
    void takeBlocks(const TestData& records);

    TestData& data_;
    Dialogs& dialogs_;
    BlockCommands& blocks_;
    FileCommands& files_;
};
