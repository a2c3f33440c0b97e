#pragma once
// The league's waiver rule for a player being sent from the pro roster to the farm.

#include "app/session.h"
#include "league/result.h"
#include "ui/ui.h"

namespace roster {

constexpr int kCurrentTeam = 99;

// Applies the waiver rule to place `place` of team slot `slot`, who is being
// sent to the farm; `team` is a team index or kCurrentTeam. True: he may go
// without waivers and nothing changed. False: his Status has been set here
// (farm when placed on waivers, scratches otherwise). An error means a file
// could not be read or written; the player then stays where he stood.
league::Result<bool> CheckWaivers(app::Session& session, ui::Toolkit& toolkit, int slot, int place,
                                  int team);

// Whether the rule asks for waivers for this player in this league.
bool NeedsWaivers(const league::LeagueRecord& league, const league::PlayerRecord& player);

}  // namespace roster
