#pragma once
// The program's icon for its windows: the installed picture (data/approximation.svg)
// drawn again by Qt's painter, so that no image plug-in is needed for it.

#include <QIcon>

QIcon ProgramIcon();
