#pragma once
// Three figures that condense a player's thirteen skills: pure functions of
// one record's Position and Skills, each a whole number from 0 to 99.

#include "league/records.h"

namespace ratings {

enum RatingKind : int { kOffense = 0, kDefense = 1, kOverall = 2 };

// 0 for a position code outside 0..4.
int Overall(const league::PlayerRecord& player);
int OffenseRating(const league::PlayerRecord& player);
int DefenseRating(const league::PlayerRecord& player);
int Rating(const league::PlayerRecord& player, int kind);  // by RatingKind

}  // namespace ratings
