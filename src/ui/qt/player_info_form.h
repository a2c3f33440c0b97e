#pragma once
// The player card's widgets: personal data on the left, the skills on the
// right, the statistics below, release and close at the bottom right.

#include <memory>

#include "ui/qt/qt_form.h"

namespace ui::qt {

std::unique_ptr<QtForm> BuildPlayerInfoForm(QWidget* parent);

}  // namespace ui::qt
