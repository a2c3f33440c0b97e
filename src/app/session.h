#pragma once
// The program's working state: one league or none, the two team slots and the
// selection the team commands work on. Window classes receive it by reference.

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "league/file_system.h"
#include "league/records.h"
#include "league/result.h"

namespace app {

inline constexpr const char* kAppTitle = "Rink Desk";
inline constexpr int kVersionMajor = 1, kVersionMinor = 0, kVersionRevision = 0;

// One team's 50 roster places and its prospects, brought into memory by LoadTeam.
struct TeamSlot {
  std::array<league::PlayerRecord, league::kRosterPlaces> Places{};
  league::ProspectList Prospects{};
};

// The league record a fresh session holds: "CONF 1", "CONF 2" and divisions
// "DIV 1" to "DIV 3" in both, zeros elsewhere.
league::LeagueRecord DefaultLeague();

class Session {
 public:
  explicit Session(std::filesystem::path appDir,
                   league::FileSystem& files = league::RealFileSystem());

  // ---- league loading and saving ----
  // Loads the league at base (base + ".lge", ...). The league file is read and
  // checked before anything changes; a later failure leaves no league loaded.
  league::Status LoadLg(const std::string& base);
  // Writes the loaded league back; a failure names the file and leaves LeagueChanged set.
  league::Status SaveLg();

  // ---- team slots ----
  league::Status LoadTeam(int team, int slot);
  league::Status SaveTeam(int team, int slot);

  // The working copy `name` ("swp.t", "swp.r", ...) in the application directory.
  std::filesystem::path SwapFile(std::string_view name) const;
  // The league file with this extension (".tms", ...).
  std::filesystem::path LeagueFile(std::string_view extension) const;

  // Days since 30 Dec 1899 for "now"; tests replace the clock.
  double Now() const;

  std::filesystem::path AppDir;
  league::FileSystem& Files;
  std::function<std::chrono::system_clock::time_point()> Clock;

  bool LeagueLoaded = false;
  std::string LeagueBase;
  std::string LeagueTitle;
  bool LeagueChanged = false;
  league::LeagueRecord League;
  std::array<league::TeamRecord, league::kMaxTeams> Teams{};
  std::array<league::FarmTeamRecord, league::kMaxTeams> FarmTeams{};
  league::PlayoffRecord Playoff{};
  std::array<TeamSlot, 2> TeamSlots{};
  int CurrentTeam = 0;
  int CurrentPlayer = 0;

 private:
  // Back to a fresh session's records with no league loaded.
  void ForgetLeague();
};

}  // namespace app
