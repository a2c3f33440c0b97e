#include "lines/lines_window.h"

#include "app/player_panel.h"
#include "league/text.h"
#include "lines/auto_lines.h"
#include "lines/line_grid.h"
#include "lines/lines_file.h"
#include "ratings/ratings.h"

namespace lines {

namespace {

constexpr const char* kTitle = "Edit Lines";
constexpr int kFitDressed = 200;
constexpr int kPlayersForAuto = 20;
constexpr int kGoalieCell = 20;

const std::array<const char*, 5> kFilterCaptions = {"C", "LW", "RW", "D", "G"};
const std::array<const char*, 5> kFiveCaptions = {"C", "LW", "RW", "D", "D"};

std::string ScreenName(const league::PlayerRecord& player) {
  return player.IsEmpty() ? std::string() : league::Show(player.PlayerName);
}

}  // namespace

Lines::Lines(app::Session& session, ui::Form& form, ui::Toolkit& toolkit)
    : session_(session),
      form_(form),
      toolkit_(toolkit),
      title_(form.GetLabel("Label6")),
      list_(form.GetList("List2")),
      optEven_(form.GetOption("optEven")),
      optPP_(form.GetOption("optPP")),
      optPK_(form.GetOption("optPK")),
      assignedTo_(form.GetLabel("lblPlyrStat", 17)),
      lineString_(form.GetLabel("lblLineString")),
      txtPos_(form.GetText("txtPos")),
      txtAge_(form.GetText("txtAge")),
      txtHand_(form.GetText("txtHand")),
      txtName_(form.GetText("txtName")),
      txtOverall_(form.GetText("txtOverall")),
      txtLnOverall_(form.GetText("txtLnOverall")) {
  form_.SetCaption(kTitle);
  form_.GetLabel("Label8").SetCaption("Select Player");
  form_.GetLabel("Label3").SetCaption("Goalie");
  form_.GetLabel("Label4").SetCaption("Extra Skaters");
  form_.GetLabel("lblLineFocus").SetCaption("Line Average");
  assignedTo_.SetCaption("Assigned to");
  lineString_.SetCaption(kNoAssignments);
  lineString_.SetToolTip(kNotationTip);
  txtName_.SetVisible(false);

  list_.Configure(false, false);
  list_.OnClick = [this] { ListClick(); };
  list_.OnDblClick = [this] { ListDblClick(); };
  title_.OnClick = [this] { TitleClick(); };

  for (int i = 0; i < 5; ++i) {
    auto& filter = form_.GetCheck("Check1", i);
    filter.SetCaption(kFilterCaptions[static_cast<std::size_t>(i)]);
    filter.SetValue(true);
    filter.OnClick = [this] { AddPlayers(); };
    filters_[static_cast<std::size_t>(i)] = &filter;
  }

  optEven_.SetCaption("Even Strength");
  optPP_.SetCaption("Power Play");
  optPK_.SetCaption("Penalty Kill");
  optEven_.SetValue(true);
  optPP_.SetValue(false);
  optPK_.SetValue(false);
  optEven_.OnClick = [this] { ShowView(View::Even); };
  optPP_.OnClick = [this] { ShowView(View::PowerPlay); };
  optPK_.OnClick = [this] { ShowView(View::PenaltyKill); };

  for (int i = 0; i < 4; ++i) {
    auto& unitTitle = form_.GetLabel("Label1", i);
    unitTitle.SetCaption("Even Strength Line " + std::to_string(i + 1));
    unitTitles_[static_cast<std::size_t>(i)] = &unitTitle;
  }
  for (int i = 0; i < 10; ++i) {
    auto& caption = form_.GetLabel("Label2", i);
    caption.SetCaption(kFiveCaptions[static_cast<std::size_t>(i % 5)]);
    positionCaptions_[static_cast<std::size_t>(i)] = &caption;
  }
  for (int n = 0; n < kCells; ++n) {
    auto& cell = form_.GetLabel("lblPlayer", n);
    cell.SetBold(true);
    cell.OnClick = [this, n] { CellClick(n); };
    cells_[static_cast<std::size_t>(n)] = &cell;
  }
  for (int k = 0; k < league::kSkillCount; ++k) {
    txtRating_[static_cast<std::size_t>(k)] = &form_.GetText("txtRating", k);
    auto& average = form_.GetText("txtLnAvgRating", k);
    average.SetLocked(true);  // nothing reads the averages back
    txtLnAvgRating_[static_cast<std::size_t>(k)] = &average;
  }
  txtLnOverall_.SetLocked(true);

  auto& cmdAuto = form_.GetButton("cmdAuto");
  auto& cmdLoad = form_.GetButton("cmdLoadLines");
  auto& cmdSave = form_.GetButton("cmdSaveLines");
  auto& cmdExit = form_.GetButton("cmdExit");
  cmdAuto.SetCaption("Auto");
  cmdLoad.SetCaption("Load Lines");
  cmdSave.SetCaption("Save Lines");
  cmdExit.SetCaption("Exit");
  cmdAuto.OnClick = [this] { AutoClick(); };
  cmdLoad.OnClick = [this] { LoadLinesClick(); };
  cmdSave.OnClick = [this] { SaveLinesClick(); };
  cmdExit.OnClick = [this] { ExitClick(); };
  form_.OnUnload = [this] { Unload(); };

  assignmentText_.fill(kNoAssignments);
}

void Lines::Load() {
  const auto& team = session_.Teams[static_cast<std::size_t>(session_.CurrentTeam)];
  title_.SetCaption("Lines for " + league::Show(team.TeamName));
  grid_ = team.Lines;

  AddPlayers();
  if (list_.Count() > 0) list_.SetListIndex(0);  // as a click on it
  DisplayLines();
  RefreshAssignments();

  const int selected = SelectedPlayer();
  if (selected < 0) {
    (void)toolkit_.MsgBox("There are not enough players. Set roster first", "Roster warning",
                          ui::Icon::Information, ui::Buttons::Ok);
  } else {
    ShowPlayer(selected);
  }
  linesChanged_ = false;
}

league::PlayerRecord& Lines::Player(int index) {
  return session_.TeamSlots[kSlot].Places[static_cast<std::size_t>(index)];
}

int Lines::BaseRow() const {
  switch (view_) {
    case View::PowerPlay:
      return 4;
    case View::PenaltyKill:
      return 8;
    case View::Even:
      break;
  }
  return 0;
}

int Lines::SelectedPlayer() const {
  const int index = list_.ListIndex();
  if (index < 0 || index >= static_cast<int>(listToPlayer_.size())) return -1;
  return listToPlayer_[static_cast<std::size_t>(index)];
}

void Lines::AddPlayers() {
  list_.Clear();
  listToPlayer_.clear();
  for (int i = 0; i < league::kRosterPlaces; ++i) {
    const auto& player = Player(i);
    if (player.IsEmpty() || league::Assignment(player.Status) != league::kGameRoster) continue;
    if (player.Position > league::kGoalie || !filters_[player.Position]->Value()) continue;
    list_.AddItem(ScreenName(player), i);
    listToPlayer_.push_back(i);
  }
}

void Lines::RefreshAssignments() { assignmentText_ = ReadLineAssgts(grid_); }

void Lines::DisplayLines() {
  auto nameIn = [this](league::Byte cell) {
    return HoldsPlayer(cell) ? ScreenName(Player(cell)) : std::string();
  };
  const int base = BaseRow();
  for (int k = 0; k < 4; ++k) {
    for (int j = 0; j < 5; ++j)
      cells_[static_cast<std::size_t>(5 * k + j)]->SetCaption(nameIn(grid_.At(base + k, j)));
  }
  for (int j = 0; j < 3; ++j)
    cells_[static_cast<std::size_t>(kGoalieCell + j)]->SetCaption(nameIn(grid_.At(kSpareRow, j)));
}

void Lines::ShowPlayer(int p) {
  const auto& player = Player(p);
  if (player.IsEmpty()) return;
  lineString_.SetCaption(assignmentText_[static_cast<std::size_t>(p)]);
  app::ShowPlayerPanel(player, txtName_, txtPos_, txtAge_, txtHand_, txtRating_, txtOverall_);
}

void Lines::FocusLine(int row) {
  for (int i = 0; i < 4; ++i) unitTitles_[static_cast<std::size_t>(i)]->SetBold(i == row % 4);
  ShowLineAverages(row);
}

void Lines::ShowLineAverages(int row) {
  const UnitAverages averages = LineAverages(grid_, session_.TeamSlots[kSlot], row);
  for (std::size_t k = 0; k < txtLnAvgRating_.size(); ++k)
    txtLnAvgRating_[k]->SetText(std::to_string(averages.Skills[k]));
  txtLnOverall_.SetText(std::to_string(averages.Overall));
}

void Lines::ShowView(View view) {
  view_ = view;
  // The chosen button first: an exclusive group may refuse to lose its only checked one.
  ui::Toggle* options[] = {&optEven_, &optPP_, &optPK_};
  ui::Toggle* chosen = options[static_cast<int>(view)];
  chosen->SetValue(true);
  for (ui::Toggle* option : options)
    if (option != chosen) option->SetValue(false);

  auto setTitles = [this](const std::array<std::string, 4>& titles) {
    for (std::size_t i = 0; i < 4; ++i) unitTitles_[i]->SetCaption(titles[i]);
  };
  auto setCaptions = [this](const std::array<const char*, 10>& captions) {
    for (std::size_t i = 0; i < 10; ++i) positionCaptions_[i]->SetCaption(captions[i]);
  };
  auto showCells = [this](std::initializer_list<int> hidden) {
    for (int n = 0; n < 20; ++n) {
      bool show = true;
      for (const int h : hidden) show = show && n != h;
      cells_[static_cast<std::size_t>(n)]->SetVisible(show);
    }
  };

  switch (view) {
    case View::Even:
      showCells({});
      setTitles({"Even Strength Line 1", "Even Strength Line 2", "Even Strength Line 3",
                 "Even Strength Line 4"});
      setCaptions({"C", "LW", "RW", "D", "D", "C", "LW", "RW", "D", "D"});
      FocusLine(0);
      break;
    case View::PowerPlay:
      showCells({14, 19});
      setTitles(
          {"PP Line 1 (5 on 4)", "PP Line 2 (5 on 4)", "PP Line 1 (4 on 3)", "PP Line 2 (4 on 3)"});
      setCaptions({"C", "LW", "RW", "D", "D", "C", "W", "D", "D", ""});
      FocusLine(4);
      break;
    case View::PenaltyKill:
      // The bold title and the averages stay as they were.
      showCells({4, 9, 13, 14, 18, 19});
      setTitles(
          {"PK Line 1 (4 on 5)", "PK Line 2 (4 on 5)", "PK Line 1 (3 on 5)", "PK Line 2 (3 on 5)"});
      setCaptions({"C", "W", "D", "D", "", "C", "D", "D", "", ""});
      break;
  }
  DisplayLines();
}

void Lines::TitleClick() {
  DisplayLines();
  RefreshAssignments();
  const int selected = SelectedPlayer();
  if (selected >= 0) ShowPlayer(selected);
}

void Lines::ListClick() {
  const int selected = SelectedPlayer();
  if (selected < 0) return;
  session_.CurrentPlayer = selected;
  assignedTo_.SetCaption(league::ToScreen(league::Condense(Player(selected).PlayerName.Raw())) +
                         " is assigned to:");
  ShowPlayer(selected);
}

void Lines::ListDblClick() {
  const int selected = SelectedPlayer();
  if (selected < 0) return;
  session_.CurrentPlayer = selected;
  ShowPlayer(selected);
  toolkit_.ShowModal(ui::WindowId::PlayerInfo);
}

void Lines::CellClick(int n) {
  const int p = SelectedPlayer();
  if (p < 0) return;
  const bool goalie = Player(p).Position == league::kGoalie;
  int focusRow = 0;  // a placement in row 12 shows the first unit
  if (n < kGoalieCell) {
    if (goalie) return;
    const int k = n / 5;
    const int j = n - 5 * k;
    const int row = BaseRow() + k;
    for (int c = 0; c < LineGrid::kColumns; ++c) {
      if (grid_.At(row, c) == p) return;
    }
    grid_.At(row, j) = static_cast<league::Byte>(p);
    focusRow = row;
  } else if (n == kGoalieCell) {
    if (!goalie) return;
    grid_.At(kSpareRow, 0) = static_cast<league::Byte>(p);
  } else {
    if (goalie) return;
    grid_.At(kSpareRow, n - kGoalieCell) = static_cast<league::Byte>(p);
  }
  cells_[static_cast<std::size_t>(n)]->SetCaption(list_.ItemText(list_.ListIndex()));
  linesChanged_ = true;
  FocusLine(focusRow);
  RefreshAssignments();
  ShowPlayer(p);
}

void Lines::AutoClick() {
  int fit = 0;
  for (const auto& player : session_.TeamSlots[kSlot].Places) {
    if (player.Status == kFitDressed) ++fit;
  }
  if (fit != kPlayersForAuto) {
    (void)toolkit_.MsgBox("There are only " + std::to_string(fit) + " players on the roster." +
                              "\r" + "Set roster first",
                          "Auto Lines", ui::Icon::Information, ui::Buttons::Ok);
    return;
  }
  grid_ = AutoLines(session_.TeamSlots[kSlot]);
  RefreshAssignments();
  const int selected = SelectedPlayer();
  if (selected >= 0) ShowPlayer(selected);
  DisplayLines();
  linesChanged_ = true;
}

void Lines::LoadLinesClick() {
  // The assignment texts, the detail panel and the list keep describing the old
  // grid until the next refresh.
  if (ImportLinesSub(session_, toolkit_, kSlot, grid_) != ImportOutcome::Loaded) return;
  DisplayLines();
  linesChanged_ = true;
}

void Lines::SaveLinesClick() { (void)SaveLinesSub(session_, toolkit_, grid_); }

void Lines::ExitClick() {
  if (linesChanged_) {
    const ui::Answer keep =
        toolkit_.MsgBox("Keep Line Changes?", "Keep Changes", ui::Icon::None, ui::Buttons::YesNo);
    if (keep == ui::Answer::Yes) {
      if (LinesIncomplete(grid_)) {
        (void)toolkit_.MsgBox("Lines are not complete", kTitle, ui::Icon::Critical,
                              ui::Buttons::Ok);
        return;
      }
      const league::Status saved = TransferBuffer(session_, grid_, kSlot);
      if (!saved) {
        // The team record holds the lines; the working files could not take them.
        (void)toolkit_.MsgBox("The lines could not be saved.\r" + saved.Message(), kTitle,
                              ui::Icon::Critical, ui::Buttons::Ok);
        return;
      }
      session_.LeagueChanged = true;
    }
  }
  linesChanged_ = false;
  form_.Close();
}

void Lines::Unload() {
  if (!linesChanged_) return;
  (void)toolkit_.MsgBox("Changes were not saved", kTitle, ui::Icon::Critical, ui::Buttons::Ok);
}

}  // namespace lines
