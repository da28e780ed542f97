#pragma once
// The program for scripts: the comparison of every formula, or one fit, printed as
// tab-separated text on standard output, with no window and no display needed.
//
//   approximation --compare FILE
//   approximation --fit FORMULA FILE
//   approximation --help | --version
//
// FILE is read as Ctrl+O reads it ("-" for standard input). Messages go to standard
// error; the exit status is 0 when done, 2 for bad input (a file, a formula, an
// option), 3 for a refused fit.

#include <optional>

// The exit status when the arguments ask for the command-line mode; none when the
// program is to start its windows (no arguments, or a file to open).
std::optional<int> RunCommandLine(int argc, char* argv[]);
