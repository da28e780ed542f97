#pragma once
// Where points come from besides the input boxes, and where they go: a data file, or
// a table on the clipboard (what a spreadsheet copies). A source that holds no valid
// table is refused in the program's words, naming it and the line, and nothing
// changes; a save replaces the old file whole or leaves it as it was.

#include <optional>
#include <string>

#include "Outcome.h"
#include "PointTable.h"

// The user's regional marks ("," and "." as decimal mark and group separator), which
// decide what a table's own cells leave open; set once at start.
void UseRegionalMarks(RegionalMarks marks);

// How a table is read here: with the user's regional marks, these columns (none:
// decided from the table) and this error where there are no points.
TableReading ReadingOf(std::string_view noPoints, std::optional<ColumnRequest> columns = {});

// The table of a file, read and decoded; its error says why when there is none.
PointTable PointTableOfFile(const std::string& path, std::optional<ColumnRequest> columns = {});

// The points of a file; none when it holds no valid table (the user was told why).
// Where more than two columns hold numbers and no header names X and Y, the user is
// asked which columns they are; none on Cancel.
std::optional<PointTable> PointsOfFile(const std::string& path);
// The points on the clipboard; none as above.
std::optional<PointTable> PointsOfClipboard();
// The file dialog's answer to "Открыть файл с точками"; empty on Cancel.
std::string AskFileToOpen();
// A file of points asked for with the file dialog, then read; none on Cancel.
std::optional<PointTable> PointsOfChosenFile();

// The stored points written into the file as PointTableText with the user's decimal
// separator.
Outcome SavePointFile(const std::string& path);

// A file's name as the messages give it: without its folders, bytes that are not
// UTF-8 written as \xNN.
std::string FileNameOf(const std::string& path);
