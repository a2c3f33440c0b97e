#pragma once
// The player card ("Player Info"): one player of team slot 0, the one
// CurrentPlayer names, laid out for a skater or, with other captions, for a
// goalie. Read-only but for Release, which only marks the player; the roster
// editor's commit moves him to the pool.
//
// The statistics captions are Label26 to Label37 beside lblGP, lblG, lblA,
// lblP, lblPIM, lblPlus, lblPP, lblSH, lblGW, lblGT, lblShots, lblShoot, and
// Label23 beside lblHits.

#include <string>

#include "app/session.h"
#include "ui/ui.h"

namespace info {

// "0,000": at least four digits, comma thousands, leading minus.
std::string FormatThousands(long long value);
// "5 ft 6" below 66 inches, else feet and inches.
std::string FormatHeight(int inches);
// "Injured 3W", "Suspended 3 games" or "Healthy".
std::string Availability(const league::PlayerRecord& player);
// The salary the card shows: a tenth for a farm player short of FarmSalaryGames.
long long ShownSalary(const league::PlayerRecord& player, int farmSalaryGames);

class PlayerInfo {
 public:
  PlayerInfo(app::Session& session, ui::Form& form, ui::Toolkit& toolkit);

  // The window's load event: builds the card afresh.
  void Load();

 private:
  league::PlayerRecord* Current();
  void SetStat(int index, const std::string& caption, const std::string& value);
  void Release();

  app::Session& session_;
  ui::Form& form_;
  ui::Toolkit& toolkit_;
};

}  // namespace info
