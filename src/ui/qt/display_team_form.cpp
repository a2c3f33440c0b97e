#include "ui/qt/display_team_form.h"

#include <QLabel>
#include <QPushButton>
#include <string_view>

#include "info/display_team.h"
#include "ui/qt/qt_style.h"

namespace ui::qt {

namespace {

// 8025 by 7230 twips.
constexpr QSize kSize(535, 482);
constexpr int kHeight = 20;

// Header rows and the three columns below them.
constexpr int kRowY[5] = {48, 72, 96, 120, 144};
constexpr int kColumnY = 184, kColumnStep = 22;

enum class Look { Framed, Plain };

struct Place {
  std::string_view Value;
  QRect Caption;
  QRect Box;
  Look Kind;
  Qt::Alignment Align;
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

QRect Row(int row, int x, int width) { return QRect(x, kRowY[row], width, kHeight); }
QRect Cell(int line, int x, int width) {
  return QRect(x, kColumnY + kColumnStep * line, width, kHeight);
}

// Finances: caption 10..170, value 172..266. Roster make-up: 276..376, 378..420.
// Statistics: 428..474, 476..525.
QRect Finance(int line, bool value) { return value ? Cell(line, 172, 94) : Cell(line, 10, 160); }
QRect Makeup(int line, bool value) { return value ? Cell(line, 378, 42) : Cell(line, 276, 100); }
QRect Stat(int line, bool value) { return value ? Cell(line, 476, 49) : Cell(line, 428, 46); }

const Place kPlaces[] = {
    {"lblConf", Row(0, 10, 56), Row(0, 68, 112), Look::Plain, kLeft},
    {"lblDiv", Row(0, 190, 30), Row(0, 222, 110), Look::Plain, kLeft},
    {"lblAbbrev", Row(0, 344, 56), Row(0, 402, 50), Look::Framed, kLeft},
    {"lblOwner", Row(1, 10, 56), Row(1, 68, 198), Look::Framed, kLeft},
    {"lblCoach", Row(1, 276, 48), Row(1, 326, 142), Look::Plain, kLeft},
    {"lblEmail", Row(2, 10, 56), Row(2, 68, 250), Look::Framed, kLeft},
    {"lblICQ", Row(2, 328, 40), Row(2, 370, 155), Look::Framed, kLeft},
    {"lblArena", Row(3, 10, 56), Row(3, 68, 218), Look::Framed, kLeft},
    {"lblSeats", Row(3, 296, 46), Row(3, 344, 56), Look::Framed, kLeft},
    {"lblTicket", Row(3, 408, 62), Row(3, 472, 53), Look::Framed, kLeft},
    {"lblPassword", Row(4, 10, 70), Row(4, 82, 110), Look::Framed, kLeft},
    {"lblFarmTeam", Row(4, 204, 76), Row(4, 282, 150), Look::Framed, kLeft},

    {"lblCurFin", Finance(0, false), Finance(0, true), Look::Framed, kRight},
    {"lblHome", Finance(1, false), Finance(1, true), Look::Plain, kRight},
    {"lblRev", Finance(2, false), Finance(2, true), Look::Plain, kRight},
    {"lblEst", Finance(3, false), Finance(3, true), Look::Plain, kRight},
    {"lblGR", Finance(4, false), Finance(4, true), Look::Plain, kRight},
    {"lblExpGame", Finance(5, false), Finance(5, true), Look::Plain, kRight},
    {"lblProjExp", Finance(6, false), Finance(6, true), Look::Plain, kRight},
    {"lblProjBal", Finance(7, false), Finance(7, true), Look::Plain, kRight},

    {"lblPro", Makeup(0, false), Makeup(0, true), Look::Plain, kRight},
    {"lblFarm", Makeup(1, false), Makeup(1, true), Look::Plain, kRight},
    {"lblPros", Makeup(2, false), Makeup(2, true), Look::Plain, kRight},
    {"lblHoldout", Makeup(3, false), Makeup(3, true), Look::Plain, kRight},
    {"lblAvgAge", Makeup(4, false), Makeup(4, true), Look::Plain, kRight},
    {"lblAvgHgt", Makeup(5, false), Makeup(5, true), Look::Plain, kRight},
    {"lblAvgWgt", Makeup(6, false), Makeup(6, true), Look::Plain, kRight},

    {"lblGP", Stat(0, false), Stat(0, true), Look::Plain, kRight},
    {"lblW", Stat(1, false), Stat(1, true), Look::Plain, kRight},
    {"lblL", Stat(2, false), Stat(2, true), Look::Plain, kRight},
    {"lblT", Stat(3, false), Stat(3, true), Look::Plain, kRight},
    {"lblGF", Stat(4, false), Stat(4, true), Look::Plain, kRight},
    {"lblGA", Stat(5, false), Stat(5, true), Look::Plain, kRight},
    {"lblPP", Stat(6, false), Stat(6, true), Look::Plain, kRight},
    {"lblPK", Stat(7, false), Stat(7, true), Look::Plain, kRight},
    {"lblSF", Stat(8, false), Stat(8, true), Look::Plain, kRight},
    {"lblSA", Stat(9, false), Stat(9, true), Look::Plain, kRight},
    {"lblPIM", Stat(10, false), Stat(10, true), Look::Plain, kRight},
};

const Place* PlaceOf(std::string_view value) {
  for (const Place& place : kPlaces) {
    if (place.Value == value) return &place;
  }
  return nullptr;
}

// Yellow straight on the dark picture.
void StyleCaption(QLabel* label) {
  SetFont(label, 8.25, true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  PaintCaption(label);
}

void StyleValue(QLabel* label, const Place& place) {
  SetFont(label, 8.25, true);
  label->setAlignment(place.Align);
  label->setIndent(4);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, QColor(12, 26, 48));
  palette.setColor(QPalette::WindowText, ToColor(ui::kWhite));
  label->setPalette(palette);
  if (place.Kind == Look::Framed) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
  }
}

}  // namespace

std::unique_ptr<QtForm> BuildDisplayTeamForm(QWidget* parent) {
  auto form = std::make_unique<QtForm>(parent, kSize, Backdrop::Rink);
  form->setObjectName("DisplayTeam");
  form->setWindowTitle("Team Info");
  QtForm& f = *form;

  QLabel* team = f.AddLabel("lblTeam", -1, QRect(10, 8, 515, 32));
  SetFont(team, 13.5, true);
  team->setAlignment(Qt::AlignCenter);
  team->setAutoFillBackground(true);
  QPalette palette = team->palette();
  palette.setColor(QPalette::Window, QColor(12, 26, 48));
  palette.setColor(QPalette::WindowText, ToColor(ui::kWhite));
  team->setPalette(palette);
  team->setFrameStyle(QFrame::Box | QFrame::Plain);

  for (const info::TeamField& field : info::TeamFields()) {
    const Place* place = PlaceOf(field.Value);
    if (place == nullptr) continue;  // every field has a place; kept safe for a new one
    StyleCaption(f.AddLabel(
        field.CaptionName, -1, place->Caption,
        QString::fromUtf8(field.Caption.data(), static_cast<int>(field.Caption.size()))));
    StyleValue(f.AddLabel(field.Value, -1, place->Box), *place);
  }

  // Picture buttons in spirit: each caption says what it opens.
  f.AddButton("Command4", -1, QRect(472, kRowY[1] - 2, 53, 24), "C&oach", "Coach attributes");
  f.AddButton("Command3", -1, QRect(10, 442, 130, 30), "&Roster", "Open the roster editor");
  f.AddButton("Command2", -1, QRect(202, 442, 130, 30), "&Lines", "Open the lines editor");
  QPushButton* close =
      f.AddButton("Command1", -1, QRect(395, 442, 130, 30), "&Close", "Close the team view");
  close->setDefault(true);
  return form;
}

}  // namespace ui::qt
