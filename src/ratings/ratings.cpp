#include "ratings/ratings.h"

#include <algorithm>
#include <array>

namespace ratings {

namespace {

using Weights = std::array<int, league::kSkillCount>;

// Skill order: IT SP ST EN DU DI SK PA PC DF SC EX LD.
constexpr Weights kForward = {5, 5, 7, 3, 1, 1, 6, 10, 8, 7, 13, 1, 1};
constexpr Weights kDefensiveD = {8, 5, 10, 3, 1, 1, 6, 8, 6, 13, 5, 1, 1};
constexpr Weights kOffensiveD = {4, 8, 4, 3, 1, 1, 8, 11, 9, 6, 11, 1, 1};
constexpr Weights kGoalie = {5, 17, 4, 3, 1, 1, 7, 3, 8, 0, 0, 1, 1};
constexpr Weights kOffenseWeights = {3, 10, 3, 1, 1, 1, 10, 15, 12, 2, 18, 0, 0};
constexpr Weights kDefenseWeights = {10, 2, 10, 2, 1, 1, 5, 1, 5, 20, 1, 0, 0};

constexpr int kStrength = 2;
constexpr int kPassing = 7;
constexpr int kDefence = 9;
constexpr int kScoring = 10;

int Sum(const league::PlayerRecord& player, const Weights& weights) {
  int sum = 0;
  for (std::size_t k = 0; k < weights.size(); ++k) sum += weights[k] * player.Skills[k];
  return sum;
}

// Sums are never negative, so integer division rounds down.
int Figure(const league::PlayerRecord& player, const Weights& weights, int divisor, int added) {
  return std::min(99, Sum(player, weights) / divisor + added);
}

}  // namespace

int Overall(const league::PlayerRecord& player) {
  const auto& s = player.Skills;
  switch (player.Position) {
    case 0:
    case 1:
    case 2:
      return Figure(player, kForward, 68, 5);
    case 3: {
      const bool defensive = s[kDefence] + s[kStrength] > s[kScoring] + s[kPassing];
      return Figure(player, defensive ? kDefensiveD : kOffensiveD, 68, 5);
    }
    case league::kGoalie:
      // The goalie weights total 51 against a divisor of 53: a goalie tops out at 95.
      return Figure(player, kGoalie, 53, 0);
    default:
      return 0;
  }
}

int OffenseRating(const league::PlayerRecord& player) {
  return Figure(player, kOffenseWeights, 76, 5);
}

int DefenseRating(const league::PlayerRecord& player) {
  return Figure(player, kDefenseWeights, 58, 0);
}

int Rating(const league::PlayerRecord& player, int kind) {
  switch (kind) {
    case kOffense:
      return OffenseRating(player);
    case kDefense:
      return DefenseRating(player);
    default:
      return Overall(player);
  }
}

}  // namespace ratings
