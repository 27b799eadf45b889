#pragma once

#include <QString>
#include <optional>

#include "platform/failure.h"

struct TestData;

// Prints a message of a command-line job on stderr, after the program's name.
void printJobMessage(const QString& message);

// Ends a job: prints its failure, if any, and gives the exit code, 0 without a failure, 2 for a
// refused input file and 1 for any other failure.
int jobExit(const std::optional<Failure>& failure);

// Reads the data file a command-line job works on; a damaged or oversized file is loaded with a
// warning on stderr. Fails when the job cannot go on: the file is not a data file or cannot be read.
std::optional<Failure> readJobInput(const QString& path, TestData& data);
