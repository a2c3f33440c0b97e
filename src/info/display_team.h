#pragma once
// The team view ("Team Info"): a read-only page on CurrentTeam, its people,
// season record, roster make-up and where its money stands at season's end.
// It reloads slot 0 itself, opens the roster and lines editors, writes nothing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "ui/ui.h"

namespace info {

// A value label, the fixed caption label beside it and that caption's text.
struct TeamField {
  std::string_view Value;
  std::string_view CaptionName;
  std::string_view Caption;
};

// Every value of the window but the team name, in the order the window shows
// them: header rows, finances, roster make-up, statistics.
const std::array<TeamField, 38>& TeamFields();

class DisplayTeam {
 public:
  DisplayTeam(app::Session& session, ui::Form& form, ui::Toolkit& toolkit);

  // The load event: with a league loaded, reads the e-mail list and shows the team.
  void Load();
  // Fills TeamEmails from the e-mail working copy; a missing file leaves them empty.
  void LoadEmailList();
  // Reloads slot 0 and fills every value; the header rows only on the first display.
  void ShowTeamInfo();
  // Shows the projected balance, red below zero.
  void ShowProjectedBalance();

  const std::vector<std::string>& TeamEmails() const { return teamEmails_; }
  bool HeaderShown() const { return headerShown_; }

 private:
  bool HasTeam() const;
  void ShowHeader(const league::TeamRecord& team);
  void Set(std::string_view label, const std::string& caption);

  app::Session& session_;
  ui::Form& form_;
  ui::Toolkit& toolkit_;
  std::vector<std::string> teamEmails_;
  bool headerShown_ = false;
  // The shown (rounded-down) figures the balance is made of.
  std::int64_t estimatedRevenue_ = 0;
  std::int64_t projectedExpenses_ = 0;
};

}  // namespace info
