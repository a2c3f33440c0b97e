#include "app/main_window.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>

#include "league/file_system.h"
#include "league/text.h"

namespace app {

namespace {

constexpr const char* kLoadTitle = "Load League";
constexpr const char* kLeagueFilter = "All Files|*.*|ORB Files|*.tms";

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}

// The original platform's folders list their names in the order of the names
// upper-cased (so "_old" comes after "new", not before it).
std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return out;
}

// The part of a base path after its last directory separator; false when it has none.
bool TitleOf(const std::string& base, std::string& title) {
  const auto pos = base.find_last_of(std::filesystem::path::preferred_separator);
  if (pos == std::string::npos) return false;
  title = base.substr(pos + 1);
  return true;
}

}  // namespace

std::string PointerFileValue(std::string_view contents) {
  const auto lineEnd = contents.find_first_of("\r\n");
  std::string_view line = contents.substr(0, lineEnd);
  const auto first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  line.remove_prefix(first);
  if (line.front() == '"') {
    line.remove_prefix(1);
    return std::string(line.substr(0, line.find('"')));
  }
  line = line.substr(0, line.find(','));
  const auto last = line.find_last_not_of(' ');
  return std::string(line.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

std::string FindLeagueFile(std::vector<std::string> names) {
  // The original platform lists a folder in name order without regard to case;
  // names that differ only in case (possible here, not there) keep byte order.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string upperA = Upper(a), upperB = Upper(b);
    return upperA != upperB ? upperA < upperB : a < b;
  });
  for (const auto& name : names) {
    if (name.size() < 4 || Lower(name.substr(name.size() - 4)) != ".lge") continue;
    if (name == "default.lge") continue;
    return name;
  }
  return "";
}

Main::Main(Session& session, ui::Form& form, ui::Toolkit& toolkit)
    : session_(session),
      form_(form),
      toolkit_(toolkit),
      leagueName_(form.GetLabel("Label3")),
      confNames_{&form.GetLabel("Label1"), &form.GetLabel("Label2")},
      divs_{&form.GetList("lstDivs", 0), &form.GetList("lstDivs", 1)},
      teams_{&form.GetList("lstTeams", 0), &form.GetList("lstTeams", 1)} {
  leagueName_.OnDblClick = [this] { RenameLeague(); };
  for (int c = 0; c < 2; ++c) {
    divs_[c]->Configure(false, false);
    teams_[c]->Configure(false, false);
    divs_[c]->OnClick = [this, c] { DivisionClick(c); };
    teams_[c]->OnClick = [this, c] { TeamClick(c); };
    teams_[c]->OnDblClick = [this, c] {
      TeamClick(c);
      ViewTeam();
    };
  }
  form.GetMenu(kMenuLoad).OnClick = [this] { LoadCommand(); };
  form.GetMenu(kMenuExit).OnClick = [this] { Exit(); };
  form.GetMenu(kMenuViewTeam).OnClick = [this] { ViewTeam(); };
  form.GetMenu(kMenuSetRoster).OnClick = [this] { SetGameRoster(); };
  form.GetMenu(kMenuSetLines).OnClick = [this] { SetLines(); };
  form.GetMenu(kMenuAbout).OnClick = [this] { About(); };
  // Closing ends the program; nothing is saved.
  form.OnUnload = [] {};
}

bool Main::StartUp(InstanceLock& lock, const std::function<void()>& showWindow) {
  if (!lock.Acquire()) {
    toolkit_.MsgBox(
        "There's already a copy of ORB running. To ensure no files will be corrupted, you cannot "
        "start a new instance.",
        "Cannot start a new copy of ORB", ui::Icon::Critical, ui::Buttons::Ok);
    return false;
  }
  bool ok = false;
  try {
    form_.SetCaption(kAppTitle);
    for (const char* name : kAdminMenus) form_.GetMenu(name).SetVisible(false);
    if (showWindow) showWindow();
    ok = RunStartUp();
  } catch (const std::exception&) {
    ok = false;
  }
  if (!ok) {
    toolkit_.MsgBox("An unexpected error occurred in the initialization of ORB.", kLoadTitle,
                    ui::Icon::Critical, ui::Buttons::Ok);
  }
  return true;
}

// Start-up after the instance check; false reports the initialization error.
bool Main::RunStartUp() {
  session_.League = DefaultLeague();

  const std::filesystem::path pointer = session_.AppDir / kPointerFile;
  const bool hasPointer = league::FileExists(session_.Files, pointer);
  if (hasPointer) {
    auto contents = session_.Files.ReadAll(pointer);
    if (!contents) return false;
    session_.LeagueBase = PointerFileValue(
        std::string_view(reinterpret_cast<const char*>(contents->data()), contents->size()));
  }
  if (!hasPointer || session_.LeagueBase.empty() ||
      !league::FileExists(session_.Files, session_.LeagueBase + ".lge")) {
    toolkit_.MsgBox("The last league files you loaded, \n" + session_.LeagueBase +
                        "\nare not accessible.\nORB will search for other league files.",
                    kLoadTitle, ui::Icon::Critical, ui::Buttons::Ok);
    const std::string found = FindLeagueFile(session_.Files.List(session_.AppDir));
    if (found.empty()) {
      toolkit_.MsgBox("Searching " + session_.AppDir.string() +
                          " did not reveal any league files.\nYou must load new league files "
                          "using the File|Load menu.",
                      "Load Local League Files", ui::Icon::Critical, ui::Buttons::Ok);
      return true;
    }
    session_.LeagueBase = (session_.AppDir / found.substr(0, found.size() - 4)).string();
  }
  if (!TitleOf(session_.LeagueBase, session_.LeagueTitle)) return false;
  if (!session_.LoadLg(session_.LeagueBase)) return false;
  RefreshAfterLoad();
  return true;
}

void Main::LoadCommand() {
  if (session_.LeagueLoaded && session_.LeagueChanged &&
      toolkit_.MsgBox("Save Current League?", "Save League", ui::Icon::Question,
                      ui::Buttons::YesNo) == ui::Answer::Yes) {
    const league::Status saved = session_.SaveLg();
    if (!saved) {
      // Stop here: the unsaved changes stay in memory.
      toolkit_.MsgBox("The league could not be saved.\n\n" + saved.Message(), "Save League",
                      ui::Icon::Critical, ui::Buttons::Ok);
      return;
    }
  }
  ui::FileDialogOptions options;
  options.Title = kLoadTitle;
  options.Filter = kLeagueFilter;
  options.FilterIndex = 2;
  const std::string path = toolkit_.ShowOpen(options);
  if (path.empty()) return;

  // Any file of the league will do: only its last four characters are cut.
  const std::string base = path.size() >= 4 ? path.substr(0, path.size() - 4) : std::string();
  const std::string previousBase = session_.LeagueBase;
  const std::string previousTitle = session_.LeagueTitle;
  std::string title;
  TitleOf(base, title);
  session_.LeagueBase = base;
  session_.LeagueTitle = title;
  const league::Status loaded = session_.LoadLg(base);
  if (loaded) {
    RefreshAfterLoad();
    return;
  }
  if (session_.LeagueLoaded) {
    // The previous league is still the one in memory, and on screen.
    session_.LeagueBase = previousBase;
    session_.LeagueTitle = previousTitle;
  } else {
    session_.LeagueTitle.clear();
    ShowNoLeague();
  }
  toolkit_.MsgBox("The league could not be loaded.\n\n" + loaded.Message(), kLoadTitle,
                  ui::Icon::Critical, ui::Buttons::Ok);
}

void Main::RefreshAfterLoad() {
  const auto& league = session_.League;
  for (int c = 0; c < 2; ++c) {
    divs_[c]->Clear();
    teams_[c]->Clear();
    const auto& conference = league.Conferences[static_cast<std::size_t>(c)];
    const int count = std::min<int>(conference.DivisionCount, 4);
    for (int d = 0; d < count; ++d)
      divs_[c]->AddItem(league::Show(conference.Divisions[static_cast<std::size_t>(d)].DivName), d);
  }
  // Conference 1 goes last, so its first team becomes the current one when it has any.
  for (int c = 0; c < 2; ++c) {
    if (divs_[c]->Count() > 0) divs_[c]->SetListIndex(0);
    if (teams_[c]->Count() > 0) teams_[c]->SetListIndex(0);
  }
  form_.SetCaption(session_.LeagueBase);
  ShowLabels();
  session_.LeagueChanged = false;
}

void Main::ShowLabels() {
  const auto& league = session_.League;
  leagueName_.SetCaption(league::Show(league.LeagueName));
  for (std::size_t c = 0; c < 2; ++c)
    confNames_[c]->SetCaption(league::Show(league.Conferences[c].ConfName));
}

void Main::ShowNoLeague() {
  for (int c = 0; c < 2; ++c) {
    divs_[c]->Clear();
    teams_[c]->Clear();
    confNames_[static_cast<std::size_t>(c)]->SetCaption("");
  }
  leagueName_.SetCaption("");
  form_.SetCaption(kAppTitle);
}

void Main::DivisionClick(int conference) {
  auto& teams = *teams_[static_cast<std::size_t>(conference)];
  teams.Clear();
  const int division = divs_[static_cast<std::size_t>(conference)]->ListIndex();
  if (division < 0) return;
  for (int i = 0; i < session_.League.TeamCount; ++i) {
    const auto& team = session_.Teams[static_cast<std::size_t>(i)];
    if (team.Conference == conference && team.Division == division)
      teams.AddItem(league::Show(team.TeamName), i);
  }
}

void Main::TeamClick(int conference) {
  const auto& teams = *teams_[static_cast<std::size_t>(conference)];
  const int index = teams.ListIndex();
  if (index >= 0) session_.CurrentTeam = teams.ItemData(index);
}

bool Main::TeamChosen() const {
  // Without a league the working copies may be an earlier run's: open nothing on them.
  return session_.LeagueLoaded && session_.CurrentTeam >= 0 &&
         session_.CurrentTeam < session_.League.TeamCount;
}

bool Main::LoadCurrentTeam(const std::string& title) {
  const league::Status loaded = session_.LoadTeam(session_.CurrentTeam, 0);
  if (!loaded) {
    toolkit_.MsgBox("The team could not be loaded.\n\n" + loaded.Message(), title,
                    ui::Icon::Critical, ui::Buttons::Ok);
  }
  return loaded.Ok();
}

void Main::ViewTeam() {
  if (TeamChosen()) toolkit_.ShowModal(ui::WindowId::TeamView);
}

void Main::SetGameRoster() {
  if (!TeamChosen() || !LoadCurrentTeam("Set Game Roster")) return;
  toolkit_.ShowModal(ui::WindowId::Roster, 1);  // 1: renumber slot 0 first
}

void Main::SetLines() {
  if (!TeamChosen() || !LoadCurrentTeam("Set Lines")) return;
  toolkit_.ShowModal(ui::WindowId::Lines);
}

void Main::About() { toolkit_.ShowModal(ui::WindowId::About); }

void Main::Exit() { form_.Close(); }

void Main::RenameLeague() {
  if (!session_.LeagueLoaded) return;
  const std::string answer = toolkit_.InputBox("New League Name", "Change League Name");
  if (answer.empty()) return;
  league::SetLeagueName(session_.League, league::FromScreen(answer));
  leagueName_.SetCaption(league::Show(session_.League.LeagueName));
  session_.LeagueChanged = true;
}

}  // namespace app
