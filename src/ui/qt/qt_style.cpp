#include "ui/qt/qt_style.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "ui/qt/qt_form.h"

namespace ui::qt {

namespace {

// Faint markings of a rink seen from above, fitted into `area`.
void PaintRinkLines(QPainter& p, const QRectF& area) {
  const QRectF rink = area.adjusted(area.width() * 0.04, area.height() * 0.08, -area.width() * 0.04,
                                    -area.height() * 0.08);
  const qreal corner = rink.height() * 0.28;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 34), 2));
  p.drawRoundedRect(rink, corner, corner);

  const qreal cx = rink.center().x();
  const qreal cy = rink.center().y();
  p.setPen(QPen(QColor(220, 60, 60, 46), 3));
  p.drawLine(QPointF(cx, rink.top()), QPointF(cx, rink.bottom()));
  p.setPen(QPen(QColor(90, 150, 255, 48), 4));
  for (qreal f : {0.33, 0.67}) {
    const qreal x = rink.left() + rink.width() * f;
    p.drawLine(QPointF(x, rink.top()), QPointF(x, rink.bottom()));
  }
  p.setPen(QPen(QColor(220, 60, 60, 30), 1.5));
  for (qreal f : {0.08, 0.92}) {
    const qreal x = rink.left() + rink.width() * f;
    p.drawLine(QPointF(x, rink.top() + corner * 0.3), QPointF(x, rink.bottom() - corner * 0.3));
  }
  const qreal r = rink.height() * 0.17;
  p.setPen(QPen(QColor(120, 170, 255, 40), 1.5));
  p.drawEllipse(QPointF(cx, cy), r, r);
  p.setPen(QPen(QColor(220, 60, 60, 34), 1.5));
  for (qreal fx : {0.18, 0.82}) {
    for (qreal fy : {0.3, 0.7}) {
      const QPointF centre(rink.left() + rink.width() * fx, rink.top() + rink.height() * fy);
      p.drawEllipse(centre, r * 0.8, r * 0.8);
      p.setBrush(QColor(220, 60, 60, 40));
      p.drawEllipse(centre, 3, 3);
      p.setBrush(Qt::NoBrush);
    }
  }
}

}  // namespace

void PaintBackdrop(QPainter& p, const QRect& area, Backdrop backdrop) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  switch (backdrop) {
    case Backdrop::Rink:
      sky.setColorAt(0, QColor(0x0B, 0x1E, 0x3F));
      sky.setColorAt(1, QColor(0x16, 0x34, 0x63));
      break;
    case Backdrop::Ice:
      sky.setColorAt(0, QColor(0x1B, 0x3A, 0x58));
      sky.setColorAt(1, QColor(0x2A, 0x52, 0x74));
      break;
    case Backdrop::Night:
      sky.setColorAt(0, QColor(0x0A, 0x0F, 0x1C));
      sky.setColorAt(1, QColor(0x1C, 0x24, 0x3C));
      break;
  }
  p.fillRect(area, sky);
  // A soft light from above, as over an arena's centre ice.
  QRadialGradient light(QPointF(area.center().x(), area.top()), area.width() * 0.7);
  light.setColorAt(0, QColor(255, 255, 255, 26));
  light.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(area, light);
  switch (backdrop) {
    case Backdrop::Rink:
      PaintRinkLines(p, area);
      break;
    case Backdrop::Ice: {
      // Skate marks: long faint arcs.
      p.setPen(QPen(QColor(255, 255, 255, 22), 1));
      QRandomGenerator marks(7);
      for (int i = 0; i < 18; ++i) {
        const qreal x = area.left() + marks.bounded(area.width());
        const qreal y = area.top() + marks.bounded(area.height());
        QPainterPath arc(QPointF(x, y));
        arc.cubicTo(x + 60, y - 20, x + 120, y + 10, x + 190, y - 6);
        p.drawPath(arc);
      }
      break;
    }
    case Backdrop::Night: {
      QRandomGenerator stars(11);
      p.setPen(Qt::NoPen);
      for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(255, 255, 255, 20 + stars.bounded(40)));
        p.drawEllipse(QPointF(area.left() + stars.bounded(area.width()),
                              area.top() + stars.bounded(area.height())),
                      1.1, 1.1);
      }
      break;
    }
  }
  p.restore();
}

QPixmap AppIconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  QLinearGradient back(0, 0, 0, s);
  back.setColorAt(0, QColor(0x1E, 0x4A, 0x8C));
  back.setColorAt(1, QColor(0x0B, 0x1E, 0x3F));
  p.setPen(Qt::NoPen);
  p.setBrush(back);
  p.drawRoundedRect(QRectF(0, 0, s, s).adjusted(s * 0.03, s * 0.03, -s * 0.03, -s * 0.03), s * 0.2,
                    s * 0.2);
  // The face-off circle with its red spot.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0xF2, 0xF6, 0xFF), s * 0.07));
  p.drawEllipse(QPointF(s * 0.5, s * 0.44), s * 0.28, s * 0.28);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xE0, 0x3C, 0x3C));
  p.drawEllipse(QPointF(s * 0.5, s * 0.44), s * 0.07, s * 0.07);
  // The puck, seen at an angle.
  const QRectF top(s * 0.26, s * 0.64, s * 0.48, s * 0.16);
  p.setBrush(QColor(0x10, 0x10, 0x12));
  p.drawRect(QRectF(top.left(), top.center().y(), top.width(), s * 0.09));
  p.drawEllipse(top.translated(0, s * 0.09));
  p.setBrush(QColor(0x3A, 0x3A, 0x40));
  p.drawEllipse(top);
  return pixmap;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(AppIconPixmap(size));
  return icon;
}

QColor ToColor(ui::Rgb rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

ui::Rgb FromColor(const QColor& color) {
  return (static_cast<ui::Rgb>(color.red()) << 16) | (static_cast<ui::Rgb>(color.green()) << 8) |
         static_cast<ui::Rgb>(color.blue());
}

QString ToQt(const std::string& text) {
  QString out = QString::fromStdString(text);
  out.replace(QChar(0), QChar(' '));
  return out;
}

std::string FromQt(const QString& text) { return text.toStdString(); }

void SetFont(QWidget* widget, double points, bool bold) {
  QFont font = widget->font();
  if (points > 0) font.setPointSizeF(points);
  font.setBold(bold);
  widget->setFont(font);
}

void PaintCaption(QLabel* label) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ToColor(ui::kYellow));
  label->setPalette(palette);
}

void StyleToggle(QAbstractButton* button) {
  button->setStyleSheet(
      "QPushButton { background: #e6e9ef; color: #1a1a1a; border: 1px solid #7a8699;"
      " border-radius: 4px; }"
      "QPushButton:checked { background: #ffd23f; border: 1px solid #b08a00; }");
}

}  // namespace ui::qt
