#pragma once
// The lines editor's widgets: the four unit blocks with their position
// captions, the goalie and extra skaters, the player list with its filters,
// the view buttons, the player detail and unit average rows, and the buttons.

#include <memory>

#include "ui/qt/qt_form.h"

namespace ui::qt {

std::unique_ptr<QtForm> BuildLinesForm(QWidget* parent);

}  // namespace ui::qt
