#pragma once
// The automatic roster: twenty places filled in a fixed order, each with the
// best free pro player by the rating that suits the place, or from the farm.

#include "app/session.h"
#include "roster/roster_model.h"

namespace roster {

constexpr int kAnySkater = 5;  // a wanted position: every position but goalie
constexpr int kNobody = -1;

// Enough players of every kind (3 C, 3 LW, 3 RW, 5 D, 2 G, 20 in all), counting
// every occupied place whatever his assignment, injury, suspension or release.
bool EnoughPlayers(const app::TeamSlot& slot);

// Starts again from the stored statuses, sends every dressed player to the
// scratches and dresses twenty players.
void AutoRoster(app::TeamSlot& slot, WorkCopy& work);

// The best healthy, unsuspended scratch of the wanted position by `kind` (a
// ratings::RatingKind); ties go to the lower place, a rating of 0 never wins.
// Nobody suitable: PromoteMinor's choice.
int PickPlayer(const app::TeamSlot& slot, const WorkCopy& work, int position, int kind);

// The choice when the scratches have nobody: the best available player of the
// position on the farm or the scratches, else the best farm skater (suspension
// not checked), else the lowest dressed place, else kNobody.
int PromoteMinor(const app::TeamSlot& slot, const WorkCopy& work, int position);

}  // namespace roster
