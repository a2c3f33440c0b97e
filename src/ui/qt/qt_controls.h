#pragma once
// The Qt widgets behind ui::Label, ui::ListBox, ui::TextBox, ui::Button,
// ui::Toggle and ui::MenuItem, and the set of them one window owns. Events
// reach the window class only from what the user does; a change made from code
// raises nothing, except ListBox::SetListIndex, which raises one click.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ui/ui.h"

class QAction;

namespace ui::qt {

// ---- widgets that report clicks the way the window classes expect ---------

class ClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> clicked, doubleClicked;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // A label that takes the focus (a place on a line) is clicked with Enter or Space,
  // and shows a frame while it has the focus.
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool pressed_ = false, afterDouble_ = false;
};

class ListWidget : public QListWidget {
 public:
  using QListWidget::QListWidget;
  std::function<void()> clicked, doubleClicked;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Taking the focus leaves the current entry as it is (none stays none).
  void focusInEvent(QFocusEvent* event) override;
};

class LineEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  std::function<void(int)> keyPressed;
  std::function<void()> lostFocus;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

// ---- the ui:: controls -------------------------------------------------------

class QtLabel : public ui::Label {
 public:
  // A non-empty `accessible` names the label for a screen reader whatever it shows
  // (a picture); otherwise its name is the text it shows.
  QtLabel(ClickLabel* widget, const QString& accessible);
  ~QtLabel() override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetToolTip(const std::string& tip) override;
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void SetColor(ui::Rgb color) override;
  ui::Rgb Color() const override;
  void SetBold(bool bold) override;
  bool Bold() const override;
  ClickLabel* Widget() const { return widget_; }

 private:
  QPointer<ClickLabel> widget_;
  std::string caption_;
  bool fixedName_;
};

class QtList : public ui::ListBox {
 public:
  explicit QtList(ListWidget* widget);
  ~QtList() override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetToolTip(const std::string& tip) override;
  void Configure(bool sorted, bool multiSelect) override;
  void Clear() override;
  void AddItem(const std::string& text, int data) override;
  int Count() const override;
  std::string ItemText(int index) const override;
  int ItemData(int index) const override;
  void SetItemText(int index, const std::string& text) override;
  int ListIndex() const override;
  void SetListIndex(int index) override;
  bool Selected(int index) const override;
  void SetSelected(int index, bool selected) override;
  ListWidget* Widget() const { return widget_; }

 private:
  QListWidgetItem* Item(int index) const;
  QPointer<ListWidget> widget_;
  bool sorted_ = false;
};

class QtText : public ui::TextBox {
 public:
  explicit QtText(LineEdit* widget);
  ~QtText() override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetToolTip(const std::string& tip) override;
  void SetText(const std::string& text) override;
  std::string Text() const override;
  void SetLocked(bool locked) override;
  bool Locked() const override;

 private:
  QPointer<LineEdit> widget_;
};

class QtButton : public ui::Button {
 public:
  explicit QtButton(QPushButton* widget);
  ~QtButton() override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetToolTip(const std::string& tip) override;
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void SetEnabled(bool enabled) override;
  bool Enabled() const override;

 private:
  QPointer<QPushButton> widget_;
  QMetaObject::Connection connection_;
  QChar mnemonic_;       // the form's Alt key for it, kept through new captions
  std::string caption_;  // as the window class gave it
};

class QtToggle : public ui::Toggle {
 public:
  explicit QtToggle(QAbstractButton* widget);
  ~QtToggle() override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetToolTip(const std::string& tip) override;
  void SetValue(bool on) override;
  bool Value() const override;
  void SetCaption(const std::string& caption) override;

 private:
  QPointer<QAbstractButton> widget_;
  QMetaObject::Connection connection_;
  QChar mnemonic_;
};

class QtMenuItem : public ui::MenuItem {
 public:
  explicit QtMenuItem(QAction* action);
  ~QtMenuItem() override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  QAction* Action() const { return action_; }

 private:
  QPointer<QAction> action_;
  QMetaObject::Connection connection_;
};

// ---- one window's controls, by name ------------------------------------------

enum class ToggleStyle { Standard, Picture };

class ControlSet {
 public:
  explicit ControlSet(QWidget* owner) : owner_(owner) {}

  // Each Add names the widget after its control ("lstTeams(1)") and places it on `parent`.
  QLabel* AddLabel(QWidget* parent, std::string_view name, int index, QRect geometry,
                   const QString& text, const QString& accessible);
  QListWidget* AddList(QWidget* parent, std::string_view name, int index, QRect geometry,
                       const QString& accessible);
  QLineEdit* AddText(QWidget* parent, std::string_view name, int index, QRect geometry,
                     const QString& accessible);
  QPushButton* AddButton(QWidget* parent, std::string_view name, int index, QRect geometry,
                         const QString& caption, const QString& accessible);
  QAbstractButton* AddToggle(QWidget* parent, std::string_view name, int index, QRect geometry,
                             const QString& caption, const QString& accessible, bool option,
                             ToggleStyle style);
  void AddMenu(std::string_view name, QAction* action);

  // The control of that name; asking for one the form never built is a
  // programming error and stops the program with the name in the message.
  QtLabel& Label(std::string_view name, int index);
  QtList& List(std::string_view name, int index);
  QtText& Text(std::string_view name, int index);
  QtButton& Button(std::string_view name, int index);
  QtToggle& Check(std::string_view name, int index);
  QtToggle& Option(std::string_view name, int index);
  QtMenuItem& Menu(std::string_view name);

 private:
  template <class T>
  T& Find(std::map<std::string, std::unique_ptr<T>, std::less<>>& map, std::string_view name,
          int index, const char* kind);

  QWidget* owner_;
  std::map<std::string, std::unique_ptr<QtLabel>, std::less<>> labels_;
  std::map<std::string, std::unique_ptr<QtList>, std::less<>> lists_;
  std::map<std::string, std::unique_ptr<QtText>, std::less<>> texts_;
  std::map<std::string, std::unique_ptr<QtButton>, std::less<>> buttons_;
  std::map<std::string, std::unique_ptr<QtToggle>, std::less<>> checks_, options_;
  std::map<std::string, std::unique_ptr<QtMenuItem>, std::less<>> menus_;
};

}  // namespace ui::qt
