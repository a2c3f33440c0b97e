#include "ui/qt/qt_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "support/fake_ui.h"
#include "ui/qt/qt_controls.h"

namespace {

using ui::qt::QtForm;

// A form with one control of each kind, and counters on their events.
class QtFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<QtForm>(nullptr, QSize(400, 300), ui::qt::Backdrop::Ice);
    form->setObjectName("Sample");
    list = form->AddList("lstPlayers", 2, QRect(10, 10, 180, 200), "Game roster");
    label = form->AddLabel("lblName", 5, QRect(200, 10, 180, 24), "Jean Tremblay");
    text = form->AddText("txtRating", 0, QRect(200, 40, 80, 24), "Skating rating");
    button = form->AddButton("cmdMovePlayer", 1, QRect(200, 70, 40, 30), "<<", "Move to scratches");
    check = form->AddCheck("chkPos", 3, QRect(200, 110, 120, 24), "&Defence", {});
    option = form->AddOption("optView", 0, QRect(200, 140, 120, 24), "Even", {});
    option2 = form->AddOption("optView", 1, QRect(200, 170, 120, 24), "Power play", {}, true);
    auto& l = form->GetList("lstPlayers", 2);
    l.OnClick = [this] {
      events.push_back("click " + std::to_string(form->GetList("lstPlayers", 2).ListIndex()));
    };
    l.OnDblClick = [this] { events.push_back("dblclick"); };
    form->GetButton("cmdMovePlayer", 1).OnClick = [this] { events.push_back("button"); };
    form->GetCheck("chkPos", 3).OnClick = [this] { events.push_back("check"); };
    form->GetOption("optView", 0).OnClick = [this] { events.push_back("option"); };
    form->GetText("txtRating", 0).OnKeyPress = [this](int key) {
      events.push_back("key " + std::to_string(key));
    };
    form->GetText("txtRating", 0).OnLostFocus = [this] { events.push_back("lost focus"); };
    form->GetLabel("lblName", 5).OnClick = [this] { events.push_back("label click"); };
    form->GetLabel("lblName", 5).OnDblClick = [this] { events.push_back("label dblclick"); };
    form->OnUnload = [this] { events.push_back("unload"); };
  }

  void Fill(std::initializer_list<const char*> names) {
    auto& l = form->GetList("lstPlayers", 2);
    int data = 10;
    for (const char* name : names) l.AddItem(name, data++);
  }
  QPoint RowCentre(int row) { return list->visualItemRect(list->item(row)).center(); }

  std::unique_ptr<QtForm> form;
  QListWidget* list = nullptr;
  QLabel* label = nullptr;
  QLineEdit* text = nullptr;
  QPushButton* button = nullptr;
  QAbstractButton* check = nullptr;
  QAbstractButton* option = nullptr;
  QAbstractButton* option2 = nullptr;
  std::vector<std::string> events;
};

TEST_F(QtFormTest, WidgetsCarryTheirControlNamesAndAccessibleNames) {
  EXPECT_EQ(form->findChild<QListWidget*>("lstPlayers(2)"), list);
  EXPECT_EQ(form->findChild<QLabel*>("lblName(5)"), label);
  EXPECT_EQ(form->findChild<QPushButton*>("cmdMovePlayer(1)"), button);
  EXPECT_EQ(list->accessibleName(), "Game roster");
  EXPECT_EQ(text->accessibleName(), "Skating rating");
  EXPECT_EQ(button->accessibleName(), "Move to scratches");
  EXPECT_EQ(label->accessibleName(), "Jean Tremblay");
  form->GetLabel("lblName", 5).SetCaption("Marc Roy   ");
  EXPECT_EQ(label->accessibleName(), "Marc Roy");
  EXPECT_EQ(form->GetLabel("lblName", 5).Caption(), "Marc Roy   ");
}

TEST_F(QtFormTest, FixedSizeWithoutMinimiseOrMaximise) {
  EXPECT_EQ(form->minimumSize(), QSize(400, 300));
  EXPECT_EQ(form->maximumSize(), QSize(400, 300));
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(QtFormTest, LabelStateGoesToTheWidget) {
  auto& l = form->GetLabel("lblName", 5);
  l.SetColor(ui::kRed);
  l.SetBold(true);
  l.SetVisible(false);
  l.SetToolTip("Player name");
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(l.Color(), ui::kRed);
  EXPECT_TRUE(label->font().bold());
  EXPECT_TRUE(label->isHidden());
  EXPECT_FALSE(l.Visible());
  EXPECT_EQ(label->toolTip(), "Player name");
}

TEST_F(QtFormTest, SetListIndexSelectsOnlyThatRowAndClicksOnce) {
  auto& l = form->GetList("lstPlayers", 2);
  l.Configure(false, true);
  Fill({"Aa", "Bb", "Cc", "Dd"});
  l.SetSelected(0, true);
  l.SetSelected(2, true);
  EXPECT_TRUE(events.empty());  // code changes raise nothing ...
  l.SetListIndex(3);
  EXPECT_EQ(events, (std::vector<std::string>{"click 3"}));  // ... except SetListIndex
  EXPECT_EQ(list->currentRow(), 3);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(l.Selected(i), i == 3) << i;
  EXPECT_EQ(l.ItemData(3), 13);
  l.Clear();
  EXPECT_EQ(l.ListIndex(), -1);
  EXPECT_EQ(events.size(), 1u);
}

TEST_F(QtFormTest, UserClicksRaiseClickAndDoubleClick) {
  auto& l = form->GetList("lstPlayers", 2);
  l.Configure(false, true);
  Fill({"Aa", "Bb", "Cc"});
  form->show();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(2));
  EXPECT_TRUE(l.Selected(1));
  EXPECT_TRUE(l.Selected(2));  // extended selection
  events.clear();
  // A double-click is a click and then the double-click event.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(0));
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(0));
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), "click 0");
  EXPECT_EQ(events.back(), "dblclick");
  EXPECT_EQ(std::count(events.begin(), events.end(), "dblclick"), 1);
  // Focus alone picks nothing.
  l.Clear();
  Fill({"Aa"});
  events.clear();
  text->setFocus();
  list->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(l.ListIndex(), -1);
  EXPECT_TRUE(events.empty() || events == std::vector<std::string>{"lost focus"});
}

TEST_F(QtFormTest, SortedListAgreesWithTheFakeList) {
  const std::vector<std::string> names = {"smith", "Adams", "ADAMS",  "brown", "Zed",
                                          "adams", "",      "Brown ", "brOWN"};
  auto& real = form->GetList("lstPlayers", 2);
  real.Configure(true, false);
  test::FakeList fake;
  fake.Configure(true, false);
  for (std::size_t i = 0; i < names.size(); ++i) {
    real.AddItem(names[i], static_cast<int>(i));
    fake.AddItem(names[i], static_cast<int>(i));
  }
  std::vector<std::string> realTexts;
  std::vector<int> realData;
  for (int i = 0; i < real.Count(); ++i) {
    realTexts.push_back(real.ItemText(i));
    realData.push_back(real.ItemData(i));
  }
  EXPECT_EQ(realTexts, fake.Texts());
  EXPECT_EQ(realData, fake.Datas());
}

TEST_F(QtFormTest, EntriesKeepTheirTextExactly) {
  auto& l = form->GetList("lstPlayers", 2);
  const std::string stored("Roy\0\0 Marc   ", 13);
  l.AddItem(stored, 1);
  EXPECT_EQ(l.ItemText(0), stored);
  EXPECT_EQ(list->item(0)->text(), QString("Roy   Marc   "));
  l.SetItemText(0, "Changed");
  EXPECT_EQ(l.ItemText(0), "Changed");
}

TEST_F(QtFormTest, TogglesRaiseEventsOnlyForTheUser) {
  auto& c = form->GetCheck("chkPos", 3);
  auto& o = form->GetOption("optView", 0);
  auto& picture = form->GetOption("optView", 1);
  c.SetValue(true);
  o.SetValue(true);
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(check->isChecked());
  o.SetValue(false);  // an option button can be switched off from code
  EXPECT_FALSE(o.Value());
  check->click();
  option->click();
  EXPECT_EQ(events, (std::vector<std::string>{"check", "option"}));
  EXPECT_FALSE(c.Value());
  EXPECT_TRUE(o.Value());
  picture.SetValue(true);
  EXPECT_TRUE(option2->isCheckable());
  EXPECT_TRUE(picture.Value());
  EXPECT_FALSE(o.Value());  // options are exclusive
}

// The window classes give plain captions; the Alt key the form chose stays where
// the new caption has its letter.
TEST_F(QtFormTest, NewCaptionsKeepTheFormsAltKey) {
  auto& toggle = form->GetCheck("chkPos", 3);
  toggle.SetCaption("Defence");
  EXPECT_EQ(check->text(), "&Defence");
  toggle.SetCaption("Wing");
  EXPECT_EQ(check->text(), "Wing");
  toggle.SetCaption("R&D");
  EXPECT_EQ(check->text(), "R&D");
  auto& move = form->GetButton("cmdMovePlayer", 1);
  EXPECT_EQ(move.Caption(), "<<");
  move.SetCaption(">>");
  EXPECT_EQ(button->text(), ">>");
  EXPECT_EQ(move.Caption(), ">>");
}

TEST_F(QtFormTest, TextBoxReportsEnterAndLosingTheFocus) {
  form->show();
  QApplication::setActiveWindow(form.get());
  text->setFocus();
  QTest::keyClicks(text, "42");
  QTest::keyClick(text, Qt::Key_Return);
  EXPECT_EQ(form->GetText("txtRating", 0).Text(), "42");
  EXPECT_EQ(events, (std::vector<std::string>{"key 52", "key 50", "key 13"}));
  events.clear();
  form->GetText("txtRating", 0).SetLocked(true);
  EXPECT_TRUE(text->isReadOnly());
  button->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(events, (std::vector<std::string>{"lost focus"}));
}

TEST_F(QtFormTest, LabelClicks) {
  form->show();
  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_EQ(events, (std::vector<std::string>{"label click"}));
  events.clear();
  QTest::mouseDClick(label, Qt::LeftButton);
  EXPECT_EQ(std::count(events.begin(), events.end(), "label dblclick"), 1);
}

TEST_F(QtFormTest, EveryWayOfClosingUnloadsOnce) {
  const struct {
    const char* label;
    std::function<void(QtForm&)> close;
  } cases[] = {
      {"Close()", [](QtForm& f) { f.Close(); }},
      {"Escape", [](QtForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
      {"close box", [](QtForm& f) { f.close(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    events.clear();
    form->show();
    ASSERT_TRUE(form->isVisible());
    c.close(*form);
    EXPECT_EQ(events, (std::vector<std::string>{"unload"}));
    EXPECT_FALSE(form->isVisible());
  }
}

TEST_F(QtFormTest, OpensCentredOnItsParent) {
  QWidget parent;
  parent.setGeometry(100, 100, 800, 600);
  parent.show();
  QtForm child(&parent, QSize(200, 100), ui::qt::Backdrop::Night);
  child.show();
  const QPoint centre = child.geometry().center();
  EXPECT_NEAR(centre.x(), parent.frameGeometry().center().x(), 20);
  EXPECT_NEAR(centre.y(), parent.frameGeometry().center().y(), 40);
  child.Close();
}

}  // namespace
