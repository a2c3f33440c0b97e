#include "ui/qt/display_team_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "app/session.h"
#include "info/display_team.h"
#include "info/team_finances.h"
#include "legibility.h"
#include "qt_environment.h"
#include "sample_league.h"
#include "support/temp_dir.h"
#include "ui/qt/main_form.h"
#include "ui/qt/qt_form.h"
#include "ui/qt/qt_style.h"
#include "ui/qt/windows.h"

namespace {

class FreeLock : public app::InstanceLock {
 public:
  bool Acquire() override { return true; }
};

// What the team view showed while it was open.
struct Seen {
  bool modal = false;
  QString title, team, balance, conferenceCaption;
  QSize size;
  QStringList misplaced;  // controls outside the window, over another one or too narrow
};

// The main window over the sample league, with every real child window behind it.
class QtDisplayTeamTest : public ::testing::Test {
 protected:
  QtDisplayTeamTest() : session(dir.Path()), toolkit(&form) {}

  void SetUp() override {
    ASSERT_TRUE(sample::WriteSampleLeague(dir.Path() / "Sample", {12, 2002}).Ok());
    ui::qt::RegisterWindows(toolkit, session);
    main = std::make_unique<app::Main>(session, form, toolkit);
    FreeLock lock;
    toolkit.answer = [](QDialog& dialog) {  // the start-up message, if any
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) box->button(QMessageBox::Ok)->click();
      return 0;
    };
    ASSERT_TRUE(main->StartUp(lock, [this] { form.ShowCentred(); }));
    ASSERT_TRUE(session.LeagueLoaded);
    toolkit.dialogs.clear();
    // The team view runs modally; it is read while open and closed with its own button.
    toolkit.answer = [this](QDialog& dialog) {
      QTimer::singleShot(0, [this, &dialog] {
        Read(dialog);
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
      });
      return dialog.exec();
    };
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  void Read(QDialog& dialog) {
    seen.modal = QApplication::activeModalWidget() == &dialog && dialog.isModal();
    seen.title = dialog.windowTitle();
    seen.size = dialog.size();
    seen.team = dialog.findChild<QLabel*>("lblTeam")->text();
    seen.balance = dialog.findChild<QLabel*>("lblProjBal")->text();
    seen.conferenceCaption = dialog.findChild<QLabel*>("Label1")->text();
    // Every text must be readable whole, the fixed captions above all.
    seen.misplaced = test::CutCaptions(dialog) + test::Overlaps(dialog);
  }

  QString TeamName(int team) {
    return ui::qt::ToQt(league::Show(session.Teams[static_cast<std::size_t>(team)].TeamName));
  }

  test::TempDir dir;
  app::Session session;
  ui::qt::QtMainForm form;
  test::AnsweringToolkit toolkit;
  std::unique_ptr<app::Main> main;
  Seen seen;
};

TEST_F(QtDisplayTeamTest, ViewTeamOpensTheRealTeamViewModally) {
  auto* view = form.findChild<QAction*>("mnuViewTeam");
  ASSERT_NE(view, nullptr);
  view->trigger();

  EXPECT_EQ(toolkit.dialogs, std::vector<QString>{"DisplayTeam"});
  EXPECT_TRUE(seen.modal);
  EXPECT_EQ(seen.title, "Team Info");
  EXPECT_EQ(seen.size, QSize(535, 482));
  EXPECT_EQ(seen.team, TeamName(session.CurrentTeam));
  EXPECT_TRUE(seen.balance.startsWith("$") || seen.balance.startsWith("-$"))
      << seen.balance.toStdString();
  EXPECT_EQ(seen.conferenceCaption, "CONF");
  EXPECT_TRUE(seen.misplaced.isEmpty()) << seen.misplaced.join(", ").toStdString();
  EXPECT_FALSE(session.LeagueChanged);
}

TEST_F(QtDisplayTeamTest, DoubleClickingATeamShowsThatTeam) {
  auto* teams = form.findChild<QListWidget*>("lstTeams(1)");
  ASSERT_NE(teams, nullptr);
  ASSERT_GE(teams->count(), 2);
  const int team = form.GetList("lstTeams", 1).ItemData(1);
  QTest::mouseDClick(teams->viewport(), Qt::LeftButton, {},
                     teams->visualItemRect(teams->item(1)).center());

  EXPECT_EQ(session.CurrentTeam, team);
  EXPECT_EQ(toolkit.dialogs, std::vector<QString>{"DisplayTeam"});
  EXPECT_TRUE(seen.modal);
  EXPECT_EQ(seen.team, TeamName(team));
}

TEST_F(QtDisplayTeamTest, TheRosterEditorsCommitShowsOnReturn) {
  struct Counts {
    QString pro, farm, balance, team;
  };
  auto read = [](QDialog& view) {
    auto text = [&](const char* name) { return view.findChild<QLabel*>(name)->text(); };
    return Counts{text("lblPro"), text("lblFarm"), text("lblProjBal"), text("lblTeam")};
  };
  Counts before, after;
  QStringList messages;
  toolkit.answer = [&](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      messages << box->text();
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      (yes != nullptr ? yes : box->button(QMessageBox::Ok))->click();
      return 0;
    }
    QTimer::singleShot(0, [&] {
      if (dialog.objectName() == "DisplayTeam") {
        before = read(dialog);
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command3"), Qt::LeftButton);
        after = read(dialog);
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
      } else if (dialog.objectName() == "Roster") {
        // Send a healthy scratch down to the farm and keep the change.
        auto* scratches = dialog.findChild<QListWidget*>("list1(1)");
        ui::ListBox& entries = dynamic_cast<ui::qt::QtForm&>(dialog).GetList("list1", 1);
        auto healthy = [&](int row) {
          const auto& player =
              session.TeamSlots[0].Places[static_cast<std::size_t>(entries.ItemData(row))];
          return player.Status == 100 && player.Suspension == 0;
        };
        int row = 0;
        while (row < entries.Count() && !healthy(row)) ++row;
        if (row < entries.Count()) {
          QTest::mouseClick(scratches->viewport(), Qt::LeftButton, {},
                            scratches->visualItemRect(scratches->item(row)).center());
          QTest::mouseClick(dialog.findChild<QPushButton*>("cmdMovePlayer(2)"), Qt::LeftButton);
        } else {
          ADD_FAILURE() << "no healthy scratch to send down";
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
      } else {
        dialog.reject();
      }
    });
    return dialog.exec();
  };
  session.League.WaiversOn = league::kFalse;  // the move goes straight to the farm
  form.findChild<QAction*>("mnuViewTeam")->trigger();

  ASSERT_GE(toolkit.dialogs.size(), 2u);
  EXPECT_EQ(toolkit.dialogs[0], "DisplayTeam");
  EXPECT_EQ(toolkit.dialogs[1], "Roster");
  EXPECT_TRUE(messages.contains("Keep Roster Changes?")) << messages.join("; ").toStdString();
  // Opening the editor also moves injured farm players up (kept with the roster),
  // so the pro count is checked against the committed roster itself.
  EXPECT_EQ(after.farm.toInt(), before.farm.toInt() + 1);
  EXPECT_EQ(after.pro.toInt(), info::ScanRoster(session.TeamSlots[0].Places).ProPlayers);
  EXPECT_NE(after.balance, before.balance);
  EXPECT_EQ(after.team, before.team);
  EXPECT_TRUE(session.LeagueChanged);
}

}  // namespace
