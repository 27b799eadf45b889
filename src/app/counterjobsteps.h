#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "app/jobarguments.h"
#include "platform/failure.h"

struct PortSetting;

// The steps the counter's command-line jobs share. Each reports its progress on stderr and fails with
// the words the command line prints.

// Takes the port given on the command line (a number, a device name or a device path) as the port of
// this run; fails with the reason a text names no port.
std::optional<Failure> parsePortArgument(const QString& text, PortSetting& port);

// Reads the counter on `port` (a number or a device) into k40read.tmp in the current folder, with
// progress on stderr; with `erase`, then writes the system area, which erases the counter's records.
std::optional<Failure> receiveFromCounter(const QString& port, bool erase);

// Reads the records from the counter text `textPath`, corrects the readings and saves the blocks to
// `out` as 名前を付けて保存 does, refusing when block 1 holds no drops.
std::optional<Failure> saveCounterText(const QString& textPath, const QString& out);

// The options of the jobs that read the counter, and the port they must be given (nothing, with the
// refusal printed, when --port is missing).
inline const std::vector<JobOption> CounterJobOptions{{"--port", "DEVICE"}, {"--erase"}};
std::optional<QString> portOf(const char* job, const JobArguments& arguments);
