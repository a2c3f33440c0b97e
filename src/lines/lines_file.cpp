#include "lines/lines_file.h"

#include <algorithm>
#include <cctype>

#include "league/file_system.h"
#include "league/text.h"
#include "league/text_files.h"
#include "lines/line_grid.h"
#include "roster/waivers.h"

namespace lines {

namespace {

constexpr const char* kLinesFilter = "All Files|*.*|Lines Files|*.lns";
constexpr int kLinesFilterIndex = 2;
constexpr int kPasswordLength = 10;

std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string u8 = path.u8string();
  return std::string(reinterpret_cast<const char*>(u8.data()), u8.size());
}

std::string Join(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& name : names) {
    if (!out.empty()) out += ", ";
    out += name;
  }
  return out;
}

void ErrorsInFile(ui::Toolkit& toolkit) {
  (void)toolkit.MsgBox("Errors in File", "Invalid File", ui::Icon::None, ui::Buttons::Ok);
}

bool ReservedDeviceName(std::string_view stem) {
  std::string upper;
  for (const char ch : stem.substr(0, stem.find('.')))
    upper += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  static const char* const kNames[] = {"CON", "PRN", "AUX", "NUL"};
  for (const char* name : kNames)
    if (upper == name) return true;
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

league::Bytes Encode(const LinesFileRecord& record) {
  league::Bytes bytes(kLinesFileLength, 0);
  bytes[kTeamOffset] = record.Team;
  for (std::size_t i = 0; i < record.Password.Size; ++i)
    bytes[kPasswordOffset + i] = static_cast<league::Byte>(record.Password.Bytes[i]);
  std::copy(record.Lines.Cells.begin(), record.Lines.Cells.end(), bytes.begin() + kLinesOffset);
  std::copy(record.Status.begin(), record.Status.end(), bytes.begin() + kStatusOffset);
  for (std::size_t i = 0; i < record.Protected.size(); ++i) {
    const auto value = static_cast<std::uint16_t>(record.Protected[i]);
    bytes[kProtectedOffset + 2 * i] = static_cast<league::Byte>(value & 0xFF);
    bytes[kProtectedOffset + 2 * i + 1] = static_cast<league::Byte>(value >> 8);
  }
  return bytes;
}

league::Result<LinesFileRecord> DecodeLinesFile(league::ByteSpan bytes) {
  if (bytes.size() < kLinesFileLength) {
    return league::Error{"lines file: " + std::to_string(bytes.size()) + " bytes, a record holds " +
                         std::to_string(kLinesFileLength)};
  }
  LinesFileRecord record;
  record.Team = bytes[kTeamOffset];
  for (std::size_t i = 0; i < record.Password.Size; ++i)
    record.Password.Bytes[i] = static_cast<char>(bytes[kPasswordOffset + i]);
  std::copy_n(bytes.begin() + kLinesOffset, record.Lines.Cells.size(), record.Lines.Cells.begin());
  std::copy_n(bytes.begin() + kStatusOffset, record.Status.size(), record.Status.begin());
  for (std::size_t i = 0; i < record.Protected.size(); ++i) {
    const auto low = bytes[kProtectedOffset + 2 * i];
    const auto high = bytes[kProtectedOffset + 2 * i + 1];
    record.Protected[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
  }
  return record;
}

league::Text<10> LinesPassword(std::string_view typedUtf8) {
  league::Text<10> password;
  const std::string raw = league::FromScreen(typedUtf8);
  password.Store(
      std::string_view(raw).substr(0, std::min<std::size_t>(raw.size(), kPasswordLength)));
  return password;
}

std::string SafeFileStem(std::string_view name) {
  std::string stem;
  for (const char ch : name) {
    const auto code = static_cast<unsigned char>(ch);
    const bool forbidden = code < 0x20 || code == 0x7F ||
                           std::string_view("/\\:*?\"<>|").find(ch) != std::string_view::npos;
    stem += forbidden ? '_' : ch;
  }
  // No run of dots may stay (".." names the parent folder), nor a leading dot.
  for (std::size_t i = 0; i + 1 < stem.size(); ++i) {
    if (stem[i] == '.' && stem[i + 1] == '.') stem[i] = stem[i + 1] = '_';
  }
  if (!stem.empty() && stem.front() == '.') stem.front() = '_';
  // Windows drops trailing dots and blanks from a name.
  while (!stem.empty() && (stem.back() == '.' || stem.back() == ' ')) stem.back() = '_';
  if (stem.empty()) return "Team";
  if (ReservedDeviceName(stem)) stem.insert(stem.begin(), '_');
  return stem;
}

std::filesystem::path ProposedLinesPath(const app::Session& session) {
  const auto& team = session.Teams[static_cast<std::size_t>(session.CurrentTeam)];
  const std::string stem = SafeFileStem(league::ToScreen(league::Condense(team.TeamName.Raw())));
  return session.AppDir / PathFromUtf8(stem + ".lns");
}

std::string LinesReport(std::string_view teamName, const std::vector<std::string>& assigned,
                        const std::vector<std::string>& promoted) {
  std::string report;
  if (!assigned.empty()) {
    report += std::string(teamName) + " assign " + Join(assigned) + " to minors" + "<BR><BR>\r\n";
  }
  if (!promoted.empty()) {
    report +=
        std::string(teamName) + " promote " + Join(promoted) + " to pro roster" + "<BR><BR> \r\n";
  }
  return report;
}

bool SaveLinesSub(app::Session& session, ui::Toolkit& toolkit, const league::LineGrid& grid) {
  // A cancelled prompt saves with a blank password.
  const std::string typed = toolkit.InputBox("Password?", "Save Lines");

  ui::FileDialogOptions options;
  options.Title = "Save Lines here";
  options.Filter = kLinesFilter;
  options.FilterIndex = kLinesFilterIndex;
  options.FileName = Utf8FromPath(ProposedLinesPath(session));
  const std::string chosen = toolkit.ShowSave(options);
  if (chosen.empty()) return false;

  LinesFileRecord record;
  record.Team = static_cast<league::Byte>(session.CurrentTeam);
  record.Password = LinesPassword(typed);
  record.Lines = grid;
  const auto& slot = session.TeamSlots[0];
  for (std::size_t i = 0; i < slot.Places.size(); ++i) {
    record.Status[i] = slot.Places[i].Status;
    record.Protected[i] = slot.Places[i].Protected;
  }
  const league::Bytes bytes = Encode(record);
  // Through a temporary file and a rename: a failed write leaves any old file whole.
  const league::Status written = league::WriteReplace(session.Files, PathFromUtf8(chosen), bytes);
  if (!written) {
    (void)toolkit.MsgBox("The lines file could not be written.\r" + written.Message(), "Save Lines",
                         ui::Icon::Critical, ui::Buttons::Ok);
    return false;
  }
  return true;
}

ImportOutcome ImportLinesSub(app::Session& session, ui::Toolkit& toolkit, int slotIndex,
                             league::LineGrid& grid) {
  ui::FileDialogOptions options;
  options.Title = "Import Text Lines";
  options.Filter = kLinesFilter;
  options.FilterIndex = kLinesFilterIndex;
  const std::string chosen = toolkit.ShowOpen(options);
  if (chosen.empty()) return ImportOutcome::Cancelled;

  // A missing, unreadable or short file is refused before anything changes.
  const auto bytes = session.Files.ReadAll(PathFromUtf8(chosen));
  if (!bytes) {
    ErrorsInFile(toolkit);
    return ImportOutcome::Refused;
  }
  const auto decoded = DecodeLinesFile(*bytes);
  if (!decoded) {
    ErrorsInFile(toolkit);
    return ImportOutcome::Refused;
  }
  const LinesFileRecord& file = *decoded;

  auto& team = session.Teams[static_cast<std::size_t>(session.CurrentTeam)];
  if (file.Password != team.LineupPassword) {
    (void)toolkit.MsgBox("Password Incorrect", "Import Lines", ui::Icon::Critical, ui::Buttons::Ok);
    return ImportOutcome::Refused;
  }

  auto& slot = session.TeamSlots[static_cast<std::size_t>(slotIndex)];
  std::vector<std::string> assigned, promoted;
  bool invalid = false;
  std::string reason;
  for (std::size_t i = 0; i < slot.Places.size(); ++i) {
    auto& player = slot.Places[i];
    if (player.IsEmpty()) continue;
    const int f = file.Status[i];
    const int cur = player.Status;
    const std::string name = league::Condense(player.PlayerName.Raw());
    if (player.Suspension != 0 && f == 200) {
      invalid = true;
      reason = "Trying to use a suspended player";
    }
    if (league::Injury(cur) != 0 || invalid) {
      if (f == 200 && !invalid) {
        invalid = true;
        reason = league::ToScreen(name) + " is being dressed";
      }
      continue;
    }
    if (cur >= 100 && f == 0) {
      const auto mayGo = roster::CheckWaivers(session, toolkit, slotIndex, static_cast<int>(i),
                                              roster::kCurrentTeam);
      if (!mayGo) {
        ErrorsInFile(toolkit);
        return ImportOutcome::Refused;
      }
      if (*mayGo) {
        player.Status = 0;
        assigned.push_back(name);
      }
      continue;
    }
    if (cur == 0 && f != 0) promoted.push_back(name);
    player.Status = league::MakeStatus(league::Assignment(f), league::Injury(cur));
  }

  const std::string teamName = league::Condense(team.TeamName.Raw());
  const std::string report = LinesReport(teamName, assigned, promoted);

  for (std::size_t i = 0; i < slot.Places.size(); ++i) slot.Places[i].Protected = file.Protected[i];

  if (invalid) {
    (void)toolkit.MsgBox(reason, league::ToScreen(teamName) + " lines are not valid",
                         ui::Icon::None, ui::Buttons::Ok);
    return ImportOutcome::Refused;
  }

  // A damaged file's out-of-range cells arrive empty, so no index beyond the
  // roster reaches the grid and the completeness test asks for them.
  grid = file.Lines;
  for (auto& cell : grid.Cells) {
    if (!HoldsPlayer(cell)) cell = league::kNoPlayer;
  }
  team.LinesSet = league::kTrue;
  if (!report.empty()) {
    if (!league::AppendLine(session.Files, session.SwapFile("swp.tr"), report))
      ErrorsInFile(toolkit);
  }
  return ImportOutcome::Loaded;
}

}  // namespace lines
