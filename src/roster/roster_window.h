#pragma once
// The game roster editor ("Set Game Roster"): three lists (farm, scratches,
// game roster), the move buttons, the automatic roster, the player panel with
// its two skill corrections, protection marking, and the commit on leaving.
// It works on team slot 0 for CurrentTeam; moves stay in a working copy until
// the changes are kept.

#include <array>

#include "app/session.h"
#include "roster/roster_model.h"
#include "ui/ui.h"

namespace roster {

class Roster {
 public:
  static constexpr int kFarmList = 0;
  static constexpr int kScratchList = 1;
  static constexpr int kGameList = 2;

  Roster(app::Session& session, ui::Form& form, ui::Toolkit& toolkit);

  // The window's load event.
  void Load();

  // The lists, counts and status caption redrawn from the working copy.
  void ListPlayers();
  void ShowPlayer(int place);

  const WorkCopy& Work() const { return work_; }
  const RosterCounts& Counts() const { return counts_; }
  bool RosterChanged() const { return rosterChanged_; }

 private:
  app::TeamSlot& Slot();
  league::PlayerRecord* Current();  // the player CurrentPlayer names, or none
  std::string EntryText(const league::PlayerRecord& player) const;

  void Move(int button);
  void Auto();
  void Exit();
  void Unload();
  void ClickEntry(int list);
  void DoubleClickEntry(int list);
  void RatingEnter(int skill);
  void NameEnter();
  void CommitFailed(const std::string& reason);
  void CleanLineGrid();

  app::Session& session_;
  ui::Form& form_;
  ui::Toolkit& toolkit_;
  std::array<ui::ListBox*, 3> lists_{};
  std::array<ui::Toggle*, kPositions> filters_{};
  ui::Toggle& protect_;
  ui::Label& title_;
  ui::Label& status_;
  ui::TextBox& name_;
  ui::TextBox& pos_;
  ui::TextBox& age_;
  ui::TextBox& hand_;
  std::array<ui::TextBox*, league::kSkillCount> ratings_{};
  ui::TextBox& overall_;

  WorkCopy work_;
  RosterCounts counts_;
  bool rosterChanged_ = false;
  bool playerShown_ = false;  // the panel has shown a player of this window
};

}  // namespace roster
