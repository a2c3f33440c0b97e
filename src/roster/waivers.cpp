#include "roster/waivers.h"

#include <string>
#include <vector>

#include "league/record_file.h"
#include "league/text.h"
#include "league/text_files.h"
#include "roster/file_undo.h"

namespace roster {

namespace {

constexpr league::Byte kNoClaim = 255;
constexpr int kAllTeamsMark = 49;

std::string ScreenName(const league::PlayerRecord& player) {
  return league::ToScreen(league::Condense(player.PlayerName.Raw()));
}

// 1 + file length / 134, the quotient rounded half to even: the record after
// the last whole one. A partial record shorter than half an entry is written
// over; a longer one (or exactly half, after an odd count) is stepped past.
std::int64_t NextWaiverRecord(std::uint64_t length) {
  const auto size = static_cast<std::uint64_t>(league::kWaiverEntryLength);
  std::uint64_t quotient = length / size;
  const std::uint64_t twice = 2 * (length % size);
  if (twice > size || (twice == size && quotient % 2 == 1)) ++quotient;
  return static_cast<std::int64_t>(quotient) + 1;
}

// Whether the waivers file's whole entries include one of exactly this name.
bool OnWaivers(league::ByteSpan waivers, const league::Text<22>& name) {
  const std::size_t entries = waivers.size() / league::kWaiverEntryLength;
  for (std::size_t i = 0; i < entries; ++i) {
    const auto bytes = waivers.subspan(i * league::kWaiverEntryLength, league::kWaiverEntryLength);
    if (league::DecodeWaiver(bytes).PlayerName == name) return true;
  }
  return false;
}

league::Status WriteEntry(league::FileSystem& files, const std::filesystem::path& path,
                          std::int64_t record, const league::WaiverEntry& entry) {
  auto file = league::RecordFile::Open(files, path, league::kWaiverEntryLength);
  if (!file) return file.TakeError();
  if (auto written = file->WriteRecord(record, league::Encode(entry)); !written) return written;
  return file->Close();
}

}  // namespace

bool NeedsWaivers(const league::LeagueRecord& league, const league::PlayerRecord& player) {
  return player.Age > league.WaiverExemptAge && player.GamesPlayed >= league.WaiverMinGames &&
         league::IsSet(league.WaiversOn) && !league::IsSet(league.PlayoffsOn);
}

league::Result<bool> CheckWaivers(app::Session& session, ui::Toolkit& toolkit, int slot, int place,
                                  int team) {
  auto& player =
      session.TeamSlots[static_cast<std::size_t>(slot)].Places[static_cast<std::size_t>(place)];
  const int ownTeam = team == kCurrentTeam ? session.CurrentTeam : team;
  const auto& ownRecord = session.Teams[static_cast<std::size_t>(ownTeam)];
  const std::string title =
      team == kCurrentTeam ? std::string("Keep changes?") : league::Show(ownRecord.TeamName);

  if (!NeedsWaivers(session.League, player)) return true;

  const auto scratched = league::MakeStatus(league::kScratches, league::Injury(player.Status));
  if (toolkit.MsgBox("Put " + ScreenName(player) + " on waivers?", title, ui::Icon::None,
                     ui::Buttons::YesNo) != ui::Answer::Yes) {
    player.Status = scratched;
    return false;
  }

  auto& files = session.Files;
  const auto waiversPath = session.SwapFile("swp.wv");
  auto waiversUndo = FileUndo::Take(files, waiversPath);
  if (!waiversUndo) return waiversUndo.TakeError();
  const league::ByteSpan waivers(waiversUndo->Contents());
  if (OnWaivers(waivers, player.PlayerName)) {
    toolkit.MsgBox("Player must clear waivers first", league::Show(ownRecord.TeamName),
                   ui::Icon::Information, ui::Buttons::Ok);
    player.Status = scratched;
    return false;
  }

  league::WaiverEntry entry;
  entry.PlayerName = player.PlayerName;
  entry.RosterPlace = static_cast<league::Byte>(place);
  entry.FromTeam = static_cast<league::Byte>(session.CurrentTeam);
  entry.PlacedAt = session.Now();
  entry.ClaimingTeam = kNoClaim;
  entry.OwnerTeam = static_cast<league::Byte>(session.CurrentTeam);
  for (int t = 0; t < session.League.TeamCount && t < league::kMaxTeams; ++t)
    entry.TeamMarks[static_cast<std::size_t>(t)] = league::kTrue;
  entry.TeamMarks[kAllTeamsMark] = league::kTrue;

  const std::string line = league::Condense(ownRecord.TeamName.Raw()) + " place " +
                           league::Condense(player.PlayerName.Raw()) + " on waivers<BR><BR>";
  const std::filesystem::path logs[] = {session.SwapFile("swp.tr"), session.SwapFile("swp.th")};

  // The entry and both log lines are made together or not at all, so that a
  // player is never on waivers in one file and on the pro roster in another.
  if (auto written = WriteEntry(files, waiversPath, NextWaiverRecord(waivers.size()), entry);
      !written) {
    (void)waiversUndo->Restore(files);
    return written.TakeError();
  }
  std::vector<FileUndo> done;
  for (const auto& log : logs) {
    auto undo = FileUndo::Take(files, log);
    league::Status appended =
        undo ? league::AppendLine(files, log, line) : league::Status(undo.TakeError());
    if (!appended) {
      if (undo) (void)undo->Restore(files);
      for (const auto& earlier : done) (void)earlier.Restore(files);
      (void)waiversUndo->Restore(files);
      return appended.TakeError();
    }
    done.push_back(std::move(*undo));
  }

  player.Status = league::MakeStatus(league::kFarm, league::Injury(player.Status));
  return false;
}

}  // namespace roster
