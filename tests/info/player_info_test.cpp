#include "info/player_info.h"

#include <gtest/gtest.h>

#include <map>

#include "ratings/ratings.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace {

using Captions = std::map<std::string, std::string>;  // label -> caption

class PlayerInfoTest : public ::testing::Test {
 protected:
  PlayerInfoTest() : session(dir.Path()) {
    session.Teams[2].TeamName.Store("Owls");
    session.CurrentTeam = 2;
    session.CurrentPlayer = 7;
    session.League.FarmSalaryGames = 50;
  }

  league::PlayerRecord& Player() { return session.TeamSlots[0].Places[7]; }

  void Open() {
    card = std::make_unique<info::PlayerInfo>(session, form, toolkit);
    card->Load();
  }
  std::string Caption(const std::string& name, int index = -1) {
    return form.GetLabel(name, index).caption;
  }
  void ExpectCaptions(const Captions& expected) {
    for (const auto& [name, caption] : expected) EXPECT_EQ(Caption(name), caption) << name;
  }
  bool Visible(const std::string& name) { return form.GetLabel(name).visible; }

  test::TempDir dir;
  app::Session session;
  test::FakeForm form;
  test::FakeToolkit toolkit;
  std::unique_ptr<info::PlayerInfo> card;
};

league::PlayerRecord Skater() {
  league::PlayerRecord p;
  p.PlayerName.Store("Jo Smith");
  p.Position = 1;
  p.Number = 17;
  p.Hand = 0;
  p.Height = 73;
  p.Weight = 190;
  p.Age = 27;
  p.Status = 200;
  p.Condition = 0;
  for (int k = 0; k < 13; ++k)
    p.Skills[static_cast<std::size_t>(k)] = static_cast<league::Byte>(50 + k);
  p.Skills[12] = 255;
  p.Salary = 450000;
  p.Contract = 3;
  p.GamesPlayed = 60;
  p.GoalsOrGoaliePim = 12;
  p.Assists = 20;
  p.PlusMinusOrMinutes = -4;
  p.PimOrGoalsAgainst = 33;
  p.ShotsOrShotsAgainst = 80;
  p.PPGoalsOrShutouts = 3;
  p.SHGoalsOrWins = 1;
  p.GWGoalsOrLosses = 2;
  p.GTGoalsOrTies = 4;
  p.Hits = 101;
  p.Birthplace.Store("SWE");
  return p;
}

league::PlayerRecord Goalie() {
  league::PlayerRecord p = Skater();
  p.PlayerName.Store("Net Minder");
  p.Position = 4;
  p.Rookie = league::kTrue;
  p.Hand = 2;
  p.GoalsOrGoaliePim = 6;        // penalty minutes
  p.PlusMinusOrMinutes = 1800;   // minutes
  p.PimOrGoalsAgainst = 90;      // goals against
  p.ShotsOrShotsAgainst = 1000;  // shots against
  p.PPGoalsOrShutouts = 2;       // shutouts
  p.SHGoalsOrWins = 18;          // wins
  p.GWGoalsOrLosses = 9;         // losses
  p.GTGoalsOrTies = 3;           // ties
  return p;
}

TEST_F(PlayerInfoTest, ASkatersCard) {
  Player() = Skater();
  Open();
  EXPECT_EQ(form.caption, "Player Info");
  ExpectCaptions({{"Label1", "Jo Smith (Owls)"},
                  {"lblExp", "Veteran"},
                  {"lblPos", "LW"},
                  {"lblNum", "17"},
                  {"lblHD", "L"},
                  {"lblHgt", "6 ft 1"},
                  {"lblWgt", "190"},
                  {"lblAge", "27"},
                  {"lblSts", "Healthy"},
                  {"lblCon", "100"},
                  {"lblContract", "3"},
                  {"lblSalary", "450,000"},
                  {"lblBirthplace", "SWE"}});
  EXPECT_EQ(Caption("lblSkill", 0), "50");
  EXPECT_EQ(Caption("lblSkill", 9), "59");
  EXPECT_EQ(Caption("lblSkill", 10), "60");
  EXPECT_EQ(Caption("lblSkill", 12), "n/a");
  EXPECT_EQ(Caption("lblSkill", 13), std::to_string(ratings::Overall(Player())));

  ExpectCaptions(
      {{"Label26", "GP"},    {"lblGP", "60"},    {"Label27", "G"},   {"lblG", "12"},
       {"Label28", "A"},     {"lblA", "20"},     {"Label29", "P"},   {"lblP", "32"},
       {"Label30", "PIM"},   {"lblPIM", "33"},   {"Label31", "+/-"}, {"lblPlus", "-4"},
       {"Label32", "PPG"},   {"lblPP", "3"},     {"Label33", "SHG"}, {"lblSH", "1"},
       {"Label34", "GW"},    {"lblGW", "2"},     {"Label35", "GT"},  {"lblGT", "4"},
       {"Label36", "Shots"}, {"lblShots", "80"}, {"Label37", "Sh%"}, {"lblShoot", "15.0"},
       {"Label23", "Hits"},  {"lblHits", "101"}});
  EXPECT_TRUE(Visible("lblHits") && Visible("Label23") && Visible("lblGT"));
}

TEST_F(PlayerInfoTest, AGoaliesCardSwapsCaptionsAndHidesHitsAndGT) {
  Player() = Goalie();
  Open();
  ExpectCaptions(
      {{"Label1", "Net Minder (Owls)"}, {"lblExp", "Rookie"}, {"lblHD", "R"}, {"lblPos", " G"}});
  ExpectCaptions(
      {{"Label26", "GP"},    {"lblGP", "60"},    {"Label27", "W"},     {"lblG", "18"},
       {"Label28", "L"},     {"lblA", "9"},      {"Label29", "T"},     {"lblP", "3"},
       {"Label30", "GA"},    {"lblPIM", "90"},   {"Label31", "GAA"},   {"lblPlus", "3.00"},
       {"Label32", "PIM"},   {"lblPP", "6"},     {"Label33", "As"},    {"lblSH", "20"},
       {"Label34", "SO"},    {"lblGW", "2"},     {"Label35", ""},      {"Label36", "Shots"},
       {"lblShots", "1000"}, {"Label37", "Sv%"}, {"lblShoot", "0.910"}});
  EXPECT_FALSE(Visible("lblGT"));
  EXPECT_FALSE(Visible("lblHits"));
  EXPECT_FALSE(Visible("Label23"));
  EXPECT_EQ(Caption("lblSkill", 9), "N/A");
  EXPECT_EQ(Caption("lblSkill", 10), "N/A");

  // The same window opened again on a skater shows the skater's layout.
  Player() = Skater();
  Open();
  ExpectCaptions({{"Label27", "G"}, {"Label35", "GT"}, {"Label37", "Sh%"}});
  EXPECT_EQ(Caption("lblSkill", 9), "59");
  EXPECT_TRUE(Visible("lblGT") && Visible("lblHits") && Visible("Label23"));
}

struct RatioCase {
  const char* name;
  int position, goalsOrPim, minutes, against, shots;
  const char* plus;   // lblPlus
  const char* shoot;  // lblShoot
};

class RatioTest : public PlayerInfoTest, public ::testing::WithParamInterface<RatioCase> {};

TEST_P(RatioTest, ShowsTheRatiosOrTheirFallbacks) {
  const auto& c = GetParam();
  Player() = c.position == 4 ? Goalie() : Skater();
  Player().GoalsOrGoaliePim = static_cast<league::Byte>(c.goalsOrPim);
  Player().PlusMinusOrMinutes = static_cast<std::int16_t>(c.minutes);
  Player().PimOrGoalsAgainst = static_cast<std::int16_t>(c.against);
  Player().ShotsOrShotsAgainst = static_cast<std::int16_t>(c.shots);
  Open();
  EXPECT_EQ(Caption("lblPlus"), c.plus);
  EXPECT_EQ(Caption("lblShoot"), c.shoot);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RatioTest,
    ::testing::Values(RatioCase{"Shooter", 0, 12, 5, 0, 80, "5", "15.0"},
                      RatioCase{"NoShots", 0, 12, 5, 0, 0, "5", "0.0"},
                      RatioCase{"Goalie", 4, 0, 1800, 90, 1000, "3.00", "0.910"},
                      RatioCase{"GoalieNoShots", 4, 0, 1800, 90, 0, "0", "N/A"},
                      RatioCase{"GoalieNoMinutes", 4, 0, 0, 3, 30, "N/A", "0.900"},
                      RatioCase{"GoalieRounds", 4, 0, 125, 7, 50, "3.36", "0.860"},
                      // Exact halves round away from zero: 6.25, 0.125 and 0.8125.
                      RatioCase{"ShooterHalfRoundsUp", 0, 1, 5, 0, 16, "5", "6.3"},
                      RatioCase{"GoalieHalvesRoundUp", 4, 0, 1440, 3, 16, "0.13", "0.813"},
                      // Only no minutes at all leaves nothing to divide by.
                      RatioCase{"GoalieNegativeMinutes", 4, 0, -1800, 90, 1000, "-3.00", "0.910"}),
    [](const auto& tc) { return std::string(tc.param.name); });

struct AvailabilityCase {
  int status, suspension;
  const char* text;
};

class AvailabilityTest : public ::testing::TestWithParam<AvailabilityCase> {};

TEST_P(AvailabilityTest, InjuryFirstThenSuspension) {
  league::PlayerRecord p;
  p.Status = static_cast<league::Byte>(GetParam().status);
  p.Suspension = static_cast<league::Byte>(GetParam().suspension);
  EXPECT_EQ(info::Availability(p), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, AvailabilityTest,
                         ::testing::Values(AvailabilityCase{203, 0, "Injured 3W"},
                                           AvailabilityCase{107, 0, "Injured "},
                                           AvailabilityCase{150, 0, "Injured IN"},
                                           AvailabilityCase{255, 0, "Injured IN"},
                                           AvailabilityCase{1, 5, "Injured DD"},
                                           AvailabilityCase{200, 3, "Suspended 3 games"},
                                           AvailabilityCase{0, 1, "Suspended 1 games"},
                                           AvailabilityCase{100, 99, "Suspended 99 games"},
                                           AvailabilityCase{100, 0, "Healthy"}));

TEST(PlayerInfoFormat, HeightsSalariesAndThousands) {
  for (const auto& [inches, text] : std::map<int, std::string>{
           {0, "5 ft 6"}, {65, "5 ft 6"}, {66, "5 ft 6"}, {72, "6 ft 0"}, {73, "6 ft 1"}})
    EXPECT_EQ(info::FormatHeight(inches), text) << inches;
  for (const auto& [value, text] : std::map<long long, std::string>{{5, "0,005"},
                                                                    {500, "0,500"},
                                                                    {45000, "45,000"},
                                                                    {450000, "450,000"},
                                                                    {1234567, "1,234,567"},
                                                                    {-1234, "-1,234"},
                                                                    {0, "0,000"}})
    EXPECT_EQ(info::FormatThousands(value), text) << value;

  struct SalaryCase {
    int status, games;
    long long shown;
  };
  for (const auto& c :
       {SalaryCase{0, 49, 45000}, SalaryCase{3, 49, 45000}, SalaryCase{0, 50, 450000},
        SalaryCase{100, 0, 450000}, SalaryCase{200, 0, 450000}}) {
    league::PlayerRecord p;
    p.Salary = 450000;
    p.Status = static_cast<league::Byte>(c.status);
    p.GamesPlayed = static_cast<league::Byte>(c.games);
    EXPECT_EQ(info::ShownSalary(p, 50), c.shown) << c.status << " " << c.games;
  }
}

TEST_F(PlayerInfoTest, AFarmPlayerShortOfTheGamesShowsATenthOfHisSalary) {
  Player() = Skater();
  Player().Status = 0;
  Player().GamesPlayed = 49;
  Open();
  EXPECT_EQ(Caption("lblSalary"), "45,000");
}

TEST_F(PlayerInfoTest, OutOfRangeCodesShowWithoutReadingPastTheTables) {
  Player() = Skater();
  Player().Position = 9;
  Player().Status = 199;
  Open();
  EXPECT_EQ(Caption("lblPos"), "");
  EXPECT_EQ(Caption("lblSts"), "Injured IN");
  EXPECT_EQ(Caption("lblSkill", 13), "0");
  EXPECT_EQ(Caption("Label27"), "G");  // laid out as a skater
}

TEST_F(PlayerInfoTest, ReleaseAsksAndMarksOnlyOnYes) {
  Player() = Skater();
  Open();
  form.GetButton("cmdRelease").Click();
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, "Release Jo Smith              ");
  EXPECT_EQ(toolkit.messages[0].title, "Release Player");
  EXPECT_EQ(toolkit.messages[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(Player().Released, 0);
  EXPECT_FALSE(form.closed);

  toolkit.answers = {ui::Answer::Yes};
  form.GetButton("cmdRelease").Click();
  EXPECT_EQ(Player().Released, 1);
  EXPECT_TRUE(form.closed);
  EXPECT_FALSE(session.LeagueChanged);
}

TEST_F(PlayerInfoTest, TheCloseButtonClosesWithoutAQuestion) {
  Player() = Goalie();
  Open();
  form.GetButton("Command1").Click();
  EXPECT_TRUE(form.closed);
  EXPECT_TRUE(toolkit.messages.empty());
}

}  // namespace
