#pragma once

#include <QStringList>
#include <vector>

// A batch job of the command line: `terrako-diagraph <name> ARGUMENTS...`. Each job lives in a file
// of its own in this folder and is listed in subcommands.cpp.
struct Subcommand {
    const char* name;
    const char* synopsis;  // for the usage, e.g. "dump FILE"
    const char* meaning;
    // Runs the job with the arguments after the name; returns the exit code: 0 success, 2 a refused
    // input file, 1 any other failure, with the message on stderr.
    int (*run)(const QStringList& arguments);
};

const std::vector<Subcommand>& subcommands();
