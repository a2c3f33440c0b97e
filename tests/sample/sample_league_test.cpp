#include "sample_league.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "league/codecs.h"
#include "league/text_files.h"
#include "support/temp_dir.h"

namespace sample {
namespace {

using league::Bytes;
using league::ByteSpan;
namespace fs = std::filesystem;

const std::array<std::string, 18> kExtensions = {".lge", ".tms", ".ros", ".drs", ".pct", ".frm",
                                                 ".wvr", ".plf", ".tra", ".htr", ".eml", ".dft",
                                                 ".dpk", ".scd", ".coa", ".fas", ".rec", ".csr"};

Bytes Read(const fs::path& base, const std::string& extension) {
  fs::path path = base;
  path += extension;
  auto bytes = league::RealFileSystem().ReadAll(path);
  EXPECT_TRUE(bytes.Ok()) << bytes.Message();
  return bytes.Ok() ? *bytes : Bytes{};
}

ByteSpan Record(const Bytes& file, std::size_t length, std::size_t index) {
  return ByteSpan(file).subspan(index * length, length);
}

// One generated league, decoded.
struct Sample {
  explicit Sample(int teams, std::uint32_t seed = 2002) : Teams(teams) {
    base = dir.Path() / "frostfall";
    league::Status written = WriteSampleLeague(base, {teams, seed});
    EXPECT_TRUE(written.Ok()) << written.Message();
    auto decoded = league::DecodeLeague(Read(base, ".lge"));
    EXPECT_TRUE(decoded.Ok()) << decoded.Message();
    if (decoded.Ok()) League = *decoded;
    const Bytes tms = Read(base, ".tms"), ros = Read(base, ".ros"), pct = Read(base, ".pct");
    for (int t = 0; t < teams; ++t) {
      const auto ti = static_cast<std::size_t>(t);
      TeamRecords.push_back(league::DecodeTeam(Record(tms, league::kTeamRecordLength, ti)));
      Prospects.push_back(league::DecodeProspects(Record(pct, league::kProspectListLength, ti)));
      std::array<league::PlayerRecord, 50> places;
      for (std::size_t p = 0; p < 50; ++p) {
        places[p] = league::DecodePlayer(Record(ros, league::kPlayerRecordLength, ti * 50 + p));
      }
      Rosters.push_back(places);
    }
    const Bytes drs = Read(base, ".drs");
    for (std::size_t i = 0; i < drs.size() / league::kPoolEntryLength; ++i) {
      Pool.push_back(league::DecodePoolEntry(Record(drs, league::kPoolEntryLength, i)));
    }
    const Bytes wvr = Read(base, ".wvr");
    for (std::size_t i = 0; i < wvr.size() / league::kWaiverEntryLength; ++i) {
      Waivers.push_back(league::DecodeWaiver(Record(wvr, league::kWaiverEntryLength, i)));
    }
  }
  std::string Text(const std::string& extension) const {
    const Bytes bytes = Read(base, extension);
    return std::string(bytes.begin(), bytes.end());
  }

  int Teams;
  test::TempDir dir;
  fs::path base;
  league::LeagueRecord League;
  std::vector<league::TeamRecord> TeamRecords;
  std::vector<league::ProspectList> Prospects;
  std::vector<std::array<league::PlayerRecord, 50>> Rosters;
  std::vector<league::PoolEntry> Pool;
  std::vector<league::WaiverEntry> Waivers;
};

TEST(SampleLeague, EveryFileHasTheSizeOfItsRecords) {
  for (const int teams : {24, 7, 50}) {
    Sample s(teams);
    const auto n = static_cast<std::uintmax_t>(teams);
    auto size = [&](const std::string& extension) {
      fs::path path = s.base;
      path += extension;
      return fs::file_size(path);
    };
    EXPECT_EQ(size(".lge"), 459u);
    EXPECT_EQ(size(".tms"), 254u * n);
    EXPECT_EQ(size(".ros"), 86u * 50 * n);
    EXPECT_EQ(size(".pct"), 2700u * n);
    EXPECT_EQ(size(".frm"), 43u * n);
    EXPECT_EQ(size(".dpk"), 1536u * n);
    EXPECT_EQ(size(".plf"), 388u);
    EXPECT_EQ(size(".drs") % 88, 0u);
    EXPECT_EQ(size(".dft") % 47, 0u);
    EXPECT_TRUE(size(".wvr") == 134u || size(".wvr") == 268u) << size(".wvr");
    for (const std::string& extension : kExtensions) EXPECT_GT(size(extension), 0u) << extension;
    for (const char* extension : {".tra", ".htr", ".eml"}) {
      const std::string text = s.Text(extension);
      EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << extension;
    }
    EXPECT_EQ(s.League.TeamCount, teams);
  }
}

TEST(SampleLeague, TheSameSeedGivesTheSameBytes) {
  Sample a(24, 99), b(24, 99), c(24, 100);
  for (const std::string& extension : kExtensions) {
    EXPECT_EQ(Read(a.base, extension), Read(b.base, extension)) << extension;
  }
  EXPECT_NE(Read(a.base, ".ros"), Read(c.base, ".ros"));
}

TEST(SampleLeague, LeagueSettings) {
  Sample s(24);
  const auto& L = s.League;
  EXPECT_EQ(league::Condense(L.LeagueName.Raw()), "Frostfall Hockey League");
  for (const auto& conf : L.Conferences) {
    EXPECT_GE(conf.DivisionCount, 2);
    EXPECT_LE(conf.DivisionCount, 3);
    for (int d = 0; d < conf.DivisionCount; ++d) {
      EXPECT_FALSE(conf.Divisions[static_cast<std::size_t>(d)].DivName.IsEmpty());
    }
  }
  EXPECT_TRUE(league::IsSet(L.ScheduleMade));
  EXPECT_TRUE(league::IsSet(L.WaiversOn));
  EXPECT_FALSE(league::IsSet(L.PlayoffsOn));
  EXPECT_EQ(L.ScheduledGames, 82 * 24 / 2);
  EXPECT_EQ(2 * L.ScheduledGames / L.TeamCount, 82);
  EXPECT_EQ(L.WaiverExemptAge, 22);
  EXPECT_EQ(L.WaiverMinGames, 10);
  EXPECT_EQ(L.FarmSalaryGames, 20);
}

TEST(SampleLeague, TeamsFillEveryDivisionAndCarryTheirPasswords) {
  Sample s(24);
  std::set<std::string> names;
  std::map<std::pair<int, int>, int> perDivision;
  for (int t = 0; t < s.Teams; ++t) {
    const auto& team = s.TeamRecords[static_cast<std::size_t>(t)];
    EXPECT_TRUE(names.insert(team.TeamName.Raw()).second) << "team " << t;
    ASSERT_LE(team.Conference, 1);
    ASSERT_LT(team.Division, s.League.Conferences[team.Conference].DivisionCount);
    ++perDivision[{team.Conference, team.Division}];
    EXPECT_EQ(league::Condense(team.LineupPassword.Raw()), SamplePassword(t));
    EXPECT_GT(team.Wins + team.Losses + team.Ties, 30);
    EXPECT_LE(team.Wins + team.Losses + team.Ties, 82);
    EXPECT_GT(team.GoalsFor, 0);
    EXPECT_GT(team.Seats, 0);
    EXPECT_FALSE(team.Coach.CoachName.IsEmpty());
    EXPECT_EQ(s.Prospects[static_cast<std::size_t>(t)].Count() > 0, true);
  }
  int divisions = 0;
  for (const auto& conf : s.League.Conferences) divisions += conf.DivisionCount;
  EXPECT_EQ(static_cast<int>(perDivision.size()), divisions) << "no division is empty";
  EXPECT_EQ(SamplePassword(0), "puck01");
  EXPECT_NE(SamplePassword(0), SamplePassword(1));
}

TEST(SampleLeague, EveryTeamDressesACompleteHealthyRoster) {
  Sample s(24);
  std::set<std::string> names;
  bool injured = false, suspended = false, holdout = false;
  for (int t = 0; t < s.Teams; ++t) {
    std::array<int, 5> dressedAt{};
    int players = 0, dressed = 0, farm = 0;
    for (const auto& p : s.Rosters[static_cast<std::size_t>(t)]) {
      if (p.IsEmpty()) continue;
      ++players;
      EXPECT_TRUE(names.insert(p.PlayerName.Raw()).second) << "duplicate " << p.PlayerName.Raw();
      ASSERT_LE(p.Position, 4);
      for (const auto skill : p.Skills) {
        EXPECT_GE(skill, 15);
        EXPECT_LE(skill, 99);
      }
      EXPECT_LE(league::Injury(p.Status), 6);
      injured |= league::Injury(p.Status) > 0;
      suspended |= p.Suspension > 0 && p.Suspension != league::kHoldout;
      holdout |= p.Suspension == league::kHoldout;
      if (league::Assignment(p.Status) == league::kFarm) ++farm;
      if (league::Assignment(p.Status) == league::kGameRoster) {
        ++dressed;
        ++dressedAt[p.Position];
        EXPECT_EQ(p.Status, 200) << "team " << t << ": a dressed player is healthy";
        EXPECT_EQ(p.Suspension, 0) << "team " << t;
      }
    }
    EXPECT_GE(players, 28) << "team " << t;
    EXPECT_LE(players, 36) << "team " << t;
    EXPECT_EQ(dressed, 20) << "team " << t;
    EXPECT_GE(dressedAt[0], 3);
    EXPECT_GE(dressedAt[1], 3);
    EXPECT_GE(dressedAt[2], 3);
    EXPECT_GE(dressedAt[3], 6);
    EXPECT_GE(dressedAt[4], 2);
    EXPECT_GT(farm, 0);
  }
  EXPECT_TRUE(injured);
  EXPECT_TRUE(suspended);
  EXPECT_TRUE(holdout);
}

// The cells each row uses; the others hold 255.
constexpr std::array<int, 13> kUsedColumns = {5, 5, 5, 5, 5, 5, 4, 4, 4, 4, 3, 3, 3};

TEST(SampleLeague, LinesHoldOnlyValidCells) {
  Sample s(24);
  int withLines = 0, without = 0;
  for (int t = 0; t < s.Teams; ++t) {
    const auto& team = s.TeamRecords[static_cast<std::size_t>(t)];
    const auto& roster = s.Rosters[static_cast<std::size_t>(t)];
    if (!league::IsSet(team.LinesSet)) {
      ++without;
      league::Raw<65> nobody;
      nobody.fill(league::kNoPlayer);
      EXPECT_EQ(team.Lines.Cells, nobody) << "team " << t;
      continue;
    }
    ++withLines;
    for (int r = 0; r < 13; ++r) {
      std::set<int> inRow;
      for (int j = 0; j < 5; ++j) {
        const int cell = team.Lines.At(r, j);
        if (j >= kUsedColumns[static_cast<std::size_t>(r)]) {
          EXPECT_EQ(cell, 255) << "team " << t << " row " << r << " column " << j;
          continue;
        }
        ASSERT_LT(cell, 50) << "team " << t << " row " << r << " column " << j;
        const auto& p = roster[static_cast<std::size_t>(cell)];
        EXPECT_EQ(p.Status, 200) << "team " << t << " row " << r << " column " << j;
        EXPECT_TRUE(inRow.insert(cell).second) << "team " << t << " row " << r;
        const bool goalieCell = r == 12 && j == 0;
        EXPECT_EQ(p.Position == league::kGoalie, goalieCell) << "team " << t << " row " << r;
      }
    }
  }
  EXPECT_GT(withLines, 0);
  EXPECT_GT(without, 0);
}

TEST(SampleLeague, PoolWaiversAndLogs) {
  Sample s(24);
  int available = 0;
  for (const auto& entry : s.Pool) {
    if (!entry.Player.IsEmpty() && !league::IsSet(entry.Taken)) ++available;
  }
  EXPECT_GE(available, 40);

  ASSERT_GE(s.Waivers.size(), 1u);
  ASSERT_LE(s.Waivers.size(), 2u);
  const std::string tra = s.Text(".tra"), htr = s.Text(".htr");
  for (const auto& entry : s.Waivers) {
    ASSERT_LT(entry.FromTeam, s.Teams);
    const auto& player = s.Rosters[entry.FromTeam][entry.RosterPlace];
    EXPECT_EQ(player.PlayerName, entry.PlayerName);
    EXPECT_EQ(league::Assignment(player.Status), league::kFarm);
    EXPECT_EQ(entry.ClaimingTeam, 255);
    EXPECT_EQ(entry.OwnerTeam, entry.FromTeam);
    for (int m = 0; m < 50; ++m) {
      EXPECT_EQ(entry.TeamMarks[static_cast<std::size_t>(m)], m < s.Teams || m == 49 ? -1 : 0);
    }
    const std::string line = league::Condense(s.TeamRecords[entry.FromTeam].TeamName.Raw()) +
                             " place " + league::Condense(entry.PlayerName.Raw()) +
                             " on waivers<BR><BR>\r\n";
    EXPECT_NE(tra.find(line), std::string::npos) << line;
    EXPECT_NE(htr.find(line), std::string::npos) << line;
  }

  const auto emails = league::ParseEmailList(s.Text(".eml"));
  EXPECT_GE(emails.size(), 20u);
  for (const auto& [index, address] : emails) {
    EXPECT_LT(index, s.Teams);
    EXPECT_NE(address.find('@'), std::string::npos);
  }
}

TEST(SampleLeague, RefusesTheDefaultNameAndImpossibleTeamCounts) {
  test::TempDir dir;
  EXPECT_FALSE(WriteSampleLeague(dir.Path() / "default").Ok());
  EXPECT_FALSE(WriteSampleLeague(dir.Path() / "x", {1, 2002}).Ok());
  EXPECT_FALSE(WriteSampleLeague(dir.Path() / "x", {51, 2002}).Ok());
  EXPECT_TRUE(fs::is_empty(dir.Path()));
}

}  // namespace
}  // namespace sample
