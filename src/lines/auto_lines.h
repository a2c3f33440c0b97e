#pragma once
// Automatic lines: every used cell of the grid filled by a fixed sequence of
// searches for the best available player of a team slot.

#include <array>

#include "app/session.h"
#include "league/records.h"
#include "league/result.h"

namespace lines {

// Position requests of BestPlayer: the Position codes 0..4 and any skater.
constexpr int kAnySkater = 5;

// Who has already been placed while AutoLines runs.
struct PlacedFlags {
  std::array<bool, league::kRosterPlaces> UnitUsed{};   // in the row being filled
  std::array<bool, league::kRosterPlaces> GroupUsed{};  // in the current group of rows
};

// The best player for one cell, or 255 when nobody qualifies; the chosen player
// is marked in both flag sets. Passes, each run only when the earlier ones chose
// nobody, a value replacing the choice only when strictly greater (ties to the
// lower index, 0 never wins):
//   1. fit dressed players (Status 200) of the position, new to the group, by `kind`;
//   2. the same, new to the row;
//   3. any status, new to the row: forwards for a forward request, defencemen
//      for a defence request, by Overall (nobody for goalie or any-skater requests);
//   4. any status, new to the row, by Condition, among the players the cell is
//      meant for: goalies for the goalie cell, skaters (any position but goalie)
//      for every other cell. A skater cell never receives a goalie and the goalie
//      cell never a skater, the same rule the editor applies to a placement by
//      hand; a cell nobody fits stays empty and the completeness test says so.
// Empty roster places are never candidates.
league::Byte BestPlayer(const app::TeamSlot& slot, PlacedFlags& flags, int request, int kind);

// The whole grid filled from the players of `slot`; cells no unit uses are 255.
league::LineGrid AutoLines(const app::TeamSlot& slot);

// AutoLines for slot `slot` of the session into `grid`; with `commit` set the
// grid is then committed into the team (TransferBuffer).
league::Status AutoLines(app::Session& session, int slot, bool commit, league::LineGrid& grid);

}  // namespace lines
