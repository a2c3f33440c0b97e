#include "league/records.h"

#include <array>

namespace league {

void SetLeagueName(LeagueRecord& league, std::string_view raw) { league.LeagueName.Store(raw); }

std::string_view PositionCode(int position) {
  static constexpr std::array<std::string_view, 5> kCodes = {" C", "LW", "RW", " D", " G"};
  if (position < 0 || position >= static_cast<int>(kCodes.size())) return {};
  return kCodes[static_cast<std::size_t>(position)];
}

std::string_view InjuryCode(int injury) {
  static constexpr std::array<std::string_view, 7> kCodes = {"",   "DD", "1W", "3W",
                                                             "1M", "3M", "IN"};
  if (injury < 0 || injury >= static_cast<int>(kCodes.size())) return {};
  return kCodes[static_cast<std::size_t>(injury)];
}

int ProspectList::Count() const {
  int count = 0;
  for (const auto& name : ProspectNames) count += name.IsEmpty() ? 0 : 1;
  return count;
}

}  // namespace league
