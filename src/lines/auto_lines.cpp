#include "lines/auto_lines.h"

#include <functional>

#include "lines/line_grid.h"
#include "ratings/ratings.h"

namespace lines {

namespace {

constexpr int kFitDressed = 200;

using Candidate = std::function<bool(const league::PlayerRecord&, std::size_t)>;
using Value = std::function<int(const league::PlayerRecord&)>;

// One pass: the first player of the highest value above 0 among the candidates.
int BestOf(const app::TeamSlot& slot, const Candidate& candidate, const Value& value) {
  int best = 0;
  int choice = -1;
  for (std::size_t i = 0; i < slot.Places.size(); ++i) {
    const auto& player = slot.Places[i];
    if (player.IsEmpty() || !candidate(player, i)) continue;
    const int v = value(player);
    if (v > best) {
      best = v;
      choice = static_cast<int>(i);
    }
  }
  return choice;
}

bool IsGoalie(const league::PlayerRecord& player) { return player.Position == league::kGoalie; }
bool IsForward(const league::PlayerRecord& player) { return player.Position <= 2; }
bool IsDefence(const league::PlayerRecord& player) { return player.Position == 3; }

bool MatchesRequest(const league::PlayerRecord& player, int request) {
  if (request == kAnySkater) return !IsGoalie(player) && player.Position <= league::kGoalie;
  return player.Position == request;
}

struct Pick {
  int Request;
  int Kind;
};

constexpr int kOff = ratings::kOffense, kDef = ratings::kDefense, kAll = ratings::kOverall;
constexpr int kC = 0, kLW = 1, kRW = 2, kD = 3, kG = 4;

struct RowPlan {
  int Row;
  std::array<Pick, 5> Picks;
  int Count;
  bool NewGroup;  // GroupUsed cleared too, not only UnitUsed
};

// The unit rows in filling order. The W cells of rows 6..9 ask for left wingers.
constexpr std::array<RowPlan, 12> kRowPlans = {{
    {0, {{{kC, kOff}, {kLW, kOff}, {kRW, kOff}, {kD, kOff}, {kD, kDef}}}, 5, true},
    {1, {{{kC, kOff}, {kLW, kOff}, {kRW, kOff}, {kD, kOff}, {kD, kDef}}}, 5, false},
    {2, {{{kC, kDef}, {kLW, kDef}, {kRW, kDef}, {kD, kOff}, {kD, kDef}}}, 5, false},
    {3, {{{kC, kAll}, {kLW, kAll}, {kRW, kAll}, {kD, kAll}, {kD, kAll}}}, 5, false},
    {4, {{{kC, kOff}, {kLW, kOff}, {kRW, kOff}, {kD, kOff}, {kD, kOff}}}, 5, true},
    {5, {{{kC, kOff}, {kLW, kOff}, {kRW, kOff}, {kD, kOff}, {kD, kOff}}}, 5, false},
    {6, {{{kC, kOff}, {kLW, kOff}, {kD, kOff}, {kD, kOff}, {}}}, 4, true},
    {7, {{{kC, kOff}, {kLW, kOff}, {kD, kOff}, {kD, kOff}, {}}}, 4, false},
    {8, {{{kC, kDef}, {kLW, kDef}, {kD, kDef}, {kD, kDef}, {}}}, 4, true},
    {9, {{{kC, kDef}, {kLW, kDef}, {kD, kDef}, {kD, kDef}, {}}}, 4, false},
    {10, {{{kC, kDef}, {kD, kDef}, {kD, kDef}, {}, {}}}, 3, true},
    {11, {{{kC, kDef}, {kD, kDef}, {kD, kDef}, {}, {}}}, 3, false},
}};

}  // namespace

league::Byte BestPlayer(const app::TeamSlot& slot, PlacedFlags& flags, int request, int kind) {
  auto newToUnit = [&flags](std::size_t i) { return !flags.UnitUsed[i]; };
  auto rated = [kind](const league::PlayerRecord& p) { return ratings::Rating(p, kind); };
  auto overall = [](const league::PlayerRecord& p) { return ratings::Overall(p); };
  auto condition = [](const league::PlayerRecord& p) { return static_cast<int>(p.Condition); };

  int choice = BestOf(
      slot,
      [&](const league::PlayerRecord& p, std::size_t i) {
        return p.Status == kFitDressed && newToUnit(i) && !flags.GroupUsed[i] &&
               MatchesRequest(p, request);
      },
      rated);
  if (choice < 0) {
    choice = BestOf(
        slot,
        [&](const league::PlayerRecord& p, std::size_t i) {
          return p.Status == kFitDressed && newToUnit(i) && MatchesRequest(p, request);
        },
        rated);
  }
  if (choice < 0 && request <= kD) {
    const bool forwards = request != kD;
    choice = BestOf(
        slot,
        [&](const league::PlayerRecord& p, std::size_t i) {
          return newToUnit(i) && (forwards ? IsForward(p) : IsDefence(p));
        },
        overall);
  }
  if (choice < 0) {
    // Last resort, by Condition, among the players the cell is meant for only:
    // goalies for the goalie cell, skaters for every other cell, as a GM placing
    // players by hand must (a goalie in a skater cell would also be marked for
    // the rest of the row and could then miss the goalie cell).
    const bool wantGoalie = request == kG;
    choice = BestOf(
        slot,
        [&](const league::PlayerRecord& p, std::size_t i) {
          return newToUnit(i) && IsGoalie(p) == wantGoalie;
        },
        condition);
  }
  if (choice < 0) return league::kNoPlayer;
  flags.UnitUsed[static_cast<std::size_t>(choice)] = true;
  flags.GroupUsed[static_cast<std::size_t>(choice)] = true;
  return static_cast<league::Byte>(choice);
}

league::LineGrid AutoLines(const app::TeamSlot& slot) {
  PlacedFlags flags;
  league::LineGrid grid;
  grid.Cells.fill(league::kNoPlayer);

  for (const auto& plan : kRowPlans) {
    flags.UnitUsed.fill(false);
    if (plan.NewGroup) flags.GroupUsed.fill(false);
    for (int j = 0; j < plan.Count; ++j) {
      const auto& pick = plan.Picks[static_cast<std::size_t>(j)];
      grid.At(plan.Row, j) = BestPlayer(slot, flags, pick.Request, pick.Kind);
    }
  }

  // The goalie cell closes the three-on-five group: no flags cleared before it.
  grid.At(kSpareRow, 0) = BestPlayer(slot, flags, kG, kAll);

  flags.GroupUsed.fill(false);
  flags.UnitUsed.fill(false);
  grid.At(kSpareRow, 1) = BestPlayer(slot, flags, kAnySkater, kAll);

  // Extra skater 2 comes neither from the first line nor repeats extra skater 1.
  for (int j = 0; j < LineGrid::kColumns; ++j) {
    const league::Byte p = grid.At(0, j);
    if (HoldsPlayer(p)) flags.UnitUsed[p] = true;
  }
  grid.At(kSpareRow, 2) = BestPlayer(slot, flags, kAnySkater, kOff);
  return grid;
}

league::Status AutoLines(app::Session& session, int slot, bool commit, league::LineGrid& grid) {
  grid = AutoLines(session.TeamSlots[static_cast<std::size_t>(slot)]);
  if (!commit) return league::Status::Success();
  return TransferBuffer(session, grid, slot);
}

}  // namespace lines
