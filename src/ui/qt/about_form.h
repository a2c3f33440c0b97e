#pragma once
// The About box's widgets.

#include <memory>

#include "ui/qt/qt_form.h"

namespace ui::qt {

std::unique_ptr<QtForm> BuildAboutForm(QWidget* parent);

}  // namespace ui::qt
