#pragma once
// The main window's widgets: the menus, the league's name, the two
// conferences' labels and their division and team lists.

#include <QMainWindow>
#include <memory>

#include "ui/ui.h"

namespace ui::qt {

class ControlSet;

class QtMainForm : public QMainWindow, public ui::Form {
 public:
  explicit QtMainForm(QWidget* parent = nullptr);
  ~QtMainForm() override;

  // Shows the window centred on its screen.
  void ShowCentred();

  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  // OnUnload, then the window closes, which ends the program.
  void Close() override;
  ui::Label& GetLabel(std::string_view name, int index = -1) override;
  ui::ListBox& GetList(std::string_view name, int index = -1) override;
  ui::TextBox& GetText(std::string_view name, int index = -1) override;
  ui::Button& GetButton(std::string_view name, int index = -1) override;
  ui::Toggle& GetCheck(std::string_view name, int index = -1) override;
  ui::Toggle& GetOption(std::string_view name, int index = -1) override;
  ui::MenuItem& GetMenu(std::string_view name) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildControls(QWidget* area);

  std::unique_ptr<ControlSet> controls_;
  bool unloaded_ = false;
};

}  // namespace ui::qt
