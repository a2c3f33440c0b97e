#pragma once
// The main window: the league's name, its two conferences with their division
// and team lists, the menus, start-up and the Load command.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/instance_lock.h"
#include "app/session.h"
#include "ui/ui.h"

namespace app {

// Menu item names of the main window's form.
inline constexpr const char* kMenuLoad = "mnuLoad";
inline constexpr const char* kMenuExit = "mnuExit";
inline constexpr const char* kMenuViewTeam = "mnuViewTeam";
inline constexpr const char* kMenuSetRoster = "mnuSetRoster";
inline constexpr const char* kMenuSetLines = "mnuSetLines";
inline constexpr const char* kMenuAbout = "mnuAbout";

// The league administration's items (and whole menus), hidden in this edition.
inline constexpr std::array<const char*, 16> kAdminMenus = {
    "mnuSave",           "mnuSaveAs",          "mnuNew",
    "mnuPlayerDatabase", "mnuImportTeams",     "mnuUpdateStats",
    "mnuViewProspects",  "mnuTrade",           "mnuFreeAgents",
    "mnuCheckWaivers",   "mnuRandomContracts", "mnuAutoAll",
    "mnuAutoLoadLines",  "mnuLeague",          "mnuInternet",
    "mnuDraft"};

inline constexpr const char* kPointerFile = "orb.def";

// The first line of a pointer file's contents: leading and trailing spaces
// removed, a comma ending the value; a value in double quotes is taken whole.
std::string PointerFileValue(std::string_view contents);

// The league file name found by the start-up search among `names` (a folder's
// files): the first "*.lge" in the listing order of the original platform
// (names compared upper-cased) that is not named exactly "default.lge"; empty when none.
std::string FindLeagueFile(std::vector<std::string> names);

class Main {
 public:
  Main(Session& session, ui::Form& form, ui::Toolkit& toolkit);

  // Start-up. False when the program must end at once (another copy runs);
  // every other outcome leaves the window open, with or without a league.
  // `showWindow` runs once the instance check has passed, so that the messages
  // of the later steps stand over the window.
  bool StartUp(InstanceLock& lock, const std::function<void()>& showWindow = {});

  // File, Load: the save question, the open dialog, then LoadLg.
  void LoadCommand();

  // After a successful LoadLg: the division and team lists with the first
  // division and team of each conference selected, the caption and the labels.
  void RefreshAfterLoad();

  // The menu commands.
  void ViewTeam();
  void SetGameRoster();
  void SetLines();
  void About();
  void Exit();

  // Double-click on the league's name.
  void RenameLeague();

 private:
  void DivisionClick(int conference);
  void TeamClick(int conference);
  void ShowNoLeague();
  void ShowLabels();
  // A team command has a team to work on.
  bool TeamChosen() const;
  // Loads CurrentTeam into slot 0; a failure is reported under `title`.
  bool LoadCurrentTeam(const std::string& title);
  bool RunStartUp();

  Session& session_;
  ui::Form& form_;
  ui::Toolkit& toolkit_;
  ui::Label& leagueName_;
  std::array<ui::Label*, 2> confNames_;
  std::array<ui::ListBox*, 2> divs_;
  std::array<ui::ListBox*, 2> teams_;
};

}  // namespace app
