#include "info/team_finances.h"

#include <cmath>
#include <cstdlib>

namespace info {

namespace {

std::int64_t Floor(double value) { return static_cast<std::int64_t>(std::floor(value)); }

// The digits of `magnitude` with commas between groups of three, padded with
// zeros to at least `minDigits` digits.
std::string GroupedDigits(std::uint64_t magnitude, std::size_t minDigits) {
  std::string digits = std::to_string(magnitude);
  if (digits.size() < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::uint64_t Magnitude(std::int64_t value) {
  // Through unsigned arithmetic so the most negative value has a magnitude too.
  return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

}  // namespace

std::string FormatAmount(std::int64_t dollars) {
  std::string out = dollars < 0 ? "-$" : "$";
  return out + GroupedDigits(Magnitude(dollars), 4);
}

std::string FormatOneDecimal(double value) {
  const auto tenths = static_cast<std::int64_t>(std::round(value * 10.0));
  const std::uint64_t magnitude = Magnitude(tenths);
  std::string out = tenths < 0 ? "-" : "";
  return out + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

std::string FormatPlain(double value) {
  const auto halves = static_cast<std::int64_t>(std::round(value * 2.0));
  if (halves % 2 == 0) return std::to_string(halves / 2);
  return FormatOneDecimal(static_cast<double>(halves) / 2.0);
}

std::int64_t RoundHalfEven(double value) {
  const double down = std::floor(value);
  const double rest = value - down;
  auto result = static_cast<std::int64_t>(down);
  if (rest > 0.5 || (rest == 0.5 && result % 2 != 0)) ++result;
  return result;
}

RosterMakeup ScanRoster(const std::array<league::PlayerRecord, league::kRosterPlaces>& places) {
  RosterMakeup makeup;
  for (const auto& player : places) {
    if (player.IsEmpty()) continue;
    if (player.Status == 0) {
      ++makeup.FarmPlayers;
      makeup.FarmPayroll += Floor(player.Salary / 10.0);
    } else if (player.Status >= 100) {
      if (player.Suspension == league::kHoldout) {
        ++makeup.Holdouts;
        continue;
      }
      ++makeup.ProPlayers;
      makeup.ProPayroll += player.Salary;
      makeup.AgeSum += player.Age;
      makeup.HeightSum += player.Height;
      makeup.WeightSum += player.Weight;
    }
  }
  return makeup;
}

float PowerPlayPercent(const league::TeamRecord& team) {
  if (team.PowerPlays <= 0) return 0;
  const double share = static_cast<double>(team.PowerPlayGoals) / team.PowerPlays;
  return static_cast<float>(std::floor(share * 1000) / 10);
}

float PenaltyKillPercent(const league::TeamRecord& team) {
  if (team.TimesShorthanded <= 0) return 0;
  const double killed = team.TimesShorthanded - team.PowerPlayGoalsAgainst;
  return static_cast<float>(std::floor(killed / team.TimesShorthanded * 1000) / 10);
}

Projection ProjectSeason(const ProjectionInputs& in) {
  Projection out;
  if (in.TeamCount > 0) {
    out.GamesPerTeam = static_cast<int>(RoundHalfEven(2.0 * in.ScheduledGames / in.TeamCount));
  }
  const double coachShare = std::floor(static_cast<double>(in.CoachPay) / 2.0);
  out.ExpensesPerGame = (static_cast<double>(in.ProPayroll) + static_cast<double>(in.FarmPayroll) +
                         kProspectCost * in.Prospects + coachShare) /
                        kExpenseGames;
  out.HomeGamesRemaining = out.GamesPerTeam / 2.0 - in.HomeGamesPlayed;
  out.GamesRemaining = out.GamesPerTeam - in.GamesPlayed;

  double revenue = 0;
  double expenses = 0;
  if (in.ScheduleMade && !in.PlayoffsOn) {
    revenue = out.HomeGamesRemaining * static_cast<double>(in.GateRevenue);
    expenses = out.GamesRemaining * out.ExpensesPerGame;
  }
  out.EstimatedRevenue = Floor(revenue);
  out.ShownExpensesPerGame = Floor(out.ExpensesPerGame);
  out.ProjectedExpenses = Floor(expenses);
  out.ProjectedBalance = out.EstimatedRevenue + in.Cash - out.ProjectedExpenses;
  return out;
}

}  // namespace info
