#pragma once
// The text of a points file: its bytes read without ever waiting on a pipe or a
// device, and decoded from the encodings office files come in.

#include <string>

#include "Outcome.h"

// The largest file that is read: a table of 40 pairs is a few kilobytes.
inline constexpr std::size_t MaxPointFileBytes = 1 << 20;

struct FileText {
    std::string text;  // UTF-8
    Outcome outcome;
};

// Reads a regular file of at most MaxPointFileBytes: a folder, a named pipe, a
// socket or a device is refused by its type before it is opened, so that nothing
// waits for a writer that never comes.
FileText ReadFileText(const std::string& path);

// Reads a stream that is meant to be a pipe (standard input), up to the same limit
// ("стандартный ввод больше 1 МБ" past it).
FileText ReadStreamText(int descriptor);

// UTF-8 (with or without its mark, which the table reader skips), UTF-16 with its
// byte-order mark, or, when the bytes are not UTF-8, Windows-1251, as UTF-8; an error when the
// bytes are none of these or hold control characters other than tabs and line ends.
FileText DecodeText(const std::string& bytes);
