#include "ui/qt/lines_form.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/qt/qt_style.h"

namespace ui::qt {

namespace {

constexpr QSize kSize(800, 548);

// The unit blocks: two columns of cells, two bands of units.
constexpr int kCaptionX = 12, kCaptionWidth = 30;
constexpr int kBlockX[2] = {46, 276};
constexpr int kBlockWidth = 222;
constexpr int kBandY[2] = {52, 190};  // unit title; the five cells follow
constexpr int kRowStep = 22, kCellHeight = 20;

// The detail and averages rows: 17 columns (POS, AG, HD, 13 skills, OV).
constexpr int kColumnX = 118, kColumnStep = 40, kColumnWidth = 37;
constexpr int kCaptionRowY = 404, kDetailRowY = 422, kAverageRowY = 450;

// What a screen reader says for the skill columns IT .. LD.
const char* const kSkillNames[13] = {
    "Intensity", "Speed",        "Strength", "Endurance", "Durability", "Discipline", "Skating",
    "Passing",   "Puck control", "Defence",  "Scoring",   "Experience", "Leadership"};

const char* const kColumnCaptions[17] = {"POS", "AG", "HD", "IT", "SP", "ST", "EN", "DU", "DI",
                                         "SK",  "PA", "PC", "DF", "SC", "EX", "LD", "OV"};

QRect Column(int column, int y, int height = 24) {
  return QRect(kColumnX + kColumnStep * column, y, kColumnWidth, height);
}

void Caption(QLabel* label, double points = 9, bool bold = true) {
  SetFont(label, points, bold);
  PaintCaption(label);
}

// A cell: bold white name in a thin frame, the hand cursor saying it takes a click.
void Cell(QLabel* label) {
  SetFont(label, 9, true);
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  label->setLineWidth(1);
  label->setIndent(6);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, QColor(20, 40, 72));
  label->setPalette(palette);
  label->setCursor(Qt::PointingHandCursor);
  // Reachable with Tab; Enter or Space places the selected player, as a click does.
  label->setFocusPolicy(Qt::StrongFocus);
  label->setAccessibleDescription("A place on the lines: Enter puts the selected player here");
}

void Value(QLineEdit* box) {
  QFont font = box->font();
  font.setBold(true);
  box->setFont(font);
  box->setAlignment(Qt::AlignCenter);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, QColor(16, 28, 52));
  palette.setColor(QPalette::Text, Qt::white);
  box->setPalette(palette);
}

}  // namespace

std::unique_ptr<QtForm> BuildLinesForm(QWidget* parent) {
  auto form = std::make_unique<QtForm>(parent, kSize, Backdrop::Night);
  form->setObjectName("Lines");
  QtForm& f = *form;

  QLabel* title = f.AddLabel("Label6", -1, QRect(12, 8, 480, 34));
  Caption(title, 15);
  title->setCursor(Qt::PointingHandCursor);
  title->setToolTip("Click to refresh");

  // Units k = 0 top left, 1 top right, 2 bottom left, 3 bottom right.
  for (int k = 0; k < 4; ++k) {
    const int x = kBlockX[k % 2];
    const int y = kBandY[k / 2];
    Caption(f.AddLabel("Label1", k, QRect(x, y, kBlockWidth, 18)), 9, false);
    for (int j = 0; j < 5; ++j) {
      Cell(f.AddLabel("lblPlayer", 5 * k + j,
                      QRect(x, y + 20 + kRowStep * j, kBlockWidth, kCellHeight)));
    }
  }
  // Position captions beside the left blocks: 0..4 at the top, 5..9 at the bottom.
  for (int i = 0; i < 10; ++i) {
    const int y = kBandY[i / 5] + 20 + kRowStep * (i % 5);
    QLabel* caption = f.AddLabel("Label2", i, QRect(kCaptionX, y, kCaptionWidth, kCellHeight));
    Caption(caption);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }

  const int spareY = 330;
  Caption(f.AddLabel("Label3", -1, QRect(kBlockX[0], spareY, kBlockWidth, 18)));
  Caption(f.AddLabel("Label4", -1, QRect(kBlockX[1], spareY, kBlockWidth, 18)));
  Cell(f.AddLabel("lblPlayer", 20, QRect(kBlockX[0], spareY + 20, kBlockWidth, kCellHeight)));
  Cell(f.AddLabel("lblPlayer", 21, QRect(kBlockX[1], spareY + 20, kBlockWidth, kCellHeight)));
  Cell(f.AddLabel("lblPlayer", 22, QRect(kBlockX[1], spareY + 42, kBlockWidth, kCellHeight)));

  // The player list, its filters and the view buttons on the right.
  const int listX = 516, listWidth = 272;
  Caption(f.AddLabel("Label8", -1, QRect(listX, 52, listWidth, 18)));
  // Alt keys clear of the buttons' A, L, S and X.
  const char* const filters[5] = {"&C", "L&W", "&RW", "&D", "&G"};
  const char* const filterNames[5] = {"Show centres", "Show left wings", "Show right wings",
                                      "Show defencemen", "Show goalies"};
  for (int i = 0; i < 5; ++i) {
    StyleToggle(f.AddCheck("Check1", i, QRect(listX + 55 * i, 72, 52, 24), filters[i],
                           filterNames[i], true));
  }
  QListWidget* list = f.AddList("List2", -1, QRect(listX, 100, listWidth, 222), "Select Player");
  QFont listFont = list->font();
  listFont.setFamily("Monospace");
  listFont.setStyleHint(QFont::TypeWriter);
  list->setFont(listFont);

  StyleToggle(f.AddOption("optEven", -1, QRect(listX, 330, 110, 28), "&Even Strength",
                          "Even strength lines", true));
  StyleToggle(f.AddOption("optPP", -1, QRect(listX + 112, 330, 79, 28), "&Power Play",
                          "Power play units", true));
  StyleToggle(f.AddOption("optPK", -1, QRect(listX + 193, 330, 79, 28), "Penalty &Kill",
                          "Penalty kill units", true));

  Caption(f.AddLabel("lblPlyrStat", 17, QRect(listX, 364, listWidth, 18)), 9, false);
  QLabel* assignments = f.AddLabel("lblLineString", -1, QRect(listX, 382, listWidth, 18));
  QFont bold = assignments->font();
  bold.setBold(true);
  assignments->setFont(bold);

  // Detail row (the selected player) and averages row (the focused unit).
  for (int c = 0; c < 17; ++c) {
    QLabel* caption = f.AddLabel("lblColumn", c, Column(c, kCaptionRowY, 16), kColumnCaptions[c]);
    Caption(caption, 8);
    caption->setAlignment(Qt::AlignCenter);
  }
  Caption(f.AddLabel("lblPlayerRow", -1, QRect(12, kDetailRowY, 100, 24), "Player"));
  Value(f.AddText("txtPos", -1, Column(0, kDetailRowY), "Position"));
  Value(f.AddText("txtAge", -1, Column(1, kDetailRowY), "Age"));
  Value(f.AddText("txtHand", -1, Column(2, kDetailRowY), "Hand"));
  for (int k = 0; k < 13; ++k) {
    Value(f.AddText("txtRating", k, Column(3 + k, kDetailRowY), kSkillNames[k]));
    Value(f.AddText("txtLnAvgRating", k, Column(3 + k, kAverageRowY),
                    QString("Line average ") + QString(kSkillNames[k]).toLower()));
  }
  Value(f.AddText("txtOverall", -1, Column(16, kDetailRowY), "Overall"));
  Value(f.AddText("txtLnOverall", -1, Column(16, kAverageRowY), "Line average overall"));
  Caption(f.AddLabel("lblLineFocus", -1, QRect(12, kAverageRowY, 100, 24)));
  f.AddText("txtName", -1, QRect(12, 476, 100, 20), "Player name")->hide();

  const int buttonY = 500;
  f.AddButton("cmdAuto", -1, QRect(12, buttonY, 130, 34), "&Auto", "Automatic lines");
  f.AddButton("cmdLoadLines", -1, QRect(152, buttonY, 130, 34), "&Load Lines", "Load a lines file");
  f.AddButton("cmdSaveLines", -1, QRect(292, buttonY, 130, 34), "&Save Lines", "Save a lines file");
  f.AddButton("cmdExit", -1, QRect(658, buttonY, 130, 34), "E&xit", "Exit");
  return form;
}

}  // namespace ui::qt
