#pragma once
// The roster editor's working copy and the rules it is judged by. Moves change
// only the working copy; the players change when the changes are kept.

#include <array>
#include <string_view>

#include "app/session.h"
#include "league/records.h"

namespace roster {

constexpr int kDressedPlayers = 20;
constexpr int kMinForwardsEach = 3;
constexpr int kMinDefence = 6;
constexpr int kGoalies = 2;
constexpr int kMaxProRoster = 25;
constexpr int kPositions = 5;

// The status each player receives if the changes are kept, and his status when
// the copy was built (which the commit compares to find players sent down).
struct WorkCopy {
  std::array<league::Byte, league::kRosterPlaces> WorkStatus{};
  std::array<league::Byte, league::kRosterPlaces> OldStatus{};
};

// Rebuilds the copy from the slot. An injured player goes among the scratches
// with his injury kept; an injured farm player's own Status moves there at once,
// and a Condition below 10 becomes 100.
void ResetFlags(app::TeamSlot& slot, WorkCopy& work);

// The players the lists show: neither released nor empty.
bool Listed(const league::PlayerRecord& player);

struct RosterCounts {
  std::array<int, kPositions> DressedByPos{};
  int DressedCount = 0;
  int ProCount = 0;  // scratches and dressed, holdouts not counted
  bool RosterComplete = false;
};

// Counts every listed player, whatever the position filters hide.
RosterCounts CountRoster(const app::TeamSlot& slot, const WorkCopy& work);

// How many players of each kind may be protected, given how many already are.
struct ProtectionLimits {
  int Forwards = 0;
  int Defence = 0;
  int Goalies = 0;
  bool operator==(const ProtectionLimits&) const = default;
};
ProtectionLimits ProtectLimits(int forwards, int defence, int goalies);

// Whether the player at `place` may be protected next (he is not protected yet).
// Positions outside 0..4 have no limit to fit in and are refused.
bool MayProtect(const app::TeamSlot& slot, int place);

// The leading number of a typed text ("65.9" gives 65.9, "abc" gives 0).
double LeadingNumber(std::string_view text);

}  // namespace roster
