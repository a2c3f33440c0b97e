#pragma once
// The game roster editor's widgets: the farm, scratches and game-roster lists
// with the move buttons between them, the filters and commands below, and the
// player panel along the bottom.

#include <memory>

#include "ui/qt/qt_form.h"

namespace ui::qt {

std::unique_ptr<QtForm> BuildRosterForm(QWidget* parent);

}  // namespace ui::qt
