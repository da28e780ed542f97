#pragma once
// Where points come from besides the input boxes: a data file, or a table on the
// clipboard (what a spreadsheet copies). A source that holds no valid table is
// refused in the program's words, naming it and the line, and nothing changes.

#include <optional>
#include <string>

#include "PointTable.h"

// The points of a file; none when it holds no valid table (the user was told why).
std::optional<PointTable> PointsOfFile(const std::string& path);
// The points on the clipboard; none as above.
std::optional<PointTable> PointsOfClipboard();
// A file of points asked for with the file dialog, then read; none on Cancel.
std::optional<PointTable> PointsOfChosenFile();

// A file's name as the messages give it: without its folders.
std::string FileNameOf(const std::string& path);
