#pragma once
// The whole work kept in a file ("Сохранить работу", Ctrl+Shift+S): every pair with its
// text as typed, the formula and its degree, the fit mode and the view settings, as
// versioned JSON read and written by Qt's JSON classes, saved through the whole-file
// write. A damaged file, or one of a newer version, is refused naming what is wrong.
//
//   {"format": "approximation-session", "version": 1,
//    "points": [{"x": "1,5", "y": "2.7"}, ...], "formula": 10, "degree": 0,
//    "fit": "linearised" | "on_y", "bands": false}

#include <optional>
#include <string>
#include <string_view>

#include "Outcome.h"
#include "Work.h"

inline constexpr int SessionVersion = 1;
inline constexpr std::string_view SessionExtension = ".approx";

// The work as the text of a session file.
std::string SessionText(const Work& work);

// The work a session text holds: the points stored as typed and sorted by X, the
// formula, the mode, the view settings; none with error saying what is wrong.
std::optional<Work> WorkOfSessionText(std::string_view text, std::string& error);

// A session file by its name (".approx") or by its content (a JSON object first).
bool IsSessionFile(const std::string& path);

// The work of a session file; none where it cannot be read (the user was told why).
std::optional<Work> WorkOfSessionFile(const std::string& path);
// The same for the command line: the error in words instead of a message box.
std::optional<Work> ReadSessionFile(const std::string& path, std::string& error);

// Asks for a name (".approx" added where it has no extension) and saves the work now
// in the shared state; says why where it could not. False on Cancel or failure.
bool SaveWorkAsked();
