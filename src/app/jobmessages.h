#pragma once

#include <QString>
#include <optional>

struct TestData;

// Prints a message of a command-line job on stderr, after the program's name.
void printJobMessage(const QString& message);

// Reads the data file a command-line job works on; a damaged or oversized file is loaded with a
// warning on stderr. Returns the exit code when the job cannot go on: 2 for a file that is not a data
// file, 1 for one that cannot be read.
std::optional<int> readJobInput(const QString& path, TestData& data);
