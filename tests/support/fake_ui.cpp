#include "support/fake_ui.h"

#include <stdexcept>

namespace test {

void FakeList::AddItem(const std::string& text, int data) {
  auto pos = static_cast<std::size_t>(Count());
  if (sorted) {
    pos = static_cast<std::size_t>(ui::SortedInsertPos(
        [this](int i) { return items[static_cast<std::size_t>(i)].text; }, Count(), text));
  }
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(pos), Item{text, data, false});
}

void FakeList::SetListIndex(int i) {
  for (auto& item : items) item.selected = false;
  current = i;
  if (i >= 0) items.at(static_cast<std::size_t>(i)).selected = true;
  if (OnClick) OnClick();
}

void FakeList::Click(int index) { SetListIndex(index); }

void FakeList::CtrlClick(int index) {
  if (!multiSelect) return Click(index);
  items.at(static_cast<std::size_t>(index)).selected = true;
  current = index;
  if (OnClick) OnClick();
}

void FakeList::DblClick(int index) {
  Click(index);
  if (OnDblClick) OnDblClick();
}

int FakeList::Find(const std::string& text) const {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].text == text) return static_cast<int>(i);
  return -1;
}

std::vector<std::string> FakeList::Texts() const {
  std::vector<std::string> out;
  for (const auto& item : items) out.push_back(item.text);
  return out;
}

std::vector<int> FakeList::Datas() const {
  std::vector<int> out;
  for (const auto& item : items) out.push_back(item.data);
  return out;
}

void FakeForm::Close() {
  if (OnUnload) OnUnload();
  closed = true;
  ++closeCount;
}

template <class T>
T& FakeForm::Get(std::map<std::string, std::unique_ptr<T>>& map, std::string_view name, int index) {
  auto& slot = map[ui::ControlName(name, index)];
  if (!slot) slot = std::make_unique<T>();
  return *slot;
}

FakeLabel& FakeForm::GetLabel(std::string_view n, int i) { return Get(labels_, n, i); }
FakeList& FakeForm::GetList(std::string_view n, int i) { return Get(lists_, n, i); }
FakeText& FakeForm::GetText(std::string_view n, int i) { return Get(texts_, n, i); }
FakeButton& FakeForm::GetButton(std::string_view n, int i) { return Get(buttons_, n, i); }
FakeToggle& FakeForm::GetCheck(std::string_view n, int i) { return Get(checks_, n, i); }
FakeToggle& FakeForm::GetOption(std::string_view n, int i) {
  auto& option = Get(options_, n, i);
  option.isOption = true;
  return option;
}
FakeMenu& FakeForm::GetMenu(std::string_view n) { return Get(menus_, n, -1); }

ui::Answer FakeToolkit::MsgBox(const std::string& text, const std::string& title, ui::Icon icon,
                               ui::Buttons buttons) {
  messages.push_back({text, title, icon, buttons});
  if (buttons == ui::Buttons::Ok) return ui::Answer::Ok;
  if (answers.empty()) return ui::Answer::No;
  const ui::Answer a = answers.front();
  answers.pop_front();
  return a;
}

std::string FakeToolkit::InputBox(const std::string& prompt, const std::string& title) {
  inputPrompts.emplace_back(prompt, title);
  if (inputs.empty()) return "";
  std::string s = inputs.front();
  inputs.pop_front();
  return s;
}

std::string FakeToolkit::ShowOpen(const ui::FileDialogOptions& options) {
  openDialogs.push_back(options);
  if (openFiles.empty()) return "";
  std::string s = openFiles.front();
  openFiles.pop_front();
  return s;
}

std::string FakeToolkit::ShowSave(const ui::FileDialogOptions& options) {
  saveDialogs.push_back(options);
  if (saveFiles.empty()) return "";
  std::string s = saveFiles.front();
  saveFiles.pop_front();
  return s;
}

void FakeToolkit::ShowModal(ui::WindowId window, int argument) {
  modals.emplace_back(window, argument);
  if (onShowModal) onShowModal(window, argument);
}

std::vector<std::string> FakeToolkit::Texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

}  // namespace test
