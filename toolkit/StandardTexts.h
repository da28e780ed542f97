#pragma once
// The texts Qt itself puts on standard buttons and boxes (OK, Cancel, Yes, No), in
// Russian like every other text of the program, whatever the user's language.

// Installs Qt's own Russian translation into the running application; false when
// it is not installed on this machine (the texts then stay English).
bool UseRussianStandardTexts();
