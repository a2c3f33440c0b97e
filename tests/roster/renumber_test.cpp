#include "roster/renumber.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

struct RenumberCase {
  const char* name;
  std::map<int, int> numbers;   // place -> stored number; every other place p holds 50 + p
  std::map<int, int> expected;  // place -> number afterwards
};

class RenumberTest : public ::testing::TestWithParam<RenumberCase> {};

TEST_P(RenumberTest, GivesLaterHoldersTheNextFreeNumbers) {
  app::TeamSlot slot;
  for (int p = 0; p < league::kRosterPlaces; ++p)
    slot.Places[static_cast<std::size_t>(p)].Number = static_cast<league::Byte>(50 + p);
  for (const auto& [place, number] : GetParam().numbers)
    slot.Places[static_cast<std::size_t>(place)].Number = static_cast<league::Byte>(number);

  roster::Renumber(slot);

  for (const auto& [place, number] : GetParam().expected)
    EXPECT_EQ(slot.Places[static_cast<std::size_t>(place)].Number, number) << "place " << place;
  std::set<int> seen;
  for (const auto& player : slot.Places) {
    EXPECT_LE(player.Number, 99);
    EXPECT_TRUE(seen.insert(player.Number).second) << "number " << int{player.Number} << " twice";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RenumberTest,
    ::testing::Values(RenumberCase{"LowestPlaceKeepsADuplicate",
                                   {{3, 7}, {12, 7}, {20, 8}, {21, 9}},
                                   {{3, 7}, {12, 10}, {20, 8}, {21, 9}}},
                      // Place 49 holds 99 by default; 1 to 5 are taken, so the search wraps to 6.
                      RenumberCase{"SearchWrapsFrom99To1",
                                   {{5, 99}, {10, 1}, {11, 2}, {12, 3}, {13, 4}, {14, 5}},
                                   {{5, 99}, {49, 6}}},
                      RenumberCase{"EmptyPlacesTakePart",
                                   {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 2}},
                                   {{0, 0}, {1, 3}, {2, 4}, {3, 1}, {4, 2}}},
                      // Numbers beyond the tables are renumbered like duplicates, from 1 up.
                      RenumberCase{"NumbersAbove99GetNewOnes",
                                   {{7, 150}, {8, 1}, {9, 255}, {30, 100}},
                                   {{7, 2}, {8, 1}, {9, 3}, {30, 4}}}),
    [](const auto& tc) { return std::string(tc.param.name); });

}  // namespace
