#pragma once
// Which Qt form opens for each of the program's child windows.

#include "app/session.h"
#include "ui/qt/qt_toolkit.h"

namespace ui::qt {

// Registers an opener for every child window this build has: each builds the
// window's form, gives it to its window class, runs the load event and shows
// it modally through the toolkit.
void RegisterWindows(QtToolkit& toolkit, app::Session& session);

}  // namespace ui::qt
