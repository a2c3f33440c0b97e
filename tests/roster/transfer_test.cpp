#include "roster/transfer.h"

#include <gtest/gtest.h>

#include <bit>

#include "league/codecs.h"
#include "roster/waivers.h"
#include "roster_fixture.h"

namespace {

using test::FileBytes;
using test::FileText;
using test::RosterTest;
using test::Stored;
using test::WriteBytes;

// ---- the waiver rule ----------------------------------------------------------

struct RuleCase {
  const char* name;
  int age, games;
  bool waiversOn, playoffs;
  bool needs;
};

class WaiverRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(WaiverRuleTest, AppliesOnlyWhenAllFourConditionsHold) {
  const auto& c = GetParam();
  league::LeagueRecord league;
  league.WaiverExemptAge = 24;
  league.WaiverMinGames = 40;
  league.WaiversOn = c.waiversOn ? league::kTrue : league::kFalse;
  league.PlayoffsOn = c.playoffs ? league::kTrue : league::kFalse;
  league::PlayerRecord player;
  player.Age = static_cast<league::Byte>(c.age);
  player.GamesPlayed = static_cast<league::Byte>(c.games);
  EXPECT_EQ(roster::NeedsWaivers(league, player), c.needs);
}

INSTANTIATE_TEST_SUITE_P(Cases, WaiverRuleTest,
                         ::testing::Values(RuleCase{"ExemptAge", 24, 80, true, false, false},
                                           RuleCase{"TooFewGames", 25, 39, true, false, false},
                                           RuleCase{"Needs", 25, 40, true, false, true},
                                           RuleCase{"WaiversOff", 30, 80, false, false, false},
                                           RuleCase{"Playoffs", 30, 80, true, true, false}),
                         [](const auto& tc) { return std::string(tc.param.name); });

// ---- the commit -------------------------------------------------------------------

class CommitTest : public RosterTest {
 protected:
  CommitTest() {
    session.League.WaiversOn = league::kTrue;
    session.League.WaiverExemptAge = 24;
    session.League.WaiverMinGames = 40;
    session.CurrentTeam = 5;
    session.Teams[5].TeamName.Store("Owls");
    session.Clock = [] {
      return std::chrono::system_clock::time_point(std::chrono::hours(400000));
    };
    FullTeam();
    // D6, a veteran scratch who needs waivers; C4 a young one who does not.
    Place(21).Age = 30, Place(21).GamesPlayed = 60;
    Place(20).Age = 20, Place(20).GamesPlayed = 60;
  }

  // Opens the window, sends these scratches down and keeps the changes.
  void SendDownAndKeep(const std::vector<std::string>& names, std::vector<ui::Answer> waivers) {
    Open();
    Select(1, names);
    Press(2);
    toolkit.answers = {ui::Answer::Yes};
    toolkit.answers.insert(toolkit.answers.end(), waivers.begin(), waivers.end());
    Exit();
  }

  std::filesystem::path Swap(const char* name) { return session.SwapFile(name); }
};

TEST_F(CommitTest, AnExemptPlayerGoesDownWithoutAQuestion) {
  SendDownAndKeep({"C4"}, {});
  EXPECT_EQ(Place(20).Status, 0);
  EXPECT_EQ(toolkit.Texts(), std::vector<std::string>{"Keep Roster Changes?"});
  EXPECT_FALSE(std::filesystem::exists(Swap("swp.wv")));
}

TEST_F(CommitTest, AnsweringNoKeepsHimAmongTheScratches) {
  SendDownAndKeep({"D6"}, {ui::Answer::No});
  EXPECT_EQ(Place(21).Status, 100);
  ASSERT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(toolkit.messages[1].text, "Put D6 on waivers?");
  EXPECT_EQ(toolkit.messages[1].title, "Keep changes?");
  EXPECT_EQ(toolkit.messages[1].buttons, ui::Buttons::YesNo);
  EXPECT_FALSE(std::filesystem::exists(Swap("swp.tr")));
}

TEST_F(CommitTest, APlayerAlreadyOnWaiversMustClearThemFirst) {
  league::WaiverEntry entry;
  entry.PlayerName.Store("D6");
  auto bytes = league::Encode(entry);
  league::WaiverEntry other;
  other.PlayerName.Store("D6 Junior");
  const auto first = league::Encode(other);
  bytes.insert(bytes.begin(), first.begin(), first.end());
  WriteBytes(Swap("swp.wv"), bytes);

  SendDownAndKeep({"D6"}, {ui::Answer::Yes});
  EXPECT_EQ(Place(21).Status, 100);
  ASSERT_EQ(toolkit.messages.size(), 3u);
  EXPECT_EQ(toolkit.messages[2].text, "Player must clear waivers first");
  EXPECT_EQ(toolkit.messages[2].title, "Owls      ");
  EXPECT_EQ(toolkit.messages[2].icon, ui::Icon::Information);
  EXPECT_EQ(FileBytes(Swap("swp.wv")), bytes);
  EXPECT_FALSE(std::filesystem::exists(Swap("swp.tr")));
  EXPECT_FALSE(std::filesystem::exists(Swap("swp.th")));
}

struct EntryCase {
  std::size_t fileLength;
  std::size_t offset;  // where the new entry lands
};

class WaiverEntryTest : public CommitTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(WaiverEntryTest, PlacingOnWaiversWritesTheEntryAndBothLogLines) {
  const auto& c = GetParam();
  const std::vector<league::Byte> before(c.fileLength, 0x41);  // names that match nobody
  WriteBytes(Swap("swp.wv"), before);
  WriteBytes(Swap("swp.tr"), {'o', 'l', 'd', '\r', '\n'});

  SendDownAndKeep({"D6"}, {ui::Answer::Yes});
  EXPECT_EQ(Place(21).Status, 0);

  const auto bytes = FileBytes(Swap("swp.wv"));
  ASSERT_EQ(bytes.size(), std::max(c.fileLength, c.offset + 134));
  for (std::size_t i = 0; i < c.offset; ++i)
    ASSERT_EQ(bytes[i], i < before.size() ? before[i] : 0) << "byte " << i;
  const league::Byte* e = bytes.data() + c.offset;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(e), 22), Stored("D6"));
  EXPECT_EQ(e[22], 21);  // roster place
  EXPECT_EQ(e[23], 5);   // from team
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = bits << 8 | e[24 + i];
  EXPECT_EQ(std::bit_cast<double>(bits), session.Now());
  EXPECT_EQ(e[32], 255);  // no claim
  EXPECT_EQ(e[33], 5);    // owner
  for (int t = 0; t < 50; ++t) {
    const int mark = static_cast<std::int16_t>(e[34 + 2 * t] | e[35 + 2 * t] << 8);
    EXPECT_EQ(mark, t < 12 || t == 49 ? -1 : 0) << "team " << t;
  }

  const std::string line = "Owls place D6 on waivers<BR><BR>\r\n";
  EXPECT_EQ(FileText(Swap("swp.tr")), "old\r\n" + line);
  EXPECT_EQ(FileText(Swap("swp.th")), line);
}

// The entry goes to record 1 + length / 134, rounded half to even.
INSTANTIATE_TEST_SUITE_P(Cases, WaiverEntryTest,
                         ::testing::Values(EntryCase{0, 0}, EntryCase{67, 0}, EntryCase{134, 134},
                                           EntryCase{201, 268}, EntryCase{268, 268},
                                           EntryCase{270, 268}, EntryCase{335, 268}));

TEST_F(CommitTest, CheckWaiversForAnotherTeamIsTitledWithItsName) {
  Place(21).Status = 0;
  toolkit.answers = {ui::Answer::No};
  auto result = roster::CheckWaivers(session, toolkit, 0, 21, 7);
  ASSERT_TRUE(result.Ok());
  EXPECT_FALSE(*result);
  EXPECT_EQ(toolkit.messages.at(0).title, "Team 7    ");
  EXPECT_EQ(Place(21).Status, 100);

  // An exempt player: nothing asked and nothing changed.
  Place(20).Status = 0;
  result = roster::CheckWaivers(session, toolkit, 0, 20, roster::kCurrentTeam);
  ASSERT_TRUE(result.Ok());
  EXPECT_TRUE(*result);
  EXPECT_EQ(Place(20).Status, 0);
  EXPECT_EQ(toolkit.messages.size(), 1u);
}

// ---- releases ---------------------------------------------------------------------

std::vector<league::Byte> PoolBytes(const std::vector<std::string>& names) {
  std::vector<league::Byte> bytes;
  for (const auto& name : names) {
    league::PoolEntry entry;
    entry.Taken = league::kTrue;
    entry.Player.PlayerName.Store(name);
    entry.Player.Age = 40;
    const auto one = league::Encode(entry);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  return bytes;
}

struct PoolCase {
  const char* name;
  std::vector<std::string> pool;
  std::size_t entry;  // 0-based entry that receives the released player
};

class ReleaseTest : public CommitTest, public ::testing::WithParamInterface<PoolCase> {};

TEST_P(ReleaseTest, AReleasedPlayerReplacesHisNamesakeOrIsAppended) {
  const auto& c = GetParam();
  const auto before = PoolBytes(c.pool);
  if (!c.pool.empty()) WriteBytes(Swap("swp.dr"), before);
  auto& released = Place(21);  // would need waivers were he sent down
  released.Age = 33;
  released.Status = 0;
  const league::PlayerRecord expectedPlayer = released;
  Open();
  toolkit.onShowModal = [&](ui::WindowId, int) { Place(session.CurrentPlayer).Released = 1; };
  List(0).DblClick(List(0).Find(Stored("D6")));
  toolkit.answers = {ui::Answer::Yes};
  Exit();

  EXPECT_EQ(toolkit.Texts(), std::vector<std::string>{"Keep Roster Changes?"});
  const auto pool = FileBytes(Swap("swp.dr"));
  ASSERT_EQ(pool.size(), std::max(before.size(), (c.entry + 1) * 88));
  const league::Byte* e = pool.data() + c.entry * 88;
  EXPECT_EQ(e[0] | e[1], 0);  // not taken
  EXPECT_EQ(std::vector<league::Byte>(e + 2, e + 88), league::Encode(expectedPlayer));
  EXPECT_EQ(e[2 + 75], 0);  // no longer marked released
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (i / 88 == c.entry) continue;
    ASSERT_EQ(pool[i], before[i]) << "byte " << i;
  }

  EXPECT_EQ(league::Encode(Place(21)), std::vector<league::Byte>(86, 0));
  // The emptied place reached the rosters working copy.
  const auto rosters = FileBytes(Swap("swp.r"));
  ASSERT_GE(rosters.size(), (5 * 50 + 22) * 86u);
  EXPECT_EQ(rosters[(5 * 50 + 21) * 86], 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReleaseTest,
                         ::testing::Values(PoolCase{"EmptyPool", {}, 0},
                                           PoolCase{"Appended", {"Someone", "D6 Junior"}, 2},
                                           PoolCase{"Replaced", {"D6x", "D6", "Other"}, 1}),
                         [](const auto& tc) { return std::string(tc.param.name); });

// ---- file errors ------------------------------------------------------------------

// Every file call of a commit that releases C4 and puts D6 on waivers fails in
// turn: each player ends either fully moved or where he stood, and the failure
// is reported.
TEST_F(CommitTest, AFailingFileLosesNoPlayer) {
  const auto pool = PoolBytes({"Someone"});
  const std::vector<league::Byte> waivers = [] {
    league::WaiverEntry other;
    other.PlayerName.Store("Other");
    return league::Encode(other);
  }();
  const std::string oldLog = "old\r\n";
  const auto original = session.TeamSlots[0];

  const auto run = [&](int failAt, bool torn) {
    session.TeamSlots[0] = original;
    WriteBytes(Swap("swp.dr"), pool);
    WriteBytes(Swap("swp.wv"), waivers);
    WriteBytes(Swap("swp.tr"), {oldLog.begin(), oldLog.end()});
    std::filesystem::remove(Swap("swp.th"));
    form = test::FakeForm();
    toolkit = test::FakeToolkit();
    files.Reset(0);
    files.TornWrites(torn);
    Open();
    toolkit.onShowModal = [&](ui::WindowId, int) { Place(session.CurrentPlayer).Released = 1; };
    List(1).DblClick(List(1).Find(Stored("C4")));
    Select(1, {"D6"});
    Press(2);
    toolkit.answers = {ui::Answer::Yes, ui::Answer::Yes};
    files.Reset(failAt);
    Exit();
  };

  run(0, false);
  const int calls = files.Calls();
  ASSERT_GT(calls, 5);
  ASSERT_TRUE(Place(20).IsEmpty());
  ASSERT_EQ(Place(21).Status, 0);

  for (const bool torn : {false, true}) {
    for (int n = 1; n <= calls; ++n) {
      SCOPED_TRACE("call " + std::to_string(n) + (torn ? " torn" : ""));
      run(n, torn);
      ASSERT_EQ(files.Failures(), 1);

      const auto poolNow = FileBytes(Swap("swp.dr"));
      if (Place(20).IsEmpty()) {
        ASSERT_EQ(poolNow.size(), 2 * 88u);
        EXPECT_EQ(std::string(poolNow.begin() + 88 + 2, poolNow.begin() + 88 + 24), Stored("C4"));
      } else {
        EXPECT_EQ(Place(20).PlayerName.Raw(), Stored("C4"));
        EXPECT_EQ(Place(20).Released, 1);
        EXPECT_EQ(poolNow, pool);
      }

      const std::string line = "Owls place D6 on waivers<BR><BR>\r\n";
      if (Place(21).Status == 0) {
        EXPECT_EQ(FileBytes(Swap("swp.wv")).size(), 2 * 134u);
        EXPECT_EQ(FileText(Swap("swp.tr")), oldLog + line);
        EXPECT_EQ(FileText(Swap("swp.th")), line);
      } else {
        EXPECT_EQ(Place(21).Status, 100);
        EXPECT_EQ(FileBytes(Swap("swp.wv")), waivers);
        EXPECT_EQ(FileText(Swap("swp.tr")), oldLog);
        EXPECT_FALSE(std::filesystem::exists(Swap("swp.th")));
      }

      ASSERT_FALSE(toolkit.messages.empty());
      const auto& last = toolkit.messages.back();
      EXPECT_EQ(last.title, "Edit Roster");
      EXPECT_EQ(last.icon, ui::Icon::Critical);
      EXPECT_EQ(last.text.rfind("The roster changes could not all be saved.\n", 0), 0u)
          << last.text;
      EXPECT_TRUE(form.closed);
    }
  }
  files.Reset(0);
  files.TornWrites(false);
}

}  // namespace
