#pragma once
// Files dropped on a window from a file manager.

#include <string>

class QDragEnterEvent;
class QDropEvent;

// Takes a drag over the window when it carries a local file.
void AcceptFileDrag(QDragEnterEvent* event);
// The local file a drop brings (the first of them), the drop accepted; empty when it
// brings none.
std::string TakeDroppedFile(QDropEvent* event);
