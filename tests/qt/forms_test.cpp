// Every window of the program, built by its own builder and filled by its window
// class over the sample league, checked for what a reader, a keyboard user and a
// screen reader need: names, accessible names, mnemonics, fixed modal windows,
// and captions that are neither cut off nor covered.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <functional>
#include <map>
#include <memory>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/session.h"
#include "info/display_team.h"
#include "info/player_info.h"
#include "legibility.h"
#include "lines/lines_window.h"
#include "qt_environment.h"
#include "roster/roster_window.h"
#include "sample_league.h"
#include "support/temp_dir.h"
#include "ui/qt/about_form.h"
#include "ui/qt/display_team_form.h"
#include "ui/qt/lines_form.h"
#include "ui/qt/main_form.h"
#include "ui/qt/player_info_form.h"
#include "ui/qt/qt_form.h"
#include "ui/qt/roster_form.h"

namespace {

class FreeLock : public app::InstanceLock {
 public:
  bool Acquire() override { return true; }
};

class NoStarter : public app::ProgramStarter {
 public:
  bool FileExists(const std::string&) override { return false; }
  std::string FindProgram(const std::string&) override { return {}; }
  bool Start(const std::string&) override { return false; }
};

// A child window built over the main window and loaded by its window class.
// The longest texts the window classes put in the widest-reaching labels: full
// stored names in capitals.
struct LongText {
  const char* label;
  int index;
  const char* text;
};

void ShowLongTexts(ui::Form& form, std::initializer_list<LongText> texts) {
  for (const LongText& t : texts) form.GetLabel(t.label, t.index).SetCaption(t.text);
}

struct Opened {
  std::unique_ptr<ui::qt::QtForm> form;
  std::shared_ptr<void> window;  // the window class; goes before its form
  ~Opened() { window.reset(); }
};

class QtFormsTest : public ::testing::Test {
 protected:
  QtFormsTest() : session(dir.Path()), toolkit(&main) {}

  void SetUp() override {
    ASSERT_TRUE(sample::WriteSampleLeague(dir.Path() / "Sample", {12, 2002}).Ok());
    mainWindow = std::make_unique<app::Main>(session, main, toolkit);
    FreeLock lock;
    ASSERT_TRUE(mainWindow->StartUp(lock, [this] { main.ShowCentred(); }));
    ASSERT_TRUE(session.LeagueLoaded);
    ASSERT_TRUE(session.LoadTeam(session.CurrentTeam, 0).Ok());
    for (int place = 0; place < league::kRosterPlaces; ++place) {
      if (!session.TeamSlots[0].Places[static_cast<std::size_t>(place)].IsEmpty()) {
        session.CurrentPlayer = place;
        break;
      }
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  }

  template <class Window, class... Args>
  Opened Open(std::unique_ptr<ui::qt::QtForm> form, Args&... args) {
    auto window = std::make_shared<Window>(args..., *form, toolkit);
    window->Load();
    return Opened{std::move(form), std::move(window)};
  }

  test::TempDir dir;
  app::Session session;
  ui::qt::QtMainForm main;
  test::AnsweringToolkit toolkit;  // every message box is cancelled
  std::unique_ptr<app::Main> mainWindow;
};

// "Exit" for "E&xit"; a null character when the caption has no mnemonic.
QChar Mnemonic(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1].toUpper();
    ++i;
  }
  return {};
}

bool HasLetter(const QString& text) {
  for (QChar c : text)
    if (c.isLetter()) return true;
  return false;
}

// What a screen reader, a keyboard user and the program's own names need of one window.
QStringList Faults(const QWidget& window) {
  static const QRegularExpression kName(R"(^[A-Za-z][A-Za-z0-9]*(\(\d+\))?$)");
  QStringList faults;
  std::map<QChar, QString> mnemonics;
  std::map<QString, QString> spoken;  // accessible name of a control without text: its control
  for (QWidget* widget : test::Controls(window)) {
    const QString name = widget->objectName();
    if (!kName.match(name).hasMatch()) faults << "badly named: '" + name + "'";
    const QString accessible = widget->accessibleName();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (!label->pixmap().isNull()) {
        if (accessible.isEmpty()) faults << name + ": picture without an accessible name";
      } else if (accessible != label->text().trimmed()) {
        faults << name + ": accessible '" + accessible + "' for '" + label->text() + "'";
      }
      continue;
    }
    const bool shown = widget->isVisibleTo(&window);
    if (shown && !(widget->focusPolicy() & Qt::TabFocus)) faults << name + ": out of Tab's reach";
    auto* button = qobject_cast<QAbstractButton*>(widget);
    const bool noText = button == nullptr || button->isCheckable() || !HasLetter(button->text());
    if (noText) {
      // Lists, text boxes, toggles and picture buttons are named by what they are,
      // not by an abbreviation ("IT") or a sign.
      if (accessible.isEmpty() || accessible == accessible.toUpper())
        faults << name + ": accessible name '" + accessible + "' does not say what it is";
      else if (spoken.count(accessible) != 0)
        faults << name + " and " + spoken[accessible] + " both read '" + accessible + "'";
      else
        spoken[accessible] = name;
    }
    if (button == nullptr || !shown || !HasLetter(button->text())) continue;
    const QChar key = Mnemonic(button->text());
    if (key.isNull()) {
      faults << name + ": '" + button->text() + "' without a mnemonic";
    } else if (mnemonics.count(key) != 0) {
      faults << name + " and " + mnemonics[key] + " share Alt+" + key;
    } else {
      mnemonics[key] = name;
    }
  }
  faults << test::CutCaptions(window).replaceInStrings(QRegularExpression("$"), " cut");
  faults << test::Overlaps(window);
  return faults;
}

// Every visible menu and menu item has a mnemonic of its own within its menu, and a name.
QStringList MenuFaults(const QList<QAction*>& actions) {
  QStringList faults;
  std::map<QChar, QString> keys;
  for (QAction* action : actions) {
    if (action->isSeparator() || !action->isVisible()) continue;
    if (!action->objectName().startsWith("mnu")) faults << action->text() + ": badly named";
    const QChar key = Mnemonic(action->text());
    if (key.isNull())
      faults << action->objectName() + " without a mnemonic";
    else if (keys.count(key) != 0)
      faults << action->objectName() + " and " + keys[key] + " share " + key;
    else
      keys[key] = action->objectName();
    if (QMenu* menu = action->menu()) faults << MenuFaults(menu->actions());
  }
  return faults;
}

TEST_F(QtFormsTest, TheMainWindowIsNamedReadableAndFixedOnTheScreensCentre) {
  EXPECT_EQ(main.objectName(), "Main");
  ShowLongTexts(main, {{"Label3", -1, "NORTHERN SHORE ICE LEAGUE"}});
  const QStringList faults = Faults(main) + MenuFaults(main.menuBar()->actions());
  EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
  EXPECT_EQ(main.minimumSize(), main.maximumSize());
  EXPECT_FALSE(main.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  const QPoint screen = main.screen()->availableGeometry().center();
  // Centred to within the rounding of odd sizes and the frame Qt settles after showing.
  const QPoint offset = main.frameGeometry().center() - screen;
  EXPECT_LE(offset.manhattanLength(), 6) << offset.x() << "," << offset.y();
}

TEST_F(QtFormsTest, EveryChildWindowIsNamedReadableModalAndFixedOverItsParent) {
  const auto registry = app::NoRegistry();
  NoStarter starter;
  const struct {
    const char* name;
    std::function<Opened()> open;
    std::initializer_list<LongText> longest;
  } windows[] = {
      {"AboutORB",
       [&] {
         auto form = ui::qt::BuildAboutForm(&main);
         auto about = std::make_shared<app::AboutORB>(*form, toolkit, *registry, starter);
         about->Load();
         return Opened{std::move(form), std::move(about)};
       },
       {}},
      {"DisplayTeam",
       [&] { return Open<info::DisplayTeam>(ui::qt::BuildDisplayTeamForm(&main), session); },
       {{"lblTeam", -1, "WOLVERINES"}, {"lblFarmTeam", -1, "WOLVERINES"}}},
      {"Roster",
       [&] { return Open<roster::Roster>(ui::qt::BuildRosterForm(&main), session); },
       {{"Label1", -1, "Roster of the WOLVERINES"}}},
      {"Lines",
       [&] { return Open<lines::Lines>(ui::qt::BuildLinesForm(&main), session); },
       {{"Label6", -1, "Lines for WOLVERINES"}, {"lblPlayer", 0, "MAXIMILIAN WORTHINGTON"}}},
      {"PlayerInfo",
       [&] { return Open<info::PlayerInfo>(ui::qt::BuildPlayerInfoForm(&main), session); },
       {{"Label1", -1, "Maximilian Worthington (WOLVERINES)"}}},
  };
  for (const auto& w : windows) {
    SCOPED_TRACE(w.name);
    const Opened opened = w.open();
    ui::qt::QtForm& form = *opened.form;
    ShowLongTexts(form, w.longest);
    EXPECT_EQ(form.objectName(), w.name);
    EXPECT_FALSE(form.windowTitle().isEmpty());
    EXPECT_TRUE(form.isModal());
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const QStringList faults = Faults(form);
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint offset = form.frameGeometry().center() - main.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 6) << offset.x() << "," << offset.y();
    form.hide();
  }
}

}  // namespace
