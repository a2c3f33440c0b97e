#pragma once
// The toolkit as the window classes see it: controls reached by name and index,
// dialogs, and modal child windows. Texts are UTF-8; window classes convert the
// league's stored bytes for the screen. Event slots are plain functions that the
// window class fills and the toolkit calls.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ui {

using Handler = std::function<void()>;

enum class Icon { None, Information, Question, Critical };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// 0xRRGGBB.
using Rgb = std::uint32_t;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kYellow = 0xFFFF00;
constexpr Rgb kPaleYellow = 0xFFFFC0;
constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kBlack = 0x000000;

constexpr int kKeyEnter = 13;

class Control {
 public:
  virtual ~Control() = default;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetToolTip(const std::string& tip) = 0;
};

class Label : public Control {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;
  virtual void SetColor(Rgb color) = 0;
  virtual Rgb Color() const = 0;
  virtual void SetBold(bool bold) = 0;
  virtual bool Bold() const = 0;
  Handler OnClick;
  Handler OnDblClick;
};

class ListBox : public Control {
 public:
  // Design-time properties: a sorted list keeps its entries in text order
  // (SortedInsertPos); a multi-select list allows extended selection.
  virtual void Configure(bool sorted, bool multiSelect) = 0;
  virtual void Clear() = 0;
  virtual void AddItem(const std::string& text, int data) = 0;
  virtual int Count() const = 0;
  virtual std::string ItemText(int index) const = 0;
  virtual int ItemData(int index) const = 0;
  virtual void SetItemText(int index, const std::string& text) = 0;  // redraw in place
  // The current entry, -1 when none.
  virtual int ListIndex() const = 0;
  // Makes `index` current and selected (and only it), then raises OnClick as a click would.
  virtual void SetListIndex(int index) = 0;
  virtual bool Selected(int index) const = 0;
  virtual void SetSelected(int index, bool selected) = 0;
  Handler OnClick;
  Handler OnDblClick;
};

class TextBox : public Control {
 public:
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() const = 0;
  virtual void SetLocked(bool locked) = 0;  // read-only
  virtual bool Locked() const = 0;
  std::function<void(int key)> OnKeyPress;  // kKeyEnter for Enter
  Handler OnLostFocus;
};

// Command buttons, picture-style or not.
class Button : public Control {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  Handler OnClick;
};

// Check boxes and option buttons; setting the value from code raises no event.
class Toggle : public Control {
 public:
  virtual void SetValue(bool on) = 0;
  virtual bool Value() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  Handler OnClick;  // after the value changed by the user
};

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  virtual void SetVisible(bool visible) = 0;  // a hidden item and its shortcut do nothing
  virtual bool Visible() const = 0;
  Handler OnClick;
};

// One window's controls. Index -1 names a control that is not part of an array.
class Form {
 public:
  virtual ~Form() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;
  // Unloads the window; OnUnload runs first, as it does for the close box.
  virtual void Close() = 0;
  virtual Label& GetLabel(std::string_view name, int index = -1) = 0;
  virtual ListBox& GetList(std::string_view name, int index = -1) = 0;
  virtual TextBox& GetText(std::string_view name, int index = -1) = 0;
  virtual Button& GetButton(std::string_view name, int index = -1) = 0;
  virtual Toggle& GetCheck(std::string_view name, int index = -1) = 0;
  virtual Toggle& GetOption(std::string_view name, int index = -1) = 0;
  virtual MenuItem& GetMenu(std::string_view name) = 0;
  Handler OnUnload;  // the window is closing, by Close() or by its close box
};

struct FileDialogOptions {
  std::string Title;
  std::string Filter;    // "All Files|*.*|ORB Files|*.tms"
  int FilterIndex = 1;   // 1-based, preselected
  std::string FileName;  // proposed
};

enum class WindowId { TeamView, Roster, Lines, PlayerInfo, About };

// What every window class needs from the platform besides its own controls.
class Toolkit {
 public:
  virtual ~Toolkit() = default;
  virtual Answer MsgBox(const std::string& text, const std::string& title, Icon icon,
                        Buttons buttons) = 0;
  // The empty text when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title) = 0;
  // The chosen path, or the empty text when cancelled.
  virtual std::string ShowOpen(const FileDialogOptions& options) = 0;
  virtual std::string ShowSave(const FileDialogOptions& options) = 0;
  // Opens a window modally and returns when it has closed. For WindowId::Roster,
  // `argument` 1 asks for slot 0 to be renumbered first (the main window's command).
  virtual void ShowModal(WindowId window, int argument = 0) = 0;
};

// Where a new entry goes in a sorted list: after every entry whose text sorts
// before it or equal to it, comparing without regard to ASCII letter case.
int SortedInsertPos(const std::function<std::string(int)>& textAt, int count,
                    std::string_view text);

// The name of element `index` of a control array as the toolkit shows it: "lblPlayer(5)".
std::string ControlName(std::string_view name, int index);

}  // namespace ui
