#pragma once

// Starts the application or runs the command-line job the arguments name; returns the exit code:
// 0 success, 2 a refused input file, 1 any other failure.
int runCommandLine(int argc, char* argv[]);
