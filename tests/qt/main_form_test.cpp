#include "ui/qt/main_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <map>

#include "app/main_window.h"
#include "app/session.h"
#include "qt_environment.h"
#include "sample_league.h"
#include "support/temp_dir.h"
#include "ui/qt/qt_form.h"
#include "ui/qt/windows.h"

namespace {

class FreeLock : public app::InstanceLock {
 public:
  bool Acquire() override { return true; }
};

class QtMainFormTest : public ::testing::Test {
 protected:
  QtMainFormTest() : session(dir.Path()), toolkit(&form) {}

  void SetUp() override {
    ASSERT_TRUE(sample::WriteSampleLeague(dir.Path() / "Sample", {12, 2002}).Ok());
    ui::qt::RegisterWindows(toolkit, session);
    for (auto window : {ui::WindowId::TeamView, ui::WindowId::Roster, ui::WindowId::Lines}) {
      toolkit.Register(window, [this, window](QWidget*, int) { opened.push_back(window); });
    }
    main = std::make_unique<app::Main>(session, form, toolkit);
    FreeLock lock;
    toolkit.answer = [](QDialog& dialog) {  // the "not accessible" message
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) box->button(QMessageBox::Ok)->click();
      return 0;
    };
    ASSERT_TRUE(main->StartUp(lock, [this] { form.ShowCentred(); }));
    ASSERT_TRUE(session.LeagueLoaded);
    toolkit.answer = nullptr;
    toolkit.dialogs.clear();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  QAction* Action(const char* name) {
    auto* action = form.findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
  QListWidget* List(const char* name) { return form.findChild<QListWidget*>(name); }

  test::TempDir dir;
  app::Session session;
  ui::qt::QtMainForm form;
  test::AnsweringToolkit toolkit;
  std::unique_ptr<app::Main> main;
  std::vector<ui::WindowId> opened;
};

TEST_F(QtMainFormTest, MenusShowTheirCaptionsAndShortcuts) {
  const struct {
    const char* name;
    const char* caption;
    const char* shortcut;
  } items[] = {
      {"mnuFile", "&File", ""},
      {"mnuLoad", "&Load", "Ctrl+L"},
      {"mnuExit", "E&xit", ""},
      {"mnuManager", "&Manager", ""},
      {"mnuViewTeam", "&View Team", "Ctrl+V"},
      {"mnuCoach", "&Coach", ""},
      {"mnuSetRoster", "Set Game &Roster", "Ctrl+R"},
      {"mnuSetLines", "Set Lin&es", "Ctrl+E"},
      {"mnuInfo", "I&nfo", ""},
      {"mnuAbout", "&About", ""},
  };
  for (const auto& item : items) {
    QAction* action = Action(item.name);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), item.caption);
    EXPECT_EQ(action->shortcut(), QKeySequence(item.shortcut)) << item.name;
    EXPECT_TRUE(action->isVisible()) << item.name;
  }
  QStringList bar;
  for (QAction* action : form.menuBar()->actions())
    if (action->isVisible()) bar << action->text();
  EXPECT_EQ(bar, (QStringList{"&File", "&Manager", "&Coach", "I&nfo"}));
}

TEST_F(QtMainFormTest, AdministrationItemsAreHiddenAndTheirShortcutsInert) {
  for (const char* name : app::kAdminMenus) {
    QAction* action = Action(name);
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isVisible()) << name;
  }
  QSignalSpy save(Action("mnuSave"), &QAction::triggered);
  QSignalSpy fresh(Action("mnuNew"), &QAction::triggered);
  QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
  QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(save.count(), 0);
  EXPECT_EQ(fresh.count(), 0);
  // The visible shortcuts do work.
  QTest::keyClick(&form, Qt::Key_E, Qt::ControlModifier);
  QTest::keyClick(&form, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(opened, (std::vector<ui::WindowId>{ui::WindowId::Lines, ui::WindowId::TeamView}));
}

TEST_F(QtMainFormTest, ListsAreWiredToTheWindowClass) {
  QListWidget* divisions = List("lstDivs(0)");
  QListWidget* teams = List("lstTeams(0)");
  ASSERT_NE(divisions, nullptr);
  ASSERT_NE(teams, nullptr);
  ASSERT_NE(List("lstDivs(1)"), nullptr);
  ASSERT_NE(List("lstTeams(1)"), nullptr);
  EXPECT_EQ(divisions->count(), session.League.Conferences[0].DivisionCount);
  EXPECT_EQ(divisions->currentRow(), 0);
  EXPECT_EQ(form.findChild<QLabel*>("Label3")->text(),
            QString::fromStdString(league::Show(session.League.LeagueName)));
  EXPECT_EQ(form.windowTitle(), QString::fromStdString(session.LeagueBase));

  ASSERT_GE(divisions->count(), 2);
  QTest::mouseClick(divisions->viewport(), Qt::LeftButton, {},
                    divisions->visualItemRect(divisions->item(1)).center());
  ASSERT_GT(teams->count(), 0);
  for (int row = 0; row < teams->count(); ++row) {
    const int team = form.GetList("lstTeams", 0).ItemData(row);
    EXPECT_EQ(session.Teams[static_cast<std::size_t>(team)].Division, 1);
    EXPECT_EQ(session.Teams[static_cast<std::size_t>(team)].Conference, 0);
  }
  const int last = teams->count() - 1;
  QTest::mouseClick(teams->viewport(), Qt::LeftButton, {},
                    teams->visualItemRect(teams->item(last)).center());
  EXPECT_EQ(session.CurrentTeam, form.GetList("lstTeams", 0).ItemData(last));
  const QPoint first = teams->visualItemRect(teams->item(0)).center();
  QTest::mouseClick(teams->viewport(), Qt::LeftButton, {}, first);
  QTest::mouseDClick(teams->viewport(), Qt::LeftButton, {}, first);
  EXPECT_EQ(session.CurrentTeam, form.GetList("lstTeams", 0).ItemData(0));
  EXPECT_EQ(opened, std::vector<ui::WindowId>{ui::WindowId::TeamView});
}

TEST_F(QtMainFormTest, LoadAsksWithARealQuestionBoxThenOffersTheLeagueFiles) {
  session.LeagueChanged = true;
  QString title;
  QMessageBox::Icon icon{};
  QMessageBox::StandardButtons buttons;
  QStringList filters;
  QString preselected;
  toolkit.answer = [&](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      title = box->windowTitle();
      icon = box->icon();
      buttons = box->standardButtons();
      box->button(QMessageBox::No)->click();
      return box->result();
    }
    auto& files = dynamic_cast<QFileDialog&>(dialog);
    filters = files.nameFilters();
    preselected = files.selectedNameFilter();
    return int(QDialog::Rejected);
  };
  Action("mnuLoad")->trigger();
  EXPECT_EQ(title, "Save League");
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(filters, (QStringList{"All Files (*.*)", "ORB Files (*.tms)"}));
  EXPECT_EQ(preselected, "ORB Files (*.tms)");
  EXPECT_TRUE(session.LeagueChanged);  // cancelled: nothing changed
}

TEST_F(QtMainFormTest, AboutOpensAsAModalWindowOverTheMainWindow) {
  QString caption, version, iconName;
  bool modal = false, okIsDefault = false;
  QTimer::singleShot(0, [&] {
    auto* about = dynamic_cast<ui::qt::QtForm*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    modal = about->isModal();
    caption = about->windowTitle();
    version = about->findChild<QLabel*>("lblVersion")->text();
    iconName = about->findChild<QLabel*>("picIcon")->accessibleName();
    auto* ok = about->findChild<QPushButton*>("cmdOK");
    okIsDefault = ok->isDefault();
    ok->click();
  });
  toolkit.answer = [](QDialog& dialog) { return dialog.exec(); };
  Action("mnuAbout")->trigger();
  EXPECT_TRUE(modal);
  EXPECT_EQ(caption, "About Rink Desk");
  EXPECT_EQ(version, "Version 1.0.0");
  EXPECT_FALSE(iconName.isEmpty());
  EXPECT_TRUE(okIsDefault);
  EXPECT_EQ(toolkit.dialogs, std::vector<QString>{"AboutORB"});
}

TEST_F(QtMainFormTest, ExitClosesTheWindow) {
  Action("mnuExit")->trigger();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
