#pragma once
// The team view's widgets: the team name on top, five rows of who and where,
// three columns (finances, roster make-up, statistics), and the roster, lines
// and close buttons at the bottom.

#include <memory>

#include "ui/qt/qt_form.h"

namespace ui::qt {

std::unique_ptr<QtForm> BuildDisplayTeamForm(QWidget* parent);

}  // namespace ui::qt
