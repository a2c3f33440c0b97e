#include "app/session.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "app/working_copies.h"
#include "league/codecs.h"

namespace app {

using league::Byte;
using league::Bytes;
using league::ByteSpan;
using league::Error;
using league::Status;
namespace fs = league::fs;

namespace {

constexpr std::size_t kPlaces = static_cast<std::size_t>(league::kRosterPlaces);

// The records of one team count, decoded from the start of a per-team file.
template <class Record, class Decode>
void DecodeEach(ByteSpan bytes, std::size_t length, int count, Decode decode,
                std::array<Record, league::kMaxTeams>& out) {
  for (int t = 0; t < count; ++t) {
    const std::size_t at = static_cast<std::size_t>(t) * length;
    out[static_cast<std::size_t>(t)] =
        at < bytes.size() ? decode(bytes.subspan(at, std::min(length, bytes.size() - at)))
                          : decode(ByteSpan{});
  }
}

template <class Record>
Bytes EncodeEach(const std::array<Record, league::kMaxTeams>& records, int count,
                 std::size_t length) {
  Bytes bytes;
  bytes.reserve(static_cast<std::size_t>(count) * length);
  for (int t = 0; t < count; ++t) {
    const Bytes one = league::Encode(records[static_cast<std::size_t>(t)]);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  return bytes;
}

Status CheckSlot(int team, int slot) {
  if (team < 0 || team >= league::kMaxTeams) {
    return Error{"team " + std::to_string(team) + " is not a team index (0 to 49)"};
  }
  if (slot < 0 || slot > 1) return Error{"team slot " + std::to_string(slot) + " does not exist"};
  return {};
}

}  // namespace

league::LeagueRecord DefaultLeague() {
  league::LeagueRecord league;
  league.Conferences[0].ConfName.Store("CONF 1");
  league.Conferences[1].ConfName.Store("CONF 2");
  for (auto& conference : league.Conferences) {
    conference.Divisions[0].DivName.Store("DIV 1");
    conference.Divisions[1].DivName.Store("DIV 2");
    conference.Divisions[2].DivName.Store("DIV 3");
  }
  return league;
}

Session::Session(fs::path appDir, league::FileSystem& files)
    : AppDir(std::move(appDir)),
      Files(files),
      Clock([] { return std::chrono::system_clock::now(); }),
      League(DefaultLeague()) {}

fs::path Session::SwapFile(std::string_view name) const { return AppDir / fs::path(name); }

fs::path Session::LeagueFile(std::string_view extension) const {
  return swap::LeagueFileOf(LeagueBase, extension);
}

double Session::Now() const {
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(Clock().time_since_epoch()).count();
  return league::ToDate(static_cast<std::int64_t>(seconds));
}

void Session::ForgetLeague() {
  LeagueLoaded = false;
  LeagueBase.clear();
  LeagueTitle.clear();
  LeagueChanged = false;
  League = DefaultLeague();
  Teams = {};
  FarmTeams = {};
  Playoff = {};
  TeamSlots = {};
  CurrentTeam = 0;
  CurrentPlayer = 0;
}

// Everything is read from the league's own files into locals first; until the
// first working copy is replaced a failure leaves the previous league as it
// was. After that a failure leaves no league at all, since the working copies
// would otherwise hold two leagues at once.
Status Session::LoadLg(const std::string& requested) {
  const std::string base = requested;  // the caller may pass LeagueBase itself
  auto file = [&base](std::string_view extension) { return swap::LeagueFileOf(base, extension); };

  const fs::path lge = file(".lge");
  if (!league::FileExists(Files, lge)) return swap::FileError("league file", lge, "not found");
  auto lgeBytes = Files.ReadAll(lge);
  if (!lgeBytes) return swap::FileError("cannot read league file", lge, lgeBytes.Message());
  auto decoded = league::DecodeLeague(*lgeBytes);
  if (!decoded) return swap::FileError("league file", lge, decoded.Message());
  const league::LeagueRecord newLeague = std::move(*decoded);
  const int teamCount = newLeague.TeamCount;

  // The loaded records are large; keep them off the stack.
  auto teams = std::make_unique<std::array<league::TeamRecord, league::kMaxTeams>>();
  auto farms = std::make_unique<std::array<league::FarmTeamRecord, league::kMaxTeams>>();
  league::PlayoffRecord playoff{};

  const fs::path frm = file(".frm");
  const bool hasFarms = league::FileExists(Files, frm);
  if (hasFarms) {
    auto bytes = Files.ReadAll(frm);
    if (!bytes) return swap::FileError("cannot read", frm, bytes.Message());
    DecodeEach(*bytes, league::kFarmTeamRecordLength, teamCount, league::DecodeFarmTeam, *farms);
  }

  const bool playoffsOn = league::IsSet(newLeague.PlayoffsOn);
  const fs::path plf = file(".plf");
  const bool hasPlayoffs = league::FileExists(Files, plf);
  if (playoffsOn && hasPlayoffs) {
    auto bytes = Files.ReadAll(plf);
    if (!bytes) return swap::FileError("cannot read", plf, bytes.Message());
    playoff = league::DecodePlayoff(*bytes);
  }

  const fs::path tms = file(".tms");
  const bool hasTeams = league::FileExists(Files, tms);
  if (hasTeams) {
    auto bytes = Files.ReadAll(tms);
    if (!bytes) return swap::FileError("cannot read", tms, bytes.Message());
    DecodeEach(*bytes, league::kTeamRecordLength, teamCount, league::DecodeTeam, *teams);
  }

  const bool hadWaivers = league::FileExists(Files, file(".wvr"));
  if (!hadWaivers) {
    for (int t = 0; t < teamCount; ++t) (*teams)[static_cast<std::size_t>(t)].WaiverCount = 0;
  }

  // From here on the working copies change.
  auto fail = [this](Status status) {
    ForgetLeague();
    return status;
  };
  for (const swap::Pair& pair : swap::kLoadOrder) {
    Status mirrored = swap::Mirror(Files, file(pair.Extension), SwapFile(pair.SwapName));
    if (!mirrored) return fail(mirrored);
  }
  if (Status mirrored = swap::Mirror(Files, frm, SwapFile(swap::kFarms)); !mirrored) {
    return fail(mirrored);
  }
  // Reading a missing teams file, or a missing playoff file during the
  // playoffs, leaves an empty one behind in the league folder.
  if (!hasTeams) {
    if (auto created = Files.Open(tms); !created) {
      return fail(swap::FileError("cannot create", tms, created.Message()));
    }
  }
  if (playoffsOn && !hasPlayoffs) {
    if (auto created = Files.Open(plf); !created) {
      return fail(swap::FileError("cannot create", plf, created.Message()));
    }
  }

  const fs::path pointer = SwapFile(swap::kPointerFile);
  const std::string line = base + "\r\n";
  Status pointed = league::WriteReplace(
      Files, pointer, ByteSpan(reinterpret_cast<const Byte*>(line.data()), line.size()));
  if (!pointed) return fail(swap::FileError("cannot write", pointer, pointed.Message()));

  LeagueBase = base;
  LeagueTitle = fs::path(base).filename().string();
  League = newLeague;
  Teams = *teams;
  FarmTeams = *farms;  // cleared when the league has no farm file
  Playoff = playoff;
  TeamSlots = {};
  CurrentPlayer = 0;
  LeagueLoaded = true;
  LeagueChanged = false;
  return {};
}

Status Session::SaveLg() {
  if (!LeagueLoaded) return Error{"no league is loaded"};
  // Until the save is through, the league files may not hold the session's league.
  LeagueChanged = true;
  const int teamCount = League.TeamCount;

  const fs::path teams = SwapFile(swap::kTeams);
  Status written =
      swap::WriteBlock(Files, teams, 0, EncodeEach(Teams, teamCount, league::kTeamRecordLength));
  if (!written) return written;
  const fs::path farms = SwapFile(swap::kFarms);
  written = swap::WriteBlock(Files, farms, 0,
                             EncodeEach(FarmTeams, teamCount, league::kFarmTeamRecordLength));
  if (!written) return written;

  written = swap::ReplaceHead(Files, LeagueFile(".lge"), league::Encode(League));
  if (!written) return written;

  for (const swap::Pair& pair : swap::kSaveOrder) {
    written = swap::Mirror(Files, SwapFile(pair.SwapName), LeagueFile(pair.Extension));
    if (!written) return written;
  }

  const fs::path waivers = SwapFile(swap::kWaivers);
  if (league::FileExists(Files, waivers)) {
    auto bytes = Files.ReadAll(waivers);
    if (!bytes) return swap::FileError("cannot read", waivers, bytes.Message());
    const fs::path wvr = LeagueFile(".wvr");
    written = league::WriteReplace(Files, wvr, swap::CompactWaivers(*bytes));
    if (!written) return swap::FileError("cannot write", wvr, written.Message());
  }

  if (league::IsSet(League.PlayoffsOn)) {
    written = swap::ReplaceHead(Files, LeagueFile(".plf"), league::Encode(Playoff));
    if (!written) return written;
  }

  LeagueChanged = false;
  return {};
}

Status Session::LoadTeam(int team, int slot) {
  if (Status checked = CheckSlot(team, slot); !checked) return checked;
  const std::uint64_t first = static_cast<std::uint64_t>(team) * kPlaces;

  const fs::path rosters = SwapFile(swap::kRosters);
  auto places = swap::ReadBlock(Files, rosters, first * league::kPlayerRecordLength,
                                kPlaces * league::kPlayerRecordLength);
  if (!places) return places.TakeError();
  const fs::path prospects = SwapFile(swap::kProspects);
  auto list = swap::ReadBlock(Files, prospects,
                              static_cast<std::uint64_t>(team) * league::kProspectListLength,
                              league::kProspectListLength);
  if (!list) return list.TakeError();

  TeamSlot& target = TeamSlots[static_cast<std::size_t>(slot)];
  const ByteSpan bytes(*places);
  for (std::size_t p = 0; p < kPlaces; ++p) {
    league::PlayerRecord player = league::DecodePlayer(
        bytes.subspan(p * league::kPlayerRecordLength, league::kPlayerRecordLength));
    // An empty place keeps none of its other bytes.
    target.Places[p] = player.IsEmpty() ? league::PlayerRecord{} : player;
  }
  target.Prospects = league::DecodeProspects(*list);
  return {};
}

Status Session::SaveTeam(int team, int slot) {
  if (Status checked = CheckSlot(team, slot); !checked) return checked;
  const TeamSlot& source = TeamSlots[static_cast<std::size_t>(slot)];
  const std::uint64_t first = static_cast<std::uint64_t>(team) * kPlaces;

  Bytes places;
  places.reserve(kPlaces * league::kPlayerRecordLength);
  for (const league::PlayerRecord& player : source.Places) {
    const Bytes one = league::Encode(player);
    places.insert(places.end(), one.begin(), one.end());
  }
  Status written = swap::WriteBlock(Files, SwapFile(swap::kRosters),
                                    first * league::kPlayerRecordLength, places);
  if (!written) return written;
  written = swap::WriteBlock(Files, SwapFile(swap::kTeams),
                             static_cast<std::uint64_t>(team) * league::kTeamRecordLength,
                             league::Encode(Teams[static_cast<std::size_t>(team)]));
  if (!written) return written;
  return swap::WriteBlock(Files, SwapFile(swap::kProspects),
                          static_cast<std::uint64_t>(team) * league::kProspectListLength,
                          league::Encode(source.Prospects));
}

}  // namespace app
