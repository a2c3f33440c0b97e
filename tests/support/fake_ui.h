#pragma once
// A toolkit without a screen: controls keep their state where a test can read
// it, dialogs take scripted answers, and every message shown is recorded.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace test {

class FakeLabel : public ui::Label {
 public:
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  void SetToolTip(const std::string& t) override { toolTip = t; }
  void SetCaption(const std::string& c) override { caption = c; }
  std::string Caption() const override { return caption; }
  void SetColor(ui::Rgb c) override { color = c; }
  ui::Rgb Color() const override { return color; }
  void SetBold(bool b) override { bold = b; }
  bool Bold() const override { return bold; }
  void Click() {
    if (OnClick) OnClick();
  }
  void DblClick() {
    if (OnDblClick) OnDblClick();
  }

  bool visible = true;
  std::string toolTip, caption;
  ui::Rgb color = ui::kBlack;
  bool bold = false;
};

class FakeList : public ui::ListBox {
 public:
  struct Item {
    std::string text;
    int data;
    bool selected;
  };
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  void SetToolTip(const std::string& t) override { toolTip = t; }
  void Configure(bool s, bool m) override { sorted = s, multiSelect = m; }
  void Clear() override { items.clear(), current = -1; }
  void AddItem(const std::string& text, int data) override;
  int Count() const override { return static_cast<int>(items.size()); }
  std::string ItemText(int i) const override { return items.at(static_cast<size_t>(i)).text; }
  int ItemData(int i) const override { return items.at(static_cast<size_t>(i)).data; }
  void SetItemText(int i, const std::string& t) override {
    items.at(static_cast<size_t>(i)).text = t;
  }
  int ListIndex() const override { return current; }
  void SetListIndex(int i) override;
  bool Selected(int i) const override { return items.at(static_cast<size_t>(i)).selected; }
  void SetSelected(int i, bool s) override { items.at(static_cast<size_t>(i)).selected = s; }

  // What a user does: a click selects only that entry; a ctrl-click adds it.
  void Click(int index);
  void CtrlClick(int index);
  void DblClick(int index);  // the click before it, then the double-click
  // The index of the first entry whose text is `text` (-1 when none).
  int Find(const std::string& text) const;
  std::vector<std::string> Texts() const;
  std::vector<int> Datas() const;

  bool visible = true, sorted = false, multiSelect = false;
  std::string toolTip;
  std::vector<Item> items;
  int current = -1;
};

class FakeText : public ui::TextBox {
 public:
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  void SetToolTip(const std::string& t) override { toolTip = t; }
  void SetText(const std::string& t) override { text = t; }
  std::string Text() const override { return text; }
  void SetLocked(bool l) override { locked = l; }
  bool Locked() const override { return locked; }
  // Types into the box (ignored when locked) and presses Enter.
  void TypeAndEnter(const std::string& t) {
    if (!locked) text = t;
    if (OnKeyPress) OnKeyPress(ui::kKeyEnter);
  }
  void LoseFocus() {
    if (OnLostFocus) OnLostFocus();
  }

  bool visible = true, locked = false;
  std::string toolTip, text;
};

class FakeButton : public ui::Button {
 public:
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  void SetToolTip(const std::string& t) override { toolTip = t; }
  void SetCaption(const std::string& c) override { caption = c; }
  std::string Caption() const override { return caption; }
  void SetEnabled(bool e) override { enabled = e; }
  bool Enabled() const override { return enabled; }
  void Click() {
    if (OnClick) OnClick();
  }

  bool visible = true, enabled = true;
  std::string toolTip, caption;
};

class FakeToggle : public ui::Toggle {
 public:
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  void SetToolTip(const std::string& t) override { toolTip = t; }
  void SetValue(bool on) override { value = on; }
  bool Value() const override { return value; }
  void SetCaption(const std::string& c) override { caption = c; }
  // A user's click: a check box flips, an option button turns on.
  void Click() {
    value = isOption ? true : !value;
    if (OnClick) OnClick();
  }

  bool visible = true, value = false, isOption = false;
  std::string toolTip, caption;
};

class FakeMenu : public ui::MenuItem {
 public:
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  // A hidden item does nothing, as its shortcut does nothing.
  void Click() {
    if (visible && OnClick) OnClick();
  }
  bool visible = true;
};

class FakeForm : public ui::Form {
 public:
  void SetCaption(const std::string& c) override { caption = c; }
  std::string Caption() const override { return caption; }
  void Close() override;
  // The close box: OnUnload, then the window is gone.
  void CloseBox() { Close(); }

  FakeLabel& GetLabel(std::string_view name, int index = -1) override;
  FakeList& GetList(std::string_view name, int index = -1) override;
  FakeText& GetText(std::string_view name, int index = -1) override;
  FakeButton& GetButton(std::string_view name, int index = -1) override;
  FakeToggle& GetCheck(std::string_view name, int index = -1) override;
  FakeToggle& GetOption(std::string_view name, int index = -1) override;
  FakeMenu& GetMenu(std::string_view name) override;

  std::string caption;
  bool closed = false;
  int closeCount = 0;

 private:
  template <class T>
  T& Get(std::map<std::string, std::unique_ptr<T>>& map, std::string_view name, int index);
  std::map<std::string, std::unique_ptr<FakeLabel>> labels_;
  std::map<std::string, std::unique_ptr<FakeList>> lists_;
  std::map<std::string, std::unique_ptr<FakeText>> texts_;
  std::map<std::string, std::unique_ptr<FakeButton>> buttons_;
  std::map<std::string, std::unique_ptr<FakeToggle>> checks_, options_;
  std::map<std::string, std::unique_ptr<FakeMenu>> menus_;
};

struct ShownMessage {
  std::string text, title;
  ui::Icon icon;
  ui::Buttons buttons;
};

class FakeToolkit : public ui::Toolkit {
 public:
  ui::Answer MsgBox(const std::string& text, const std::string& title, ui::Icon icon,
                    ui::Buttons buttons) override;
  std::string InputBox(const std::string& prompt, const std::string& title) override;
  std::string ShowOpen(const ui::FileDialogOptions& options) override;
  std::string ShowSave(const ui::FileDialogOptions& options) override;
  void ShowModal(ui::WindowId window, int argument = 0) override;

  // Scripted answers, taken in order. With none left, a Yes/No question gets
  // No, an input box or a file dialog is cancelled (the empty text).
  std::deque<ui::Answer> answers;
  std::deque<std::string> inputs;
  std::deque<std::string> openFiles, saveFiles;
  // Runs in place of a modal window; none set records the request only.
  std::function<void(ui::WindowId, int)> onShowModal;

  std::vector<ShownMessage> messages;
  std::vector<std::pair<std::string, std::string>> inputPrompts;  // prompt, title
  std::vector<ui::FileDialogOptions> openDialogs, saveDialogs;
  std::vector<std::pair<ui::WindowId, int>> modals;

  // Texts of the messages shown, in order.
  std::vector<std::string> Texts() const;
};

}  // namespace test
