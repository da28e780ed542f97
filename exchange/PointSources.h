#pragma once
// Where points come from besides the input boxes, and where they go: a data file, or
// a table on the clipboard (what a spreadsheet copies). A source that holds no valid
// table is refused in the program's words, naming it and the line, and nothing
// changes; a save replaces the old file whole or leaves it as it was.

#include <optional>
#include <string>

#include "Outcome.h"
#include "PointTable.h"

// The table of a file, read and decoded; its error says why when there is none.
PointTable PointTableOfFile(const std::string& path);

// The points of a file; none when it holds no valid table (the user was told why).
std::optional<PointTable> PointsOfFile(const std::string& path);
// The points on the clipboard; none as above.
std::optional<PointTable> PointsOfClipboard();
// A file of points asked for with the file dialog, then read; none on Cancel.
std::optional<PointTable> PointsOfChosenFile();

// The stored points written into the file as PointTableText with the user's decimal
// separator.
Outcome SavePointFile(const std::string& path);

// A file's name as the messages give it: without its folders.
std::string FileNameOf(const std::string& path);
