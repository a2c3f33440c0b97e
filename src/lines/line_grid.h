#pragma once
// The line grid as plain data: what each cell means, the assignment notation,
// the unit averages, the completeness test and the commit into the team.
// Everything here is free of windows so the lines editor's arithmetic can be
// checked on its own.

#include <array>
#include <string>

#include "app/session.h"
#include "league/records.h"
#include "league/result.h"

namespace lines {

using league::LineGrid;

constexpr int kUnitRows = 12;  // rows 0..11 are units; row 12 holds the goalie and extra skaters
constexpr int kSpareRow = 12;
constexpr int kPlayersInGrid = league::kRosterPlaces;

constexpr const char* kNoAssignments = "No Assignments";
constexpr const char* kNotationTip =
    "Line Assignments Notation: TLP - Type:Even/Powerplay/PenKill \xC2\xB7 L - Line Number\xC2\xB7 "
    "P-Position";

// True for a cell that names a roster place; 50..254 only come from damaged
// data and count as nobody wherever a player would be looked up.
inline bool HoldsPlayer(league::Byte cell) { return cell < kPlayersInGrid; }

// "E1".."E4", "P1".."P4", "K1".."K4" for rows 0..11; row 12 has no code.
std::array<std::string, LineGrid::kRows> LineCodes();

// How many cells of the row its unit (or row 12) uses: 5, 4 or 3.
int UnitSize(int row);

// Whether cell (row, column) belongs to a unit (or to the goalie and extra skaters).
bool CellUsed(int row, int column);

// The position letters of a row ("C", "L", "R", "D", "D" / "C", "W", "D", "D" / "C", "D", "D").
std::array<std::string, 5> PositionLetters(int row);

// For each player index the cells he holds in rows 0..11, as "E1C P1C", or
// "No Assignments". Row 12 is never described.
std::array<std::string, kPlayersInGrid> ReadLineAssgts(const LineGrid& grid);

struct UnitAverages {
  std::array<int, league::kSkillCount> Skills{};
  int Overall = 0;
};

// The unit averages of row r (0..11): every skill and the overall rating summed
// over the unit's cells and divided by the unit size whatever is empty, rounded
// half up. Cells that do not name a roster place add nothing.
UnitAverages LineAverages(const LineGrid& grid, const app::TeamSlot& slot, int row);

// True when any used cell is 255. Only 255 counts as empty here.
bool LinesIncomplete(const LineGrid& grid);

// The grid as the team record keeps it: cells no unit uses hold 255.
LineGrid NormalisedForTeam(const LineGrid& grid);

// Commits the working grid into the team record of CurrentTeam (unused cells
// 255, LinesSet -1), sets LeagueChanged and saves the team from slot `slot`.
// When the team cannot be saved, the team record and LeagueChanged stay as they were.
league::Status TransferBuffer(app::Session& session, const LineGrid& grid, int slot);

}  // namespace lines
