#include "league/codecs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <initializer_list>
#include <string>
#include <vector>

namespace league {
namespace {

// A record's expected bytes, written from the file layout: zeros everywhere
// except the patches, each a run of bytes at its file offset.
struct Patch {
  std::size_t At;
  std::vector<Byte> Bytes;
};

Patch Chars(std::size_t at, std::string_view text) {
  return {at, std::vector<Byte>(text.begin(), text.end())};
}

Bytes Layout(std::size_t length, std::initializer_list<Patch> patches) {
  Bytes bytes(length, 0);
  for (const Patch& patch : patches) {
    for (std::size_t i = 0; i < patch.Bytes.size(); ++i) bytes.at(patch.At + i) = patch.Bytes[i];
  }
  return bytes;
}

// Deterministic noise: every byte value shows up, zero bytes inside texts included.
Bytes Noise(std::size_t length, std::uint32_t seed) {
  Bytes bytes(length);
  std::uint32_t x = seed;
  for (auto& b : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<Byte>(x >> 24);
  }
  return bytes;
}

// ---- League ------------------------------------------------------------------

TEST(LeagueCodec, WritesEveryInterpretedFieldAtItsOffset) {
  LeagueRecord league;
  league.LeagueName.Store("North Ice");
  league.TeamCount = 24;
  league.Conferences[0].ConfName.Store("Aurora");
  league.Conferences[0].DivisionCount = 2;
  league.Conferences[0].Divisions[0].DivName.Store("Glacier");
  league.Conferences[0].Divisions[1].DivName.Store("Tundra");
  league.Conferences[1].ConfName.Store("Borealis");
  league.Conferences[1].DivisionCount = 3;
  league.Conferences[1].Divisions[3].DivName.Store("Fjord");
  league.Conferences[1].Divisions[3].Kept10[10] = 0x77;
  league.ScheduleMade = kTrue;
  league.WaiversOn = kTrue;
  league.ScheduledGames = 984;
  league.WaiverMinGames = 10;
  league.WaiverExemptAge = 22;
  league.FarmSalaryGames = 20;
  league.PlayoffsOn = 1;
  league.Kept421[37] = 0x5A;

  const Bytes expected = Layout(459, {Chars(0, "North Ice                "),
                                      {25, {23}},
                                      Chars(26, "Aurora      "),
                                      {38, {2}},
                                      Chars(39, "Glacier   "),
                                      Chars(60, "Tundra    "),
                                      Chars(123, "Borealis    "),
                                      {135, {3}},
                                      Chars(39 + 97 + 63, "Fjord     "),
                                      {39 + 97 + 63 + 20, {0x77}},
                                      {220, {0xFF, 0xFF}},
                                      {231, {0xFF, 0xFF}},
                                      {274, {0xD8, 0x03}},
                                      {394, {10, 22, 20}},
                                      {419, {0x01, 0x00}},
                                      {458, {0x5A}}});
  EXPECT_EQ(Encode(league), expected);

  auto decoded = DecodeLeague(expected);
  ASSERT_TRUE(decoded.Ok()) << decoded.Message();
  EXPECT_EQ(decoded->TeamCount, 24);
  EXPECT_EQ(decoded->Conferences[1].DivisionCount, 3);
  EXPECT_EQ(decoded->Conferences[1].Divisions[3].DivName.Raw(), "Fjord     ");
  EXPECT_EQ(decoded->ScheduledGames, 984);
  EXPECT_EQ(decoded->WaiverExemptAge, 22);
  EXPECT_TRUE(IsSet(decoded->PlayoffsOn));
}

TEST(LeagueCodec, RoundTripsArbitraryBytes) {
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    Bytes bytes = Noise(459, seed);
    bytes[25] = static_cast<Byte>(seed % 50);
    bytes[38] = static_cast<Byte>(1 + seed % 4);
    bytes[135] = static_cast<Byte>(1 + (seed / 4) % 4);
    auto league = DecodeLeague(bytes);
    ASSERT_TRUE(league.Ok()) << league.Message();
    EXPECT_EQ(Encode(*league), bytes) << "seed " << seed;
  }
}

TEST(LeagueCodec, TeamCountIsLastTeamIndexPlusOne) {
  for (const int last : {0, 1, 23, 49}) {
    Bytes bytes = Layout(459, {{25, {static_cast<Byte>(last)}}, {38, {2}}, {135, {2}}});
    auto league = DecodeLeague(bytes);
    ASSERT_TRUE(league.Ok()) << league.Message();
    EXPECT_EQ(league->TeamCount, last + 1);
    EXPECT_EQ(Encode(*league)[25], last);
  }
}

TEST(LeagueCodec, RefusesLeaguesBeyondTheLimits) {
  struct Case {
    std::size_t At;
    Byte Value;
    const char* Message;
  };
  const Case cases[] = {
      {25, 50, "league file: LastTeamIndex 50 is beyond the 50-team limit"},
      {25, 255, "league file: LastTeamIndex 255 is beyond the 50-team limit"},
      {38, 5, "league file: DivisionCount 5 of conference 0 is beyond the 4-division limit"},
      {135, 9, "league file: DivisionCount 9 of conference 1 is beyond the 4-division limit"},
  };
  for (const Case& c : cases) {
    Bytes bytes = Layout(459, {{38, {2}}, {135, {2}}});
    bytes[c.At] = c.Value;
    auto league = DecodeLeague(bytes);
    ASSERT_FALSE(league.Ok()) << c.Message;
    EXPECT_EQ(league.Message(), c.Message);
  }
}

TEST(LeagueCodec, DivisionCountZeroBecomesTwoAndIsSavedAsTwo) {
  Bytes bytes = Layout(459, {{38, {0}}, {135, {4}}});
  auto league = DecodeLeague(bytes);
  ASSERT_TRUE(league.Ok());
  EXPECT_EQ(league->Conferences[0].DivisionCount, 2);
  EXPECT_EQ(league->Conferences[1].DivisionCount, 4);
  Bytes saved = Encode(*league);
  EXPECT_EQ(saved[38], 2);
  EXPECT_EQ(saved[135], 4);
  saved[38] = 0;
  EXPECT_EQ(saved, bytes) << "nothing else changes";
}

TEST(LeagueCodec, SetLeagueNameCutsAndPads) {
  LeagueRecord league;
  SetLeagueName(league, "The Forty Character League Name Goes Ove");
  EXPECT_EQ(league.LeagueName.Raw(), "The Forty Character Leagu");
  SetLeagueName(league, "Ace");
  EXPECT_EQ(league.LeagueName.Raw(), "Ace" + std::string(22, ' '));
}

TEST(LeagueCodec, EncodingNeverWritesAnUnloadableTeamCount) {
  LeagueRecord league;
  league.TeamCount = 0;
  EXPECT_EQ(Encode(league)[25], 0);
  league.TeamCount = 60;
  EXPECT_EQ(Encode(league)[25], 49);
}

// ---- Team --------------------------------------------------------------------

TEST(TeamCodec, WritesEveryInterpretedFieldAtItsOffset) {
  TeamRecord team;
  team.TeamName.Store("Otters");
  team.Owner.Store("Ada Quill");
  team.MessagingId.Store("adaq");
  team.LineupPassword.Store("puck01");
  team.Abbrev.Store("OTT");
  team.Arena.Store("Driftwood Gardens");
  team.Seats = 18500;
  team.TicketPrice = 45;
  team.Conference = 1;
  team.Division = 2;
  team.Cash = -1234567;
  team.Coach.CoachName.Store("Moss Harlow");
  team.Coach.CoachPay = 750000;
  team.Wins = 41;
  team.Losses = 30;
  team.Ties = 11;
  team.GoalsAgainst = 231;
  team.GoalsFor = 262;
  team.PowerPlays = 350;
  team.PowerPlayGoals = 61;
  team.TimesShorthanded = 340;
  team.PowerPlayGoalsAgainst = 55;
  team.ShotsFor = 1234.5f;
  team.ShotsAgainst = -2.25f;
  team.PenaltyMinutes = 100.0f;
  team.Lines.Cells.fill(kNoPlayer);
  team.Lines.At(0, 0) = 7;
  team.Lines.At(12, 4) = 49;
  team.Lines.At(4, 1) = 3;
  team.HomeGamesPlayed = 41;
  team.GateRevenue = 0x01020304;
  team.WaiverCount = -2;
  team.LinesSet = kTrue;
  team.Kept35[0] = 0xA1;
  team.Kept249[2] = 0xB2;

  Bytes grid(65, 0xFF);
  grid[0] = 7;
  grid[12 + 13 * 4] = 49;
  grid[4 + 13 * 1] = 3;

  const Bytes expected = Layout(254, {Chars(0, "Otters    "),
                                      Chars(10, "Ada Quill                "),
                                      {35, {0xA1}},
                                      Chars(36, "adaq        "),
                                      Chars(48, "puck01    "),
                                      Chars(61, "OTT"),
                                      Chars(64, "Driftwood Gardens             "),
                                      {94, {0x44, 0x48}},
                                      {96, {45, 1, 2}},
                                      {99, {0x79, 0x29, 0xED, 0xFF}},
                                      Chars(103, "Moss Harlow           "),
                                      {125, {0xB0, 0x71, 0x0B, 0x00}},
                                      {132, {41}},
                                      {135, {30}},
                                      {138, {11}},
                                      {141, {0xE7, 0x00, 0x06, 0x01}},
                                      {156, {0x5E, 0x01, 61, 0x54, 0x01, 55}},
                                      {162, {0x00, 0x50, 0x9A, 0x44}},
                                      {166, {0x00, 0x00, 0x10, 0xC0}},
                                      {170, {0x00, 0x00, 0xC8, 0x42}},
                                      {174, grid},
                                      {241, {41, 0x04, 0x03, 0x02, 0x01}},
                                      {247, {0xFE, 0xFF}},
                                      {251, {0xB2}},
                                      {252, {0xFF, 0xFF}}});
  const Bytes encoded = Encode(team);
  EXPECT_EQ(encoded, expected);
  EXPECT_EQ(encoded[238], 49) << "unit 12, position 4 is the last grid byte";

  const TeamRecord decoded = DecodeTeam(expected);
  EXPECT_EQ(decoded.Cash, -1234567);
  EXPECT_EQ(decoded.Lines.At(12, 4), 49);
  EXPECT_EQ(decoded.Lines.At(4, 1), 3);
  EXPECT_FLOAT_EQ(decoded.ShotsFor, 1234.5f);
  EXPECT_EQ(decoded.TimesShorthanded, 340);
  EXPECT_EQ(decoded.Coach.CoachPay, 750000);
  EXPECT_TRUE(IsSet(decoded.LinesSet));
}

TEST(TeamCodec, MissingRecordIsAllZeros) {
  const TeamRecord team = DecodeTeam({});
  EXPECT_TRUE(team.TeamName.IsEmpty());
  EXPECT_EQ(team.Conference, 0);
  EXPECT_EQ(team.Lines.At(3, 2), 0) << "a missing grid holds roster place 0, not 255";
  EXPECT_EQ(Encode(team), Bytes(254, 0));
}

// ---- Player and pool ---------------------------------------------------------

PlayerRecord SamplePlayer() {
  PlayerRecord p;
  p.PlayerName.Store("Tove Brask");
  p.Position = 4;
  p.Number = 31;
  p.Rookie = kTrue;
  p.Hand = 1;
  p.Height = 74;
  p.Weight = 205;
  p.Age = 27;
  p.Status = 106;
  p.Condition = 98;
  for (int k = 0; k < kSkillCount; ++k)
    p.Skills[static_cast<std::size_t>(k)] = static_cast<Byte>(40 + k);
  p.Skills[9] = 255;
  p.Salary = 0x000F4240;  // 1,000,000
  p.Contract = 3;
  p.Suspension = kHoldout;
  p.GamesPlayed = 55;
  p.GoalsOrGoaliePim = 4;
  p.Assists = 2;
  p.PlusMinusOrMinutes = 3200;
  p.PimOrGoalsAgainst = 140;
  p.ShotsOrShotsAgainst = -5;
  p.PPGoalsOrShutouts = 6;
  p.SHGoalsOrWins = 30;
  p.GWGoalsOrLosses = 18;
  p.GTGoalsOrTies = 7;
  p.Protected = kTrue;
  p.Released = 1;
  p.Birthplace.Store("NOR");
  p.Hits = 0x1234;
  p.Kept45[0] = 0xC1;
  p.Kept65[1] = 0xC2;
  p.Kept69[5] = 0xC3;
  p.Kept79[0] = 0xC4;
  return p;
}

Bytes SamplePlayerLayout(std::size_t shift, std::size_t length,
                         std::initializer_list<Patch> extra) {
  const std::initializer_list<Patch> player = {
      Chars(0, "Tove Brask            "),
      {22, {4, 31, 0xFF, 0xFF, 1, 74, 205, 27, 106, 98}},
      {32, {40, 41, 42, 43, 44, 45, 46, 47, 48, 255, 50, 51, 52, 0xC1}},
      {46, {0x40, 0x42, 0x0F, 0x00, 3, 99, 55, 4, 2}},
      {55, {0x80, 0x0C, 0x8C, 0x00, 0xFB, 0xFF, 6, 30, 18, 7}},
      {66, {0xC2, 0xFF, 0xFF}},
      {74, {0xC3, 1}},
      Chars(76, "NOR"),
      {79, {0xC4}},
      {84, {0x34, 0x12}},
  };
  Bytes bytes(length, 0);
  for (const Patch& patch : player) {
    for (std::size_t i = 0; i < patch.Bytes.size(); ++i)
      bytes.at(shift + patch.At + i) = patch.Bytes[i];
  }
  for (const Patch& patch : extra) {
    for (std::size_t i = 0; i < patch.Bytes.size(); ++i) bytes.at(patch.At + i) = patch.Bytes[i];
  }
  return bytes;
}

TEST(PlayerCodec, WritesEveryInterpretedFieldAtItsOffset) {
  const Bytes expected = SamplePlayerLayout(0, 86, {});
  EXPECT_EQ(Encode(SamplePlayer()), expected);

  const PlayerRecord p = DecodePlayer(expected);
  EXPECT_EQ(p.PlayerName.Raw(), "Tove Brask            ");
  EXPECT_EQ(Assignment(p.Status), kScratches);
  EXPECT_EQ(Injury(p.Status), 6);
  EXPECT_EQ(InjuryCode(Injury(p.Status)), "IN");
  EXPECT_EQ(p.Skills[9], 255);
  EXPECT_EQ(p.Salary, 1000000);
  // A goalie's statistics read at their offsets: minutes 55, goals against 57,
  // shots against 59; penalty minutes 53; shutouts, wins, losses, ties 61 to 64.
  EXPECT_EQ(p.PlusMinusOrMinutes, 3200);
  EXPECT_EQ(p.PimOrGoalsAgainst, 140);
  EXPECT_EQ(p.ShotsOrShotsAgainst, -5);
  EXPECT_EQ(p.GoalsOrGoaliePim, 4);
  EXPECT_EQ(p.PPGoalsOrShutouts, 6);
  EXPECT_EQ(p.SHGoalsOrWins, 30);
  EXPECT_EQ(p.GWGoalsOrLosses, 18);
  EXPECT_EQ(p.GTGoalsOrTies, 7);
  EXPECT_EQ(p.Released, 1);
  EXPECT_EQ(p.Hits, 0x1234);
}

TEST(PoolCodec, WrapsThePlayerAfterTheTakenFlag) {
  PoolEntry entry;
  entry.Taken = kTrue;
  entry.Player = SamplePlayer();
  const Bytes expected = SamplePlayerLayout(2, 88, {{0, {0xFF, 0xFF}}});
  EXPECT_EQ(Encode(entry), expected);
  const PoolEntry decoded = DecodePoolEntry(expected);
  EXPECT_TRUE(IsSet(decoded.Taken));
  EXPECT_EQ(decoded.Player.Hits, 0x1234);
  EXPECT_EQ(decoded.Player.Birthplace.Raw(), "NOR");
}

TEST(StatusComposition, SplitsAssignmentAndInjury) {
  EXPECT_EQ(MakeStatus(kGameRoster, 0), 200);
  EXPECT_EQ(MakeStatus(kScratches, 3), 103);
  EXPECT_EQ(Assignment(106), kScratches);
  EXPECT_EQ(Injury(106), 6);
  EXPECT_EQ(Assignment(0), kFarm);
  EXPECT_EQ(PositionCode(0), " C");
  EXPECT_EQ(PositionCode(3), " D");
  EXPECT_EQ(PositionCode(4), " G");
  EXPECT_EQ(PositionCode(5), "");
  EXPECT_EQ(InjuryCode(1), "DD");
  EXPECT_EQ(InjuryCode(0), "");
  EXPECT_EQ(InjuryCode(7), "");
}

// ---- Prospects, farm clubs, waivers, playoffs --------------------------------

TEST(ProspectCodec, ParallelArraysLieAtTheirOffsets) {
  ProspectList list;
  list.ProspectNames[0].Store("Ivo Lind");
  list.ProspectNames[5].Store("Per Haugen");
  list.ProspectNames[99].Store("Last Place");
  list.ProspectPositions[5] = 3;
  list.ProspectSalaries[5] = 4500;
  list.ProspectSalaries[99] = -1;
  list.ProspectAges[99] = 19;
  list.ProspectContracts[0] = 2;

  const Bytes expected = Layout(2700, {Chars(0, "Ivo Lind              "),
                                       Chars(110, "Per Haugen            "),
                                       Chars(2178, "Last Place            "),
                                       {2205, {3}},
                                       {2310, {0x94, 0x11}},
                                       {2498, {0xFF, 0xFF}},
                                       {2599, {19}},
                                       {2600, {2}}});
  EXPECT_EQ(Encode(list), expected);
  const ProspectList decoded = DecodeProspects(expected);
  EXPECT_EQ(decoded.Count(), 3);
  EXPECT_EQ(decoded.ProspectSalaries[5], 4500);
  EXPECT_EQ(decoded.ProspectAges[99], 19);
}

TEST(ProspectCodec, CountsOnlyNamesWhoseFirstByteIsNonZero) {
  ProspectList list;
  EXPECT_EQ(list.Count(), 0);
  list.ProspectNames[7].Bytes[1] = 'x';  // first byte 0: still empty
  list.ProspectNames[8].Store(" ");
  EXPECT_EQ(list.Count(), 1);
}

TEST(FarmCodec, NameThenKeptBytes) {
  FarmTeamRecord farm;
  farm.FarmName.Store("Driftwood Pups");
  farm.Kept15[0] = 1;
  farm.Kept15[27] = 2;
  EXPECT_EQ(Encode(farm), Layout(43, {Chars(0, "Driftwood Pups "), {15, {1}}, {42, {2}}}));
}

TEST(WaiverCodec, WritesEveryFieldAtItsOffset) {
  WaiverEntry entry;
  entry.PlayerName.Store("Rune Falk");
  entry.RosterPlace = 17;
  entry.FromTeam = 4;
  entry.PlacedAt = 37000.5;
  entry.ClaimingTeam = kNoPlayer;
  entry.OwnerTeam = 4;
  entry.TeamMarks[0] = -1;
  entry.TeamMarks[1] = -1;
  entry.TeamMarks[49] = -1;

  const Bytes expected = Layout(134, {Chars(0, "Rune Falk             "),
                                      {22, {17, 4}},
                                      {24, {0x00, 0x00, 0x00, 0x00, 0x10, 0x11, 0xE2, 0x40}},
                                      {32, {255, 4}},
                                      {34, {0xFF, 0xFF, 0xFF, 0xFF}},
                                      {132, {0xFF, 0xFF}}});
  EXPECT_EQ(Encode(entry), expected);
  const WaiverEntry decoded = DecodeWaiver(expected);
  EXPECT_DOUBLE_EQ(decoded.PlacedAt, 37000.5);
  EXPECT_EQ(decoded.TeamMarks[49], -1);
  EXPECT_EQ(decoded.TeamMarks[2], 0);
}

TEST(PlayoffCodec, CarriesEveryByte) {
  const Bytes bytes = Noise(388, 7);
  EXPECT_EQ(Encode(DecodePlayoff(bytes)), bytes);
}

// ---- Every record type: round trip and short buffers -------------------------

struct Codec {
  const char* Name;
  std::size_t Length;
  Bytes (*RoundTrip)(ByteSpan);
};

const Codec kCodecs[] = {
    {"team", kTeamRecordLength, [](ByteSpan b) { return Encode(DecodeTeam(b)); }},
    {"player", kPlayerRecordLength, [](ByteSpan b) { return Encode(DecodePlayer(b)); }},
    {"pool", kPoolEntryLength, [](ByteSpan b) { return Encode(DecodePoolEntry(b)); }},
    {"prospects", kProspectListLength, [](ByteSpan b) { return Encode(DecodeProspects(b)); }},
    {"farm", kFarmTeamRecordLength, [](ByteSpan b) { return Encode(DecodeFarmTeam(b)); }},
    {"waiver", kWaiverEntryLength, [](ByteSpan b) { return Encode(DecodeWaiver(b)); }},
    {"playoff", kPlayoffRecordLength, [](ByteSpan b) { return Encode(DecodePlayoff(b)); }},
};

TEST(AllCodecs, RoundTripArbitraryBytes) {
  for (const Codec& codec : kCodecs) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
      const Bytes bytes = Noise(codec.Length, seed * 7919);
      EXPECT_EQ(codec.RoundTrip(bytes), bytes) << codec.Name << " seed " << seed;
    }
  }
}

TEST(AllCodecs, ShortBuffersReadTheirMissingBytesAsZero) {
  for (const Codec& codec : kCodecs) {
    const Bytes full = Noise(codec.Length, 99);
    for (const std::size_t cut :
         {std::size_t{0}, std::size_t{1}, std::size_t{23}, codec.Length / 2, codec.Length - 1}) {
      Bytes expected(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
      expected.resize(codec.Length, 0);
      const Bytes encoded = codec.RoundTrip(ByteSpan(full).first(cut));
      EXPECT_EQ(encoded, expected) << codec.Name << " cut at " << cut;
    }
  }
}

TEST(AllCodecs, LongerBuffersUseOnlyTheRecord) {
  for (const Codec& codec : kCodecs) {
    const Bytes longer = Noise(codec.Length + 10, 5);
    EXPECT_EQ(codec.RoundTrip(longer), Bytes(longer.begin(), longer.end() - 10)) << codec.Name;
  }
}

TEST(LeagueCodec, ShortBufferIsOneTeamWithTwoDivisions) {
  auto league = DecodeLeague({});
  ASSERT_TRUE(league.Ok());
  EXPECT_EQ(league->TeamCount, 1);
  EXPECT_EQ(Encode(*league), Layout(459, {{38, {2}}, {135, {2}}}));
}

// ---- Dates -------------------------------------------------------------------

class LocalZone {
 public:
  explicit LocalZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    had_ = std::getenv("TZ") != nullptr;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~LocalZone() {
    if (had_) {
      setenv("TZ", saved_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::string saved_;
  bool had_ = false;
};

TEST(Dates, DaysSince30December1899WithTheLocalTimeOfDay) {
  {
    LocalZone utc("UTC0");
    EXPECT_DOUBLE_EQ(ToDate(0), 25569.0);              // 1 January 1970, midnight
    EXPECT_DOUBLE_EQ(ToDate(86400 + 43200), 25570.5);  // 2 January 1970, noon
    EXPECT_DOUBLE_EQ(ToDate(951782400), 36585.0);      // 29 February 2000
  }
  {
    LocalZone east("EST5");  // five hours behind: the evening before
    EXPECT_DOUBLE_EQ(ToDate(0), 25568.0 + 19.0 / 24.0);
  }
}

}  // namespace
}  // namespace league
