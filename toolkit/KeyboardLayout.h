#pragma once
// Switching the keyboard to the US English layout when the data entry starts. On
// this platform the desktop owns the keyboard layout and a program does not switch
// it: the call accepts the layout handle and changes nothing. Typed numbers are read
// with either decimal separator, so the layout never decides what a number means.

#include <cstdint>

void ActivateKeyboardLayout(std::uint32_t layoutHandle, std::uint32_t flags);
