#pragma once
// Files dropped on a window from a file manager.

#include <string>

class QMimeData;

// The local file a drag carries (the first of them); empty when it carries none.
std::string DroppedFile(const QMimeData* data);
