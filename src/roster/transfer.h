#pragma once
// The commit of a kept roster: released players go to the player pool, every
// other player receives his new status, players sent down go through the
// waiver rule, and the team is saved.

#include "app/session.h"
#include "league/result.h"
#include "roster/roster_model.h"
#include "ui/ui.h"

namespace roster {

// Writes the working copy back into `slot` and saves it for CurrentTeam; sets
// LeagueChanged. A player whose move needs a file (a release into the pool, a
// placement on waivers) is moved only once that file was written. After the
// first file error no further file is touched: such players stay where they
// stood before the commit, the others still receive their new status, the team
// is still saved, and the first error is returned.
league::Status TransferBuffer(app::Session& session, ui::Toolkit& toolkit, int slot,
                              const WorkCopy& work);

// Writes the released player into the pool file: over the first entry of the
// same name (all 22 characters), else after the last entry, not taken and no
// longer marked released.
league::Status ReleaseToPool(app::Session& session, const league::PlayerRecord& player);

}  // namespace roster
