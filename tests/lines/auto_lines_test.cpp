#include "lines/auto_lines.h"

#include <gtest/gtest.h>

#include <set>

#include "lines/line_grid.h"
#include "lines/lines_fixture.h"
#include "ratings/ratings.h"

namespace {

using league::kNoPlayer;
using namespace linestest;

class AutoLinesTest : public LinesFixture {
 protected:
  league::LineGrid Run() { return lines::AutoLines(Slot()); }
  std::vector<int> Row(const league::LineGrid& grid, int row, int count) {
    std::vector<int> out;
    for (int j = 0; j < count; ++j) out.push_back(grid.At(row, j));
    return out;
  }
};

TEST_F(AutoLinesTest, FillsEveryCellInTheOrderOfTheRows) {
  StandardRoster();  // uniform skills: every rating follows the player's level
  const auto grid = Run();
  using V = std::vector<int>;
  EXPECT_EQ(Row(grid, 0, 5), (V{0, 4, 8, 12, 13}));
  EXPECT_EQ(Row(grid, 1, 5), (V{1, 5, 9, 14, 15}));
  EXPECT_EQ(Row(grid, 2, 5), (V{2, 6, 10, 16, 17}));
  // The group has used every defenceman: E4 reuses the best two (pass 2).
  EXPECT_EQ(Row(grid, 3, 5), (V{3, 7, 11, 12, 13}));
  EXPECT_EQ(Row(grid, 4, 5), (V{0, 4, 8, 12, 13}));
  EXPECT_EQ(Row(grid, 5, 5), (V{1, 5, 9, 14, 15}));
  EXPECT_EQ(Row(grid, 6, 4), (V{0, 4, 12, 13}));  // the W cell asks for a left wing
  EXPECT_EQ(Row(grid, 7, 4), (V{1, 5, 14, 15}));
  EXPECT_EQ(Row(grid, 8, 4), (V{0, 4, 12, 13}));
  EXPECT_EQ(Row(grid, 9, 4), (V{1, 5, 14, 15}));
  EXPECT_EQ(Row(grid, 10, 3), (V{0, 12, 13}));
  EXPECT_EQ(Row(grid, 11, 3), (V{1, 14, 15}));
  // Goalie; extra skater 1 the best overall skater (a first-liner); extra
  // skater 2 the best offence outside the first line.
  EXPECT_EQ(Row(grid, 12, 3), (V{18, 0, 1}));
  for (int r = 6; r < 13; ++r) EXPECT_EQ(grid.At(r, 4), kNoPlayer) << r;
  for (int r = 10; r < 13; ++r) EXPECT_EQ(grid.At(r, 3), kNoPlayer) << r;
  EXPECT_FALSE(lines::LinesIncomplete(grid));
}

TEST_F(AutoLinesTest, EachCellRanksByItsOwnRating) {
  StandardRoster();
  // Centres: offence falls from 0 to 3, defence rises. E1, E2 ask for offence,
  // E3 for defence, E4 for overall.
  Place(0) = MakePlayer("Sniper", kC, 200, 95, 30);
  Place(1) = MakePlayer("Playmaker", kC, 200, 85, 40);
  Place(2) = MakePlayer("Grinder", kC, 200, 60, 70);
  Place(3) = MakePlayer("Checker", kC, 200, 50, 95);
  ASSERT_GT(ratings::OffenseRating(Place(2)), ratings::OffenseRating(Place(3)));
  ASSERT_GT(ratings::DefenseRating(Place(3)), ratings::DefenseRating(Place(2)));
  const auto grid = Run();
  EXPECT_EQ(grid.At(0, 0), 0);
  EXPECT_EQ(grid.At(1, 0), 1);
  EXPECT_EQ(grid.At(2, 0), 3);  // the better defender of the two left
  EXPECT_EQ(grid.At(3, 0), 2);
  // Penalty killers are picked by defence afresh: the checker first.
  EXPECT_EQ(grid.At(8, 0), 3);
  EXPECT_EQ(grid.At(10, 0), 3);
}

TEST_F(AutoLinesTest, TiesGoToTheLowerIndex) {
  StandardRoster();
  Place(2) = Level("Twin A", kC, 200, 90);
  Place(3) = Level("Twin B", kC, 200, 90);
  const auto grid = Run();
  EXPECT_EQ(grid.At(0, 0), 2);
  EXPECT_EQ(grid.At(1, 0), 3);
}

TEST_F(AutoLinesTest, ThreeCentresMakeTheBestOverallPlayTwice) {
  StandardRoster();
  Place(0) = MakePlayer("Sniper", kC, 200, 95, 30);
  Place(1) = MakePlayer("Allround", kC, 200, 80, 80);
  Place(2) = MakePlayer("Checker", kC, 200, 40, 95);
  Place(3) = Level("Extra Wing", kLW, 200, 30);  // still 20 dressed, only three centres
  ASSERT_GT(ratings::Overall(Place(1)), ratings::Overall(Place(0)));
  ASSERT_GT(ratings::Overall(Place(1)), ratings::Overall(Place(2)));
  const auto grid = Run();
  EXPECT_EQ(grid.At(0, 0), 0);
  EXPECT_EQ(grid.At(1, 0), 1);
  EXPECT_EQ(grid.At(2, 0), 2);
  EXPECT_EQ(grid.At(3, 0), 1);
}

TEST_F(AutoLinesTest, WithoutFitLeftWingsTheBestForwardOfTheWholeRosterIsTaken) {
  StandardRoster();
  for (int i = 4; i < 8; ++i) Place(i).Status = 201;  // every left wing hurt
  Place(30) = Level("Farm Star", kRW, 0, 99);         // best forward of all, on the farm
  Place(31) = Level("Scratch", kC, 100, 90);
  const auto grid = Run();
  EXPECT_EQ(grid.At(0, 1), 30);
  EXPECT_EQ(grid.At(1, 1), 30);  // pass 3 ignores the group
  EXPECT_EQ(grid.At(6, 1), 30);  // the W cells of rows 6..9 too
  EXPECT_EQ(grid.At(0, 0), 0);   // the centre cell came first
  // The right wing cell still takes a fit right wing: pass 3 runs only when
  // passes 1 and 2 find nobody.
  EXPECT_EQ(grid.At(0, 2), 8);
}

TEST_F(AutoLinesTest, ExtraSkaterTwoIsNeitherFromLineOneNorExtraSkaterOne) {
  StandardRoster();
  // Extra skater 1 (best overall) is not a first-liner here: a defenceman
  // whose endurance, durability, discipline, experience and leadership lift
  // his overall far more than his two ratings. His offence beats every
  // forward's outside line 1, so only extra skater 1's mark keeps him out of
  // extra skater 2.
  Place(17) = MakePlayer("Veteran", kD, 200, 64, 50);
  for (int k : {3, 4, 5, 11, 12}) Place(17).Skills[static_cast<std::size_t>(k)] = 255;
  ASSERT_GT(ratings::Overall(Place(17)), ratings::Overall(Place(0)));
  ASSERT_LT(ratings::OffenseRating(Place(17)), ratings::OffenseRating(Place(12)));
  ASSERT_LT(ratings::DefenseRating(Place(17)), ratings::DefenseRating(Place(13)));
  ASSERT_GT(ratings::OffenseRating(Place(17)), ratings::OffenseRating(Place(1)));
  const auto grid = Run();
  EXPECT_EQ(grid.At(12, 1), 17);
  std::set<int> lineOne;
  for (int j = 0; j < 5; ++j) lineOne.insert(grid.At(0, j));
  EXPECT_FALSE(lineOne.count(17));
  const int second = grid.At(12, 2);
  EXPECT_FALSE(lineOne.count(second));
  EXPECT_NE(second, 17);
  EXPECT_EQ(second, 1);  // the best offence left: centre 1
}

TEST_F(AutoLinesTest, AnInjuredDressedGoalieIsPassedOver) {
  StandardRoster();
  Place(18).Status = 203;
  EXPECT_EQ(Run().At(12, 0), 19);
}

TEST_F(AutoLinesTest, WithoutAFitGoalieTheFittestGoalieBeatsFitterSkaters) {
  StandardRoster();
  Place(18).Status = 201;
  Place(19).Status = 0;
  Place(18).Condition = 40;
  Place(19).Condition = 70;
  Place(0).Condition = 99;
  EXPECT_EQ(Run().At(12, 0), 19);
}

TEST_F(AutoLinesTest, TheLastPassKeepsGoaliesAndSkatersApart) {
  // No defencemen at all: the D cells fall to the last pass.
  Place(0) = Level("Centre", kC, 200, 70);
  Place(1) = Level("Left", kLW, 200, 70);
  Place(2) = Level("Right", kRW, 200, 70);
  Place(3) = Level("Spare", kC, 100, 40);
  Place(3).Condition = 30;
  Place(4) = Level("Keeper", kG, 200, 70);
  Place(4).Condition = 99;
  const auto grid = Run();
  EXPECT_EQ(grid.At(0, 3), 3);          // the one skater outside the line, despite his condition
  EXPECT_EQ(grid.At(0, 4), kNoPlayer);  // nobody but the goalie is left: empty
  EXPECT_EQ(grid.At(12, 0), 4);         // so the goalie is still free for his own cell
  EXPECT_TRUE(lines::LinesIncomplete(grid));
}

TEST_F(AutoLinesTest, TheGoalieCellNeverTakesASkater) {
  StandardRoster();
  Place(18) = Level("Right 4", kRW, 200, 70);
  Place(19) = Level("Right 5", kRW, 200, 70);
  EXPECT_EQ(Run().At(12, 0), kNoPlayer);
}

TEST_F(AutoLinesTest, EmptyRosterPlacesAreNeverChosen) {
  Place(5) = Level("Lonely", kC, 200, 70);
  Place(9) = Level("Keeper", kG, 200, 70);
  const auto grid = Run();
  for (std::size_t c = 0; c < grid.Cells.size(); ++c) {
    const int cell = grid.Cells[c];
    EXPECT_TRUE(cell == kNoPlayer || cell == 5 || cell == 9) << "cell " << c << " holds " << cell;
  }
  EXPECT_EQ(grid.At(0, 0), 5);
  EXPECT_EQ(grid.At(12, 0), 9);
}

TEST_F(AutoLinesTest, BestPlayerMarksTheChoiceAndReturns255ForNobody) {
  Place(3) = Level("Only", kD, 200, 70);
  lines::PlacedFlags flags;
  EXPECT_EQ(lines::BestPlayer(Slot(), flags, kD, ratings::kDefense), 3);
  EXPECT_TRUE(flags.UnitUsed[3]);
  EXPECT_TRUE(flags.GroupUsed[3]);
  EXPECT_EQ(lines::BestPlayer(Slot(), flags, kD, ratings::kDefense), kNoPlayer);
  flags.UnitUsed.fill(false);
  EXPECT_EQ(lines::BestPlayer(Slot(), flags, kD, ratings::kDefense), 3);  // pass 2
}

TEST_F(AutoLinesTest, CommitRunsTheTransfer) {
  StandardRoster();
  league::LineGrid grid;
  ASSERT_TRUE(lines::AutoLines(session, 0, true, grid).Ok());
  EXPECT_EQ(session.Teams[0].Lines, lines::NormalisedForTeam(grid));
  EXPECT_EQ(session.Teams[0].LinesSet, -1);
  EXPECT_TRUE(session.LeagueChanged);
}

}  // namespace
