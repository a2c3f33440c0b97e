// Loading and saving with a file system that fails at one call: the league
// files stay whole and the session describes one league or none.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/session.h"
#include "app/session_fixture.h"
#include "league/codecs.h"
#include "support/failing_fs.h"

namespace {

using test::FileBytes;
using test::Folder;
namespace fs = std::filesystem;

struct Snapshot {
  std::string Base;
  FileBytes League;
  std::vector<FileBytes> Teams, Farms;
};

Snapshot Take(const app::Session& session) {
  Snapshot shot{session.LeagueBase, league::Encode(session.League), {}, {}};
  for (std::size_t t = 0; t < league::kMaxTeams; ++t) {
    shot.Teams.push_back(league::Encode(session.Teams[t]));
    shot.Farms.push_back(league::Encode(session.FarmTeams[t]));
  }
  return shot;
}

bool operator==(const Snapshot& a, const Snapshot& b) {
  return a.Base == b.Base && a.League == b.League && a.Teams == b.Teams && a.Farms == b.Farms;
}

std::set<std::string> TemporaryFiles(const fs::path& root) {
  std::set<std::string> left;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.path().extension() == ".rdtmp") left.insert(entry.path().string());
  }
  return left;
}

class FaultTest : public testing::TestWithParam<bool> {};  // torn writes

TEST_P(FaultTest, FailedLoadLeavesTheOldLeagueOrNone) {
  test::Scratch scratch;
  const std::string oldBase = scratch.Base("Old");
  const std::string newBase = scratch.Base("New");
  test::WriteLeague(oldBase, {.Teams = 3, .Seed = 1, .Omit = {".dft"}});
  test::WriteLeague(newBase, {.Teams = 4, .Seed = 2, .Omit = {".eml", ".frm"}});
  const Folder leagues = test::ReadFolder(scratch.Leagues());
  const Snapshot fresh = Take(app::Session(scratch.App()));

  test::FailingFileSystem files;
  files.TornWrites(GetParam());
  auto loadOld = [&](app::Session& session) {
    for (const auto& entry : fs::directory_iterator(scratch.App())) fs::remove(entry.path());
    files.Reset(0);
    ASSERT_TRUE(session.LoadLg(oldBase).Ok());
    session.LeagueChanged = true;
  };

  app::Session reference(scratch.App(), files);
  loadOld(reference);
  const Snapshot oldLeague = Take(reference);
  const Folder oldCopies = test::ReadFolder(scratch.App());
  files.Reset(0);
  ASSERT_TRUE(reference.LoadLg(newBase).Ok());
  const int calls = files.Calls();
  const Snapshot newLeague = Take(reference);
  ASSERT_GT(calls, 20);

  for (int n = 1; n <= calls; ++n) {
    SCOPED_TRACE("failing call " + std::to_string(n));
    app::Session session(scratch.App(), files);
    loadOld(session);
    files.Reset(n);
    const auto loaded = session.LoadLg(newBase);
    ASSERT_EQ(files.Failures(), 1);
    SCOPED_TRACE(files.LastFailure());

    EXPECT_EQ(test::ReadFolder(scratch.Leagues()), leagues) << "league files changed";
    EXPECT_TRUE(TemporaryFiles(scratch.Root()).empty());
    ASSERT_FALSE(loaded.Ok());
    EXPECT_NE(loaded.Message().find(scratch.Root().string()), std::string::npos)
        << "names no file: " << loaded.Message();
    if (session.LeagueLoaded) {
      EXPECT_TRUE(Take(session) == oldLeague);
      EXPECT_TRUE(session.LeagueChanged);
      EXPECT_EQ(test::ReadFolder(scratch.App()), oldCopies);
    } else {
      EXPECT_TRUE(Take(session) == fresh);
      EXPECT_FALSE(session.LeagueChanged);
    }

    files.Reset(0);
    ASSERT_TRUE(session.LoadLg(newBase).Ok()) << "a later load recovers";
    EXPECT_TRUE(Take(session) == newLeague);
  }
}

// Loads a league, changes every kind of record the save writes and marks it changed.
void LoadAndChange(app::Session& session, const std::string& base, const fs::path& app) {
  ASSERT_TRUE(session.LoadLg(base).Ok());
  league::SetLeagueName(session.League, "Changed");
  session.Teams[1].TeamName.Store("Moose");
  session.FarmTeams[0].FarmName.Store("Calves");
  session.Playoff.Bytes[5] ^= 0xFF;
  ASSERT_TRUE(session.LoadTeam(2, 0).Ok());
  session.TeamSlots[0].Places[0].Number = 77;
  ASSERT_TRUE(session.SaveTeam(2, 0).Ok());
  FileBytes waivers = test::ReadFile(app / "swp.wv");
  waivers[0] = 0;  // the first entry was cleared
  test::WriteFile(app / "swp.wv", waivers);
  fs::remove(app / "swp.e");
  session.LeagueChanged = true;
}

TEST_P(FaultTest, FailedSaveLeavesEachLeagueFileOldOrNew) {
  const test::LeagueSpec spec{.Teams = 3, .Seed = 5, .PlayoffsOn = true, .WaiverEntries = 3};
  test::FailingFileSystem files;
  files.TornWrites(GetParam());

  // The outcome of a save that goes through.
  Folder before, after;
  int calls = 0;
  {
    test::Scratch scratch;
    const std::string base = scratch.Base("Save");
    test::WriteLeague(base, spec);
    app::Session session(scratch.App(), files);
    LoadAndChange(session, base, scratch.App());
    before = test::ReadFolder(scratch.Leagues());
    files.Reset(0);
    ASSERT_TRUE(session.SaveLg().Ok());
    calls = files.Calls();
    after = test::ReadFolder(scratch.Leagues());
  }
  ASSERT_NE(before, after);
  ASSERT_GT(calls, 20);

  for (int n = 1; n <= calls; ++n) {
    SCOPED_TRACE("failing call " + std::to_string(n));
    test::Scratch scratch;
    const std::string base = scratch.Base("Save");
    test::WriteLeague(base, spec);
    app::Session session(scratch.App(), files);
    files.Reset(0);
    LoadAndChange(session, base, scratch.App());
    files.Reset(n);
    const auto saved = session.SaveLg();
    ASSERT_EQ(files.Failures(), 1);
    SCOPED_TRACE(files.LastFailure());
    ASSERT_FALSE(saved.Ok());
    EXPECT_NE(saved.Message().find(scratch.Root().string()), std::string::npos)
        << "names no file: " << saved.Message();
    EXPECT_TRUE(session.LeagueChanged);
    EXPECT_TRUE(session.LeagueLoaded);

    const Folder now = test::ReadFolder(scratch.Leagues());
    std::set<std::string> names;
    for (const Folder* folder : std::initializer_list<const Folder*>{&before, &after, &now}) {
      for (const auto& entry : *folder) names.insert(entry.first);
    }
    for (const std::string& name : names) {
      const bool matchesOld = before.count(name)
                                  ? now.count(name) && now.at(name) == before.at(name)
                                  : now.count(name) == 0;
      const bool matchesNew = after.count(name) ? now.count(name) && now.at(name) == after.at(name)
                                                : now.count(name) == 0;
      EXPECT_TRUE(matchesOld || matchesNew) << name << " is neither the old nor the new file";
    }
    EXPECT_EQ(now.at("Save.pri"), before.at("Save.pri"));

    files.Reset(0);
    ASSERT_TRUE(session.SaveLg().Ok()) << "saving again goes through";
    EXPECT_EQ(test::ReadFolder(scratch.Leagues()), after);
  }
}

INSTANTIATE_TEST_SUITE_P(Writes, FaultTest, testing::Values(false, true),
                         [](const auto& p) { return p.param ? "Torn" : "Clean"; });

}  // namespace
