#include "ui/qt/roster_form.h"

#include <QAbstractButton>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/qt/qt_style.h"

namespace ui::qt {

namespace {

constexpr QSize kSize(820, 486);
constexpr int kListTop = 66, kListHeight = 300;
constexpr int kPanelCaptionTop = 424, kPanelTop = 444, kBoxHeight = 24;
constexpr int kSmallBox = 33, kSmallStep = 35;

void Caption(QLabel* label, bool centred = false) {
  PaintCaption(label);
  SetFont(label, 0, true);
  label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignBottom);
}

void Value(QLabel* label, double points, Qt::Alignment alignment = Qt::AlignLeft) {
  SetFont(label, points, true);
  label->setAlignment(alignment | Qt::AlignVCenter);
}

// Names are stored 22 characters wide; a fixed-pitch font keeps the "*"
// markers and the padding in line.
void NameFont(QWidget* widget) {
  QFont font("Monospace");
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(10);
  widget->setFont(font);
}

void PanelBox(QLineEdit* box) {
  QFont font = box->font();
  font.setBold(true);
  box->setFont(font);
  box->setAlignment(Qt::AlignCenter);
}

}  // namespace

std::unique_ptr<QtForm> BuildRosterForm(QWidget* parent) {
  auto form = std::make_unique<QtForm>(parent, kSize, Backdrop::Ice);
  form->setObjectName("Roster");

  Value(form->AddLabel("Label1", -1, QRect(16, 10, 540, 28)), 13);
  Value(form->AddLabel("Label5", -1, QRect(560, 12, 244, 24)), 10, Qt::AlignRight);

  // Farm, scratches and game roster from left to right; the players move
  // rightwards up to the game and leftwards down to the farm.
  const struct {
    const char* caption;
    const char* accessible;
    int left, width;
  } lists[] = {{"Farm Roster", "Farm roster", 16, 220},
               {"Scratches", "Scratches", 296, 220},
               {"Game Roster", "Game roster", 576, 228}};
  for (int k = 0; k < 3; ++k) {
    const auto& l = lists[k];
    Caption(form->AddLabel("lblList", k, QRect(l.left, 42, l.width, 22), l.caption));
    QListWidget* list =
        form->AddList("list1", k, QRect(l.left, kListTop, l.width, kListHeight), l.accessible);
    NameFont(list);
  }

  const struct {
    int index;
    int left, top;
    const char* caption;
    const char* accessible;
  } moves[] = {{3, 241, 170, "\u25B6", "Move up to the scratches"},
               {2, 241, 214, "\u25C0", "Send down to the farm"},
               {1, 521, 170, "\u25B6", "Dress for the game"},
               {0, 521, 214, "\u25C0", "Scratch from the game roster"}};
  for (const auto& m : moves) {
    QPushButton* button = form->AddButton("cmdMovePlayer", m.index, QRect(m.left, m.top, 50, 36),
                                          QString::fromUtf8(m.caption), m.accessible);
    button->setToolTip(m.accessible);
  }

  const char* filters[][2] = {{"&C", "Show centres"},
                              {"&LW", "Show left wings"},
                              {"&RW", "Show right wings"},
                              {"&D", "Show defencemen"},
                              {"&G", "Show goalies"}};
  for (int k = 0; k < 5; ++k) {
    QAbstractButton* filter = form->AddCheck("Check1", k, QRect(16 + 48 * k, 378, 44, 30),
                                             filters[k][0], filters[k][1], true);
    filter->setToolTip(filters[k][1]);
    StyleToggle(filter);
  }
  QAbstractButton* protect = form->AddCheck("chkProtect", -1, QRect(264, 378, 130, 30),
                                            "&Protection", "Protection marking", true);
  StyleToggle(protect);
  protect->setToolTip("Double-click a player to protect him or lift his protection");
  form->AddButton("cmdAdd", -1, QRect(404, 378, 70, 30), "Add", "Add a player");
  form->AddButton("cmdAuto", -1, QRect(576, 378, 110, 30), "&Auto Roster", "Automatic roster")
      ->setToolTip("Dress twenty players by position and rating");
  form->AddButton("cmdExit", -1, QRect(694, 378, 110, 30), "E&xit", "Leave the roster editor");

  // The player panel: caption above each box.
  QLineEdit* name = form->AddText("txtName", -1, QRect(16, kPanelTop, 186, kBoxHeight), "Player");
  NameFont(name);
  const char* captions[] = {"POS", "AG", "HD", "IT", "SP", "ST", "EN", "DU", "DI",
                            "SK",  "PA", "PC", "DF", "SC", "EX", "LD", "OV"};
  const char* skills[] = {"Intensity",  "Speed",      "Strength",  "Endurance",    "Durability",
                          "Discipline", "Skating",    "Passing",   "Puck control", "Defence",
                          "Scoring",    "Experience", "Leadership"};
  for (int b = 0; b < 17; ++b) {
    const QRect box(210 + kSmallStep * b, kPanelTop, kSmallBox, kBoxHeight);
    Caption(form->AddLabel("lblPanel", b,
                           QRect(box.left() - 1, kPanelCaptionTop, kSmallBox + 2, 20), captions[b]),
            true);
    QLineEdit* text = nullptr;
    if (b == 0)
      text = form->AddText("txtPos", -1, box, "Position");
    else if (b == 1)
      text = form->AddText("txtAge", -1, box, "Age");
    else if (b == 2)
      text = form->AddText("txtHand", -1, box, "Hand");
    else if (b == 16)
      text = form->AddText("txtOverall", -1, box, "Overall");
    else
      text = form->AddText("txtRating", b - 3, box, skills[b - 3]);
    text->setToolTip(text->accessibleName());
    PanelBox(text);
  }
  return form;
}

}  // namespace ui::qt
