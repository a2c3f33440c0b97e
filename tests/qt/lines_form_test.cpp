#include "ui/qt/lines_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <string>
#include <vector>

#include "app/session.h"
#include "legibility.h"
#include "qt_environment.h"
#include "support/temp_dir.h"
#include "ui/qt/windows.h"

namespace {

// The real lines window over a small team: twenty dressed players, one of
// them hurt, so Auto refuses with its message.
class QtLinesFormTest : public ::testing::Test {
 protected:
  QtLinesFormTest() : session(dir.Path()) {
    session.LeagueLoaded = true;
    session.League.TeamCount = 1;
    session.Teams[0].TeamName.Store("Hawks");
    session.Teams[0].Lines.Cells.fill(league::kNoPlayer);
    const int positions[20] = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 4};
    for (int i = 0; i < 20; ++i) {
      auto& p = session.TeamSlots[0].Places[static_cast<std::size_t>(i)];
      p.PlayerName.Store("Player " + std::to_string(i));
      p.Position = static_cast<league::Byte>(positions[i]);
      p.Status = 200;
      p.Skills.fill(static_cast<league::Byte>(40 + i));
    }
    session.TeamSlots[0].Places[19].Status = 201;
    ui::qt::RegisterWindows(toolkit, session);
    toolkit.Register(ui::WindowId::PlayerInfo,
                     [this](QWidget*, int) { cardFor.push_back(session.CurrentPlayer); });
  }

  // Names of the labels and buttons whose text does not fit, and controls over one another.
  static QStringList Cut(QDialog& dialog) {
    return test::CutCaptions(dialog) + test::Overlaps(dialog);
  }

  template <class T>
  T* Find(QDialog& dialog, const QString& name) {
    T* widget = dialog.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  QLabel* Cell(QDialog& dialog, int n) {
    return Find<QLabel>(dialog, QString("lblPlayer(%1)").arg(n));
  }
  void ClickRow(QListWidget* list, int row, bool twice = false) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    if (twice) {
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
  }

  test::TempDir dir;
  app::Session session;
  test::AnsweringToolkit toolkit;
  std::vector<std::string> messages;  // text / title of each message box
  std::vector<int> cardFor;
};

TEST_F(QtLinesFormTest, ViewsACellClickAndModalDialogs) {
  bool opened = false;
  std::vector<QMessageBox::StandardButton> replies = {QMessageBox::Yes, QMessageBox::No};
  toolkit.answer = [&](QDialog& dialog) -> int {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      messages.push_back(box->text().toStdString() + " / " + box->windowTitle().toStdString());
      if (box->standardButtons() & QMessageBox::Yes) {
        const auto reply = replies.front();
        replies.erase(replies.begin());
        return reply;
      }
      return QMessageBox::Ok;
    }
    if (dialog.objectName() != "Lines") return QDialog::Rejected;
    opened = true;
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Edit Lines");
    EXPECT_TRUE(Cut(dialog).isEmpty()) << Cut(dialog).join(", ").toStdString();
    EXPECT_EQ(Find<QLabel>(dialog, "Label6")->text().trimmed(), "Lines for Hawks");

    // The three views.
    auto* pp = Find<QAbstractButton>(dialog, "optPP");
    auto* pk = Find<QAbstractButton>(dialog, "optPK");
    auto* even = Find<QAbstractButton>(dialog, "optEven");
    EXPECT_TRUE(even->isChecked());
    QTest::mouseClick(pp, Qt::LeftButton);
    EXPECT_TRUE(pp->isChecked());
    EXPECT_FALSE(even->isChecked());
    EXPECT_EQ(Find<QLabel>(dialog, "Label1(2)")->text(), "PP Line 1 (4 on 3)");
    EXPECT_TRUE(Cut(dialog).isEmpty()) << Cut(dialog).join(", ").toStdString();
    EXPECT_EQ(Find<QLabel>(dialog, "Label2(6)")->text(), "W");
    EXPECT_TRUE(Cell(dialog, 14)->isHidden());
    EXPECT_TRUE(Cell(dialog, 19)->isHidden());
    EXPECT_FALSE(Cell(dialog, 18)->isHidden());
    QTest::mouseClick(pk, Qt::LeftButton);
    EXPECT_EQ(Find<QLabel>(dialog, "Label1(3)")->text(), "PK Line 2 (3 on 5)");
    for (int n : {4, 9, 13, 14, 18, 19}) EXPECT_TRUE(Cell(dialog, n)->isHidden()) << n;
    EXPECT_TRUE(Cut(dialog).isEmpty()) << Cut(dialog).join(", ").toStdString();
    QTest::mouseClick(even, Qt::LeftButton);
    for (int n = 0; n < 23; ++n) EXPECT_FALSE(Cell(dialog, n)->isHidden()) << n;
    EXPECT_TRUE(Find<QLabel>(dialog, "Label1(0)")->font().bold());

    // Pick a player, put him on the second line's right wing.
    auto* list = Find<QListWidget>(dialog, "List2");
    EXPECT_EQ(list->count(), 20);
    ClickRow(list, 3);
    EXPECT_EQ(Find<QLabel>(dialog, "lblPlyrStat(17)")->text(), "Player 3 is assigned to:");
    QTest::mouseClick(Cell(dialog, 7), Qt::LeftButton);
    EXPECT_EQ(Cell(dialog, 7)->text().trimmed(), "Player 3");
    EXPECT_EQ(Find<QLabel>(dialog, "lblLineString")->text(), "E2R");
    EXPECT_TRUE(Find<QLabel>(dialog, "Label1(1)")->font().bold());
    EXPECT_EQ(Find<QLineEdit>(dialog, "txtLnAvgRating(0)")->text(), "9");  // 43 / 5
    // A goalie is refused there.
    ClickRow(list, 18);
    QTest::mouseClick(Cell(dialog, 8), Qt::LeftButton);
    EXPECT_EQ(Cell(dialog, 8)->text(), "");
    EXPECT_EQ(Find<QLineEdit>(dialog, "txtRating(9)")->text(), "na");
    EXPECT_TRUE(Find<QLineEdit>(dialog, "txtRating(9)")->isReadOnly());
    // From the keyboard: a place takes the focus, and Enter places the selected player.
    ClickRow(list, 4);
    Cell(dialog, 6)->setFocus();
    EXPECT_TRUE(Cell(dialog, 6)->hasFocus());
    QTest::keyClick(Cell(dialog, 6), Qt::Key_Return);
    EXPECT_EQ(Cell(dialog, 6)->text().trimmed(), "Player 4");

    // The player card, then a message box from Auto.
    ClickRow(list, 5);
    ClickRow(list, 5, true);
    QTest::mouseClick(Find<QAbstractButton>(dialog, "cmdAuto"), Qt::LeftButton);

    // Keep: the lines are not complete; then leave without keeping.
    auto* exit = Find<QAbstractButton>(dialog, "cmdExit");
    QTest::mouseClick(exit, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(exit, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    return QDialog::Rejected;
  };

  toolkit.ShowModal(ui::WindowId::Lines);

  ASSERT_TRUE(opened);
  EXPECT_EQ(cardFor, std::vector<int>{5});
  EXPECT_EQ(messages, (std::vector<std::string>{
                          "There are only 19 players on the roster.\rSet roster first / Auto Lines",
                          "Keep Line Changes? / Keep Changes",
                          "Lines are not complete / Edit Lines",
                          "Keep Line Changes? / Keep Changes",
                      }));
  EXPECT_EQ(session.Teams[0].Lines.At(1, 2), league::kNoPlayer);
  EXPECT_FALSE(session.LeagueChanged);
}

}  // namespace
