#include "ui/ui.h"

#include <cctype>

namespace ui {

namespace {
int CompareNoCase(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}
}  // namespace

int SortedInsertPos(const std::function<std::string(int)>& textAt, int count,
                    std::string_view text) {
  int pos = count;
  while (pos > 0 && CompareNoCase(textAt(pos - 1), text) > 0) --pos;
  return pos;
}

std::string ControlName(std::string_view name, int index) {
  std::string result(name);
  if (index >= 0) result += "(" + std::to_string(index) + ")";
  return result;
}

}  // namespace ui
