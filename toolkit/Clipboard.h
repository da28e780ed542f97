#pragma once
// The desktop's clipboard, as text.

#include <string>

std::string ClipboardText();
void SetClipboardText(const std::string& text);
