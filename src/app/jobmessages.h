#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/failure.h"

struct TestData;

// Prints a message of a command-line job on stderr, after the program's name.
void printJobMessage(const QString& message);

// Ends a job: prints its failure, if any, and gives the exit code, 0 without a failure, 2 for a
// refused input file and 1 for any other failure.
int jobExit(const std::optional<Failure>& failure);

// Reads the data file a command-line job works on; a damaged or oversized file is loaded with a
// warning on stderr, which ends with `withTheRest`: what the job does with the part it could read.
// Fails when the job cannot go on: the file is not a data file or cannot be read.
std::optional<Failure> readJobInput(const QString& path, TestData& data, const QString& withTheRest);

// The output name a job writes to: "-" stands for standard output.
QString jobOutputPath(const QString& out);

// Writes a job's output (a file, a device, or "-" for standard output), never over one of `inputs`.
std::optional<Failure> writeJobOutput(const QString& out, QByteArrayView bytes, const QStringList& inputs);
