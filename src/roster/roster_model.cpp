#include "roster/roster_model.h"

#include <cctype>

namespace roster {

void ResetFlags(app::TeamSlot& slot, WorkCopy& work) {
  for (std::size_t i = 0; i < slot.Places.size(); ++i) {
    auto& player = slot.Places[i];
    const int injury = league::Injury(player.Status);
    if (injury > 0) {
      const auto scratched = league::MakeStatus(league::kScratches, injury);
      work.WorkStatus[i] = scratched;
      if (player.Status < 100) player.Status = scratched;
      if (player.Condition < 10) player.Condition = 100;
    } else {
      work.WorkStatus[i] = player.Status;
    }
    work.OldStatus[i] = player.Status;
  }
}

bool Listed(const league::PlayerRecord& player) {
  return !player.IsEmpty() && player.Released == 0;
}

RosterCounts CountRoster(const app::TeamSlot& slot, const WorkCopy& work) {
  RosterCounts counts;
  for (std::size_t i = 0; i < slot.Places.size(); ++i) {
    const auto& player = slot.Places[i];
    if (!Listed(player)) continue;
    if (work.WorkStatus[i] >= 100 && player.Suspension != league::kHoldout) ++counts.ProCount;
    if (league::Assignment(work.WorkStatus[i]) == league::kGameRoster) {
      if (player.Position < kPositions) ++counts.DressedByPos[player.Position];
      ++counts.DressedCount;
    }
  }
  const auto& byPos = counts.DressedByPos;
  counts.RosterComplete = counts.DressedCount == kDressedPlayers && byPos[0] >= kMinForwardsEach &&
                          byPos[1] >= kMinForwardsEach && byPos[2] >= kMinForwardsEach &&
                          byPos[3] >= kMinDefence && byPos[4] == kGoalies;
  return counts;
}

ProtectionLimits ProtectLimits(int f, int d, int g) {
  ProtectionLimits limits{10, 6, 2};
  if (d >= 6) limits.Forwards = 9, limits.Goalies = 1;
  if (f >= 10) limits.Defence = 5, limits.Goalies = 1;
  if (d > 4) limits.Goalies = 1;
  if (f > 8) limits.Goalies = 1;
  if (g == 2) limits.Forwards = 8, limits.Defence = 4;
  if (g == 2 && d >= 4) limits.Forwards = 7;
  if (g == 2 && f >= 8) limits.Defence = 3;
  return limits;
}

bool MayProtect(const app::TeamSlot& slot, int place) {
  int f = 0, d = 0, g = 0;
  for (const auto& player : slot.Places) {
    if (!league::IsSet(player.Protected)) continue;
    if (player.Position <= 2)
      ++f;
    else if (player.Position == 3)
      ++d;
    else if (player.Position == league::kGoalie)
      ++g;
  }
  const auto limits = ProtectLimits(f, d, g);
  const int position = slot.Places[static_cast<std::size_t>(place)].Position;
  if (position <= 2) return f + 1 <= limits.Forwards;
  if (position == 3) return d + 1 <= limits.Defence;
  if (position == league::kGoalie) return g + 1 <= limits.Goalies;
  return false;
}

double LeadingNumber(std::string_view text) {
  // Parsed by hand: the number must not depend on the locale the toolkit sets.
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  double sign = 1;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) sign = text[i++] == '-' ? -1 : 1;
  double value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    value = value * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      value += (text[i] - '0') * scale;
      scale /= 10;
    }
  }
  return sign * value;
}

}  // namespace roster
