#include "roster/renumber.h"

#include <array>

namespace roster {

namespace {
constexpr int kNumbers = 100;

int NextNumber(int n) { return n >= kNumbers - 1 ? 1 : n + 1; }
}  // namespace

void Renumber(app::TeamSlot& slot) {
  std::array<bool, kNumbers> taken{};
  std::array<bool, kNumbers> seen{};
  for (const auto& player : slot.Places)
    if (player.Number < kNumbers) taken[player.Number] = true;

  for (auto& player : slot.Places) {
    int n = player.Number;
    if (n < kNumbers && !seen[static_cast<std::size_t>(n)]) {
      seen[static_cast<std::size_t>(n)] = true;
      continue;
    }
    // A number beyond the tables searches on as if it had wrapped past 99.
    n = n < kNumbers ? NextNumber(n) : 1;
    // At most 50 numbers are taken, so a free one is always found within one lap.
    for (int tries = 0; tries < kNumbers && taken[static_cast<std::size_t>(n)]; ++tries)
      n = NextNumber(n);
    player.Number = static_cast<league::Byte>(n);
    taken[static_cast<std::size_t>(n)] = true;
    seen[static_cast<std::size_t>(n)] = true;
  }
}

}  // namespace roster
