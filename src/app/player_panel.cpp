#include "app/player_panel.h"

#include <string>

#include "ratings/ratings.h"

namespace app {

namespace {
constexpr int kGoalieOnlyNa[] = {9, 10};  // DF and SC mean nothing for a goalie
}

void ShowPlayerPanel(const league::PlayerRecord& player, ui::TextBox& name, ui::TextBox& pos,
                     ui::TextBox& age, ui::TextBox& hand, const SkillBoxes& skills,
                     ui::TextBox& overall) {
  name.SetText(league::Show(player.PlayerName));
  pos.SetText(std::string(league::PositionCode(player.Position)));
  age.SetText(std::to_string(player.Age));
  hand.SetText(player.Hand == 0 ? "L" : "R");
  for (std::size_t k = 0; k < skills.size(); ++k)
    skills[k]->SetText(std::to_string(player.Skills[k]));
  overall.SetText(std::to_string(ratings::Overall(player)));
  const bool goalie = player.Position == league::kGoalie;
  for (const int k : kGoalieOnlyNa) {
    auto& box = *skills[static_cast<std::size_t>(k)];
    if (goalie) box.SetText("na");
    box.SetLocked(goalie);
  }
}

}  // namespace app
