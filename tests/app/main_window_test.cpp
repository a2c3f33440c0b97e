#include "app/main_window.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/instance_lock.h"
#include "app/session.h"
#include "league/codecs.h"
#include "sample_league.h"
#include "support/failing_fs.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using ui::WindowId;

const char* const kNotAccessibleTail =
    "\nare not accessible.\nORB will search for other league files.";

class FakeLock : public app::InstanceLock {
 public:
  explicit FakeLock(bool free) : free_(free) {}
  bool Acquire() override { return free_; }

 private:
  bool free_;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

std::string StoredLeagueName(const fs::path& lge) {
  const std::string bytes = ReadFile(lge);
  return bytes.substr(0, 25);
}

void WriteLeague(const fs::path& base, int teams = 6, std::uint32_t seed = 2002) {
  fs::create_directories(base.parent_path());
  // The generator will not write a league called "default": write it aside and rename it.
  const fs::path aside = base.parent_path() / ("aside-" + base.filename().string());
  ASSERT_TRUE(sample::WriteSampleLeague(aside, {teams, seed}).Ok()) << base;
  for (const auto& entry : fs::directory_iterator(base.parent_path())) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(aside.filename().string() + ".", 0) != 0) continue;
    fs::rename(entry.path(), base.string() + name.substr(aside.filename().string().size()));
  }
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : session(dir.Path()), main(session, form, toolkit) {}

  fs::path App(const std::string& name) const { return dir.Path() / name; }
  void PointTo(const fs::path& base) { WriteFile(App("orb.def"), base.string() + "\r\n"); }
  bool StartUp(bool lockFree = true) {
    FakeLock lock(lockFree);
    return main.StartUp(lock, [this] { ++shown; });
  }
  test::FakeList& Divs(int c) { return form.GetList("lstDivs", c); }
  test::FakeList& Teams(int c) { return form.GetList("lstTeams", c); }

  test::TempDir dir;
  test::FakeForm form;
  test::FakeToolkit toolkit;
  app::Session session;
  app::Main main;
  int shown = 0;
};

// ---- start-up ----------------------------------------------------------------

TEST_F(MainWindowTest, SecondCopyIsRefusedBeforeAnythingElse) {
  WriteLeague(App("Sample"));
  EXPECT_FALSE(StartUp(false));
  ASSERT_EQ(toolkit.messages.size(), 1u);
  const auto& m = toolkit.messages[0];
  EXPECT_EQ(m.text,
            "There's already a copy of ORB running. To ensure no files will be corrupted, you "
            "cannot start a new instance.");
  EXPECT_EQ(m.title, "Cannot start a new copy of ORB");
  EXPECT_EQ(m.icon, ui::Icon::Critical);
  EXPECT_EQ(m.buttons, ui::Buttons::Ok);
  EXPECT_EQ(shown, 0);
  EXPECT_FALSE(session.LeagueLoaded);
  EXPECT_FALSE(fs::exists(App("swp.t")));
}

TEST_F(MainWindowTest, PointerFileLeagueLoadsWithoutAWord) {
  const fs::path base = dir.Path() / "leagues" / "Alpha";
  WriteLeague(base);
  WriteLeague(App("Other"));  // never looked at: the pointer's league exists
  WriteFile(App("orb.def"), "  " + base.string() + "  ,ignored\r\n");
  EXPECT_TRUE(StartUp());
  EXPECT_TRUE(toolkit.messages.empty()) << toolkit.Texts().front();
  EXPECT_EQ(shown, 1);
  ASSERT_TRUE(session.LeagueLoaded);
  EXPECT_EQ(session.LeagueBase, base.string());
  EXPECT_EQ(session.LeagueTitle, "Alpha");
  EXPECT_EQ(form.caption, base.string());
  EXPECT_EQ(form.GetLabel("Label3").caption, league::Show(session.League.LeagueName));
  EXPECT_EQ(form.GetLabel("Label1").caption, league::Show(session.League.Conferences[0].ConfName));
  EXPECT_EQ(form.GetLabel("Label2").caption, league::Show(session.League.Conferences[1].ConfName));
  EXPECT_GT(Teams(0).Count() + Teams(1).Count(), 0);
  for (const char* name : app::kAdminMenus) EXPECT_FALSE(form.GetMenu(name).visible) << name;
  for (const char* name : {app::kMenuLoad, app::kMenuExit, app::kMenuViewTeam, app::kMenuSetRoster,
                           app::kMenuSetLines, app::kMenuAbout})
    EXPECT_TRUE(form.GetMenu(name).visible) << name;
}

TEST_F(MainWindowTest, MissingPointerFileSearchesTheApplicationFolder) {
  WriteLeague(App("Found"));
  EXPECT_TRUE(StartUp());
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text,
            std::string("The last league files you loaded, \n") + kNotAccessibleTail);
  EXPECT_EQ(toolkit.messages[0].title, "Load League");
  EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::Critical);
  EXPECT_TRUE(session.LeagueLoaded);
  EXPECT_EQ(session.LeagueBase, App("Found").string());
  EXPECT_EQ(session.LeagueTitle, "Found");
  // The league found is remembered for next time.
  EXPECT_EQ(app::PointerFileValue(ReadFile(App("orb.def"))), App("Found").string());
}

TEST_F(MainWindowTest, PointerToADeletedLeagueNamesItOnItsOwnLine) {
  const fs::path gone = dir.Path() / "old" / "Gone";
  WriteLeague(gone);
  fs::remove(gone.string() + ".lge");
  PointTo(gone);
  WriteLeague(App("Found"));
  EXPECT_TRUE(StartUp());
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text,
            "The last league files you loaded, \n" + gone.string() + kNotAccessibleTail);
  EXPECT_EQ(session.LeagueBase, App("Found").string());
}

TEST_F(MainWindowTest, SearchSkipsOnlyTheExactDefaultName) {
  WriteLeague(App("default"), 4, 1);
  WriteLeague(App("Default"), 6, 2);
  WriteLeague(App("zeta"), 8, 3);
  EXPECT_TRUE(StartUp());
  EXPECT_EQ(session.LeagueBase, App("Default").string());
  EXPECT_EQ(session.League.TeamCount, 6);
}

TEST_F(MainWindowTest, NoLeagueFoundLeavesAnEmptyWindow) {
  WriteLeague(App("default"));  // skipped
  WriteFile(App("notes.lgx"), "x");
  EXPECT_TRUE(StartUp());
  ASSERT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(toolkit.messages[1].text,
            "Searching " + dir.Path().string() +
                " did not reveal any league files.\nYou must load new league files using the "
                "File|Load menu.");
  EXPECT_EQ(toolkit.messages[1].title, "Load Local League Files");
  EXPECT_EQ(toolkit.messages[1].icon, ui::Icon::Critical);
  EXPECT_EQ(toolkit.messages[1].buttons, ui::Buttons::Ok);
  EXPECT_FALSE(session.LeagueLoaded);
  EXPECT_EQ(form.caption, app::kAppTitle);
  EXPECT_EQ(Divs(0).Count() + Divs(1).Count() + Teams(0).Count() + Teams(1).Count(), 0);
  // Without a league the team commands open nothing, not even on old working copies.
  WriteLeague(App("elsewhere/Old"));
  main.ViewTeam();
  main.SetGameRoster();
  main.SetLines();
  EXPECT_TRUE(toolkit.modals.empty());
}

TEST_F(MainWindowTest, ALeagueThatFailsToLoadGivesTheInitializationError) {
  WriteLeague(App("Broken"));
  std::string lge = ReadFile(App("Broken.lge"));
  lge[25] = 60;  // LastTeamIndex beyond 50 teams
  WriteFile(App("Broken.lge"), lge);
  PointTo(App("Broken"));
  EXPECT_TRUE(StartUp());
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, "An unexpected error occurred in the initialization of ORB.");
  EXPECT_EQ(toolkit.messages[0].title, "Load League");
  EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::Critical);
  EXPECT_FALSE(session.LeagueLoaded);
  EXPECT_EQ(shown, 1);  // the window stays open
}

TEST(PointerFileValue, TakesTheFirstLineTrimmedUpToAComma) {
  const struct {
    const char* contents;
    const char* value;
  } cases[] = {
      {"/a/League\r\n", "/a/League"},
      {"   /a/League   \r\nsecond line", "/a/League"},
      {"/a/League,42\r\n", "/a/League"},
      {"\"/a/Big, Bad League\"\r\n", "/a/Big, Bad League"},
      {"", ""},
      {"   \r\n/a/League", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(app::PointerFileValue(c.contents), c.value) << c.contents;
}

TEST(FindLeagueFile, FirstLeagueInNameOrderIgnoringCaseButDefault) {
  const struct {
    std::vector<std::string> names;
    const char* found;
  } cases[] = {
      {{"zeta.lge", "Beta.lge", "alpha.lge"}, "alpha.lge"},
      {{"default.lge", "Default.lge"}, "Default.lge"},
      {{"default.lge", "DEFAULT.LGE"}, "DEFAULT.LGE"},
      {{"default.lge"}, ""},
      {{"a.tms", "b.lgex", "lge", "c.lg"}, ""},
      {{"b.lge", "A.LGE"}, "A.LGE"},
      // Compared upper-cased: the characters between 'Z' and 'a' sort after every letter.
      {{"_old.lge", "new.lge"}, "new.lge"},
      {{"[2001].lge", "zulu.lge"}, "zulu.lge"},
      {{"Zed.lge", "^hat.lge", "~x.lge"}, "Zed.lge"},
  };
  for (const auto& c : cases) EXPECT_EQ(app::FindLeagueFile(c.names), c.found) << c.found;
}

// ---- lists ---------------------------------------------------------------------

class MainListsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    session.League = app::DefaultLeague();
    session.League.Conferences[0].ConfName.Store("EASTERN");
    session.League.Conferences[0].DivisionCount = 2;
    session.League.Conferences[0].Divisions[0].DivName.Store("North");
    session.League.Conferences[0].Divisions[1].DivName.Store("South");
    session.League.Conferences[1].DivisionCount = 1;
    session.League.Conferences[1].Divisions[0].DivName.Store("Pacific");
    struct Team {
      const char* name;
      int conference, division;
    };
    const Team teams[] = {{"Bears", 0, 1}, {"Colts", 0, 0}, {"Drifters", 0, 3}, {"Eagles", 1, 0},
                          {"Foxes", 0, 1}, {"Gulls", 1, 0}, {"Hawks", 2, 0}};
    session.League.TeamCount = 7;
    for (std::size_t i = 0; i < 7; ++i) {
      session.Teams[i].TeamName.Store(teams[i].name);
      session.Teams[i].Conference = static_cast<league::Byte>(teams[i].conference);
      session.Teams[i].Division = static_cast<league::Byte>(teams[i].division);
    }
    session.LeagueBase = (dir.Path() / "Mini").string();
    session.LeagueLoaded = true;
  }
};

TEST_F(MainListsTest, LoadSelectsFirstDivisionAndTeamOfEachConference) {
  main.RefreshAfterLoad();
  EXPECT_EQ(Divs(0).Texts(), (std::vector<std::string>{"North     ", "South     "}));
  EXPECT_EQ(Divs(1).Texts(), (std::vector<std::string>{"Pacific   "}));
  EXPECT_EQ(Divs(0).ListIndex(), 0);
  EXPECT_EQ(Teams(0).Texts(), (std::vector<std::string>{"Colts     "}));
  EXPECT_EQ(Teams(1).Datas(), (std::vector<int>{3, 5}));
  EXPECT_EQ(Teams(0).ListIndex(), 0);
  EXPECT_EQ(Teams(1).ListIndex(), 0);
  EXPECT_EQ(session.CurrentTeam, 3);  // conference 1 is selected last
  EXPECT_EQ(form.caption, session.LeagueBase);
  EXPECT_EQ(form.GetLabel("Label1").caption, "EASTERN     ");
}

TEST_F(MainListsTest, EmptySecondConferenceLeavesTheFirstConferencesTeamCurrent) {
  session.Teams[3].Division = 1;
  session.Teams[5].Conference = 0;
  session.Teams[5].Division = 1;
  main.RefreshAfterLoad();
  EXPECT_EQ(Teams(1).Count(), 0);
  EXPECT_EQ(session.CurrentTeam, 1);
}

TEST_F(MainListsTest, TeamsOfADivisionComeInIndexOrder) {
  main.RefreshAfterLoad();
  Divs(0).Click(1);
  EXPECT_EQ(Teams(0).Texts(), (std::vector<std::string>{"Bears     ", "Foxes     "}));
  EXPECT_EQ(Teams(0).Datas(), (std::vector<int>{0, 4}));
  Teams(0).Click(1);
  EXPECT_EQ(session.CurrentTeam, 4);
}

TEST_F(MainListsTest, TeamsOutsideTheConferencesDivisionsAreInNoList) {
  main.RefreshAfterLoad();
  std::vector<int> listed;
  for (int c = 0; c < 2; ++c) {
    for (int d = 0; d < Divs(c).Count(); ++d) {
      Divs(c).Click(d);
      for (int data : Teams(c).Datas()) listed.push_back(data);
    }
  }
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<int>{0, 1, 3, 4, 5}));  // not 2 (division 3), not 6 (conference 2)
}

TEST_F(MainListsTest, DoubleClickOnATeamOpensTheTeamViewForIt) {
  main.RefreshAfterLoad();
  Teams(1).DblClick(1);
  EXPECT_EQ(session.CurrentTeam, 5);
  ASSERT_EQ(toolkit.modals.size(), 1u);
  EXPECT_EQ(toolkit.modals[0].first, WindowId::TeamView);
}

TEST_F(MainListsTest, TeamCommandsIgnoreACurrentTeamTheLeagueDoesNotHave) {
  session.CurrentTeam = 9;
  main.ViewTeam();
  EXPECT_TRUE(toolkit.modals.empty());
}

// ---- rename -----------------------------------------------------------------------

TEST_F(MainListsTest, RenameStoresTwentyFiveCharacters) {
  const struct {
    const char* answer;
    const char* stored;
    bool changed;
  } cases[] = {
      {"The Very Long League Name Of Forty Chars", "The Very Long League Name", true},
      {" ", "                         ", true},
      {"", "Mini League              ", false},  // cancelled
  };
  for (const auto& c : cases) {
    session.League.LeagueName.Store("Mini League");
    session.LeagueChanged = false;
    form.GetLabel("Label3").caption = "Mini League              ";
    toolkit.inputs = {c.answer};
    form.GetLabel("Label3").DblClick();
    EXPECT_EQ(toolkit.inputPrompts.back(),
              std::make_pair(std::string("New League Name"), std::string("Change League Name")));
    EXPECT_EQ(session.League.LeagueName.Raw(), c.stored) << c.answer;
    EXPECT_EQ(form.GetLabel("Label3").caption, c.stored) << c.answer;
    EXPECT_EQ(session.LeagueChanged, c.changed) << c.answer;
  }
}

// ---- commands on a loaded league ----------------------------------------------------

class MainLoadedTest : public MainWindowTest {
 protected:
  void SetUp() override {
    WriteLeague(App("First"), 6, 11);
    PointTo(App("First"));
    ASSERT_TRUE(StartUp());
    ASSERT_TRUE(session.LeagueLoaded);
    WriteLeague(dir.Path() / "other" / "Second", 8, 12);
    originalName = StoredLeagueName(App("First.lge"));
  }

  void Rename(const std::string& name) {
    toolkit.inputs = {name};
    main.RenameLeague();
  }

  std::string originalName;
};

TEST_F(MainLoadedTest, TeamCommandsLoadSlotZeroAndOpenTheirWindows) {
  main.SetGameRoster();
  main.SetLines();
  main.ViewTeam();
  form.GetMenu(app::kMenuAbout).Click();
  const std::vector<std::pair<WindowId, int>> expected = {
      {WindowId::Roster, 1}, {WindowId::Lines, 0}, {WindowId::TeamView, 0}, {WindowId::About, 0}};
  EXPECT_EQ(toolkit.modals, expected);
  EXPECT_TRUE(std::any_of(session.TeamSlots[0].Places.begin(), session.TeamSlots[0].Places.end(),
                          [](const league::PlayerRecord& p) { return !p.IsEmpty(); }));
}

TEST_F(MainLoadedTest, ExitClosesWithoutSavingOrAsking) {
  Rename("Unsaved");
  form.GetMenu(app::kMenuExit).Click();
  EXPECT_TRUE(form.closed);
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(StoredLeagueName(App("First.lge")), originalName);
}

TEST_F(MainLoadedTest, LoadAsksToSaveAChangedLeague) {
  const fs::path second = dir.Path() / "other" / "Second";
  const struct {
    const char* label;
    ui::Answer answer;
    const char* chosen;  // any file of the league
    bool saved;
  } cases[] = {{"yes", ui::Answer::Yes, ".tms", true}, {"no", ui::Answer::No, ".ros", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    ASSERT_TRUE(session.LoadLg(App("First").string()).Ok());
    main.RefreshAfterLoad();
    Rename("Renamed League");
    toolkit.messages.clear();
    toolkit.answers = {c.answer};
    toolkit.openFiles = {second.string() + c.chosen};
    form.GetMenu(app::kMenuLoad).Click();

    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, "Save Current League?");
    EXPECT_EQ(toolkit.messages[0].title, "Save League");
    EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::Question);
    EXPECT_EQ(toolkit.messages[0].buttons, ui::Buttons::YesNo);
    const auto& dialog = toolkit.openDialogs.back();
    EXPECT_EQ(dialog.Title, "Load League");
    EXPECT_EQ(dialog.Filter, "All Files|*.*|ORB Files|*.tms");
    EXPECT_EQ(dialog.FilterIndex, 2);

    EXPECT_EQ(StoredLeagueName(App("First.lge")),
              c.saved ? "Renamed League           " : originalName);
    EXPECT_EQ(session.LeagueBase, second.string());
    EXPECT_EQ(session.LeagueTitle, "Second");
    EXPECT_EQ(session.League.TeamCount, 8);
    EXPECT_FALSE(session.LeagueChanged);
    EXPECT_EQ(form.caption, second.string());
    // Start from the original league file again for the next case.
    fs::remove(App("First.lge"));
    WriteLeague(App("First"), 6, 11);
  }
}

TEST_F(MainLoadedTest, UnchangedLeagueIsNotAskedAboutAndCancelChangesNothing) {
  form.GetMenu(app::kMenuLoad).Click();  // no file chosen
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(toolkit.openDialogs.size(), 1u);
  EXPECT_EQ(session.LeagueBase, App("First").string());

  Rename("Kept In Memory");
  toolkit.answers = {ui::Answer::No};
  form.GetMenu(app::kMenuLoad).Click();
  EXPECT_TRUE(session.LeagueChanged);
  EXPECT_EQ(session.League.LeagueName.Raw(), "Kept In Memory           ");
  EXPECT_EQ(form.caption, App("First").string());
}

TEST_F(MainLoadedTest, LeagueThatCannotBeLoadedIsReportedAndThePreviousOneStays) {
  Rename("Still Here");
  toolkit.answers = {ui::Answer::No};
  toolkit.openFiles = {(dir.Path() / "nowhere" / "Missing.tms").string()};
  form.GetMenu(app::kMenuLoad).Click();
  ASSERT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(toolkit.messages[1].title, "Load League");
  EXPECT_EQ(toolkit.messages[1].icon, ui::Icon::Critical);
  EXPECT_EQ(toolkit.messages[1].text.rfind("The league could not be loaded.\n\n", 0), 0u);
  EXPECT_NE(toolkit.messages[1].text.find("Missing.lge"), std::string::npos)
      << toolkit.messages[1].text;
  EXPECT_TRUE(session.LeagueLoaded);
  EXPECT_EQ(session.LeagueBase, App("First").string());
  EXPECT_EQ(session.LeagueTitle, "First");
  EXPECT_EQ(session.League.LeagueName.Raw(), "Still Here               ");
  EXPECT_EQ(form.caption, App("First").string());
}

// A save or load that fails on the disk, through a file system that breaks on demand.
class MainFailingDiskTest : public ::testing::Test {
 protected:
  MainFailingDiskTest() : session(dir.Path(), files), main(session, form, toolkit) {}
  void SetUp() override {
    ASSERT_TRUE(sample::WriteSampleLeague(dir.Path() / "First", {6, 11}).Ok());
    ASSERT_TRUE(sample::WriteSampleLeague(dir.Path() / "Second", {8, 12}).Ok());
    ASSERT_TRUE(session.LoadLg((dir.Path() / "First").string()).Ok());
    main.RefreshAfterLoad();
  }
  test::TempDir dir;
  test::FailingFileSystem files;
  test::FakeForm form;
  test::FakeToolkit toolkit;
  app::Session session;
  app::Main main;
};

TEST_F(MainFailingDiskTest, FailedSaveIsReportedAndStopsTheCommand) {
  toolkit.inputs = {"Precious Changes"};
  main.RenameLeague();
  toolkit.answers = {ui::Answer::Yes};
  toolkit.openFiles = {(dir.Path() / "Second.tms").string()};
  files.FailFrom(1);
  main.LoadCommand();
  files.Reset(0);
  ASSERT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(toolkit.messages[1].title, "Save League");
  EXPECT_EQ(toolkit.messages[1].icon, ui::Icon::Critical);
  EXPECT_EQ(toolkit.messages[1].text.rfind("The league could not be saved.\n\n", 0), 0u);
  EXPECT_GT(toolkit.messages[1].text.size(),
            std::string("The league could not be saved.\n\n").size());
  EXPECT_TRUE(toolkit.openDialogs.empty());  // the command stopped
  EXPECT_TRUE(session.LeagueChanged);
  EXPECT_EQ(session.League.LeagueName.Raw(), "Precious Changes         ");
  EXPECT_EQ(session.LeagueBase, (dir.Path() / "First").string());
}

TEST_F(MainFailingDiskTest, LoadFailingPartWayShowsNoLeague) {
  // Count the calls of loading the second league over the first, then fail the
  // last of them (by then the working copies have changed).
  files.Reset(0);
  ASSERT_TRUE(session.LoadLg((dir.Path() / "Second").string()).Ok());
  const int calls = files.Calls();
  ASSERT_TRUE(session.LoadLg((dir.Path() / "First").string()).Ok());
  main.RefreshAfterLoad();
  files.Reset(calls);
  toolkit.openFiles = {(dir.Path() / "Second.tms").string()};
  main.LoadCommand();
  files.Reset(0);
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].title, "Load League");
  EXPECT_FALSE(session.LeagueLoaded);
  EXPECT_EQ(form.caption, app::kAppTitle);
  EXPECT_EQ(form.GetLabel("Label3").caption, "");
  for (int c = 0; c < 2; ++c) {
    EXPECT_EQ(form.GetList("lstDivs", c).Count(), 0);
    EXPECT_EQ(form.GetList("lstTeams", c).Count(), 0);
  }
  main.SetLines();
  EXPECT_TRUE(toolkit.modals.empty());
}

// ---- the single-instance lock -------------------------------------------------------------

TEST(FileInstanceLock, SecondHolderIsRefusedUntilTheFirstIsGone) {
  test::TempDir dir;
  const fs::path file = dir.Path() / app::kLockFileName;
  auto first = app::FileInstanceLock(file);
  auto second = app::FileInstanceLock(file);
  EXPECT_TRUE(first->Acquire());
  EXPECT_TRUE(first->Acquire());
  EXPECT_FALSE(second->Acquire());
  first.reset();
  EXPECT_TRUE(second->Acquire());
}

TEST(FileInstanceLock, ACrashedHolderLeavesNoStaleLock) {
  test::TempDir dir;
  const fs::path file = dir.Path() / app::kLockFileName;
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto lock = app::FileInstanceLock(file);
    const char ok = lock->Acquire() ? 'y' : 'n';
    [[maybe_unused]] auto n = ::write(ready[1], &ok, 1);
    ::pause();  // killed while holding the lock
    ::_exit(0);
  }
  char answer = 0;
  ASSERT_EQ(::read(ready[0], &answer, 1), 1);
  EXPECT_EQ(answer, 'y');
  EXPECT_FALSE(app::FileInstanceLock(file)->Acquire());
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_TRUE(app::FileInstanceLock(file)->Acquire());
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST(FileInstanceLock, UnwritableFolderDoesNotStopTheProgram) {
  EXPECT_TRUE(app::FileInstanceLock("/nonexistent-folder/rinkdesk.lock")->Acquire());
}

}  // namespace
