#pragma once
// Small in-memory teams for the lines editor's tests: a session over a fresh
// folder with team 0 ("Hawks", password "abc") and players put into slot 0.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/session.h"
#include "league/records.h"
#include "support/temp_dir.h"

namespace linestest {

constexpr int kC = 0, kLW = 1, kRW = 2, kD = 3, kG = 4;

// Skills in two groups: those the offence rating weighs most (SP, SK, PA, PC,
// SC) at `attack`, those the defence rating weighs most (IT, ST, DF) at
// `defend`, the rest at 40. Equal levels give a player whose ratings all
// follow the level.
inline league::PlayerRecord MakePlayer(std::string_view name, int position, int status, int attack,
                                       int defend, int condition = 50) {
  league::PlayerRecord p;
  p.PlayerName.Store(name);
  p.Position = static_cast<league::Byte>(position);
  p.Status = static_cast<league::Byte>(status);
  p.Condition = static_cast<league::Byte>(condition);
  p.Age = 27;
  p.Skills.fill(40);
  for (int k : {1, 6, 7, 8, 10})
    p.Skills[static_cast<std::size_t>(k)] = static_cast<league::Byte>(attack);
  for (int k : {0, 2, 9}) p.Skills[static_cast<std::size_t>(k)] = static_cast<league::Byte>(defend);
  return p;
}

inline league::PlayerRecord Level(std::string_view name, int position, int status, int level) {
  return MakePlayer(name, position, status, level, level);
}

class LinesFixture : public ::testing::Test {
 protected:
  LinesFixture() {
    session.LeagueLoaded = true;
    session.League.TeamCount = 2;
    session.Teams[0].TeamName.Store("Hawks");
    session.Teams[0].LineupPassword.Store("abc");
    session.Teams[0].Lines.Cells.fill(league::kNoPlayer);
    session.Teams[1].TeamName.Store("Owls");
    session.CurrentTeam = 0;
  }

  app::TeamSlot& Slot() { return session.TeamSlots[0]; }
  league::PlayerRecord& Place(int i) { return Slot().Places[static_cast<std::size_t>(i)]; }

  // Twenty fit dressed players, strongest first in each position:
  // centres 0..3, left wings 4..7, right wings 8..11, defencemen 12..17, goalies 18, 19.
  void StandardRoster() {
    const int centres[] = {80, 70, 60, 50}, lefts[] = {79, 69, 59, 49}, rights[] = {78, 68, 58, 48};
    const int defence[] = {77, 72, 67, 62, 57, 52};
    for (int i = 0; i < 4; ++i) {
      Place(i) = Level("Centre " + std::to_string(i), kC, 200, centres[i]);
      Place(4 + i) = Level("Left " + std::to_string(i), kLW, 200, lefts[i]);
      Place(8 + i) = Level("Right " + std::to_string(i), kRW, 200, rights[i]);
    }
    for (int i = 0; i < 6; ++i)
      Place(12 + i) = Level("Back " + std::to_string(i), kD, 200, defence[i]);
    Place(18) = Level("Keeper 0", kG, 200, 75);
    Place(19) = Level("Keeper 1", kG, 200, 65);
  }

  test::TempDir dir;
  app::Session session{dir.Path()};
};

}  // namespace linestest
