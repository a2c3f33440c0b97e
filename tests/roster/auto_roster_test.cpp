#include "roster/auto_roster.h"

#include <gtest/gtest.h>

#include "ratings/ratings.h"
#include "roster_fixture.h"

namespace {

using test::RosterTest;
using test::Stored;

class AutoRosterTest : public RosterTest {
 protected:
  // Every player a healthy scratch: centres 0-3, left wings 4-7, right wings
  // 8-11, defencemen 12-18, goalies 19-21.
  void Scratches(int defencemen = 7) {
    int place = 0;
    const auto add = [&](const std::string& prefix, int position, int count) {
      for (int i = 0; i < count; ++i) Put(place++, prefix + std::to_string(i), position, 100);
    };
    add("C", 0, 4), add("L", 1, 4), add("R", 2, 4), add("D", 3, defencemen), add("G", 4, 3);
  }
  // A skater whose offence rests on SC and defence on DF.
  void Style(int place, int scoring, int defence) {
    Place(place).Skills[10] = static_cast<league::Byte>(scoring);
    Place(place).Skills[9] = static_cast<league::Byte>(defence);
  }
  void PressAuto() { form.GetButton("cmdAuto").Click(); }
  bool Dressed(int place) { return WorkStatus(place) == 200; }
};

TEST_F(AutoRosterTest, CentresGoByOffenceTwiceThenByDefence) {
  Scratches();
  for (int p = 0; p < 4; ++p) Place(p).Skills.fill(40);
  Style(0, 30, 90);  // checker: offence 43, defence 57
  Style(1, 60, 60);  // middling: offence 50, defence 47, overall 50
  Style(2, 90, 30);  // sniper: offence 56
  Style(3, 85, 30);  // offence 55
  Open();
  PressAuto();
  EXPECT_TRUE(Dressed(2));
  EXPECT_TRUE(Dressed(3));
  EXPECT_TRUE(Dressed(0));
  // The "any skater" places go to the leftover wing, right wing and defenceman
  // (overall 55), not to the middling centre.
  EXPECT_FALSE(Dressed(1));
  EXPECT_EQ(Label5(), "Roster Complete");
  EXPECT_TRUE(window->RosterChanged());
}

TEST_F(AutoRosterTest, PickPlayerPrefersTheLowerPlaceAmongEqualsAndNeverARatingOfZero) {
  Scratches();
  roster::WorkCopy work;
  roster::ResetFlags(session.TeamSlots[0], work);
  EXPECT_EQ(roster::PickPlayer(session.TeamSlots[0], work, 1, ratings::kOffense), 4);
  work.WorkStatus[4] = 200;
  EXPECT_EQ(roster::PickPlayer(session.TeamSlots[0], work, 1, ratings::kOffense), 5);

  // Goalies rated 0 are never picked; with nobody on the farm the place falls
  // to the lowest dressed place.
  for (int p : {19, 20, 21}) Place(p).Skills.fill(0);
  EXPECT_EQ(roster::PickPlayer(session.TeamSlots[0], work, 4, ratings::kOverall), 4);
}

TEST_F(AutoRosterTest, UnavailablePlayersAreNeverDressed) {
  Scratches();
  Put(22, "Suspended", 0, 100, 95).Suspension = 2;
  Put(23, "Holdout", 0, 100, 95).Suspension = league::kHoldout;
  Put(24, "Injured", 0, 103, 95);
  Open();
  PressAuto();
  EXPECT_FALSE(Dressed(22));
  EXPECT_FALSE(Dressed(23));
  EXPECT_EQ(WorkStatus(24), 103);
  EXPECT_EQ(Label5(), "Roster Complete");
}

TEST_F(AutoRosterTest, TheBestFarmPlayerOfThePositionComesStraightUp) {
  Scratches();
  Place(0) = {}, Place(1) = {};  // two pro centres left
  Put(30, "FarmLow", 0, 0, 40);
  Put(31, "FarmHigh", 0, 0, 70);
  Put(32, "FarmHurt", 0, 2, 90);  // injured: among the scratches, not dressed
  Open();
  PressAuto();
  EXPECT_TRUE(Dressed(31));
  EXPECT_FALSE(Dressed(32));
  EXPECT_EQ(Label5(), "Roster Complete");
}

TEST_F(AutoRosterTest, AGoalieShortageTakesTheBestFarmSkaterSuspendedOrNot) {
  Scratches();
  Place(19).Status = 103, Place(20).Status = 104, Place(21) = {};
  Put(30, "FarmStar", 2, 0, 80).Suspension = 4;
  Put(31, "FarmGood", 1, 0, 70);
  Put(32, "FarmGoalieHurt", 4, 5, 90);
  Open();
  PressAuto();
  EXPECT_TRUE(Dressed(30));
  EXPECT_TRUE(Dressed(31));
  EXPECT_FALSE(Dressed(32));
  EXPECT_EQ(window->Counts().DressedByPos[4], 0);
}

TEST_F(AutoRosterTest, FiveDefencemenPassButTheSixthPlaceStaysEmpty) {
  Scratches(5);  // 20 players, nobody on the farm
  Open();
  PressAuto();
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(window->Counts().DressedCount, 19);
  EXPECT_EQ(Label5(), "19 Total Players");
}

TEST_F(AutoRosterTest, StartsAgainFromTheStoredStatuses) {
  Scratches();
  Open();
  PressAuto();
  const auto fresh = window->Work().WorkStatus;
  Select(2, {"C0", "C1", "G0"});
  Press(0);
  Select(1, {"D6"});
  Press(2);
  PressAuto();
  EXPECT_EQ(window->Work().WorkStatus, fresh);
}

struct ShortCase {
  const char* name;
  std::vector<int> removed;  // places emptied from Scratches()
};

class NotEnoughPlayersTest : public AutoRosterTest,
                             public ::testing::WithParamInterface<ShortCase> {};

TEST_P(NotEnoughPlayersTest, RefusesAndChangesNothing) {
  Scratches();
  Put(25, "Extra", 3, 100), Put(26, "Extra2", 3, 100);  // 24 players
  for (int p : GetParam().removed) Place(p) = {};
  Open();
  const auto before = window->Work().WorkStatus;
  PressAuto();
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, "Not enough players");
  EXPECT_EQ(toolkit.messages[0].title, "Auto Roster");
  EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::Information);
  EXPECT_EQ(window->Work().WorkStatus, before);
  EXPECT_FALSE(window->RosterChanged());
}

INSTANTIATE_TEST_SUITE_P(Cases, NotEnoughPlayersTest,
                         ::testing::Values(ShortCase{"TwoCentres", {0, 1}},
                                           ShortCase{"TwoLeftWings", {4, 5}},
                                           ShortCase{"TwoRightWings", {8, 9}},
                                           ShortCase{"FourDefencemen", {12, 13, 14, 15, 25}},
                                           ShortCase{"OneGoalie", {19, 20}},
                                           ShortCase{"NineteenPlayers", {0, 4, 8, 12, 26}}),
                         [](const auto& tc) { return std::string(tc.param.name); });

}  // namespace
