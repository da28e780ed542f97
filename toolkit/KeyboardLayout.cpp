#include "KeyboardLayout.h"

void ActivateKeyboardLayout(std::uint32_t, std::uint32_t) {}
