#include "roster/roster_window.h"

#include <string>
#include <vector>

#include "app/player_panel.h"
#include "league/text.h"
#include "ratings/ratings.h"
#include "roster/auto_roster.h"
#include "roster/transfer.h"

namespace roster {

namespace {

constexpr const char* kEditRoster = "Edit Roster";

}  // namespace

Roster::Roster(app::Session& session, ui::Form& form, ui::Toolkit& toolkit)
    : session_(session),
      form_(form),
      toolkit_(toolkit),
      protect_(form.GetCheck("chkProtect")),
      title_(form.GetLabel("Label1")),
      status_(form.GetLabel("Label5")),
      name_(form.GetText("txtName")),
      pos_(form.GetText("txtPos")),
      age_(form.GetText("txtAge")),
      hand_(form.GetText("txtHand")),
      overall_(form.GetText("txtOverall")) {
  for (int k = 0; k < 3; ++k) {
    auto& list = form.GetList("list1", k);
    list.Configure(true, true);
    list.OnClick = [this, k] { ClickEntry(k); };
    list.OnDblClick = [this, k] { DoubleClickEntry(k); };
    lists_[static_cast<std::size_t>(k)] = &list;
  }
  for (int k = 0; k < kPositions; ++k) {
    auto& filter = form.GetCheck("Check1", k);
    filter.OnClick = [this] { ListPlayers(); };
    filters_[static_cast<std::size_t>(k)] = &filter;
  }
  protect_.OnClick = [this] { ListPlayers(); };
  for (int b = 0; b < 4; ++b) form.GetButton("cmdMovePlayer", b).OnClick = [this, b] { Move(b); };
  form.GetButton("cmdAuto").OnClick = [this] { Auto(); };
  form.GetButton("cmdExit").OnClick = [this] { Exit(); };
  name_.OnKeyPress = [this](int key) {
    if (key == ui::kKeyEnter) NameEnter();
  };
  for (int k = 0; k < league::kSkillCount; ++k) {
    auto& box = form.GetText("txtRating", k);
    box.OnKeyPress = [this, k](int key) {
      if (key == ui::kKeyEnter) RatingEnter(k);
    };
    box.OnLostFocus = [this] {
      if (playerShown_) ShowPlayer(session_.CurrentPlayer);
    };
    ratings_[static_cast<std::size_t>(k)] = &box;
  }
  form.OnUnload = [this] { Unload(); };
}

app::TeamSlot& Roster::Slot() { return session_.TeamSlots[0]; }

league::PlayerRecord* Roster::Current() {
  const int place = session_.CurrentPlayer;
  if (place < 0 || place >= league::kRosterPlaces) return nullptr;
  return &Slot().Places[static_cast<std::size_t>(place)];
}

void Roster::Load() {
  form_.SetCaption("Set Game Roster");
  form_.GetButton("cmdAdd").SetVisible(false);
  for (auto* filter : filters_) filter->SetValue(true);
  // Every panel box is read-only until a skater is shown.
  for (ui::TextBox* box : {&name_, &pos_, &age_, &hand_, &overall_}) box->SetLocked(true);
  for (auto* box : ratings_) box->SetLocked(true);
  ResetFlags(Slot(), work_);
  const auto team = static_cast<std::size_t>(session_.CurrentTeam);
  title_.SetCaption("Roster of the " + league::Show(session_.Teams[team].TeamName));
  ListPlayers();
  rosterChanged_ = false;
}

std::string Roster::EntryText(const league::PlayerRecord& player) const {
  const bool marked =
      protect_.Value() && (league::IsSet(player.Protected) || league::IsSet(player.Rookie));
  return (marked ? "*" : "") + league::Show(player.PlayerName);
}

void Roster::ListPlayers() {
  for (auto* list : lists_) list->Clear();
  counts_ = CountRoster(Slot(), work_);
  for (int i = 0; i < league::kRosterPlaces; ++i) {
    const auto& player = Slot().Places[static_cast<std::size_t>(i)];
    if (!Listed(player)) continue;
    const int list = league::Assignment(work_.WorkStatus[static_cast<std::size_t>(i)]);
    // A position without a filter box is never hidden.
    const bool shown = player.Position >= kPositions || filters_[player.Position]->Value();
    if (shown && list <= kGameList)
      lists_[static_cast<std::size_t>(list)]->AddItem(EntryText(player), i);
  }
  status_.SetCaption(counts_.RosterComplete
                         ? std::string("Roster Complete")
                         : std::to_string(counts_.DressedCount) + " Total Players");
}

void Roster::Move(int button) {
  static constexpr int kSource[] = {kGameList, kScratchList, kScratchList, kFarmList};
  auto& source = *lists_[static_cast<std::size_t>(kSource[button])];
  std::vector<int> places;
  for (int e = 0; e < source.Count(); ++e)
    if (source.Selected(e)) places.push_back(source.ItemData(e));

  int proCount = counts_.ProCount;
  bool full = false;
  for (const int place : places) {
    const auto& player = Slot().Places[static_cast<std::size_t>(place)];
    auto& status = work_.WorkStatus[static_cast<std::size_t>(place)];
    const bool unavailable = league::Injury(player.Status) != 0 || player.Suspension != 0;
    switch (button) {
      case 0:
        status = static_cast<league::Byte>(status - 100);
        break;
      case 1:
        if (unavailable) {
          toolkit_.MsgBox(
              league::ToScreen(league::Condense(player.PlayerName.Raw())) + " is unavailable",
              app::kAppTitle, ui::Icon::None, ui::Buttons::Ok);
        } else {
          status = static_cast<league::Byte>(status + 100);
        }
        break;
      case 2:
        if (unavailable) {
          toolkit_.MsgBox(league::Show(player.PlayerName) + " cannot be sent to farm",
                          app::kAppTitle, ui::Icon::None, ui::Buttons::Ok);
        } else {
          status = static_cast<league::Byte>(status - 100);
        }
        break;
      default:
        if (proCount >= kMaxProRoster) {
          toolkit_.MsgBox("Roster is full", "Set Roster", ui::Icon::Critical, ui::Buttons::Ok);
          full = true;  // the rest stay on the farm
          break;
        }
        status = static_cast<league::Byte>(status + 100);
        if (player.Suspension != league::kHoldout) ++proCount;
        break;
    }
    if (full) break;
  }
  rosterChanged_ = true;
  ListPlayers();
}

void Roster::Auto() {
  if (!EnoughPlayers(Slot())) {
    toolkit_.MsgBox("Not enough players", "Auto Roster", ui::Icon::Information, ui::Buttons::Ok);
    return;
  }
  AutoRoster(Slot(), work_);
  ListPlayers();
  rosterChanged_ = true;
}

void Roster::Exit() {
  if (rosterChanged_ && toolkit_.MsgBox("Keep Roster Changes?", "Keep Changes", ui::Icon::None,
                                        ui::Buttons::YesNo) == ui::Answer::Yes) {
    if (!counts_.RosterComplete)
      toolkit_.MsgBox("Roster not complete", kEditRoster, ui::Icon::Critical, ui::Buttons::Ok);
    if (auto kept = TransferBuffer(session_, toolkit_, 0, work_); !kept)
      CommitFailed(kept.Message());
    session_.LeagueChanged = true;
    CleanLineGrid();
  }
  rosterChanged_ = false;
  form_.Close();
}

void Roster::CommitFailed(const std::string& reason) {
  toolkit_.MsgBox("The roster changes could not all be saved.\n" + reason +
                      "\nPlayers still to be released or put on waivers stay where they were.",
                  kEditRoster, ui::Icon::Critical, ui::Buttons::Ok);
}

void Roster::CleanLineGrid() {
  auto& team = session_.Teams[static_cast<std::size_t>(session_.CurrentTeam)];
  for (int i = 0; i < league::kRosterPlaces; ++i) {
    if (Slot().Places[static_cast<std::size_t>(i)].Status >= 200) continue;
    for (int row = 0; row < league::LineGrid::kRows; ++row) {
      const int columns = row < 12 ? league::LineGrid::kColumns : 3;
      for (int column = 0; column < columns; ++column)
        if (team.Lines.At(row, column) == i) team.Lines.At(row, column) = league::kNoPlayer;
    }
  }
  team.LinesSet = 0;
}

void Roster::Unload() {
  if (!rosterChanged_) return;
  rosterChanged_ = false;  // the working copy is discarded
  toolkit_.MsgBox("Changes were not saved", kEditRoster, ui::Icon::Critical, ui::Buttons::Ok);
}

void Roster::ClickEntry(int list) {
  auto& box = *lists_[static_cast<std::size_t>(list)];
  const int index = box.ListIndex();
  if (index < 0) return;
  session_.CurrentPlayer = box.ItemData(index);
  ShowPlayer(session_.CurrentPlayer);
}

void Roster::ShowPlayer(int place) {
  if (place < 0 || place >= league::kRosterPlaces) return;
  const auto& player = Slot().Places[static_cast<std::size_t>(place)];
  if (player.IsEmpty()) return;
  playerShown_ = true;
  app::ShowPlayerPanel(player, name_, pos_, age_, hand_, ratings_, overall_);
}

void Roster::RatingEnter(int skill) {
  auto* player = playerShown_ ? Current() : nullptr;
  if (!player) return;
  const double value = LeadingNumber(ratings_[static_cast<std::size_t>(skill)]->Text());
  if (value >= 15 && value < 100)
    player->Skills[static_cast<std::size_t>(skill)] = static_cast<league::Byte>(value);
  overall_.SetText(std::to_string(ratings::Overall(*player)));
}

void Roster::NameEnter() {
  // Before this window showed a player the box holds no name of his to store.
  auto* player = playerShown_ ? Current() : nullptr;
  if (!player) return;
  player->PlayerName.Store(league::FromScreen(name_.Text()));
  ListPlayers();
}

void Roster::DoubleClickEntry(int list) {
  auto* player = Current();
  if (!player) return;
  if (!protect_.Value()) {
    toolkit_.ShowModal(ui::WindowId::PlayerInfo);
    player = Current();
    if (player && player->Released == 1) {
      rosterChanged_ = true;
      ListPlayers();
    }
    return;
  }
  if (league::IsSet(player->Protected)) {
    player->Protected = league::kFalse;
  } else if (MayProtect(Slot(), session_.CurrentPlayer)) {
    player->Protected = league::kTrue;
  } else {
    return;  // beyond the limits: refused without a word
  }
  rosterChanged_ = true;
  auto& box = *lists_[static_cast<std::size_t>(list)];
  const int index = box.ListIndex();
  if (index < 0) return;
  box.SetItemText(index,
                  (league::IsSet(player->Protected) ? "*" : "") + league::Show(player->PlayerName));
  box.SetSelected(index, true);
}

}  // namespace roster
