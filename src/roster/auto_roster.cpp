#include "roster/auto_roster.h"

#include <array>
#include <functional>

#include "ratings/ratings.h"

namespace roster {

namespace {

struct Place {
  int Position;
  int Kind;
};

using ratings::kDefense;
using ratings::kOffense;
using ratings::kOverall;

// The order the twenty places are filled in.
constexpr std::array<Place, kDressedPlayers> kPlaces{{
    {0, kOffense},
    {0, kOffense},
    {0, kDefense},  // centres
    {1, kOffense},
    {1, kOffense},
    {1, kDefense},  // left wings
    {2, kOffense},
    {2, kOffense},
    {2, kDefense},  // right wings
    {3, kOffense},
    {3, kDefense},
    {3, kOffense},
    {3, kDefense},
    {3, kOffense},  // defence
    {3, kDefense},  //
    {kAnySkater, kOverall},
    {kAnySkater, kOverall},
    {kAnySkater, kOverall},  // any skater
    {league::kGoalie, kOverall},
    {league::kGoalie, kOverall},  // goalies
}};

// The candidate with the strictly greatest rating above 0; the first one met wins ties.
int Best(const app::TeamSlot& slot, int kind, const std::function<bool(int)>& candidate) {
  int best = kNobody;
  int bestRating = 0;
  for (int i = 0; i < league::kRosterPlaces; ++i) {
    if (!candidate(i)) continue;
    const int rating = ratings::Rating(slot.Places[static_cast<std::size_t>(i)], kind);
    if (rating > bestRating) best = i, bestRating = rating;
  }
  return best;
}

}  // namespace

bool EnoughPlayers(const app::TeamSlot& slot) {
  std::array<int, kPositions> byPos{};
  int total = 0;
  for (const auto& player : slot.Places) {
    if (player.IsEmpty()) continue;
    ++total;
    if (player.Position < kPositions) ++byPos[player.Position];
  }
  return total >= kDressedPlayers && byPos[0] >= 3 && byPos[1] >= 3 && byPos[2] >= 3 &&
         byPos[3] >= 5 && byPos[4] >= 2;
}

void AutoRoster(app::TeamSlot& slot, WorkCopy& work) {
  ResetFlags(slot, work);
  for (auto& status : work.WorkStatus)
    if (status >= 200) status = static_cast<league::Byte>(status - 100);
  for (const auto& place : kPlaces) {
    const int i = PickPlayer(slot, work, place.Position, place.Kind);
    if (i != kNobody) work.WorkStatus[static_cast<std::size_t>(i)] = 200;
  }
}

int PickPlayer(const app::TeamSlot& slot, const WorkCopy& work, int position, int kind) {
  const int chosen = Best(slot, kind, [&](int i) {
    const auto& player = slot.Places[static_cast<std::size_t>(i)];
    if (work.WorkStatus[static_cast<std::size_t>(i)] != 100 || player.Suspension != 0) return false;
    return position == kAnySkater ? player.Position != league::kGoalie
                                  : player.Position == position;
  });
  return chosen != kNobody ? chosen : PromoteMinor(slot, work, position);
}

int PromoteMinor(const app::TeamSlot& slot, const WorkCopy& work, int position) {
  // The first attempt wants the very position, which no player is for "any skater".
  int chosen = position == kAnySkater ? kNobody : Best(slot, kOverall, [&](int i) {
    const auto& player = slot.Places[static_cast<std::size_t>(i)];
    const int status = work.WorkStatus[static_cast<std::size_t>(i)];
    return (status == 0 || status == 100) && player.Position == position && !player.IsEmpty() &&
           player.Suspension == 0 && league::Injury(player.Status) == 0;
  });
  if (chosen != kNobody) return chosen;

  chosen = Best(slot, kOverall, [&](int i) {
    const auto& player = slot.Places[static_cast<std::size_t>(i)];
    return work.WorkStatus[static_cast<std::size_t>(i)] == 0 &&
           player.Position != league::kGoalie && !player.IsEmpty();
  });
  if (chosen != kNobody) return chosen;

  for (int i = 0; i < league::kRosterPlaces; ++i)
    if (work.WorkStatus[static_cast<std::size_t>(i)] == 200) return i;
  return kNobody;
}

}  // namespace roster
