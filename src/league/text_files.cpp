#include "league/text_files.h"

#include <string>

namespace league {

Status AppendLine(FileSystem& files, const fs::path& path, std::string_view raw) {
  std::string line(raw);
  line += "\r\n";
  return files.Append(
      path, std::span<const Byte>(reinterpret_cast<const Byte*>(line.data()), line.size()));
}

namespace {

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A whole number from 0 to 255, or -1.
int ParseIndex(std::string_view text) {
  if (text.empty()) return -1;
  int value = 0;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return -1;
    value = value * 10 + (ch - '0');
    if (value > 255) return -1;
  }
  return value;
}

}  // namespace

std::vector<std::pair<int, std::string>> ParseEmailList(std::string_view contents) {
  std::vector<std::pair<int, std::string>> pairs;
  std::size_t start = 0;
  while (start < contents.size()) {
    std::size_t end = contents.find('\n', start);
    if (end == std::string_view::npos) end = contents.size();
    std::string_view line = contents.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) continue;
    const int index = ParseIndex(TrimSpaces(line.substr(0, comma)));
    if (index < 0) continue;
    pairs.emplace_back(index, std::string(line.substr(comma + 1)));
  }
  return pairs;
}

std::vector<std::string> ReadTeamEmails(FileSystem& files, const fs::path& path, int teamCount) {
  std::vector<std::string> emails(static_cast<std::size_t>(teamCount > 0 ? teamCount : 0));
  if (!files.Exists(path)) return emails;
  auto contents = files.ReadAll(path);
  if (!contents) return emails;  // an unreadable list shows as no addresses
  const std::string_view text(reinterpret_cast<const char*>(contents->data()), contents->size());
  for (auto& [index, address] : ParseEmailList(text)) {
    if (index < teamCount) emails[static_cast<std::size_t>(index)] = std::move(address);
  }
  return emails;
}

}  // namespace league
