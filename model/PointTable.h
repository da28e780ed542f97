#pragma once
// Point sets in and out of text: what a data file or a spreadsheet's clipboard holds,
// read as pairs of numbers, and the stored pairs written back.
//
// Read: UTF-8 text, one pair a line; cells separated by a tab, else by a semicolon,
// else by blanks or a comma, or by the character a first line "sep=X" names; quoted
// cells as in RFC 4180 (libcsv reads them); a first line none of whose cells is a
// number is a header; blank lines and lines starting with # are skipped. X and Y are
// the two columns that hold numbers, or the columns a header names X and Y (and the
// uncertainty sigma of Y, where it names one: "σ", "sigma", "dY", "погрешность",
// "ошибка"), or the columns asked for; a table with more columns of numbers is never
// read by guessing.
// Every cell is read whole (CellNumber), with the roles of "," and "." decided for
// the whole table (DecideMarks).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TypedPair {
    std::string x, y;
    std::string sigma;  // the uncertainty of Y; empty where the table has none
};

// What a read gave: the pairs as numbers read from their cells, or why there are none.
struct PointTable {
    std::vector<TypedPair> pairs;
    std::string error;  // empty when read; else the reason in the user's words
    // With the error, where more than two columns hold numbers and no header names X
    // and Y: each column by its header, or by its first values when there is none.
    std::vector<std::string> columns;
    bool withSigma = false;  // every pair has its sigma
};

// What a mark between digits may be in a number: "," and "." each either the decimal
// mark or the separator of groups of three digits.
enum class MarkRole { Decimal, Group };

struct MarkRoles {
    MarkRole comma = MarkRole::Decimal;
    MarkRole point = MarkRole::Decimal;
};

// The user's regional convention: its decimal mark and its group separator, where
// either is "," or "." (0 otherwise). It decides what the table's own cells leave open.
struct RegionalMarks {
    char decimal = '.';
    char group = ',';
};

// The columns of X, Y and (where not empty) sigma as asked for: each a number from 1
// or a header's text.
struct ColumnRequest {
    std::string x, y, sigma;
};

struct TableReading {
    std::string_view noPoints = "нет точек";  // the error when there are no points
    RegionalMarks regional;
    std::optional<ColumnRequest> columns;
};

// The number a cell holds, read whole: blanks around it, a sign, digits (in groups of
// three parted by a space, a no-break space, a narrow no-break space or an apostrophe,
// as spreadsheets write them, or by "," or "." where that is its role), a decimal mark,
// an exponent. Its text with the group separators and the blanks removed; none when
// the cell holds anything else (a date, a percent sign, a unit, two decimal marks).
std::optional<std::string> CellNumber(std::string_view cell, MarkRoles roles = {});

// Reads a text; an error when a line lacks a number X or Y ("в строке 7 нет числа
// Y"), holds a cell that is no number ("в строке 7 в ячейке Y не число: «…»") or one
// beyond the range of a double, a sigma that is not above zero ("в строке 7 в ячейке σ
// не больше нуля: «0»"), when its cells use "," or "." in two roles, when the
// columns of X and Y are not to be told (PointTable::columns then lists them), or the
// pairs are fewer than 3 (how.noPoints when there are none) or more than 40.
PointTable ReadPointTable(std::string_view text, const TableReading& how = {});

// Makes these pairs the point set: each cell stored as a typed value (sigma where the
// table has it, none otherwise), then sorted.
void ReplacePointsWith(const PointTable& table);

// The stored pairs as a spreadsheet of the user's convention reads them: the header
// "X<tab>Y" ("X<tab>Y<tab>σ" with the uncertainties), then one pair a line, tab-separated, each
// number written with the given decimal separator (a stored text that is no whole number, which the
// entry read up to its first other character, written as the value it gave).
std::string PointTableText(std::string_view decimalSeparator);
