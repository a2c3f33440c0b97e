#include "ui/qt/about_form.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/qt/qt_style.h"

namespace ui::qt {

namespace {

void Style(QLabel* label, double points, bool bold, bool wrap = false) {
  SetFont(label, points, bold);
  PaintCaption(label);
  label->setWordWrap(wrap);
  label->setAlignment(Qt::AlignLeft | (wrap ? Qt::AlignTop : Qt::AlignVCenter));
}

}  // namespace

std::unique_ptr<QtForm> BuildAboutForm(QWidget* parent) {
  auto form = std::make_unique<QtForm>(parent, QSize(440, 310), Backdrop::Night);
  form->setObjectName("AboutORB");
  // A dialog with a parent stays out of the task bar.

  QLabel* icon = form->AddLabel("picIcon", -1, QRect(14, 14, 48, 48), {},
                                "Rink Desk icon: click for our thanks");
  icon->setPixmap(AppIconPixmap(40));
  icon->setAlignment(Qt::AlignCenter);
  icon->setAutoFillBackground(true);
  QPalette pale = icon->palette();
  pale.setColor(QPalette::Window, ToColor(ui::kPaleYellow));
  icon->setPalette(pale);
  icon->setCursor(Qt::PointingHandCursor);

  Style(form->AddLabel("lblTitle", -1, QRect(78, 12, 340, 26)), 12, true);
  Style(form->AddLabel("lblVersion", -1, QRect(78, 40, 340, 18)), 8.25, true);
  Style(form->AddLabel("lblBeta", -1, QRect(78, 58, 340, 18)), 8.25, true);
  Style(form->AddLabel("Label1", -1, QRect(78, 82, 346, 36)), 8.25, true, true);
  Style(form->AddLabel("lblDescription", -1, QRect(78, 120, 346, 18)), 8.25, true);
  Style(form->AddLabel("lblDisclaimer", -1, QRect(14, 148, 412, 96)), 8.25, false, true);

  const QColor lines[] = {Qt::white, Qt::gray};
  for (int i = 0; i < 2; ++i) {
    auto* line = new QFrame(form.get());
    line->setObjectName(QStringLiteral("Line1(%1)").arg(i));
    line->setGeometry(14, 254 + i, 412, 1);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, lines[i]);
    line->setPalette(palette);
  }

  form->AddButton("cmdSysInfo", -1, QRect(14, 266, 130, 30), "&System Info...", {});
  QPushButton* ok = form->AddButton("cmdOK", -1, QRect(316, 266, 110, 30), "&OK", {});
  ok->setDefault(true);
  ok->setAutoDefault(true);
  ok->setFocus();
  return form;
}

}  // namespace ui::qt
