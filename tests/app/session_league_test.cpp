// Loading and saving a league through the working copies.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/session.h"
#include "app/session_fixture.h"
#include "league/codecs.h"
#include "sample_league.h"

namespace {

using test::FileBytes;
using test::Folder;
using test::LeagueSpec;
namespace fs = std::filesystem;

// Working copy names by league extension; the .frm one is refreshed by its own rule.
const std::vector<std::pair<std::string, std::string>> kCopies{
    {".tms", "swp.t"},  {".dft", "swp.df"}, {".ros", "swp.r"},  {".lge", "swp.l"},
    {".pct", "swp.p"},  {".fas", "swp.f"},  {".scd", "swp.sc"}, {".dpk", "swp.d"},
    {".coa", "swp.c"},  {".drs", "swp.dr"}, {".eml", "swp.e"},  {".rec", "swp.rc"},
    {".csr", "swp.cm"}, {".tra", "swp.tr"}, {".htr", "swp.th"}, {".wvr", "swp.wv"},
    {".frm", "swp.fm"}};

FileBytes Slice(const FileBytes& bytes, std::size_t at, std::size_t length) {
  return FileBytes(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                   bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
}

TEST(SessionTest, FreshSessionHoldsTheDefaultNames) {
  test::Scratch scratch;
  app::Session session(scratch.App());
  EXPECT_FALSE(session.LeagueLoaded);
  const auto& league = session.League;
  EXPECT_EQ(league.Conferences[0].ConfName.Raw(), "CONF 1      ");
  EXPECT_EQ(league.Conferences[1].ConfName.Raw(), "CONF 2      ");
  for (const auto& conference : league.Conferences) {
    EXPECT_EQ(conference.Divisions[0].DivName.Raw(), "DIV 1     ");
    EXPECT_EQ(conference.Divisions[2].DivName.Raw(), "DIV 3     ");
    EXPECT_EQ(conference.Divisions[3].DivName.Raw(), std::string(10, '\0'));
    EXPECT_EQ(conference.DivisionCount, 0);
  }
  EXPECT_EQ(league.TeamCount, 0);
  EXPECT_EQ(league.LeagueName.Raw(), std::string(25, '\0'));
}

TEST(SessionTest, LoadFillsTheSessionAndMirrorsEveryLeagueFile) {
  test::Scratch scratch;
  const std::string base = scratch.Base("Fixture");
  test::WriteLeague(base, {.Teams = 5, .Seed = 3});
  const Folder league = test::LeagueFiles(base);

  app::Session session(scratch.App());
  session.LeagueChanged = true;
  ASSERT_TRUE(session.LoadLg(base).Ok());

  EXPECT_TRUE(session.LeagueLoaded);
  EXPECT_FALSE(session.LeagueChanged);
  EXPECT_EQ(session.LeagueBase, base);
  EXPECT_EQ(session.LeagueTitle, "Fixture");
  EXPECT_EQ(session.League.TeamCount, 5);
  EXPECT_EQ(session.League.LeagueName.Raw(), "Fixture League 3         ");
  for (int t = 0; t < 5; ++t) {
    const auto at = static_cast<std::size_t>(t);
    EXPECT_EQ(league::Encode(session.Teams[at]), Slice(league.at(".tms"), at * 254, 254)) << t;
    EXPECT_EQ(league::Encode(session.FarmTeams[at]), Slice(league.at(".frm"), at * 43, 43)) << t;
  }
  EXPECT_EQ(session.Teams[4].WaiverCount, 7) << "kept while the league has waivers";
  EXPECT_TRUE(session.Teams[5].TeamName.IsEmpty());

  Folder expected;
  for (const auto& [extension, name] : kCopies) expected[name] = league.at(extension);
  expected["orb.def"] = test::TextBytes(base + "\r\n");
  EXPECT_EQ(test::ReadFolder(scratch.App()), expected) << "exactly the working copies and pointer";
}

struct RoundTrip {
  const char* Name;
  LeagueSpec Spec;
};

class UnchangedRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(UnchangedRoundTrip, LeavesEveryLeagueFileByteIdentical) {
  test::Scratch scratch;
  const std::string base = scratch.Base("Round");
  test::WriteLeague(base, GetParam().Spec);
  const Folder before = test::ReadFolder(scratch.Leagues());

  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(base).Ok());
  if (GetParam().Spec.PlayoffsOn) {
    EXPECT_EQ(league::Encode(session.Playoff), before.at("Round.plf"));
  }
  session.LeagueChanged = true;
  const auto saved = session.SaveLg();
  ASSERT_TRUE(saved.Ok()) << saved.Message();
  EXPECT_FALSE(session.LeagueChanged);
  EXPECT_EQ(test::ReadFolder(scratch.Leagues()), before);
}

INSTANTIATE_TEST_SUITE_P(Leagues, UnchangedRoundTrip,
                         testing::Values(RoundTrip{"Regular", {.Teams = 4, .Seed = 11}},
                                         RoundTrip{"Playoffs",
                                                   {.Teams = 6, .Seed = 12, .PlayoffsOn = true}},
                                         RoundTrip{"OneTeam", {.Teams = 1, .Seed = 13}},
                                         RoundTrip{"FullLeague", {.Teams = 50, .Seed = 14}}),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST(SessionTest, SampleLeagueSurvivesLoadAndSaveUnchanged) {
  test::Scratch scratch;
  const std::string base = scratch.Base("Sample");
  const auto written = sample::WriteSampleLeague(base);
  if (!written.Ok()) GTEST_SKIP() << written.Message();
  const Folder before = test::ReadFolder(scratch.Leagues());

  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(base).Ok());
  ASSERT_TRUE(session.SaveLg().Ok());
  const Folder after = test::ReadFolder(scratch.Leagues());
  ASSERT_EQ(after.size(), before.size());
  for (const auto& [name, bytes] : before) {
    if (name != "Sample.lge") {
      EXPECT_EQ(after.at(name), bytes) << name;
      continue;
    }
    // Only a stored division count of 0 may change, to 2.
    FileBytes expected = bytes;
    for (std::size_t k = 0; k < 2; ++k) {
      if (expected[38 + 97 * k] == 0) expected[38 + 97 * k] = 2;
    }
    EXPECT_EQ(after.at(name), expected);
  }
}

TEST(SessionTest, DivisionCountZeroIsSavedAsTwo) {
  test::Scratch scratch;
  const std::string base = scratch.Base("Divs");
  test::WriteLeague(base, {.Teams = 3, .DivisionCount0 = 0, .DivisionCount1 = 4});
  FileBytes expected = test::ReadFile(base + ".lge");

  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(base).Ok());
  EXPECT_EQ(session.League.Conferences[0].DivisionCount, 2);
  EXPECT_EQ(session.League.Conferences[1].DivisionCount, 4);
  ASSERT_TRUE(session.SaveLg().Ok());

  expected[38] = 2;
  EXPECT_EQ(test::ReadFile(base + ".lge"), expected);
}

TEST(SessionTest, SaveWritesTheRecordsHeldInMemory) {
  test::Scratch scratch;
  const std::string base = scratch.Base("Edit");
  test::WriteLeague(base, {.Teams = 3});
  const Folder before = test::LeagueFiles(base);

  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(base).Ok());
  league::SetLeagueName(session.League, "Renamed");
  session.Teams[1].TeamName.Store("Moose");
  session.FarmTeams[2].FarmName.Store("Calves");
  ASSERT_TRUE(session.SaveLg().Ok());

  const Folder after = test::LeagueFiles(base);
  FileBytes lge = before.at(".lge");
  test::PutPadded(lge, 0, 25, "Renamed");
  EXPECT_EQ(after.at(".lge"), lge);
  EXPECT_EQ(after.at(".lge")[25], 2) << "LastTeamIndex";

  FileBytes tms = before.at(".tms");
  test::PutPadded(tms, 254, 10, "Moose");
  EXPECT_EQ(after.at(".tms"), tms);
  FileBytes frm = before.at(".frm");
  test::PutPadded(frm, 2 * 43, 15, "Calves");
  EXPECT_EQ(after.at(".frm"), frm);
  EXPECT_EQ(after.at(".pri"), before.at(".pri"));
}

// The league files mirror the working copies in both directions, so files a
// league lacks never appear and an earlier league's copies never leak into it.
TEST(SessionTest, LeagueWithoutSomeFilesStaysWithoutThem) {
  test::Scratch scratch;
  const std::string first = scratch.Base("First");
  const std::string second = scratch.Base("Second");
  test::WriteLeague(first, {.Teams = 4, .Seed = 1});
  test::WriteLeague(second, {.Teams = 3, .Seed = 2, .Omit = {".eml", ".wvr", ".frm", ".dft"}});
  const Folder before = test::LeagueFiles(second);

  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(first).Ok());
  ASSERT_TRUE(fs::exists(scratch.App() / "swp.e"));
  ASSERT_TRUE(session.LoadLg(second).Ok());

  for (const char* name : {"swp.e", "swp.wv", "swp.fm", "swp.df"}) {
    EXPECT_FALSE(fs::exists(scratch.App() / name)) << name;
  }
  for (int t = 0; t < league::kMaxTeams; ++t) {
    const auto at = static_cast<std::size_t>(t);
    EXPECT_EQ(league::Encode(session.FarmTeams[at]), FileBytes(43, 0)) << "farm of team " << t;
    EXPECT_EQ(session.Teams[at].WaiverCount, 0) << t;
  }

  ASSERT_TRUE(session.SaveLg().Ok());
  const Folder after = test::LeagueFiles(second);
  for (const char* extension : {".eml", ".wvr", ".dft"}) {
    EXPECT_EQ(after.count(extension), 0u) << extension;
  }
  // The farm records are written anew: cleared, never the first league's.
  EXPECT_EQ(after.at(".frm"), FileBytes(3 * 43, 0));
  // Only the cleared waiver counts (offset 247) differ in the teams file.
  FileBytes tms = before.at(".tms");
  for (std::size_t t = 0; t < 3; ++t) test::PutU16(tms, t * 254 + 247, 0);
  EXPECT_EQ(after.at(".tms"), tms);
  for (const char* extension : {".lge", ".ros", ".pct", ".drs", ".tra", ".pri", ".plf"}) {
    EXPECT_EQ(after.at(extension), before.at(extension)) << extension;
  }
}

TEST(SessionTest, SaveDeletesALeagueFileWhoseWorkingCopyIsGone) {
  test::Scratch scratch;
  const std::string base = scratch.Base("Gone");
  test::WriteLeague(base, {.Teams = 2});
  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(base).Ok());
  fs::remove(scratch.App() / "swp.cm");
  ASSERT_TRUE(session.SaveLg().Ok());
  EXPECT_FALSE(fs::exists(base + ".csr"));
  EXPECT_TRUE(fs::exists(base + ".rec"));
}

TEST(SessionTest, SaveCompactsTheWaivers) {
  test::Scratch scratch;
  const std::string base = scratch.Base("Waivers");
  test::WriteLeague(base, {.Teams = 2});
  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(base).Ok());

  test::Noise noise(5);
  const FileBytes kept1 = test::WaiverBytes(noise, "First Waived");
  FileBytes dropped = test::WaiverBytes(noise, "Xcleared");
  dropped[0] = 0;  // an emptied entry keeps its other bytes
  const FileBytes kept2 = test::WaiverBytes(noise, "Third Waived");
  FileBytes copy = kept1;
  test::Append(copy, dropped);
  test::Append(copy, kept2);
  test::Append(copy, FileBytes(50, 'x'));  // a torn last entry
  test::WriteFile(scratch.App() / "swp.wv", copy);

  ASSERT_TRUE(session.SaveLg().Ok());
  FileBytes expected = kept1;
  test::Append(expected, kept2);
  EXPECT_EQ(test::ReadFile(base + ".wvr"), expected);
  EXPECT_EQ(test::ReadFile(scratch.App() / "swp.wv"), copy) << "the working copy stays as it is";
}

TEST(SessionTest, WaiverWrittenIntoALeagueWithoutWaiversCreatesTheFile) {
  test::Scratch scratch;
  const std::string base = scratch.Base("NoWaivers");
  test::WriteLeague(base, {.Teams = 2, .Omit = {".wvr"}});
  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(base).Ok());
  test::Noise noise(9);
  const FileBytes entry = test::WaiverBytes(noise, "Late Waiver");
  test::WriteFile(scratch.App() / "swp.wv", entry);
  ASSERT_TRUE(session.SaveLg().Ok());
  EXPECT_EQ(test::ReadFile(base + ".wvr"), entry);
}

TEST(SessionTest, LeagueWithoutTeamsFileLoadsEmptyTeams) {
  test::Scratch scratch;
  const std::string base = scratch.Base("NoTeams");
  test::WriteLeague(base, {.Teams = 3, .Omit = {".tms"}});
  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(base).Ok());
  EXPECT_EQ(session.League.TeamCount, 3);
  for (std::size_t t = 0; t < 3; ++t) {
    EXPECT_EQ(league::Encode(session.Teams[t]), FileBytes(254, 0)) << t;
    EXPECT_EQ(session.Teams[t].Lines.At(0, 0), 0) << "a zero grid, not 255";
  }
  EXPECT_FALSE(fs::exists(scratch.App() / "swp.t"));
  ASSERT_TRUE(fs::exists(base + ".tms")) << "reading the teams leaves an empty file";
  EXPECT_EQ(fs::file_size(base + ".tms"), 0u);
}

TEST(SessionTest, PointerFileNamesTheLeagueLoadedLast) {
  test::Scratch scratch;
  const std::string first = scratch.Base("One");
  const std::string second = scratch.Base("Two");
  test::WriteLeague(first, {.Teams = 2, .Seed = 1});
  test::WriteLeague(second, {.Teams = 2, .Seed = 2});
  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(first).Ok());
  ASSERT_TRUE(session.LoadLg(second).Ok());
  EXPECT_EQ(test::ReadFile(scratch.App() / "orb.def"), test::TextBytes(second + "\r\n"));
  EXPECT_EQ(session.LeagueTitle, "Two");
}

TEST(SessionTest, SaveWithoutLeagueRefuses) {
  test::Scratch scratch;
  app::Session session(scratch.App());
  EXPECT_FALSE(session.SaveLg().Ok());
  EXPECT_TRUE(test::ReadFolder(scratch.App()).empty());
}

struct BadLeague {
  const char* Name;
  std::size_t Offset;  // byte of the .lge to set, or npos to delete the file
  league::Byte Value;
};

class RefusedLoad : public testing::TestWithParam<BadLeague> {};

// A league the program cannot hold is refused before anything changes.
TEST_P(RefusedLoad, KeepsThePreviousLeague) {
  test::Scratch scratch;
  const std::string good = scratch.Base("Good");
  const std::string bad = scratch.Base("Bad");
  test::WriteLeague(good, {.Teams = 3, .Seed = 1});
  test::WriteLeague(bad, {.Teams = 4, .Seed = 2});
  const BadLeague& param = GetParam();
  if (param.Offset == std::string::npos) {
    fs::remove(bad + ".lge");
  } else {
    FileBytes lge = test::ReadFile(bad + ".lge");
    lge[param.Offset] = param.Value;
    test::WriteFile(bad + ".lge", lge);
  }

  app::Session session(scratch.App());
  ASSERT_TRUE(session.LoadLg(good).Ok());
  session.LeagueChanged = true;
  const FileBytes league = league::Encode(session.League);
  const Folder copies = test::ReadFolder(scratch.App());
  const Folder leagues = test::ReadFolder(scratch.Leagues());

  const auto loaded = session.LoadLg(bad);
  ASSERT_FALSE(loaded.Ok());
  EXPECT_NE(loaded.Message().find(bad + ".lge"), std::string::npos) << loaded.Message();
  EXPECT_TRUE(session.LeagueLoaded);
  EXPECT_TRUE(session.LeagueChanged);
  EXPECT_EQ(session.LeagueBase, good);
  EXPECT_EQ(league::Encode(session.League), league);
  EXPECT_EQ(test::ReadFolder(scratch.App()), copies);
  EXPECT_EQ(test::ReadFolder(scratch.Leagues()), leagues);
}

INSTANTIATE_TEST_SUITE_P(Leagues, RefusedLoad,
                         testing::Values(BadLeague{"Missing", std::string::npos, 0},
                                         BadLeague{"FiftyOneTeams", 25, 50},
                                         BadLeague{"FiveDivisions", 38 + 97, 5}),
                         [](const auto& p) { return std::string(p.param.Name); });

}  // namespace
