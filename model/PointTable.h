#pragma once
// Point sets in and out of text: what a data file or a spreadsheet's clipboard holds,
// read as pairs of numbers, and the stored pairs written back.
//
// Read: UTF-8 text, one pair a line, X then Y; cells separated by a tab, else by a
// semicolon, else by blanks or a comma, or by the character a first line "sep=X"
// names; quoted cells as in RFC 4180 (libcsv reads them); a first line with a cell
// that is not a number is a header; blank lines and lines starting with # are
// skipped; further cells are ignored. Every cell is read whole (CellNumber).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TypedPair {
    std::string x, y;
};

// What a read gave: the pairs as numbers read from their cells, or why there are none.
struct PointTable {
    std::vector<TypedPair> pairs;
    std::string error;  // empty when read; else the reason in the user's words
};

// The number a cell holds, read whole: blanks around it, a sign, digits (in groups of
// three parted by a space, a no-break space, a narrow no-break space or an apostrophe,
// as spreadsheets write them), a decimal comma or point, an exponent. Its text with
// the group separators and the blanks removed; none when the cell holds anything else
// (a date, a percent sign, a unit, two decimal marks).
std::optional<std::string> CellNumber(std::string_view cell);

// Reads a text; an error when a line lacks a number X or Y ("в строке 7 нет числа
// Y"), holds a cell that is no number ("в строке 7 в ячейке Y не число: «…»") or one
// beyond the range of a double, or the pairs are fewer than 3 (noPoints when there
// are none) or more than 40.
PointTable ReadPointTable(std::string_view text, std::string_view noPoints = "нет точек");

// Makes these pairs the point set: each cell stored as a typed value, then sorted.
void ReplacePointsWith(const PointTable& table);

// The stored pairs as a spreadsheet of the user's convention reads them: the header
// "X<tab>Y", then one pair a line, tab-separated, each number written with the
// given decimal separator (a stored text that is no whole number, which the entry
// read up to its first other character, written as the value it gave).
std::string PointTableText(std::string_view decimalSeparator);
