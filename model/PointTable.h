#pragma once
// Point sets in and out of text: a data file or what a spreadsheet puts on the
// clipboard, read as pairs of typed texts, and the stored pairs written back.
//
// Read: UTF-8 (a byte-order mark ignored), one pair a line, X then Y; cells
// separated by a tab, else by a semicolon, else by blanks or a comma; quoted cells
// as in RFC 4180 (libcsv reads them); a first line without a number is a header;
// blank lines and lines starting with # are skipped; further cells are ignored.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct TypedPair {
    std::string x, y;
};

// What a read gave: the pairs as their cells hold them, or why there are none.
struct PointTable {
    std::vector<TypedPair> pairs;
    std::string error;  // empty when read; else the reason in the user's words
};

// The largest file that is read: a table of 40 pairs is a few kilobytes.
inline constexpr std::size_t MaxPointFileBytes = 1 << 20;

// Reads a text; an error when a line lacks a number X or Y ("в строке 7 нет числа
// Y"), holds one beyond the range of a double, or the pairs are fewer than 3 or more
// than 40. The cells keep their texts; storing them normalises them as typed.
PointTable ReadPointTable(std::string_view text);

// Reads a file of at most MaxPointFileBytes; an error also when it cannot be read
// or is not text.
PointTable ReadPointFile(const std::string& path);

// Makes these pairs the point set: each cell stored as a typed value, then sorted.
void UsePointTable(const PointTable& table);

// The stored pairs as a file holds them: the header "X<tab>Y", then the pairs'
// stored texts, tab-separated (quoted where a text would not read back alike; a text
// without a number, which the entry took for 0, written as 0).
std::string PointTableText();

// Writes PointTableText() into the file; false with the reason when it was not
// written whole.
bool WritePointFile(const std::string& path, std::string& error);
