#include "roster/roster_window.h"

#include <gtest/gtest.h>

#include "ratings/ratings.h"
#include "roster/roster_model.h"
#include "roster_fixture.h"

namespace {

using test::RosterTest;
using test::Stored;

// ---- ResetFlags ----------------------------------------------------------

struct ResetCase {
  int status, condition;
  int workStatus, storedStatus, conditionAfter;
};

class ResetFlagsTest : public ::testing::TestWithParam<ResetCase> {};

TEST_P(ResetFlagsTest, PutsInjuredPlayersAmongTheScratches) {
  const auto& c = GetParam();
  app::TeamSlot slot;
  slot.Places[4].Status = static_cast<league::Byte>(c.status);
  slot.Places[4].Condition = static_cast<league::Byte>(c.condition);
  roster::WorkCopy work;
  roster::ResetFlags(slot, work);
  EXPECT_EQ(work.WorkStatus[4], c.workStatus);
  EXPECT_EQ(slot.Places[4].Status, c.storedStatus);
  EXPECT_EQ(work.OldStatus[4], c.storedStatus);
  EXPECT_EQ(slot.Places[4].Condition, c.conditionAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResetFlagsTest,
                         ::testing::Values(ResetCase{0, 5, 0, 0, 5},          // healthy: as stored
                                           ResetCase{200, 50, 200, 200, 50},  //
                                           ResetCase{3, 5, 103, 103, 100},    // injured farm player
                                           ResetCase{201, 50, 101, 201, 50},  // injured, dressed
                                           ResetCase{106, 9, 106, 106, 100},
                                           ResetCase{106, 10, 106, 106, 10}));

// ---- opening and the lists ------------------------------------------------

TEST_F(RosterTest, OpensWithSortedListsThatCarryTheRosterPlace) {
  FullTeam();
  Put(30, "Zed Released", 0, 100).Released = 1;
  Put(31, "aaron", 0, 100);
  session.TeamSlots[0].Places[32].Status = 100;  // an empty place is never listed
  Open();

  EXPECT_EQ(form.caption, "Set Game Roster");
  EXPECT_EQ(form.GetLabel("Label1").caption, "Roster of the Hawks     ");
  EXPECT_FALSE(form.GetButton("cmdAdd").visible);
  for (int k = 0; k < 5; ++k) EXPECT_TRUE(form.GetCheck("Check1", k).value);
  for (int k = 0; k < 3; ++k) EXPECT_TRUE(List(k).sorted && List(k).multiSelect);

  EXPECT_EQ(List(0).Texts(), (std::vector<std::string>{Stored("F0"), Stored("F1"), Stored("F2")}));
  EXPECT_EQ(List(0).Datas(), (std::vector<int>{23, 24, 25}));
  // Sorted without regard to case; the released player is gone.
  EXPECT_EQ(List(1).Texts(),
            (std::vector<std::string>{Stored("aaron"), Stored("C4"), Stored("D6"), Stored("G2")}));
  EXPECT_EQ(List(1).Datas(), (std::vector<int>{31, 20, 21, 22}));
  EXPECT_EQ(List(2).Count(), 20);
  EXPECT_EQ(Label5(), "Roster Complete");
  EXPECT_FALSE(window->RosterChanged());
}

TEST_F(RosterTest, NamesAreShownInScreenCharacters) {
  FullTeam();
  Put(26, "J\xE9r\xF4me", 0, 0);  // Windows-1252 bytes
  Open();
  EXPECT_GE(List(0).Find("J\xC3\xA9r\xC3\xB4me                "), 0);
}

struct CountCase {
  const char* name;
  std::vector<std::pair<int, int>> changes;  // place -> status
  std::vector<int> released;
  const char* label5;
};

class RosterCountTest : public RosterTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(RosterCountTest, Label5ShowsCompletenessOrTheDressedCount) {
  FullTeam();
  for (const auto& [place, status] : GetParam().changes)
    Place(place).Status = static_cast<league::Byte>(status);
  for (const int place : GetParam().released) Place(place).Released = 1;
  Open();
  EXPECT_EQ(Label5(), GetParam().label5);
}

// FullTeam dresses C0-C3 (places 0-3), L0-L3 (4-7), R0-R3 (8-11), D0-D5 (12-17)
// and G0-G1 (18-19); C4, D6 and G2 (20-22) are scratches.
INSTANTIATE_TEST_SUITE_P(
    Cases, RosterCountTest,
    ::testing::Values(CountCase{"Complete", {}, {}, "Roster Complete"},
                      CountCase{"EighteenDressed", {{0, 100}, {1, 100}}, {}, "18 Total Players"},
                      CountCase{"FiveDefencemen", {{12, 100}, {20, 200}}, {}, "20 Total Players"},
                      CountCase{"ThreeGoalies", {{0, 100}, {22, 200}}, {}, "20 Total Players"},
                      CountCase{"TwoLeftWings",
                                {{4, 100}, {5, 100}, {20, 200}, {21, 200}},
                                {},
                                "20 Total Players"},
                      CountCase{"ReleasedNotCounted", {}, {0}, "19 Total Players"}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST_F(RosterTest, FiltersHideEntriesButNotFromTheCounts) {
  FullTeam();
  Open();
  form.GetCheck("Check1", 4).Click();  // goalies off
  EXPECT_EQ(List(2).Count(), 18);
  EXPECT_EQ(List(2).Find(Stored("G0")), -1);
  EXPECT_EQ(Label5(), "Roster Complete");
  EXPECT_EQ(window->Counts().DressedByPos[4], 2);
  form.GetCheck("Check1", 4).Click();
  EXPECT_EQ(List(2).Count(), 20);
}

TEST_F(RosterTest, ProtectionModeMarksProtectedPlayersAndRookies) {
  FullTeam();
  Place(0).Protected = league::kTrue;
  Place(1).Rookie = league::kTrue;
  Open();
  EXPECT_GE(List(2).Find(Stored("C0")), 0);
  form.GetCheck("chkProtect").Click();
  EXPECT_GE(List(2).Find("*" + Stored("C0")), 0);
  EXPECT_GE(List(2).Find("*" + Stored("C1")), 0);
  EXPECT_GE(List(2).Find(Stored("C2")), 0);
}

// ---- moves ------------------------------------------------------------------

struct RefusalCase {
  const char* name;
  int button;
  int status, suspension;  // of the scratch "Hurt"
  const char* message;     // empty: he moves
  int workStatus;
};

class MoveRefusalTest : public RosterTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(MoveRefusalTest, RefusesUnavailableScratches) {
  const auto& c = GetParam();
  FullTeam();
  Put(30, "Hurt", 0, c.status).Suspension = static_cast<league::Byte>(c.suspension);
  Open();
  Select(1, {"Hurt", "C4"});
  Press(c.button);

  // Messages come in selection order, and the next selected entry is still handled.
  EXPECT_EQ(WorkStatus(30), c.workStatus);
  EXPECT_EQ(WorkStatus(20), c.button == 1 ? 200 : 0);
  if (std::string(c.message).empty()) {
    EXPECT_TRUE(toolkit.messages.empty());
  } else {
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, c.message);
    EXPECT_EQ(toolkit.messages[0].title, "Rink Desk");
    EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::None);
    EXPECT_EQ(toolkit.messages[0].buttons, ui::Buttons::Ok);
  }
  EXPECT_TRUE(window->RosterChanged());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoveRefusalTest,
    ::testing::Values(RefusalCase{"DressHealthy", 1, 100, 0, "", 200},
                      RefusalCase{"DressInjured", 1, 103, 0, "Hurt is unavailable", 103},
                      RefusalCase{"DressInjuredWhileDressed", 1, 201, 0, "Hurt is unavailable",
                                  101},
                      RefusalCase{"DressSuspended", 1, 100, 3, "Hurt is unavailable", 100},
                      RefusalCase{"DressHoldout", 1, 100, 99, "Hurt is unavailable", 100},
                      RefusalCase{"SendDownHealthy", 2, 100, 0, "", 0},
                      RefusalCase{"SendDownInjured", 2, 102, 0,
                                  "Hurt                   cannot be sent to farm", 102},
                      RefusalCase{"SendDownSuspended", 2, 100, 1,
                                  "Hurt                   cannot be sent to farm", 100}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST_F(RosterTest, ScratchingFromTheGameRosterIsNeverRefused) {
  FullTeam();
  Place(0).Suspension = 5;
  Open();
  Select(2, {"C0", "C1"});
  Press(0);
  EXPECT_EQ(WorkStatus(0), 100);
  EXPECT_EQ(WorkStatus(1), 100);
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(Label5(), "18 Total Players");
  EXPECT_EQ(List(1).Count(), 5);
}

TEST_F(RosterTest, TheProRosterHoldsTwentyFivePlayersWithoutHoldouts) {
  FullTeam();  // 23 on the pro roster
  Put(26, "Extra", 0, 100);
  Put(27, "Holdout", 0, 100).Suspension = league::kHoldout;  // not counted
  Put(28, "F3", 0, 0);
  Put(29, "AHoldout", 0, 0).Suspension = league::kHoldout;
  Open();
  ASSERT_EQ(window->Counts().ProCount, 24);

  // The holdout comes first in the list and moves up without counting.
  Select(0, {"AHoldout", "F0", "F1", "F2"});
  Press(3);
  EXPECT_EQ(WorkStatus(29), 100);
  EXPECT_EQ(WorkStatus(23), 100);
  EXPECT_EQ(WorkStatus(24), 0);
  EXPECT_EQ(WorkStatus(25), 0);
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, "Roster is full");
  EXPECT_EQ(toolkit.messages[0].title, "Set Roster");
  EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::Critical);
  EXPECT_EQ(window->Counts().ProCount, 25);
}

TEST_F(RosterTest, AButtonThatMovesNobodyStillCountsAsAChange) {
  FullTeam();
  Open();
  Press(3);
  EXPECT_TRUE(window->RosterChanged());
}

// ---- leaving ----------------------------------------------------------------

struct LeaveCase {
  const char* name;
  bool change;      // scratch C0 first
  bool scratchTwo;  // and C1 too (roster incomplete)
  std::vector<ui::Answer> answers;
  bool closeBox;                      // leave by the close box instead of cmdExit
  std::vector<std::string> messages;  // texts shown, in order
  bool kept;
};

class LeaveTest : public RosterTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveTest, AsksToKeepAndWarnsAsTheCaseNeeds) {
  const auto& c = GetParam();
  FullTeam();
  Put(26, "Injured farm", 0, 3).Condition = 2;
  Open();
  if (c.change) {
    Select(2, c.scratchTwo ? std::vector<std::string>{"C0", "C1"} : std::vector<std::string>{"C0"});
    Press(0);
    Select(1, {"C4"});
    if (!c.scratchTwo) Press(1);
  }
  toolkit.answers.assign(c.answers.begin(), c.answers.end());
  c.closeBox ? form.CloseBox() : Exit();

  EXPECT_TRUE(form.closed);
  EXPECT_EQ(toolkit.Texts(), c.messages);
  EXPECT_EQ(Place(0).Status, c.kept ? 100 : 200);
  EXPECT_EQ(Place(20).Status, c.kept && !c.scratchTwo ? 200 : 100);
  EXPECT_EQ(session.LeagueChanged, c.kept);
  EXPECT_EQ(std::filesystem::exists(session.SwapFile("swp.r")), c.kept);
  // The adjustment made on opening stays whatever the answer.
  EXPECT_EQ(Place(26).Status, 103);
  EXPECT_EQ(Place(26).Condition, 100);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeaveTest,
    ::testing::Values(
        LeaveCase{"NothingChanged", false, false, {}, false, {}, false},
        LeaveCase{"Keep", true, false, {ui::Answer::Yes}, false, {"Keep Roster Changes?"}, true},
        LeaveCase{"KeepIncomplete",
                  true,
                  true,
                  {ui::Answer::Yes},
                  false,
                  {"Keep Roster Changes?", "Roster not complete"},
                  true},
        LeaveCase{"Discard", true, false, {ui::Answer::No}, false, {"Keep Roster Changes?"}, false},
        LeaveCase{"CloseBox", true, false, {}, true, {"Changes were not saved"}, false},
        LeaveCase{"CloseBoxUnchanged", false, false, {}, true, {}, false}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST_F(RosterTest, LeavingMessagesCarryTheirTitlesAndIcons) {
  FullTeam();
  Open();
  Select(2, {"C0"});
  Press(0);
  toolkit.answers = {ui::Answer::Yes};
  Exit();
  ASSERT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(toolkit.messages[0].title, "Keep Changes");
  EXPECT_EQ(toolkit.messages[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(toolkit.messages[1].text, "Roster not complete");
  EXPECT_EQ(toolkit.messages[1].title, "Edit Roster");
  EXPECT_EQ(toolkit.messages[1].icon, ui::Icon::Critical);
}

TEST_F(RosterTest, KeepingEmptiesTheGridCellsOfPlayersNoLongerDressed) {
  FullTeam();
  auto& lines = session.Teams[0].Lines;
  lines.Cells.fill(league::kNoPlayer);
  lines.At(0, 0) = 0;  // C0, who is scratched
  lines.At(11, 4) = 0;
  lines.At(12, 2) = 0;  // line 12 is cleaned in positions 0 to 2 only
  lines.At(12, 3) = 0;
  lines.At(0, 1) = 4;   // L0 stays dressed
  lines.At(1, 0) = 23;  // a farm player
  session.Teams[0].LinesSet = league::kTrue;
  Open();
  Select(2, {"C0"});
  Press(0);
  toolkit.answers = {ui::Answer::Yes};
  Exit();

  EXPECT_EQ(lines.At(0, 0), league::kNoPlayer);
  EXPECT_EQ(lines.At(11, 4), league::kNoPlayer);
  EXPECT_EQ(lines.At(12, 2), league::kNoPlayer);
  EXPECT_EQ(lines.At(12, 3), 0);
  EXPECT_EQ(lines.At(0, 1), 4);
  EXPECT_EQ(lines.At(1, 0), league::kNoPlayer);
  EXPECT_EQ(session.Teams[0].LinesSet, 0);
}

// ---- the player panel -------------------------------------------------------

TEST_F(RosterTest, ClickingAnEntryShowsThePlayer) {
  FullTeam();
  auto& wing = Put(26, "Wing", 1, 0);
  wing.Age = 31, wing.Hand = 1;
  for (int k = 0; k < 13; ++k)
    wing.Skills[static_cast<std::size_t>(k)] = static_cast<league::Byte>(40 + k);
  Open();
  List(0).Click(List(0).Find(Stored("Wing")));

  EXPECT_EQ(session.CurrentPlayer, 26);
  EXPECT_EQ(form.GetText("txtName").text, Stored("Wing"));
  EXPECT_EQ(form.GetText("txtPos").text, "LW");
  EXPECT_EQ(form.GetText("txtAge").text, "31");
  EXPECT_EQ(form.GetText("txtHand").text, "R");
  EXPECT_EQ(form.GetText("txtRating", 0).text, "40");
  EXPECT_EQ(form.GetText("txtRating", 12).text, "52");
  EXPECT_EQ(form.GetText("txtOverall").text, std::to_string(ratings::Overall(wing)));
  EXPECT_FALSE(form.GetText("txtRating", 9).locked);
  EXPECT_FALSE(form.GetText("txtRating", 10).locked);
  EXPECT_TRUE(form.GetText("txtRating", 8).locked);
  EXPECT_TRUE(form.GetText("txtName").locked);

  // A goalie locks DF and SC with "na"; a skater after him unlocks them again.
  List(2).Click(List(2).Find(Stored("G0")));
  EXPECT_EQ(form.GetText("txtRating", 9).text, "na");
  EXPECT_TRUE(form.GetText("txtRating", 9).locked);
  EXPECT_TRUE(form.GetText("txtRating", 10).locked);
  EXPECT_EQ(form.GetText("txtHand").text, "L");
  List(0).Click(List(0).Find(Stored("Wing")));
  EXPECT_EQ(form.GetText("txtRating", 9).text, "49");
  EXPECT_FALSE(form.GetText("txtRating", 9).locked);
}

struct SkillCase {
  const char* typed;
  int stored;
};

class SkillEditTest : public RosterTest, public ::testing::WithParamInterface<SkillCase> {};

TEST_P(SkillEditTest, EnterStoresALeadingNumberFrom15To99) {
  FullTeam();
  Open();
  List(2).Click(List(2).Find(Stored("C0")));
  auto& df = form.GetText("txtRating", 9);
  df.TypeAndEnter(GetParam().typed);
  EXPECT_EQ(Place(0).Skills[9], GetParam().stored);
  EXPECT_EQ(form.GetText("txtOverall").text, std::to_string(ratings::Overall(Place(0))));
  EXPECT_FALSE(window->RosterChanged());
  df.LoseFocus();
  EXPECT_EQ(df.text, std::to_string(GetParam().stored));
}

INSTANTIATE_TEST_SUITE_P(Cases, SkillEditTest,
                         ::testing::Values(SkillCase{"120", 50}, SkillCase{"14", 50},
                                           SkillCase{"abc", 50}, SkillCase{"100", 50},
                                           SkillCase{"65.9", 65}, SkillCase{"15", 15},
                                           SkillCase{"99.99", 99}, SkillCase{" 70 points", 70}));

TEST_F(RosterTest, TypingWithoutEnterIsUndoneWhenTheBoxLosesFocus) {
  FullTeam();
  Open();
  List(2).Click(List(2).Find(Stored("R0")));
  auto& sc = form.GetText("txtRating", 10);
  sc.text = "90";
  sc.LoseFocus();
  EXPECT_EQ(sc.text, "50");
  EXPECT_EQ(Place(8).Skills[10], 50);
}

TEST_F(RosterTest, EnterInTheNameBoxBeforeAnyPlayerWasShownDoesNothing) {
  FullTeam();
  session.CurrentPlayer = 3;  // set by another window
  Open();
  auto& name = form.GetText("txtName");
  name.text = "Whatever";
  name.OnKeyPress(ui::kKeyEnter);
  EXPECT_EQ(Place(3).PlayerName.Raw(), Stored("C3"));

  // Once a player was shown, Enter stores the box's text as his name.
  List(2).Click(List(2).Find(Stored("C3")));
  name.text = "Renamed";
  name.OnKeyPress(ui::kKeyEnter);
  EXPECT_EQ(Place(3).PlayerName.Raw(), Stored("Renamed"));
  EXPECT_GE(List(2).Find(Stored("Renamed")), 0);
}

// ---- protection -------------------------------------------------------------

struct LimitsCase {
  int f, d, g;
  roster::ProtectionLimits limits;
};

class ProtectLimitsTest : public ::testing::TestWithParam<LimitsCase> {};

TEST_P(ProtectLimitsTest, FollowTheStepsInOrder) {
  const auto& c = GetParam();
  EXPECT_EQ(roster::ProtectLimits(c.f, c.d, c.g), c.limits) << c.f << " " << c.d << " " << c.g;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProtectLimitsTest,
    ::testing::Values(LimitsCase{0, 0, 0, {10, 6, 2}}, LimitsCase{9, 5, 1, {10, 6, 1}},
                      LimitsCase{0, 3, 2, {8, 4, 2}}, LimitsCase{8, 3, 2, {8, 3, 2}},
                      LimitsCase{4, 6, 1, {9, 6, 1}}, LimitsCase{4, 6, 0, {9, 6, 1}},
                      LimitsCase{10, 0, 0, {10, 5, 1}}, LimitsCase{7, 4, 2, {7, 4, 2}},
                      LimitsCase{8, 5, 0, {10, 6, 1}}));

TEST_F(RosterTest, DoubleClickInProtectionModeTogglesTheMarkInPlace) {
  FullTeam();
  Open();
  form.GetCheck("chkProtect").Click();
  const int index = List(2).Find(Stored("D0"));
  List(2).DblClick(index);

  EXPECT_TRUE(league::IsSet(Place(12).Protected));
  EXPECT_EQ(List(2).ItemText(index), "*" + Stored("D0"));
  EXPECT_EQ(List(2).ItemData(index), 12);
  EXPECT_TRUE(List(2).Selected(index));
  EXPECT_TRUE(window->RosterChanged());
  EXPECT_TRUE(toolkit.modals.empty());

  List(2).DblClick(index);
  EXPECT_FALSE(league::IsSet(Place(12).Protected));
  EXPECT_EQ(List(2).ItemText(index), Stored("D0"));
}

TEST_F(RosterTest, ProtectionBeyondTheLimitsIsRefusedSilently) {
  FullTeam();
  // Two goalies and three defencemen protected, then an eighth forward: the
  // defence limit falls to 3, so a fourth defenceman is refused.
  for (int p : {18, 19, 12, 13, 14, 0, 1, 2, 3, 4, 5, 6, 7}) Place(p).Protected = league::kTrue;
  Open();
  form.GetCheck("chkProtect").Click();
  const int index = List(2).Find(Stored("D3"));
  List(2).DblClick(index);
  EXPECT_FALSE(league::IsSet(Place(15).Protected));
  EXPECT_EQ(List(2).ItemText(index), Stored("D3"));
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_FALSE(window->RosterChanged());
  // A ninth forward is refused too (the forward limit is 8), a goalie as well.
  List(2).DblClick(List(2).Find(Stored("R0")));
  List(1).DblClick(List(1).Find(Stored("G2")));
  EXPECT_FALSE(league::IsSet(Place(8).Protected));
  EXPECT_FALSE(league::IsSet(Place(22).Protected));
}

TEST_F(RosterTest, DoubleClickOpensThePlayerCardAndDropsAReleasedPlayer) {
  FullTeam();
  Open();
  toolkit.onShowModal = [&](ui::WindowId, int) {};
  List(1).DblClick(List(1).Find(Stored("D6")));
  ASSERT_EQ(toolkit.modals.size(), 1u);
  EXPECT_EQ(toolkit.modals[0].first, ui::WindowId::PlayerInfo);
  EXPECT_EQ(session.CurrentPlayer, 21);
  EXPECT_FALSE(window->RosterChanged());

  toolkit.onShowModal = [&](ui::WindowId, int) { Place(session.CurrentPlayer).Released = 1; };
  List(1).DblClick(List(1).Find(Stored("D6")));
  EXPECT_EQ(List(1).Find(Stored("D6")), -1);
  EXPECT_TRUE(window->RosterChanged());
}

}  // namespace
