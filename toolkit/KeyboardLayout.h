#pragma once
// The keyboard layout of the number boxes. The data entry asks for the US English
// layout; on this platform the desktop owns the layout, so the layer does the part
// that matters here: in a number box each key types what it types on the US English
// layout, whatever layout is active (under a Russian one, the key of "e" still types
// the exponent letter), read from the key's position on the keyboard.

#include <cstdint>

class QLineEdit;

inline constexpr std::uint32_t UsEnglishLayout = 0x04090409;

// With UsEnglishLayout: from now on, number boxes type as on the US English layout.
// Other layouts leave the keys as the desktop gives them.
void ActivateKeyboardLayout(std::uint32_t layoutHandle, std::uint32_t flags);

// Makes this line edit a number box.
void MarkNumberBox(QLineEdit* box);

// The character a key (by its X11 keycode, as Qt reports it on X11 and Wayland)
// types on the US English layout, with or without Shift; 0 for other keys.
char UsEnglishCharacter(std::uint32_t keycode, bool shift);
