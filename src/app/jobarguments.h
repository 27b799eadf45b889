#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

#include "platform/printer.h"

// An option a job takes: a switch such as --sheet, or, with `value`, one such as --from N.
struct JobOption {
    const char* name;
    const char* value = nullptr;  // what its value is, as the usage names it
};

// A job's command line taken apart: each option at most once, and its file names in order. "--" ends
// the options; "-" is a file name (standard output where the job says so).
class JobArguments {
public:
    bool has(const char* option) const;
    // The value of an option that takes one; nothing when it was not given.
    std::optional<QString> value(const char* option) const;
    const QStringList& files() const { return files_; }

private:
    friend std::optional<JobArguments> parseJobArguments(const char*, const QStringList&,
                                                         const std::vector<JobOption>&,
                                                         const std::vector<const char*>&);
    std::map<QString, QString> given_;
    QStringList files_;
};

// The arguments of `job`, which takes `options` and exactly the files `files` names (as the usage
// names them). Nothing when they are not what the job takes: the refusal, naming what is wrong and
// what is allowed, is printed with the job's usage.
std::optional<JobArguments> parseJobArguments(const char* job, const QStringList& arguments,
                                              const std::vector<JobOption>& options,
                                              const std::vector<const char*>& files);

// Prints a refusal of a job's arguments followed by the job's usage; returns the exit code, 1.
int refuseJobArguments(const char* job, const QString& refusal);

// A whole number given as the value of `option` (a sign and digits, any size); nothing, with the
// refusal printed, for any other text.
std::optional<qint64> wholeNumberOf(const char* job, const char* option, const QString& text);

// The blocks a job's --from and --to name (whole numbers, as given) in a file of `blockCount` blocks,
// all of them by default; nothing, with the refusal printed, for a block the file does not hold or a
// range that runs backwards.
std::optional<PageRange> jobBlockRange(const std::optional<QString>& from, const std::optional<QString>& to,
                                       int blockCount);
