#include "Dialogs.h"

#include <cassert>

namespace {
Dialogs* installed = nullptr;
}  // namespace

Dialogs& TheDialogs() {
    assert(installed && "the program installs its dialogues at start");
    return *installed;
}

Dialogs* UseDialogs(Dialogs* dialogs) {
    Dialogs* previous = installed;
    installed = dialogs;
    return previous;
}
