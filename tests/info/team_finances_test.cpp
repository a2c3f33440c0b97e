#include "info/team_finances.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

TEST(TeamFinancesTest, AmountsHaveADollarSignFourDigitsAndThousandsCommas) {
  const struct {
    std::int64_t dollars;
    const char* shown;
  } cases[] = {
      {0, "$0,000"},
      {5, "$0,005"},
      {999, "$0,999"},
      {1000, "$1,000"},
      {244821, "$244,821"},
      {1234567, "$1,234,567"},
      {-5, "-$0,005"},
      {-1234, "-$1,234"},
      {-250000, "-$250,000"},
      {std::numeric_limits<std::int64_t>::min(), "-$9,223,372,036,854,775,808"},
  };
  for (const auto& c : cases) EXPECT_EQ(info::FormatAmount(c.dollars), c.shown) << c.dollars;
}

TEST(TeamFinancesTest, OneDecimalShowsALeadingDigitAndExactlyOneDecimal) {
  const struct {
    double value;
    const char* shown;
  } cases[] = {
      {0, "0.0"},       {0.04, "0.0"},  {5, "5.0"},
      {23.4f, "23.4"},  // single precision 23.3999996...
      {26.25, "26.3"},  // a half in the hundredths goes up
      {201.5, "201.5"}, {-0.04, "0.0"}, {-3.25, "-3.3"},
  };
  for (const auto& c : cases) EXPECT_EQ(info::FormatOneDecimal(c.value), c.shown) << c.value;
}

TEST(TeamFinancesTest, HomeGamesShowAsWholeNumbersOrWithAHalf) {
  EXPECT_EQ(info::FormatPlain(20), "20");
  EXPECT_EQ(info::FormatPlain(40.5), "40.5");
  EXPECT_EQ(info::FormatPlain(-1.5), "-1.5");
  EXPECT_EQ(info::FormatPlain(0), "0");
}

TEST(TeamFinancesTest, GamesPerTeamRoundHalvesToEven) {
  const struct {
    int teams, scheduled, gamesPerTeam;
  } cases[] = {
      {26, 1066, 82},               // 82.0
      {26, 1053, 81}, {4, 81, 40},  // 40.5 goes down to the even 40
      {4, 83, 42},                  // 41.5 goes up to the even 42
      {3, 100, 67},                 // 66.67
      {3, 50, 33},                  // 33.33
      {0, 100, 0},                  // no teams, no games
  };
  for (const auto& c : cases) {
    info::ProjectionInputs in;
    in.TeamCount = c.teams;
    in.ScheduledGames = c.scheduled;
    EXPECT_EQ(info::ProjectSeason(in).GamesPerTeam, c.gamesPerTeam)
        << c.scheduled << " games over " << c.teams << " teams";
  }
  EXPECT_EQ(info::RoundHalfEven(-2.5), -2);
  EXPECT_EQ(info::RoundHalfEven(-3.5), -4);
}

TEST(TeamFinancesTest, ShownFiguresAreRoundedTowardMinusInfinity) {
  info::ProjectionInputs in;
  in.TeamCount = 1;
  in.ScheduledGames = 41;  // 82 games per team
  in.ScheduleMade = true;
  in.GamesPlayed = 80;
  in.HomeGamesPlayed = 41;
  in.CoachPay = -85;  // half of it, rounded down, is -43
  in.ProPayroll = 1;  // (1 - 43) / 84 = -0.5 a game
  const info::Projection out = info::ProjectSeason(in);
  EXPECT_EQ(out.ShownExpensesPerGame, -1);
  EXPECT_EQ(out.ProjectedExpenses, -1);  // 2 games x -0.5
  EXPECT_EQ(out.ProjectedBalance, 1);    // 0 + 0 - (-1)
}

TEST(TeamFinancesTest, RosterScanSortsPlayersIntoFarmProsAndHoldouts) {
  std::array<league::PlayerRecord, league::kRosterPlaces> places{};
  auto put = [&](int place, int status, int suspension, std::int32_t salary, int age) {
    league::PlayerRecord& p = places[static_cast<std::size_t>(place)];
    p.PlayerName.Store("Player " + std::to_string(place));
    p.Status = static_cast<league::Byte>(status);
    p.Suspension = static_cast<league::Byte>(suspension);
    p.Salary = salary;
    p.Age = static_cast<league::Byte>(age);
    p.Height = 70;
    p.Weight = 190;
  };
  put(0, 0, 0, 100009, 20);      // healthy farm: a tenth of the salary, rounded down
  put(1, 3, 0, 500000, 21);      // injured farm player: counted nowhere
  put(2, 203, 0, 1000000, 30);   // injured dressed pro
  put(3, 106, 0, 2000000, 28);   // injured scratch
  put(4, 200, 99, 7000000, 35);  // holdout: only a holdout
  put(5, 0, 99, 50000, 19);      // a holding-out farm player is still a farm player
  put(49, 200, 0, 3000000, 26);
  places[6].Status = 200;  // an empty place with data behind it
  places[6].Salary = 9999999;

  const info::RosterMakeup m = info::ScanRoster(places);
  EXPECT_EQ(m.FarmPlayers, 2);
  EXPECT_EQ(m.FarmPayroll, 10000 + 5000);
  EXPECT_EQ(m.ProPlayers, 3);
  EXPECT_EQ(m.ProPayroll, 6000000);
  EXPECT_EQ(m.Holdouts, 1);
  EXPECT_EQ(m.AgeSum, 30 + 28 + 26);
  EXPECT_EQ(m.HeightSum, 3 * 70);
  EXPECT_EQ(m.WeightSum, 3 * 190);
}

TEST(TeamFinancesTest, FarmPayrollRoundsNegativeTenthsDown) {
  std::array<league::PlayerRecord, league::kRosterPlaces> places{};
  places[0].PlayerName.Store("Owes");
  places[0].Salary = -15;
  EXPECT_EQ(info::ScanRoster(places).FarmPayroll, -2);
}

TEST(TeamFinancesTest, SpecialTeamsCutTenthsAndGiveZeroWithoutChances) {
  league::TeamRecord team;
  team.PowerPlays = 98;
  team.PowerPlayGoals = 23;
  team.TimesShorthanded = 3;
  team.PowerPlayGoalsAgainst = 1;
  EXPECT_FLOAT_EQ(info::PowerPlayPercent(team), 23.4f);
  EXPECT_FLOAT_EQ(info::PenaltyKillPercent(team), 66.6f);  // 66.67 cut, not rounded

  team.PowerPlays = 0;
  team.TimesShorthanded = -4;
  EXPECT_EQ(info::PowerPlayPercent(team), 0);
  EXPECT_EQ(info::PenaltyKillPercent(team), 0);
}

}  // namespace
