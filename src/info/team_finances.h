#pragma once
// The team view's arithmetic: what the roster is made of, the special-teams
// percentages, the season projection and the two number formats it shows.
// Free of any window so each figure can be checked on its own.

#include <array>
#include <cstdint>
#include <string>

#include "league/records.h"

namespace info {

// "$0,000": a dollar sign, at least four digits, commas between groups of
// three, a minus before the dollar sign for negative amounts (-1234 -> "-$1,234").
std::string FormatAmount(std::int64_t dollars);
// "0.0": at least one digit before the point and exactly one after it; halves
// go away from zero, as a format pattern rounds.
std::string FormatOneDecimal(double value);
// A value that is whole or has a half: "20", "40.5", "-1.5".
std::string FormatPlain(double value);

// Rounded to nearest, exact halves to the even neighbour.
std::int64_t RoundHalfEven(double value);

// The roster scan over a team's 50 places (occupied places only).
struct RosterMakeup {
  int ProPlayers = 0;
  int FarmPlayers = 0;
  int Holdouts = 0;
  std::int64_t ProPayroll = 0;
  std::int64_t FarmPayroll = 0;  // a tenth of each farm salary, rounded down
  std::int64_t AgeSum = 0;
  std::int64_t HeightSum = 0;
  std::int64_t WeightSum = 0;
};

// Status 0 is a farm player; 100 and above a pro unless he holds out
// (Suspension 99), then only a holdout; 1 to 99 (an injured farm player)
// counts nowhere.
RosterMakeup ScanRoster(const std::array<league::PlayerRecord, league::kRosterPlaces>& places);

// Power-play and penalty-kill percentages, tenths cut off toward minus
// infinity, held as single precision; 0 when there were no chances.
float PowerPlayPercent(const league::TeamRecord& team);
float PenaltyKillPercent(const league::TeamRecord& team);

struct ProjectionInputs {
  int TeamCount = 0;
  int ScheduledGames = 0;
  bool ScheduleMade = false;
  bool PlayoffsOn = false;
  int GamesPlayed = 0;  // already 0 when no schedule is made
  int HomeGamesPlayed = 0;
  std::int64_t GateRevenue = 0;
  std::int64_t ProPayroll = 0;
  std::int64_t FarmPayroll = 0;
  int Prospects = 0;
  std::int64_t CoachPay = 0;
  std::int64_t Cash = 0;
};

struct Projection {
  int GamesPerTeam = 0;
  double HomeGamesRemaining = 0;  // may carry a half
  int GamesRemaining = 0;
  double ExpensesPerGame = 0;
  // The shown figures: each rounded down to whole dollars.
  std::int64_t EstimatedRevenue = 0;
  std::int64_t ShownExpensesPerGame = 0;
  std::int64_t ProjectedExpenses = 0;
  // Estimated revenue + cash - projected expenses, from the shown figures.
  std::int64_t ProjectedBalance = 0;
};

// Each prospect costs 1500 a season; the coach counts at half his figure; the
// season's cost is spread over 84 games whatever the league plays.
constexpr double kProspectCost = 1500;
constexpr double kExpenseGames = 84;

// Revenue and expenses still to come count only while a schedule exists and
// the playoffs have not begun.
Projection ProjectSeason(const ProjectionInputs& in);

}  // namespace info
