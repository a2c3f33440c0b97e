#include "ui/qt/player_info_form.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "ui/qt/qt_style.h"

namespace ui::qt {

namespace {

// 7305 by 5070 twips at 15 twips a pixel, a little roomier.
constexpr QSize kSize(520, 360);

QLabel* Caption(QLabel* label, Qt::Alignment alignment = Qt::AlignLeft) {
  PaintCaption(label);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

QLabel* Value(QLabel* label, double points = 9, Qt::Alignment alignment = Qt::AlignLeft) {
  SetFont(label, points, true);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

}  // namespace

std::unique_ptr<QtForm> BuildPlayerInfoForm(QWidget* parent) {
  auto form = std::make_unique<QtForm>(parent, kSize, Backdrop::Night);
  form->setObjectName("PlayerInfo");

  Value(form->AddLabel("Label1", -1, QRect(14, 10, 380, 24)), 9.75);
  Value(form->AddLabel("lblExp", -1, QRect(400, 10, 106, 24)), 9.75, Qt::AlignRight);

  // Left block: caption, then its value, row by row.
  const struct {
    const char* value;
    const char* caption;
    int left, top, captionWidth, valueWidth;
  } personal[] = {
      {"lblPos", "POS", 14, 44, 34, 30},
      {"lblNum", "NUM", 84, 44, 36, 30},
      {"lblHD", "HD", 156, 44, 26, 24},
      {"lblHgt", "HGT", 14, 70, 34, 50},
      {"lblWgt", "WGT", 104, 70, 36, 34},
      {"lblAge", "AGE", 180, 70, 34, 30},
      {"lblSts", "STS", 14, 96, 34, 150},
      {"lblCon", "CON", 200, 96, 34, 34},
      {"lblContract", "Contract", 14, 122, 60, 30},
      {"lblSalary", "Salary $", 110, 122, 58, 80},
      {"lblBirthplace", "Birthplace", 14, 148, 70, 50},
  };
  for (const auto& p : personal) {
    Caption(form->AddLabel(std::string(p.value) + "Caption", -1,
                           QRect(p.left, p.top, p.captionWidth, 22), p.caption));
    Value(form->AddLabel(p.value, -1, QRect(p.left + p.captionWidth + 2, p.top, p.valueWidth, 22)));
  }

  // Right block: the skills in two columns of seven, Overall last.
  const char* skills[] = {"Intensity",  "Speed",      "Strength",   "Endurance",    "Durability",
                          "Discipline", "Skating",    "Passing",    "Puck Control", "Defence",
                          "Scoring",    "Experience", "Leadership", "Overall"};
  for (int k = 0; k < 14; ++k) {
    const int left = k < 7 ? 280 : 398, top = 44 + 22 * (k % 7);
    Caption(form->AddLabel("lblSkillName", k, QRect(left, top, 80, 22), skills[k]));
    Value(form->AddLabel("lblSkill", k, QRect(left + 80, top, 30, 22)), 9, Qt::AlignRight);
  }

  // Statistics: two rows of six, then Hits; each caption above its value.
  const char* values[] = {"lblGP", "lblG",  "lblA",  "lblP",     "lblPIM",   "lblPlus", "lblPP",
                          "lblSH", "lblGW", "lblGT", "lblShots", "lblShoot", "lblHits"};
  const char* captions[] = {"GP",  "G",  "A",  "P",     "PIM", "+/-", "PPG",
                            "SHG", "GW", "GT", "Shots", "Sh%", "Hits"};
  for (int s = 0; s < 13; ++s) {
    const int left = 14 + 70 * (s % 6), top = 214 + 46 * (s / 6);
    const std::string captionName =
        s == 12 ? std::string("Label23") : "Label" + std::to_string(26 + s);
    Caption(form->AddLabel(captionName, -1, QRect(left, top, 64, 20), captions[s]),
            Qt::AlignHCenter);
    Value(form->AddLabel(values[s], -1, QRect(left, top + 20, 64, 22), ""), 10, Qt::AlignHCenter);
  }
  form->GetLabel("lblPlus").SetCaption("0");
  form->GetLabel("lblShoot").SetCaption("N/A");

  form->AddButton("cmdRelease", -1, QRect(330, 312, 84, 32), "&Release", "Release the player")
      ->setToolTip("Release the player to the league's pool");
  QPushButton* close =
      form->AddButton("Command1", -1, QRect(422, 312, 84, 32), "&Close", "Close the card");
  close->setDefault(true);
  return form;
}

}  // namespace ui::qt
