#pragma once
// The program for scripts: the comparison of every formula, or one fit, printed as
// tab-separated text on standard output, with no window and no display needed.
//
//   approximation --compare FILE [--on-y] [--columns X,Y]
//   approximation --fit FORMULA FILE [--on-y] [--columns X,Y]
//   approximation --help | --version
//
// FILE is read as Ctrl+O reads it ("-" for standard input); a table with more than two
// columns of numbers needs --columns unless its header names X and Y. Messages go to
// standard error, one line each; the exit status is 0 when done, 1 when standard output
// or standard error could not be written, 2 for bad input (a file, a formula, an
// option), 3 for a refused fit. A closed pipe ends the program by its signal.

#include <optional>

// The exit status when the arguments ask for the command-line mode; none when the
// program is to start its windows (no arguments, or a file to open).
std::optional<int> RunCommandLine(int argc, char* argv[]);
