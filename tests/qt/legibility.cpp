#include "legibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace test {

namespace {

QRect InWindow(const QWidget& window, const QWidget& widget) {
  return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

}  // namespace

std::vector<QWidget*> Controls(const QWidget& window) {
  std::vector<QWidget*> controls;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->window() != &window) continue;  // a child window
    const bool control = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                         qobject_cast<QAbstractItemView*>(widget) ||
                         qobject_cast<QLineEdit*>(widget);
    if (control && !widget->objectName().startsWith("qt_")) controls.push_back(widget);
  }
  return controls;
}

QString Shown(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&&" shows one '&'
    shown += caption[i];
  }
  return shown;
}

QStringList CutCaptions(const QWidget& window) {
  QStringList cut;
  for (QWidget* widget : Controls(window)) {
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->text().isEmpty()) continue;
      const QRect room = label->contentsRect().adjusted(std::max(label->indent(), 0), 0, 0, 0);
      if (label->wordWrap()) {
        const QRect needed =
            metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text());
        if (needed.height() > room.height() || needed.width() > room.width())
          cut << label->objectName();
      } else if (metrics.horizontalAdvance(label->text()) > room.width() ||
                 metrics.height() > room.height()) {
        cut << label->objectName();
      }
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      const QString text = Shown(button->text());
      if (text.isEmpty()) continue;
      if (metrics.horizontalAdvance(text) > button->width() - 8 ||
          metrics.height() > button->height() - 4)
        cut << button->objectName();
    }
  }
  return cut;
}

QStringList Overlaps(const QWidget& window) {
  QStringList found;
  std::vector<QWidget*> shown;
  for (QWidget* widget : Controls(window))
    if (widget->isVisibleTo(&window)) shown.push_back(widget);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const QRect box = InWindow(window, *shown[i]);
    if (!window.rect().contains(box)) found << shown[i]->objectName() + " outside";
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      if (box.intersects(InWindow(window, *shown[j])))
        found << shown[i]->objectName() + "/" + shown[j]->objectName();
    }
  }
  return found;
}

}  // namespace test
