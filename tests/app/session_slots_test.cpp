// The team slots: one team's roster places and prospects in and out of the working copies.

#include <gtest/gtest.h>

#include <string>

#include "app/session.h"
#include "app/session_fixture.h"
#include "league/codecs.h"

namespace {

using test::FileBytes;
namespace fs = std::filesystem;

constexpr std::size_t kPlayer = 86, kTeam = 254, kProspects = 2700;

FileBytes Slice(const FileBytes& bytes, std::size_t at, std::size_t length) {
  return FileBytes(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                   bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
}

class TeamSlotTest : public testing::Test {
 protected:
  void SetUp() override {
    test::WriteLeague(base_, {.Teams = 5, .Seed = 21});
    ASSERT_TRUE(session_.LoadLg(base_).Ok());
  }
  fs::path Copy(const char* name) const { return scratch_.App() / name; }

  test::Scratch scratch_;
  std::string base_ = scratch_.Base("Slots");
  app::Session session_{scratch_.App()};
};

TEST_F(TeamSlotTest, LoadTeamReadsTheTeamsRecords) {
  // Team 3, place 25: a name beginning with a 0 byte over other bytes.
  FileBytes rosters = test::ReadFile(Copy("swp.r"));
  test::Noise noise(4);
  FileBytes emptied = test::PlayerBytes(noise, "Ghost");
  emptied[0] = 0;
  std::copy(emptied.begin(), emptied.end(), rosters.begin() + (150 + 25) * kPlayer);
  test::WriteFile(Copy("swp.r"), rosters);
  const FileBytes prospects = test::ReadFile(Copy("swp.p"));

  ASSERT_TRUE(session_.LoadTeam(3, 0).Ok());
  const app::TeamSlot& slot = session_.TeamSlots[0];
  for (std::size_t p = 0; p < 50; ++p) {
    const FileBytes expected =
        p == 25 ? FileBytes(kPlayer, 0) : Slice(rosters, (150 + p) * kPlayer, kPlayer);
    EXPECT_EQ(league::Encode(slot.Places[p]), expected) << "place " << p;
  }
  EXPECT_EQ(slot.Places[0].PlayerName.Raw(), "Player 3-0            ");
  EXPECT_EQ(league::Encode(slot.Prospects), Slice(prospects, 3 * kProspects, kProspects));
  EXPECT_TRUE(session_.TeamSlots[1].Places[0].IsEmpty()) << "the other slot is untouched";
}

TEST_F(TeamSlotTest, SaveTeamWritesExactlyTheTeamsRecords) {
  const FileBytes rosters = test::ReadFile(Copy("swp.r"));
  const FileBytes teams = test::ReadFile(Copy("swp.t"));
  const FileBytes prospects = test::ReadFile(Copy("swp.p"));

  ASSERT_TRUE(session_.LoadTeam(3, 1).Ok());
  app::TeamSlot& slot = session_.TeamSlots[1];
  slot.Places[0].Number = 99;
  slot.Places[30].PlayerName.Store("Call Up");
  slot.Prospects.ProspectNames[7].Store("New Prospect");
  session_.Teams[3].Wins = 42;
  ASSERT_TRUE(session_.SaveTeam(3, 1).Ok());

  FileBytes expectedRosters = rosters;
  expectedRosters[150 * kPlayer + 23] = 99;  // Number, offset 23
  test::PutPadded(expectedRosters, 180 * kPlayer, 22, "Call Up");
  EXPECT_EQ(test::ReadFile(Copy("swp.r")), expectedRosters);
  FileBytes expectedTeams = teams;
  expectedTeams[3 * kTeam + 132] = 42;  // Wins, offset 132
  EXPECT_EQ(test::ReadFile(Copy("swp.t")), expectedTeams);
  FileBytes expectedProspects = prospects;
  test::PutPadded(expectedProspects, 3 * kProspects + 7 * 22, 22, "New Prospect");
  EXPECT_EQ(test::ReadFile(Copy("swp.p")), expectedProspects);
  EXPECT_FALSE(session_.LeagueChanged) << "the callers mark the league";
}

TEST_F(TeamSlotTest, AnEmptiedPlaceIsSavedAsZeros) {
  FileBytes rosters = test::ReadFile(Copy("swp.r"));
  rosters[0] = 0;  // team 0, place 0: name begins with a 0 byte
  test::WriteFile(Copy("swp.r"), rosters);
  ASSERT_TRUE(session_.LoadTeam(0, 0).Ok());
  ASSERT_TRUE(session_.SaveTeam(0, 0).Ok());
  const FileBytes after = test::ReadFile(Copy("swp.r"));
  EXPECT_EQ(Slice(after, 0, kPlayer), FileBytes(kPlayer, 0));
  EXPECT_EQ(Slice(after, kPlayer, after.size() - kPlayer),
            Slice(rosters, kPlayer, rosters.size() - kPlayer));
}

TEST_F(TeamSlotTest, TeamBeyondTheFilesLoadsEmpty) {
  session_.TeamSlots[0].Places[4].PlayerName.Store("Leftover");
  session_.TeamSlots[0].Prospects.ProspectNames[0].Store("Leftover");
  const auto rosterSize = fs::file_size(Copy("swp.r"));
  ASSERT_TRUE(session_.LoadTeam(7, 0).Ok());
  for (const auto& place : session_.TeamSlots[0].Places) {
    EXPECT_EQ(league::Encode(place), FileBytes(kPlayer, 0));
  }
  EXPECT_EQ(session_.TeamSlots[0].Prospects.Count(), 0);
  EXPECT_EQ(fs::file_size(Copy("swp.r")), rosterSize);
}

TEST_F(TeamSlotTest, RefusesIndexesOutsideTheLeagueShape) {
  struct Case {
    int Team, Slot;
  };
  for (const Case c : {Case{50, 0}, Case{-1, 0}, Case{0, 2}, Case{0, -1}}) {
    EXPECT_FALSE(session_.LoadTeam(c.Team, c.Slot).Ok()) << c.Team << "/" << c.Slot;
    EXPECT_FALSE(session_.SaveTeam(c.Team, c.Slot).Ok()) << c.Team << "/" << c.Slot;
  }
}

}  // namespace
