#pragma once
// The program's own look, painted in code: window backgrounds and the
// application icon.

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <string>

#include "ui/ui.h"

class QAbstractButton;
class QLabel;
class QWidget;
class QPainter;

namespace ui::qt {

enum class Backdrop;

void PaintBackdrop(QPainter& painter, const QRect& area, Backdrop backdrop);

// A puck on a face-off circle, in every size the desktop asks for.
QIcon AppIcon();
QPixmap AppIconPixmap(int size);

// A widget's type size (points; 0 keeps it) and weight.
void SetFont(QWidget* widget, double points, bool bold);
// Yellow text: the colour of every fixed caption over the dark backgrounds.
void PaintCaption(QLabel* label);

// Picture-style check boxes and option buttons: a ticked one stands out in gold.
void StyleToggle(QAbstractButton* button);

QColor ToColor(ui::Rgb rgb);
ui::Rgb FromColor(const QColor& color);

// UTF-8 from the window classes; a stored NUL shows as a blank.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

}  // namespace ui::qt
