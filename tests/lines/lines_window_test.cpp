#include "lines/lines_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "league/text.h"
#include "lines/auto_lines.h"
#include "lines/line_grid.h"
#include "lines/lines_file.h"
#include "lines/lines_fixture.h"
#include "support/fake_ui.h"

namespace {

using league::kNoPlayer;
using namespace linestest;

class LinesWindowTest : public LinesFixture {
 protected:
  void Open() {
    form = std::make_unique<test::FakeForm>();
    window = std::make_unique<lines::Lines>(session, *form, toolkit);
    window->Load();
  }

  test::FakeLabel& Cell(int n) { return form->GetLabel("lblPlayer", n); }
  test::FakeLabel& Title(int i) { return form->GetLabel("Label1", i); }
  test::FakeList& List() { return form->GetList("List2"); }
  std::string Name(int p) { return league::Show(Place(p).PlayerName); }
  league::LineGrid& TeamLines() { return session.Teams[0].Lines; }
  void Click(const char* option) { form->GetOption(option).Click(); }
  void Select(int player) { List().Click(List().Find(Name(player))); }
  int BoldTitle() {
    int bold = -1;
    for (int i = 0; i < 4; ++i)
      if (Title(i).bold) bold = bold == -1 ? i : -2;
    return bold;
  }
  std::string Average(int k) { return form->GetText("txtLnAvgRating", k).text; }

  test::FakeToolkit toolkit;
  std::unique_ptr<test::FakeForm> form;
  std::unique_ptr<lines::Lines> window;
};

TEST_F(LinesWindowTest, LoadShowsTheTeamAndSelectsTheFirstDressedPlayer) {
  StandardRoster();
  Place(20) = Level("Scratched", kC, 100, 60);
  Place(21) = Level("Hurt But Dressed", kRW, 203, 60);
  Place(0).Status = 100;  // the first list entry is then centre 1
  TeamLines().At(0, 0) = 1;
  TeamLines().At(4, 0) = 1;
  TeamLines().At(12, 0) = 18;
  TeamLines().At(0, 1) = 60;  // damaged: shown empty
  Open();

  EXPECT_EQ(form->caption, "Edit Lines");
  EXPECT_EQ(form->GetLabel("Label6").caption, "Lines for Hawks     ");
  std::vector<int> listed;
  for (int i = 1; i < 20; ++i) listed.push_back(i);
  listed.push_back(21);
  EXPECT_EQ(List().Datas(), listed);
  EXPECT_EQ(List().ItemText(0), Name(1));
  EXPECT_EQ(List().ListIndex(), 0);
  EXPECT_EQ(session.CurrentPlayer, 1);
  EXPECT_EQ(form->GetLabel("lblPlyrStat", 17).caption, "Centre 1 is assigned to:");
  EXPECT_EQ(form->GetLabel("lblLineString").caption, "E1C P1C");
  EXPECT_EQ(form->GetLabel("lblLineString").toolTip,
            "Line Assignments Notation: TLP - Type:Even/Powerplay/PenKill \xC2\xB7 L - Line "
            "Number\xC2\xB7 P-Position");
  EXPECT_EQ(form->GetText("txtPos").text, " C");
  EXPECT_EQ(form->GetText("txtAge").text, "27");
  EXPECT_EQ(form->GetText("txtHand").text, "L");
  EXPECT_EQ(form->GetText("txtRating", 10).text, "70");
  EXPECT_EQ(Cell(0).caption, Name(1));
  EXPECT_EQ(Cell(1).caption, "");
  EXPECT_EQ(Cell(20).caption, Name(18));
  EXPECT_EQ(Title(0).caption, "Even Strength Line 1");
  EXPECT_EQ(form->GetLabel("Label3").caption, "Goalie");
  EXPECT_EQ(form->GetLabel("Label4").caption, "Extra Skaters");
  EXPECT_EQ(form->GetLabel("lblLineFocus").caption, "Line Average");
  EXPECT_EQ(Average(0), "");  // until a view button or a cell click
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_FALSE(window->LinesChanged());
}

TEST_F(LinesWindowTest, NobodyToListWarnsAndTheWindowStaysUsable) {
  Place(0) = Level("Scratch", kC, 100, 60);
  Open();
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, "There are not enough players. Set roster first");
  EXPECT_EQ(toolkit.messages[0].title, "Roster warning");
  EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::Information);
  Click("optPP");
  EXPECT_EQ(Title(0).caption, "PP Line 1 (5 on 4)");
  Cell(0).Click();
  EXPECT_FALSE(window->LinesChanged());
  form->GetButton("cmdExit").Click();
  EXPECT_TRUE(form->closed);
  EXPECT_EQ(toolkit.messages.size(), 1u);
}

TEST_F(LinesWindowTest, TheThreeViews) {
  StandardRoster();
  for (int r = 0; r < 13; ++r) TeamLines().At(r, 0) = static_cast<league::Byte>(r);
  struct Case {
    const char* option;
    std::set<int> hidden;
    std::vector<std::string> titles, captions;
    int base;
  };
  const Case cases[] = {
      {"optPP",
       {14, 19},
       {"PP Line 1 (5 on 4)", "PP Line 2 (5 on 4)", "PP Line 1 (4 on 3)", "PP Line 2 (4 on 3)"},
       {"C", "LW", "RW", "D", "D", "C", "W", "D", "D", ""},
       4},
      {"optPK",
       {4, 9, 13, 14, 18, 19},
       {"PK Line 1 (4 on 5)", "PK Line 2 (4 on 5)", "PK Line 1 (3 on 5)", "PK Line 2 (3 on 5)"},
       {"C", "W", "D", "D", "", "C", "D", "D", "", ""},
       8},
      {"optEven",
       {},
       {"Even Strength Line 1", "Even Strength Line 2", "Even Strength Line 3",
        "Even Strength Line 4"},
       {"C", "LW", "RW", "D", "D", "C", "LW", "RW", "D", "D"},
       0},
  };
  Open();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    Click(c.option);
    for (int n = 0; n < 23; ++n) EXPECT_EQ(Cell(n).visible, !c.hidden.count(n)) << n;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Title(i).caption, c.titles[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 10; ++i)
      EXPECT_EQ(form->GetLabel("Label2", i).caption, c.captions[static_cast<std::size_t>(i)]) << i;
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Cell(5 * k).caption, Name(c.base + k)) << k;
    EXPECT_EQ(Cell(20).caption, Name(12));
    EXPECT_TRUE(form->GetOption(c.option).value);
  }
  EXPECT_FALSE(form->GetOption("optPK").value);
  EXPECT_FALSE(window->LinesChanged());
}

TEST_F(LinesWindowTest, ViewButtonsFocusTheirFirstUnitButPenaltyKillKeepsTheFocus) {
  StandardRoster();
  TeamLines().At(4, 0) = 0;
  Open();
  Click("optPP");
  EXPECT_EQ(BoldTitle(), 0);
  EXPECT_EQ(form->GetText("txtLnOverall").text,
            std::to_string(lines::LineAverages(TeamLines(), Slot(), 4).Overall));
  Select(1);
  Cell(5).Click();  // row 5
  EXPECT_EQ(BoldTitle(), 1);
  const auto rowFive = lines::LineAverages(window->Grid(), Slot(), 5);
  Click("optPK");
  EXPECT_EQ(BoldTitle(), 1);
  EXPECT_EQ(form->GetText("txtLnOverall").text, std::to_string(rowFive.Overall));
  EXPECT_EQ(Average(9), std::to_string(rowFive.Skills[9]));
}

TEST_F(LinesWindowTest, CellPlacementRulesPerView) {
  StandardRoster();
  struct Case {
    const char* what;
    const char* option;
    int player;
    int cell;
    int row, column;  // -1: refused
  };
  const Case cases[] = {
      {"skater in an even-strength cell", "optEven", 0, 7, 1, 2},
      {"left wing in a power-play D cell", "optPP", 4, 12, 6, 2},
      {"right wing in a penalty-kill D cell", "optPK", 8, 16, 11, 1},
      {"goalie in a skater cell", "optEven", 18, 3, -1, -1},
      {"goalie in a power-play cell", "optPP", 19, 0, -1, -1},
      {"skater in the goalie cell", "optEven", 12, 20, -1, -1},
      {"goalie in the goalie cell", "optPP", 18, 20, 12, 0},
      {"goalie as an extra skater", "optEven", 18, 21, -1, -1},
      {"skater as extra skater 1", "optPK", 12, 21, 12, 1},
      {"skater as extra skater 2", "optEven", 3, 22, 12, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TeamLines().Cells.fill(kNoPlayer);
    toolkit = test::FakeToolkit{};
    Open();
    Click(c.option);
    Select(c.player);
    Cell(c.cell).Click();
    league::LineGrid expected = TeamLines();
    if (c.row >= 0) expected.At(c.row, c.column) = static_cast<league::Byte>(c.player);
    EXPECT_EQ(window->Grid(), expected);
    EXPECT_EQ(window->LinesChanged(), c.row >= 0);
    EXPECT_EQ(Cell(c.cell).caption, c.row >= 0 ? Name(c.player) : "");
    EXPECT_TRUE(toolkit.messages.empty());
  }
}

TEST_F(LinesWindowTest, APlacementInRowTwelveFocusesTheFirstUnit) {
  StandardRoster();
  TeamLines().At(0, 0) = 0;
  Open();
  Click("optPP");
  Select(6);
  Cell(7).Click();  // row 5
  ASSERT_EQ(BoldTitle(), 1);
  Select(18);
  Cell(20).Click();
  EXPECT_EQ(window->Grid().At(12, 0), 18);
  EXPECT_EQ(BoldTitle(), 0);
  EXPECT_EQ(form->GetText("txtLnOverall").text,
            std::to_string(lines::LineAverages(window->Grid(), Slot(), 0).Overall));
}

TEST_F(LinesWindowTest, APlayerTakesOneCellPerRow) {
  StandardRoster();
  Open();
  Select(0);
  Cell(0).Click();  // E1 centre
  Cell(1).Click();  // E1 left wing: he is already in the row
  EXPECT_EQ(window->Grid().At(0, 1), kNoPlayer);
  Cell(6).Click();  // E2 left wing
  EXPECT_EQ(window->Grid().At(1, 1), 0);
  EXPECT_EQ(form->GetLabel("lblLineString").caption, "E1C E2L");
  // Every column of the row counts, the last one too.
  Select(12);
  Cell(4).Click();
  Cell(2).Click();
  EXPECT_EQ(window->Grid().At(0, 2), kNoPlayer);
  // The one he replaces is simply out.
  Select(5);
  Cell(6).Click();
  EXPECT_EQ(window->Grid().At(1, 1), 5);
  Select(0);
  EXPECT_EQ(form->GetLabel("lblLineString").caption, "E1C");
}

TEST_F(LinesWindowTest, FiltersRebuildTheListWithoutASelection) {
  StandardRoster();
  Open();
  form->GetCheck("Check1", 4).Click();  // goalies off
  EXPECT_EQ(List().Count(), 18);
  EXPECT_EQ(List().Find(Name(18)), -1);
  EXPECT_EQ(List().ListIndex(), -1);
  Cell(0).Click();
  EXPECT_FALSE(window->LinesChanged());
  form->GetCheck("Check1", 0).Click();  // centres off too
  EXPECT_EQ(List().Count(), 14);
  Select(4);
  Cell(0).Click();
  EXPECT_EQ(window->Grid().At(0, 0), 4);
}

TEST_F(LinesWindowTest, TheDetailPanelLocksAGoaliesDefenceAndScoring) {
  StandardRoster();
  Open();
  Select(18);
  EXPECT_EQ(form->GetText("txtPos").text, " G");
  for (int k : {9, 10}) {
    EXPECT_EQ(form->GetText("txtRating", k).text, "na");
    EXPECT_TRUE(form->GetText("txtRating", k).locked);
  }
  EXPECT_EQ(form->GetText("txtRating", 1).text, "75");
  Select(12);
  EXPECT_EQ(form->GetText("txtRating", 9).text, "77");
  EXPECT_FALSE(form->GetText("txtRating", 9).locked);
  EXPECT_EQ(form->GetText("txtName").text, Name(12));
  EXPECT_FALSE(form->GetText("txtName").visible);
}

TEST_F(LinesWindowTest, DoubleClickOpensThePlayerCard) {
  StandardRoster();
  Open();
  int shownFor = -1;
  toolkit.onShowModal = [&](ui::WindowId, int) { shownFor = session.CurrentPlayer; };
  List().DblClick(List().Find(Name(7)));
  ASSERT_EQ(toolkit.modals.size(), 1u);
  EXPECT_EQ(toolkit.modals[0].first, ui::WindowId::PlayerInfo);
  EXPECT_EQ(shownFor, 7);
}

TEST_F(LinesWindowTest, AutoWantsExactlyTwentyFitDressedPlayers) {
  for (int extra : {-1, 1}) {
    SCOPED_TRACE(extra);
    session.TeamSlots[0] = {};
    StandardRoster();
    if (extra < 0) Place(19).Status = 201;
    if (extra > 0) Place(20) = Level("Twenty-first", kC, 200, 40);
    toolkit = test::FakeToolkit{};
    Open();
    form->GetButton("cmdAuto").Click();
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, "There are only " + std::to_string(20 + extra) +
                                            " players on the roster.\rSet roster first");
    EXPECT_EQ(toolkit.messages[0].title, "Auto Lines");
    EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::Information);
    EXPECT_EQ(window->Grid(), TeamLines());
    EXPECT_FALSE(window->LinesChanged());
  }
}

TEST_F(LinesWindowTest, AutoFillsTheGridAndRefreshes) {
  StandardRoster();
  Open();
  form->GetButton("cmdAuto").Click();
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(window->Grid(), lines::AutoLines(Slot()));
  EXPECT_TRUE(window->LinesChanged());
  EXPECT_EQ(Cell(0).caption, Name(0));
  EXPECT_EQ(Cell(22).caption, Name(1));
  EXPECT_EQ(form->GetLabel("lblLineString").caption, "E1C P1C P3C K1C K3C");
}

TEST_F(LinesWindowTest, ExitWithoutChangesJustCloses) {
  StandardRoster();
  Open();
  form->GetButton("cmdExit").Click();
  EXPECT_TRUE(form->closed);
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_FALSE(session.LeagueChanged);
}

TEST_F(LinesWindowTest, KeepingCompleteLinesCommitsThem) {
  StandardRoster();
  Open();
  form->GetButton("cmdAuto").Click();
  toolkit.answers.push_back(ui::Answer::Yes);
  form->GetButton("cmdExit").Click();
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, "Keep Line Changes?");
  EXPECT_EQ(toolkit.messages[0].title, "Keep Changes");
  EXPECT_EQ(toolkit.messages[0].buttons, ui::Buttons::YesNo);
  EXPECT_TRUE(form->closed);
  EXPECT_EQ(TeamLines(), lines::NormalisedForTeam(lines::AutoLines(Slot())));
  EXPECT_EQ(session.Teams[0].LinesSet, -1);
  EXPECT_TRUE(session.LeagueChanged);

  // Reopened, the editor shows the committed lines.
  Open();
  EXPECT_EQ(window->Grid(), TeamLines());
  EXPECT_EQ(Cell(0).caption, Name(0));
}

TEST_F(LinesWindowTest, IncompleteLinesAreNotKept) {
  StandardRoster();
  TeamLines() = lines::NormalisedForTeam(lines::AutoLines(Slot()));
  TeamLines().At(12, 2) = kNoPlayer;  // extra skater 2 missing
  const auto committed = TeamLines();
  Open();
  Select(5);
  Cell(1).Click();
  ASSERT_TRUE(window->LinesChanged());
  toolkit.answers.push_back(ui::Answer::Yes);
  form->GetButton("cmdExit").Click();
  ASSERT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(toolkit.messages[1].text, "Lines are not complete");
  EXPECT_EQ(toolkit.messages[1].title, "Edit Lines");
  EXPECT_EQ(toolkit.messages[1].icon, ui::Icon::Critical);
  EXPECT_FALSE(form->closed);
  EXPECT_EQ(TeamLines(), committed);
  EXPECT_TRUE(window->LinesChanged());

  // Closing the window now loses the changes, with a notice.
  form->CloseBox();
  ASSERT_EQ(toolkit.messages.size(), 3u);
  EXPECT_EQ(toolkit.messages[2].text, "Changes were not saved");
  EXPECT_EQ(toolkit.messages[2].title, "Edit Lines");
  EXPECT_EQ(toolkit.messages[2].icon, ui::Icon::Critical);
  EXPECT_EQ(TeamLines(), committed);
  EXPECT_FALSE(session.LeagueChanged);
}

TEST_F(LinesWindowTest, AnsweringNoDropsTheChanges) {
  StandardRoster();
  Open();
  form->GetButton("cmdAuto").Click();
  toolkit.answers.push_back(ui::Answer::No);
  form->GetButton("cmdExit").Click();
  EXPECT_TRUE(form->closed);
  EXPECT_EQ(toolkit.Texts(), std::vector<std::string>{"Keep Line Changes?"});
  EXPECT_EQ(TeamLines().At(0, 0), kNoPlayer);
  EXPECT_FALSE(session.LeagueChanged);
  Open();
  EXPECT_EQ(Cell(0).caption, "");
}

TEST_F(LinesWindowTest, LoadingALinesFileReplacesTheGridButNotTheTexts) {
  StandardRoster();
  TeamLines().At(0, 0) = 0;
  lines::LinesFileRecord record;
  record.Password = session.Teams[0].LineupPassword;
  record.Lines.Cells.fill(kNoPlayer);
  record.Lines.At(0, 0) = 1;
  record.Lines.At(1, 0) = 0;
  for (int i = 0; i < 50; ++i) record.Status[static_cast<std::size_t>(i)] = Place(i).Status;
  const auto path = dir.Path() / "Hawks.lns";
  ASSERT_TRUE(league::RealFileSystem().WritePlain(path, lines::Encode(record)).Ok());
  Open();
  ASSERT_EQ(form->GetLabel("lblLineString").caption, "E1C");

  toolkit.openFiles.push_back(path.string());
  form->GetButton("cmdLoadLines").Click();
  EXPECT_EQ(window->Grid(), record.Lines);
  EXPECT_TRUE(window->LinesChanged());
  EXPECT_EQ(Cell(0).caption, Name(1));
  EXPECT_EQ(Cell(5).caption, Name(0));
  // The texts still describe the old grid until the next refresh.
  Select(0);
  EXPECT_EQ(form->GetLabel("lblLineString").caption, "E1C");
  form->GetLabel("Label6").Click();
  EXPECT_EQ(form->GetLabel("lblLineString").caption, "E2C");
}

TEST_F(LinesWindowTest, SaveLinesWritesTheWorkingGridAndChangesNothingElse) {
  StandardRoster();
  Open();
  Select(3);
  Cell(0).Click();
  toolkit.inputs.push_back("abc");
  toolkit.saveFiles.push_back((dir.Path() / "Hawks.lns").string());
  form->GetButton("cmdSaveLines").Click();
  auto bytes = league::RealFileSystem().ReadAll(dir.Path() / "Hawks.lns");
  ASSERT_TRUE(bytes.Ok());
  ASSERT_EQ(bytes->size(), 226u);
  EXPECT_EQ((*bytes)[11], 3);
  EXPECT_TRUE(window->LinesChanged());
  EXPECT_EQ(TeamLines().At(0, 0), kNoPlayer);
}

}  // namespace
