#include "ProgramFixture.h"

#include <QCoreApplication>
#include <QEvent>

#include "Program.h"
#include "SharedState.h"

void UnloadAllWindows() {
    while (!LoadedWindows().empty()) UnloadWindow(LoadedWindows().front());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void ProgramFixture::SetUp() {
    UnloadAllWindows();
    Shared = SharedState{};
    ResetProgramEnded();
    SetEndProgramHandler([] {});
}

void ProgramFixture::TearDown() {
    UnloadAllWindows();
    ResetProgramEnded();
}

bool ProgramFixture::Ended() const { return ProgramEnded(); }
