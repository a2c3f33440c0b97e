#include "lines/line_grid.h"

#include <gtest/gtest.h>

#include <cmath>

#include "league/file_system.h"
#include "lines/lines_fixture.h"
#include "ratings/ratings.h"
#include "support/failing_fs.h"

namespace {

using league::kNoPlayer;
using league::LineGrid;
using namespace linestest;

LineGrid EmptyGrid() {
  LineGrid grid;
  grid.Cells.fill(kNoPlayer);
  return grid;
}

TEST(LineCodes, NameRowsByTypeAndNumber) {
  const auto codes = lines::LineCodes();
  const char* expected[] = {"E1", "E2", "E3", "E4", "P1", "P2", "P3",
                            "P4", "K1", "K2", "K3", "K4", ""};
  for (int r = 0; r < 13; ++r) EXPECT_EQ(codes[static_cast<std::size_t>(r)], expected[r]) << r;
}

TEST(ReadLineAssgts, ListsEveryUnitCellInRowOrder) {
  LineGrid grid = EmptyGrid();
  grid.At(0, 0) = 7;   // E1C
  grid.At(4, 0) = 7;   // P1C
  grid.At(8, 0) = 7;   // K1C
  grid.At(6, 1) = 3;   // P3W
  grid.At(11, 2) = 3;  // K4D
  grid.At(1, 1) = 3;   // E2L
  const auto texts = lines::ReadLineAssgts(grid);
  EXPECT_EQ(texts[7], "E1C P1C K1C");
  EXPECT_EQ(texts[3], "E2L P3W K4D");
  EXPECT_EQ(texts[0], "No Assignments");
}

TEST(ReadLineAssgts, IgnoresRowTwelveUnusedCellsAndOutOfRangeValues) {
  LineGrid grid = EmptyGrid();
  grid.At(12, 0) = 18;  // the goalie cell
  grid.At(12, 1) = 5;   // extra skaters
  grid.At(12, 2) = 6;
  grid.At(6, 4) = 9;   // not used by a four-man unit
  grid.At(10, 3) = 9;  // not used by a three-man unit
  grid.At(0, 0) = 60;  // damaged: nobody
  grid.At(2, 4) = 10;
  const auto texts = lines::ReadLineAssgts(grid);
  for (int p : {18, 5, 6, 9}) EXPECT_EQ(texts[static_cast<std::size_t>(p)], "No Assignments") << p;
  EXPECT_EQ(texts[10], "E3D");
}

class LineAveragesTest : public LinesFixture {};

TEST_F(LineAveragesTest, DividesByTheUnitSizeAndRoundsHalfUp) {
  Place(0) = Level("One", kC, 200, 50);
  Place(1) = Level("Two", kD, 200, 51);
  Place(0).Skills[5] = 1;  // DI: 1 and 0 over a four-man unit gives 0.25
  Place(1).Skills[5] = 0;
  Place(0).Skills[11] = 1;  // EX: 1 and 1 over four gives 0.5
  Place(1).Skills[11] = 1;
  Place(0).Skills[12] = 2;  // LD: 2 and 1 over four gives 0.75
  Place(1).Skills[12] = 1;

  struct Case {
    int row;
    int divisor;
  };
  for (const Case c : {Case{0, 5}, Case{6, 4}, Case{10, 3}}) {
    SCOPED_TRACE(c.row);
    LineGrid grid = EmptyGrid();
    grid.At(c.row, 0) = 0;
    grid.At(c.row, 1) = 1;
    const auto averages = lines::LineAverages(grid, Slot(), c.row);
    for (std::size_t k = 0; k < 13; ++k) {
      const int sum = Place(0).Skills[k] + Place(1).Skills[k];
      EXPECT_EQ(averages.Skills[k], static_cast<int>(std::floor(sum / double(c.divisor) + 0.5)))
          << "skill " << k;
    }
    const int total = ratings::Overall(Place(0)) + ratings::Overall(Place(1));
    EXPECT_EQ(averages.Overall, static_cast<int>(std::floor(total / double(c.divisor) + 0.5)));
  }

  LineGrid grid = EmptyGrid();
  grid.At(6, 0) = 0;
  grid.At(6, 1) = 1;
  const auto four = lines::LineAverages(grid, Slot(), 6);
  EXPECT_EQ(four.Skills[5], 0);   // 0.25
  EXPECT_EQ(four.Skills[11], 1);  // 0.5 rounds up
  EXPECT_EQ(four.Skills[12], 1);  // 0.75
  // K3 with two of three cells filled: (50 + 51) / 3 = 33.67.
  grid = EmptyGrid();
  grid.At(10, 0) = 0;
  grid.At(10, 2) = 1;
  EXPECT_EQ(lines::LineAverages(grid, Slot(), 10).Skills[9], 34);
}

TEST_F(LineAveragesTest, SkipsCellsThatNameNoRosterPlace) {
  Place(0) = Level("One", kC, 200, 60);
  LineGrid grid = EmptyGrid();
  grid.At(8, 0) = 0;
  grid.At(8, 1) = 50;
  grid.At(8, 2) = 254;
  grid.At(8, 3) = 255;
  const auto averages = lines::LineAverages(grid, Slot(), 8);
  EXPECT_EQ(averages.Skills[9], 15);  // 60 / 4
  EXPECT_EQ(averages.Overall, static_cast<int>(std::floor(ratings::Overall(Place(0)) / 4.0 + 0.5)));
  EXPECT_EQ(lines::LineAverages(EmptyGrid(), Slot(), 0).Overall, 0);
}

// Every cell a unit uses, row by row.
std::vector<std::pair<int, int>> UsedCells() {
  std::vector<std::pair<int, int>> cells;
  const int sizes[13] = {5, 5, 5, 5, 5, 5, 4, 4, 4, 4, 3, 3, 3};
  for (int r = 0; r < 13; ++r)
    for (int j = 0; j < sizes[r]; ++j) cells.emplace_back(r, j);
  return cells;
}

LineGrid FullGrid() {
  LineGrid grid = EmptyGrid();
  for (auto [r, j] : UsedCells()) grid.At(r, j) = static_cast<league::Byte>(j);
  return grid;
}

TEST(LinesIncomplete, AnyEmptyUsedCellAndOnlyThose) {
  EXPECT_FALSE(lines::LinesIncomplete(FullGrid()));
  EXPECT_EQ(UsedCells().size(), 55u);
  for (auto [r, j] : UsedCells()) {
    LineGrid grid = FullGrid();
    grid.At(r, j) = kNoPlayer;
    EXPECT_TRUE(lines::LinesIncomplete(grid)) << r << "," << j;
  }
  // A damaged value is not an empty cell for this test.
  LineGrid damaged = FullGrid();
  damaged.At(0, 0) = 60;
  EXPECT_FALSE(lines::LinesIncomplete(damaged));
}

class TransferBufferTest : public LinesFixture {};

TEST_F(TransferBufferTest, CommitsNormalisedCellsAndSavesTheTeam) {
  StandardRoster();
  LineGrid grid;
  grid.Cells.fill(3);  // every cell, used or not, holds a player
  grid.At(2, 1) = 9;
  ASSERT_TRUE(lines::TransferBuffer(session, grid, 0).Ok());

  const auto& lines = session.Teams[0].Lines;
  for (int r = 0; r < 13; ++r) {
    for (int j = 0; j < 5; ++j) {
      const bool unused = (r >= 6 && j == 4) || (r >= 10 && j == 3);
      EXPECT_EQ(lines.At(r, j), unused ? kNoPlayer : grid.At(r, j)) << r << "," << j;
    }
  }
  EXPECT_EQ(session.Teams[0].LinesSet, -1);
  EXPECT_TRUE(session.LeagueChanged);

  // The team record in the working copy carries the grid at offset 174, rows fastest.
  auto teams = session.Files.ReadAll(session.SwapFile("swp.t"));
  ASSERT_TRUE(teams.Ok());
  ASSERT_GE(teams->size(), 254u);
  EXPECT_EQ((*teams)[174 + 2 + 13 * 1], 9);
  EXPECT_EQ((*teams)[174 + 12 + 13 * 4], kNoPlayer);
  EXPECT_EQ((*teams)[174 + 10 + 13 * 3], kNoPlayer);
  EXPECT_EQ((*teams)[174 + 12 + 13 * 2], 3);
  EXPECT_EQ((*teams)[252], 0xFF);  // LinesSet -1
  EXPECT_EQ((*teams)[253], 0xFF);
  auto rosters = session.Files.ReadAll(session.SwapFile("swp.r"));
  ASSERT_TRUE(rosters.Ok());
  EXPECT_EQ(rosters->size(), 50u * 86u);
}

TEST_F(TransferBufferTest, AFailedSaveLeavesTheTeamAsItWas) {
  test::FailingFileSystem failing(1);
  app::Session broken(dir.Path(), failing);
  broken.Teams = session.Teams;
  const auto before = broken.Teams[0];
  LineGrid grid;
  grid.Cells.fill(1);
  EXPECT_FALSE(lines::TransferBuffer(broken, grid, 0).Ok());
  EXPECT_EQ(broken.Teams[0].Lines, before.Lines);
  EXPECT_EQ(broken.Teams[0].LinesSet, before.LinesSet);
  EXPECT_FALSE(broken.LeagueChanged);
}

}  // namespace
