#include "ui/qt/roster_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app/session.h"
#include "info/player_info.h"
#include "qt_environment.h"
#include "roster/roster_fixture.h"
#include "roster/roster_window.h"
#include "support/temp_dir.h"
#include "ui/qt/player_info_form.h"
#include "ui/qt/windows.h"

namespace {

using test::Stored;

// The real roster window over its Qt form, with the real player card behind a
// double-click; message boxes are answered by the test.
class QtRosterTest : public ::testing::Test {
 protected:
  QtRosterTest() : session(dir.Path()) {
    session.LeagueLoaded = true;
    session.League.TeamCount = 4;
    session.Teams[1].TeamName.Store("Hawks");
    session.CurrentTeam = 1;
    auto& places = session.TeamSlots[0].Places;
    const char* names[] = {"zed", "Adams", "burns", "Carter"};
    int place = 0;
    for (const char* name : names)
      places[static_cast<std::size_t>(place++)] = test::MakePlayer(name, 0, 200);
    places[10] = test::MakePlayer("Young", 1, 100);
    places[11] = test::MakePlayer("Old", 2, 100);
    places[12] = test::MakePlayer("Keeper", 4, 0);
    places[12].Number = 31;
  }

  void SetUp() override {
    ui::qt::RegisterWindows(toolkit, session);
    form = ui::qt::BuildRosterForm(nullptr);
    window = std::make_unique<roster::Roster>(session, *form, toolkit);
    window->Load();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  QListWidget* List(int k) { return form->findChild<QListWidget*>(QString("list1(%1)").arg(k)); }
  QPushButton* Button(const QString& name) { return form->findChild<QPushButton*>(name); }
  QPoint Row(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }
  QStringList Texts(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
  }
  static QString Name(const char* name) { return QString::fromStdString(Stored(name)); }

  test::TempDir dir;
  app::Session session;
  test::AnsweringToolkit toolkit;
  std::unique_ptr<ui::qt::QtForm> form;
  std::unique_ptr<roster::Roster> window;
};

TEST_F(QtRosterTest, ListsAreSortedAndAllowExtendedSelection) {
  EXPECT_EQ(form->windowTitle(), "Set Game Roster");
  EXPECT_EQ(form->findChild<QLabel*>("Label1")->text(), "Roster of the Hawks     ");
  EXPECT_FALSE(Button("cmdAdd")->isVisible());
  EXPECT_EQ(Texts(List(2)),
            (QStringList{Name("Adams"), Name("burns"), Name("Carter"), Name("zed")}));
  EXPECT_EQ(List(2)->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(form->findChild<QLabel*>("Label5")->text(), "4 Total Players");

  // A click and a ctrl-click select two players; the scratch button moves both.
  QTest::mouseClick(List(2)->viewport(), Qt::LeftButton, {}, Row(List(2), 0));
  QTest::mouseClick(List(2)->viewport(), Qt::LeftButton, Qt::ControlModifier, Row(List(2), 2));
  EXPECT_EQ(form->findChild<QLineEdit*>("txtName")->text(), Name("Carter"));
  QTest::mouseClick(Button("cmdMovePlayer(0)"), Qt::LeftButton);
  EXPECT_EQ(Texts(List(2)), (QStringList{Name("burns"), Name("zed")}));
  EXPECT_EQ(Texts(List(1)),
            (QStringList{Name("Adams"), Name("Carter"), Name("Old"), Name("Young")}));
  EXPECT_EQ(form->findChild<QLabel*>("Label5")->text(), "2 Total Players");

  // The goalie filter hides the farm goalie.
  EXPECT_EQ(List(0)->count(), 1);
  QTest::mouseClick(form->findChild<QAbstractButton*>("Check1(4)"), Qt::LeftButton);
  EXPECT_EQ(List(0)->count(), 0);
}

TEST_F(QtRosterTest, DoubleClickOpensThePlayerCardWhichReleasesThePlayer) {
  QStringList seen;
  toolkit.answer = [&](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      seen << box->windowTitle() + ": " + box->text();
      box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)->click()
                                    : box->button(QMessageBox::Ok)->click();
      return 0;
    }
    EXPECT_EQ(dialog.objectName(), "PlayerInfo");
    EXPECT_TRUE(dialog.isModal());
    seen << dialog.windowTitle() + ": " + dialog.findChild<QLabel*>("Label1")->text();
    EXPECT_EQ(dialog.findChild<QLabel*>("lblNum")->text(), "31");
    EXPECT_FALSE(dialog.findChild<QLabel*>("lblHits")->isVisibleTo(&dialog));
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdRelease"), Qt::LeftButton);
    return 0;
  };
  // A double-click begins with the click that makes the entry current.
  QTest::mouseClick(List(0)->viewport(), Qt::LeftButton, {}, Row(List(0), 0));
  QTest::mouseDClick(List(0)->viewport(), Qt::LeftButton, {}, Row(List(0), 0));
  EXPECT_EQ(session.CurrentPlayer, 12);
  EXPECT_EQ(seen, (QStringList{"Player Info: Keeper (Hawks)",
                               "Release Player: Release " + Name("Keeper")}));
  EXPECT_EQ(List(0)->count(), 0);

  // Leaving with Yes writes the released goalie into the pool.
  seen.clear();
  QTest::mouseClick(Button("cmdExit"), Qt::LeftButton);
  EXPECT_EQ(seen, (QStringList{"Keep Changes: Keep Roster Changes?",
                               "Edit Roster: Roster not complete"}));
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(test::FileBytes(session.SwapFile("swp.dr")).size(), 88u);
  EXPECT_TRUE(session.TeamSlots[0].Places[12].IsEmpty());
}

TEST_F(QtRosterTest, ThePanelTakesASkillCorrectionOnEnter) {
  QTest::mouseClick(List(1)->viewport(), Qt::LeftButton, {}, Row(List(1), 1));  // Young
  auto* df = form->findChild<QLineEdit*>("txtRating(9)");
  ASSERT_FALSE(df->isReadOnly());
  df->setFocus();
  df->selectAll();
  QTest::keyClicks(df, "77");
  QTest::keyClick(df, Qt::Key_Return);
  EXPECT_EQ(session.TeamSlots[0].Places[10].Skills[9], 77);
  EXPECT_TRUE(form->findChild<QLineEdit*>("txtOverall")->isReadOnly());
}

TEST(QtPlayerInfoForm, HasEveryLabelTheCardAsksFor) {
  test::TempDir dir;
  app::Session session(dir.Path());
  session.TeamSlots[0].Places[0] = test::MakePlayer("Skater", 3, 100);
  session.CurrentPlayer = 0;
  test::AnsweringToolkit toolkit;
  const auto form = ui::qt::BuildPlayerInfoForm(nullptr);
  info::PlayerInfo card(session, *form, toolkit);
  card.Load();  // a missing control would stop the program here
  EXPECT_EQ(form->findChild<QLabel*>("lblPos")->text(), " D");
  EXPECT_EQ(form->findChild<QLabel*>("Label31")->text(), "+/-");
  EXPECT_EQ(form->findChild<QLabel*>("lblSkill(13)")->text(), "55");
}

}  // namespace
