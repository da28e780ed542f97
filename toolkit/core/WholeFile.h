#pragma once
// Files written whole or not at all: the new content goes to a temporary file in the
// same folder, is flushed to the disk and then renamed over the old file, so that a
// full disk or a missing right leaves the old file as it was.

#include <string>
#include <string_view>

#include "Outcome.h"

// Replaces (or creates) the file with these bytes; a symbolic link is written
// through (the file it points to is replaced, the link stays); the name is taken as
// bytes, UTF-8 or not. On failure nothing at path has changed and the reason is given ("нет места
// на диске", "нет прав на запись в папку", "это папка, а не файл", or the system's own words).
Outcome WriteWholeFile(const std::string& path, std::string_view bytes);

// The reason of a failed write, by the system's error number, in the program's words.
std::string WriteFailureReason(int error);
