#pragma once
// Every record of a league, with the field names and widths of the files.
// Fields the program does not interpret are carried as raw bytes in their
// place (named after their offset) so that a record round-trips byte for byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "league/text.h"

namespace league {

using Byte = std::uint8_t;
using Bytes = std::vector<Byte>;  // also declared in codecs.h; file_system.h needs it too
template <std::size_t N>
using Raw = std::array<Byte, N>;

// Flags are 16-bit integers: -1 true, 0 false; any non-zero reads as true.
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;
inline bool IsSet(std::int16_t flag) { return flag != 0; }

constexpr int kMaxTeams = 50;
constexpr int kRosterPlaces = 50;
constexpr int kSkillCount = 13;
constexpr Byte kNoPlayer = 255;

// Record lengths of the league's record files.
constexpr std::size_t kLeagueRecordLength = 459;
constexpr std::size_t kTeamRecordLength = 254;
constexpr std::size_t kPlayerRecordLength = 86;
constexpr std::size_t kPoolEntryLength = 88;
constexpr std::size_t kProspectListLength = 2700;
constexpr std::size_t kFarmTeamRecordLength = 43;
constexpr std::size_t kWaiverEntryLength = 134;
constexpr std::size_t kPlayoffRecordLength = 388;

// ---- League (.lge, one record) -------------------------------------------

struct DivisionRecord {  // 21 bytes
  Text<10> DivName;
  Raw<11> Kept10{};
};

struct ConferenceRecord {  // 97 bytes
  Text<12> ConfName;
  Byte DivisionCount = 0;
  std::array<DivisionRecord, 4> Divisions{};
};

struct LeagueRecord {  // 459 bytes
  Text<25> LeagueName;
  int TeamCount = 0;  // stored as LastTeamIndex = TeamCount - 1 at offset 25
  std::array<ConferenceRecord, 2> Conferences{};
  std::int16_t ScheduleMade = 0;  // 220
  Raw<9> Kept222{};
  std::int16_t WaiversOn = 0;  // 231
  Raw<41> Kept233{};
  std::int16_t ScheduledGames = 0;  // 274
  Raw<118> Kept276{};               // administration paths and settings, 276..393
  Byte WaiverMinGames = 0;          // 394
  Byte WaiverExemptAge = 0;         // 395
  Byte FarmSalaryGames = 0;         // 396
  Raw<22> Kept397{};
  std::int16_t PlayoffsOn = 0;  // 419
  Raw<38> Kept421{};
};

// Stores the first 25 characters, padded with spaces (raw code-page bytes).
void SetLeagueName(LeagueRecord& league, std::string_view raw);

// ---- Team (.tms) -----------------------------------------------------------

// 13 units (rows) by 5 positions (columns); cell (r, j) is byte r + 13 * j.
struct LineGrid {
  static constexpr int kRows = 13;
  static constexpr int kColumns = 5;
  Raw<65> Cells{};
  Byte& At(int row, int column) { return Cells[static_cast<std::size_t>(row + kRows * column)]; }
  Byte At(int row, int column) const {
    return Cells[static_cast<std::size_t>(row + kRows * column)];
  }
  bool operator==(const LineGrid&) const = default;
};

struct CoachRecord {  // 27 bytes
  Text<22> CoachName;
  std::int32_t CoachPay = 0;
  Raw<1> Kept26{};
};

struct TeamRecord {   // 254 bytes
  Text<10> TeamName;  // 0
  Text<25> Owner;     // 10
  Raw<1> Kept35{};
  Text<12> MessagingId;     // 36
  Text<10> LineupPassword;  // 48
  Raw<3> Kept58{};
  Text<3> Abbrev;          // 61
  Text<30> Arena;          // 64
  std::int16_t Seats = 0;  // 94
  Byte TicketPrice = 0;    // 96
  Byte Conference = 0;     // 97
  Byte Division = 0;       // 98
  std::int32_t Cash = 0;   // 99
  CoachRecord Coach;       // 103
  Raw<2> Kept130{};
  Byte Wins = 0;  // 132
  Raw<2> Kept133{};
  Byte Losses = 0;  // 135
  Raw<2> Kept136{};
  Byte Ties = 0;  // 138
  Raw<2> Kept139{};
  std::int16_t GoalsAgainst = 0;      // 141
  std::int16_t GoalsFor = 0;          // 143
  Raw<11> Kept145{};                  // season, administration and reserved bytes, 145..155
  std::int16_t PowerPlays = 0;        // 156
  Byte PowerPlayGoals = 0;            // 158
  std::int16_t TimesShorthanded = 0;  // 159
  Byte PowerPlayGoalsAgainst = 0;     // 161
  float ShotsFor = 0;                 // 162
  float ShotsAgainst = 0;             // 166
  float PenaltyMinutes = 0;           // 170
  LineGrid Lines;                     // 174
  Raw<2> Kept239{};
  Byte HomeGamesPlayed = 0;      // 241
  std::int32_t GateRevenue = 0;  // 242
  Raw<1> Kept246{};
  std::int16_t WaiverCount = 0;  // 247
  Raw<3> Kept249{};
  std::int16_t LinesSet = 0;  // 252
};

// ---- Player (.ros) and pool (.drs) -----------------------------------------

struct PlayerRecord {             // 86 bytes
  Text<22> PlayerName;            // 0
  Byte Position = 0;              // 22: 0 C, 1 LW, 2 RW, 3 D, 4 G
  Byte Number = 0;                // 23
  std::int16_t Rookie = 0;        // 24
  Byte Hand = 0;                  // 26: 0 left
  Byte Height = 0;                // 27
  Byte Weight = 0;                // 28
  Byte Age = 0;                   // 29
  Byte Status = 0;                // 30: 100 * assignment + injury
  Byte Condition = 0;             // 31
  std::array<Byte, 13> Skills{};  // 32
  Raw<1> Kept45{};
  std::int32_t Salary = 0;               // 46
  Byte Contract = 0;                     // 50
  Byte Suspension = 0;                   // 51: 99 holdout
  Byte GamesPlayed = 0;                  // 52
  Byte GoalsOrGoaliePim = 0;             // 53
  Byte Assists = 0;                      // 54
  std::int16_t PlusMinusOrMinutes = 0;   // 55
  std::int16_t PimOrGoalsAgainst = 0;    // 57
  std::int16_t ShotsOrShotsAgainst = 0;  // 59
  Byte PPGoalsOrShutouts = 0;            // 61
  Byte SHGoalsOrWins = 0;                // 62
  Byte GWGoalsOrLosses = 0;              // 63
  Byte GTGoalsOrTies = 0;                // 64
  Raw<2> Kept65{};
  std::int16_t Protected = 0;  // 67
  Raw<6> Kept69{};
  Byte Released = 0;   // 75
  Text<3> Birthplace;  // 76
  Raw<5> Kept79{};
  std::int16_t Hits = 0;  // 84

  bool IsEmpty() const { return PlayerName.IsEmpty(); }
};

constexpr int kFarm = 0;
constexpr int kScratches = 1;
constexpr int kGameRoster = 2;
constexpr Byte kHoldout = 99;
constexpr int kGoalie = 4;

inline int Assignment(int status) { return status / 100; }
inline int Injury(int status) { return status % 100; }
inline Byte MakeStatus(int assignment, int injury) {
  return static_cast<Byte>(100 * assignment + injury);
}

struct PoolEntry {  // 88 bytes
  std::int16_t Taken = 0;
  PlayerRecord Player;
};

// " C", "LW", "RW", " D", " G"; out-of-range positions give the empty text.
std::string_view PositionCode(int position);
// "DD", "1W", "3W", "1M", "3M", "IN" for rows 1 to 6; anything else gives the empty text.
std::string_view InjuryCode(int injury);

// ---- Other league files ----------------------------------------------------

struct ProspectList {  // 2700 bytes: five parallel arrays of 100
  std::array<Text<22>, 100> ProspectNames{};
  std::array<Byte, 100> ProspectPositions{};
  std::array<std::int16_t, 100> ProspectSalaries{};
  std::array<Byte, 100> ProspectAges{};
  std::array<Byte, 100> ProspectContracts{};
  int Count() const;  // non-empty names
};

struct FarmTeamRecord {  // 43 bytes
  Text<15> FarmName;
  Raw<28> Kept15{};
};

struct WaiverEntry {  // 134 bytes
  Text<22> PlayerName;
  Byte RosterPlace = 0;
  Byte FromTeam = 0;
  double PlacedAt = 0;  // days since 30 Dec 1899, fraction = time of day
  Byte ClaimingTeam = 0;
  Byte OwnerTeam = 0;
  std::array<std::int16_t, 50> TeamMarks{};
};

struct PlayoffRecord {  // 388 bytes, carried unread
  Raw<388> Bytes{};
};

}  // namespace league
