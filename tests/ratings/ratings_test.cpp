#include "ratings/ratings.h"

#include <gtest/gtest.h>

#include <array>

namespace ratings {
namespace {

using league::PlayerRecord;
using Skills = std::array<league::Byte, 13>;

PlayerRecord Player(int position, const Skills& skills) {
  PlayerRecord p;
  p.Position = static_cast<league::Byte>(position);
  p.Skills = skills;
  return p;
}

Skills All(league::Byte value) {
  Skills s;
  s.fill(value);
  return s;
}

constexpr int kC = 0, kLW = 1, kRW = 2, kD = 3, kG = 4;

TEST(Ratings, ExamplesOfTheWeightTable) {
  struct Case {
    const char* Name;
    int Position;
    Skills Values;
    int Overall, Offense, Defense;
  };
  //                         IT  SP  ST  EN  DU  DI  SK  PA  PC  DF  SC  EX  LD
  const Skills forward = {60, 70, 55, 65, 50, 45, 72, 68, 66, 40, 80, 30, 25};
  const Skills defensiveD = {55, 60, 75, 70, 65, 50, 62, 45, 50, 78, 35, 60, 55};
  const Skills goalie = {70, 80, 50, 60, 55, 50, 75, 40, 65, 0, 0, 70, 60};
  // DF + ST (40 + 40) below SC + PA (90 + 60): the offensive column, sum 3850.
  const Skills offensiveD = {50, 50, 40, 50, 50, 50, 50, 60, 50, 40, 90, 50, 50};
  const Case cases[] = {
      {"forward, all 50", kC, All(50), 55, 55, 50},
      {"right wing, all 50", kRW, All(50), 55, 55, 50},
      {"defenceman, all 50 (equal sums: offensive)", kD, All(50), 55, 55, 50},
      {"goalie, all 50", kG, All(50), 48, 55, 50},
      {"forward, all 99 (104 capped)", kLW, All(99), 99, 99, 99},
      {"defenceman, all 99", kD, All(99), 99, 99, 99},
      {"goalie, all 99 (divisor 53)", kG, All(99), 95, 99, 99},
      {"empty place, all 0", kC, All(0), 5, 5, 0},
      {"goalie, all 0", kG, All(0), 0, 5, 0},
      {"forward example", kC, forward, 68, 74, 54},
      {"defensive defenceman example", kD, defensiveD, 66, 55, 66},
      {"offensive defenceman", kD, offensiveD, 61, 65, 45},
      {"goalie example", kG, goalie, 65, 50, 40},
      {"unknown position", 5, All(80), 0, 85, 80},
      {"skills of 255 capped", kC, All(255), 99, 99, 99},
  };
  for (const Case& c : cases) {
    const PlayerRecord p = Player(c.Position, c.Values);
    EXPECT_EQ(Overall(p), c.Overall) << c.Name;
    EXPECT_EQ(OffenseRating(p), c.Offense) << c.Name;
    EXPECT_EQ(DefenseRating(p), c.Defense) << c.Name;
    EXPECT_EQ(Rating(p, kOverall), c.Overall) << c.Name;
    EXPECT_EQ(Rating(p, kOffense), c.Offense) << c.Name;
    EXPECT_EQ(Rating(p, kDefense), c.Defense) << c.Name;
  }
}

TEST(Ratings, DefencemanStyleFollowsDefenceAndStrengthAgainstScoringAndPassing) {
  // Only SC (offensive weight 11, defensive 5) and DF differ: the style decides.
  Skills s = All(0);
  s[9] = 60;   // DF
  s[2] = 0;    // ST
  s[10] = 59;  // SC
  s[7] = 0;    // PA
  // 60 > 59: defensive column 13*60 + 5*59 = 1075 -> 15 + 5.
  EXPECT_EQ(Overall(Player(kD, s)), 20);
  s[10] = 60;  // equal: offensive column 6*60 + 11*60 = 1020 -> 15 + 5
  EXPECT_EQ(Overall(Player(kD, s)), 20);
  s[10] = 90;  // offensive column 6*60 + 11*90 = 1350 -> 19 + 5
  EXPECT_EQ(Overall(Player(kD, s)), 24);
  s[10] = 40;  // defensive column 13*60 + 5*40 = 980 -> 14 + 5
  EXPECT_EQ(Overall(Player(kD, s)), 19);
}

TEST(Ratings, GoalieOverallIgnoresDefenceAndScoring) {
  Skills s = All(70);
  const int base = Overall(Player(kG, s));
  for (const league::Byte v : {0, 15, 99, 255}) {
    s[9] = v;
    s[10] = static_cast<league::Byte>(255 - v);
    EXPECT_EQ(Overall(Player(kG, s)), base);
  }
}

}  // namespace
}  // namespace ratings
