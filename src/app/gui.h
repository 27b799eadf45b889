#pragma once

// Opens the main window and runs the application until it ends; returns the exit code.
int startGui(int argc, char* argv[]);
