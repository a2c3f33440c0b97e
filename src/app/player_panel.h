#pragma once
// The row of boxes that the roster and lines editors share for one player:
// name, position, age, hand, the thirteen skills and the overall rating.

#include <array>

#include "league/records.h"
#include "ui/ui.h"

namespace app {

using SkillBoxes = std::array<ui::TextBox*, league::kSkillCount>;

// Fills the boxes from a player. A goalie's DF and SC boxes show "na" and are
// locked; a skater's are unlocked.
void ShowPlayerPanel(const league::PlayerRecord& player, ui::TextBox& name, ui::TextBox& pos,
                     ui::TextBox& age, ui::TextBox& hand, const SkillBoxes& skills,
                     ui::TextBox& overall);

}  // namespace app
