#include "ui/qt/qt_toolkit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "qt_environment.h"

namespace {

TEST(ConvertFilter, PairsBecomeQtNameFilters) {
  EXPECT_EQ(ui::qt::ConvertFilter("All Files|*.*|ORB Files|*.tms"),
            (QStringList{"All Files (*.*)", "ORB Files (*.tms)"}));
  EXPECT_EQ(ui::qt::ConvertFilter("Lines|*.lns;*.txt"), QStringList{"Lines (*.lns *.txt)"});
  EXPECT_TRUE(ui::qt::ConvertFilter("").isEmpty());
}

struct SeenBox {
  QString title, text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

TEST(QtToolkitMsgBox, ShowsTitleIconButtonsAndGivesTheAnswer) {
  const struct {
    ui::Icon icon;
    ui::Buttons buttons;
    QMessageBox::StandardButton press;
    QMessageBox::Icon qtIcon;
    QMessageBox::StandardButtons qtButtons;
    ui::Answer answer;
  } cases[] = {
      {ui::Icon::Question, ui::Buttons::YesNo, QMessageBox::Yes, QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No, ui::Answer::Yes},
      {ui::Icon::Question, ui::Buttons::YesNo, QMessageBox::No, QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No, ui::Answer::No},
      {ui::Icon::Critical, ui::Buttons::Ok, QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok,
       ui::Answer::Ok},
      {ui::Icon::Information, ui::Buttons::Ok, QMessageBox::Ok, QMessageBox::Information,
       QMessageBox::Ok, ui::Answer::Ok},
      {ui::Icon::None, ui::Buttons::Ok, QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok,
       ui::Answer::Ok},
  };
  for (const auto& c : cases) {
    test::AnsweringToolkit toolkit;
    SeenBox seen{};
    toolkit.answer = [&](QDialog& dialog) {
      auto* box = qobject_cast<QMessageBox*>(&dialog);
      if (box == nullptr) return 0;
      seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
      box->button(c.press)->click();
      return box->result();
    };
    EXPECT_EQ(toolkit.MsgBox("Save Current League?", "Save League", c.icon, c.buttons), c.answer);
    EXPECT_EQ(seen.title, "Save League");
    EXPECT_EQ(seen.text, "Save Current League?");
    EXPECT_EQ(seen.icon, c.qtIcon);
    EXPECT_EQ(seen.buttons, c.qtButtons);
  }
}

TEST(QtToolkitMsgBox, TheRealBoxIsModalAndAnswered) {
  ui::qt::QtToolkit toolkit;
  QString title;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(
      toolkit.MsgBox("Keep Roster Changes?", "Roster", ui::Icon::Question, ui::Buttons::YesNo),
      ui::Answer::No);
  EXPECT_EQ(title, "Roster");
}

TEST(QtToolkitInputBox, GivesTheTextOrEmptyWhenCancelled) {
  test::AnsweringToolkit toolkit;
  QString prompt, title;
  toolkit.answer = [&](QDialog& dialog) {
    auto& input = dynamic_cast<QInputDialog&>(dialog);
    prompt = input.labelText();
    title = input.windowTitle();
    input.setTextValue("Northern League");
    return int(QDialog::Accepted);
  };
  EXPECT_EQ(toolkit.InputBox("New League Name", "Change League Name"), "Northern League");
  EXPECT_EQ(prompt, "New League Name");
  EXPECT_EQ(title, "Change League Name");
  toolkit.answer = [](QDialog& dialog) {
    dynamic_cast<QInputDialog&>(dialog).setTextValue("typed, then cancelled");
    return int(QDialog::Rejected);
  };
  EXPECT_EQ(toolkit.InputBox("New League Name", "Change League Name"), "");
}

TEST(QtToolkitFiles, OpenDialogHasTitleFiltersAndPreselection) {
  test::AnsweringToolkit toolkit;
  QStringList filters;
  QString selected, title;
  QFileDialog::AcceptMode mode{};
  toolkit.answer = [&](QDialog& dialog) {
    auto& files = dynamic_cast<QFileDialog&>(dialog);
    filters = files.nameFilters();
    selected = files.selectedNameFilter();
    title = files.windowTitle();
    mode = files.acceptMode();
    return int(QDialog::Rejected);
  };
  ui::FileDialogOptions options{"Load League", "All Files|*.*|ORB Files|*.tms", 2, ""};
  EXPECT_EQ(toolkit.ShowOpen(options), "");  // cancelled
  EXPECT_EQ(title, "Load League");
  EXPECT_EQ(filters, (QStringList{"All Files (*.*)", "ORB Files (*.tms)"}));
  EXPECT_EQ(selected, "ORB Files (*.tms)");
  EXPECT_EQ(mode, QFileDialog::AcceptOpen);

  toolkit.answer = [&](QDialog& dialog) {
    auto& files = dynamic_cast<QFileDialog&>(dialog);
    mode = files.acceptMode();
    files.selectFile("/tmp/Chosen.lns");
    return int(QDialog::Accepted);
  };
  EXPECT_EQ(toolkit.ShowSave({"Save Lines", "Lines|*.lns", 1, "Chosen.lns"}), "/tmp/Chosen.lns");
  EXPECT_EQ(mode, QFileDialog::AcceptSave);
}

TEST(QtToolkitModal, OpensTheRegisteredWindowWithItsArgument) {
  ui::qt::QtToolkit toolkit;
  std::vector<int> opened;
  toolkit.Register(ui::WindowId::Roster,
                   [&](QWidget*, int argument) { opened.push_back(argument); });
  toolkit.ShowModal(ui::WindowId::Roster, 1);
  toolkit.ShowModal(ui::WindowId::Lines);  // none registered: nothing happens
  EXPECT_EQ(opened, std::vector<int>{1});
  EXPECT_TRUE(toolkit.HasOpener(ui::WindowId::Roster));
  EXPECT_FALSE(toolkit.HasOpener(ui::WindowId::Lines));
}

}  // namespace
