#include "lines/line_grid.h"

#include "ratings/ratings.h"

namespace lines {

std::array<std::string, LineGrid::kRows> LineCodes() {
  std::array<std::string, LineGrid::kRows> codes;
  for (int r = 0; r < 4; ++r) codes[static_cast<std::size_t>(r)] = "E" + std::to_string(r + 1);
  for (int r = 4; r < 8; ++r) codes[static_cast<std::size_t>(r)] = "P" + std::to_string(r - 3);
  for (int r = 8; r < 12; ++r) codes[static_cast<std::size_t>(r)] = "K" + std::to_string(r - 7);
  return codes;
}

int UnitSize(int row) {
  if (row <= 5) return 5;
  if (row <= 9) return 4;
  return 3;  // rows 10, 11 and the goalie with the two extra skaters
}

bool CellUsed(int row, int column) { return column >= 0 && column < UnitSize(row); }

std::array<std::string, 5> PositionLetters(int row) {
  if (row >= 6 && row <= 9) return {"C", "W", "D", "D", ""};
  if (row >= 10 && row <= 11) return {"C", "D", "D", "", ""};
  return {"C", "L", "R", "D", "D"};
}

std::array<std::string, kPlayersInGrid> ReadLineAssgts(const LineGrid& grid) {
  std::array<std::string, kPlayersInGrid> texts;
  texts.fill(kNoAssignments);
  const auto codes = LineCodes();
  for (int r = 0; r < kUnitRows; ++r) {
    const auto letters = PositionLetters(r);
    for (int j = 0; j < UnitSize(r); ++j) {
      const league::Byte p = grid.At(r, j);
      if (!HoldsPlayer(p)) continue;
      const std::string notation =
          codes[static_cast<std::size_t>(r)] + letters[static_cast<std::size_t>(j)];
      auto& text = texts[p];
      if (text == kNoAssignments) {
        text = notation;
      } else {
        text += " " + notation;
      }
    }
  }
  return texts;
}

UnitAverages LineAverages(const LineGrid& grid, const app::TeamSlot& slot, int row) {
  const int n = UnitSize(row);
  std::array<int, league::kSkillCount> sums{};
  int total = 0;
  for (int j = 0; j < n; ++j) {
    const league::Byte p = grid.At(row, j);
    if (!HoldsPlayer(p)) continue;
    const auto& player = slot.Places[p];
    for (std::size_t k = 0; k < sums.size(); ++k) sums[k] += player.Skills[k];
    total += ratings::Overall(player);
  }
  // Int(x / n + 0.5) on non-negative whole numbers is (2x + n) div 2n, exactly.
  auto roundHalfUp = [n](int sum) { return (2 * sum + n) / (2 * n); };
  UnitAverages averages;
  for (std::size_t k = 0; k < sums.size(); ++k) averages.Skills[k] = roundHalfUp(sums[k]);
  averages.Overall = roundHalfUp(total);
  return averages;
}

bool LinesIncomplete(const LineGrid& grid) {
  for (int r = 0; r < LineGrid::kRows; ++r) {
    for (int j = 0; j < UnitSize(r); ++j) {
      if (grid.At(r, j) == league::kNoPlayer) return true;
    }
  }
  return false;
}

LineGrid NormalisedForTeam(const LineGrid& grid) {
  LineGrid out = grid;
  for (int r = 0; r < LineGrid::kRows; ++r) {
    for (int j = UnitSize(r); j < LineGrid::kColumns; ++j) out.At(r, j) = league::kNoPlayer;
  }
  return out;
}

league::Status TransferBuffer(app::Session& session, const LineGrid& grid, int slot) {
  auto& team = session.Teams[static_cast<std::size_t>(session.CurrentTeam)];
  const league::TeamRecord before = team;
  const bool changedBefore = session.LeagueChanged;
  team.Lines = NormalisedForTeam(grid);
  session.LeagueChanged = true;
  team.LinesSet = league::kTrue;
  league::Status saved = session.SaveTeam(session.CurrentTeam, slot);
  if (!saved) {
    // A commit the working files did not take is no commit: the team stays as it was.
    team = before;
    session.LeagueChanged = changedBefore;
  }
  return saved;
}

}  // namespace lines
