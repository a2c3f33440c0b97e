#pragma once
// The lines editor (caption "Edit Lines"): the team in CurrentTeam, whose players
// are in team slot 0, shown unit by unit in three views; the GM picks a player
// from the list and clicks a cell to place him. The window edits a working copy
// of the team's grid and commits it only when the GM keeps the changes on Exit.

#include <array>
#include <string>
#include <vector>

#include "app/session.h"
#include "league/records.h"
#include "ui/ui.h"

namespace lines {

class Lines {
 public:
  Lines(app::Session& session, ui::Form& form, ui::Toolkit& toolkit);

  // The window's load event.
  void Load();

  enum class View { Even, PowerPlay, PenaltyKill };

  const league::LineGrid& Grid() const { return grid_; }
  bool LinesChanged() const { return linesChanged_; }
  View CurrentView() const { return view_; }

 private:
  static constexpr int kSlot = 0;
  static constexpr int kCells = 23;

  league::PlayerRecord& Player(int index);
  int BaseRow() const;
  int SelectedPlayer() const;  // -1 when no list entry is selected

  void AddPlayers();
  void RefreshAssignments();
  void DisplayLines();
  void ShowPlayer(int player);
  void FocusLine(int row);
  void ShowLineAverages(int row);

  void ShowView(View view);
  void TitleClick();
  void ListClick();
  void ListDblClick();
  void CellClick(int cell);
  void AutoClick();
  void LoadLinesClick();
  void SaveLinesClick();
  void ExitClick();
  void Unload();

  app::Session& session_;
  ui::Form& form_;
  ui::Toolkit& toolkit_;

  ui::Label& title_;
  ui::ListBox& list_;
  std::array<ui::Toggle*, 5> filters_{};
  ui::Toggle& optEven_;
  ui::Toggle& optPP_;
  ui::Toggle& optPK_;
  std::array<ui::Label*, 4> unitTitles_{};
  std::array<ui::Label*, 10> positionCaptions_{};
  std::array<ui::Label*, kCells> cells_{};
  ui::Label& assignedTo_;
  ui::Label& lineString_;
  ui::TextBox& txtPos_;
  ui::TextBox& txtAge_;
  ui::TextBox& txtHand_;
  ui::TextBox& txtName_;
  ui::TextBox& txtOverall_;
  std::array<ui::TextBox*, league::kSkillCount> txtRating_{};
  std::array<ui::TextBox*, league::kSkillCount> txtLnAvgRating_{};
  ui::TextBox& txtLnOverall_;

  league::LineGrid grid_{};
  std::vector<int> listToPlayer_;
  std::array<std::string, league::kRosterPlaces> assignmentText_{};
  View view_ = View::Even;
  bool linesChanged_ = false;
};

}  // namespace lines
