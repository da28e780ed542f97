#pragma once
// Character-level helpers for the UTF-8 texts the program keeps: widths in the
// layout count characters, not bytes.

#include <cstddef>
#include <string>
#include <string_view>

// Number of characters (code points) in a UTF-8 text.
std::size_t CharCount(std::string_view text);

// The first n characters of a UTF-8 text.
std::string FirstChars(std::string_view text, std::size_t n);

// The text without leading and trailing blanks.
std::string TrimBlanks(std::string_view text);

// True when the bytes are well-formed UTF-8.
bool ValidUtf8(std::string_view text);

// The bytes as UTF-8 text: well-formed sequences as they are, every other byte
// written as \xNN (a file name that is not UTF-8, shown in a message).
std::string EscapedUtf8(std::string_view bytes);
