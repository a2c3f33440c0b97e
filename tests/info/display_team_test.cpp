#include "info/display_team.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "league/codecs.h"
#include "league/record_file.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace {

using league::PlayerRecord;

constexpr int kTeam = 3;

PlayerRecord Player(const std::string& name, int status, std::int32_t salary, int age = 25,
                    int height = 72, int weight = 200, int suspension = 0) {
  PlayerRecord p;
  p.PlayerName.Store(name);
  p.Status = static_cast<league::Byte>(status);
  p.Salary = salary;
  p.Age = static_cast<league::Byte>(age);
  p.Height = static_cast<league::Byte>(height);
  p.Weight = static_cast<league::Byte>(weight);
  p.Suspension = static_cast<league::Byte>(suspension);
  return p;
}

// A loaded league of 26 teams held in memory, with the working copies the
// team view reads written into a fresh application directory.
class DisplayTeamTest : public ::testing::Test {
 protected:
  DisplayTeamTest() {
    session.LeagueLoaded = true;
    league::LeagueRecord& lg = session.League;
    lg.TeamCount = 26;
    lg.ScheduledGames = 1066;  // 82 games per team
    lg.ScheduleMade = league::kTrue;
    lg.Conferences[1].ConfName.Store("Eastern");
    lg.Conferences[1].Divisions[2].DivName.Store("Atlantic");
    session.CurrentTeam = kTeam;
  }

  league::TeamRecord& Team() { return session.Teams[kTeam]; }

  // Places 0.. of the team in the rosters copy; the neighbouring teams get a
  // full roster so that a wrong record number shows.
  void WriteRoster(const std::vector<PlayerRecord>& players, int team = kTeam) {
    auto file = league::RecordFile::Open(session.Files, session.SwapFile("swp.r"),
                                         league::kPlayerRecordLength);
    ASSERT_TRUE(file.Ok());
    for (int p = 0; p < league::kRosterPlaces; ++p) {
      const PlayerRecord record = p < static_cast<int>(players.size())
                                      ? players[static_cast<std::size_t>(p)]
                                      : PlayerRecord{};
      ASSERT_TRUE(file->WriteRecord(team * 50 + p + 1, league::Encode(record)).Ok());
      if (team == kTeam) {
        const PlayerRecord other = Player("Neighbour", 200, 5000000);
        ASSERT_TRUE(file->WriteRecord((team - 1) * 50 + p + 1, league::Encode(other)).Ok());
        ASSERT_TRUE(file->WriteRecord((team + 1) * 50 + p + 1, league::Encode(other)).Ok());
      }
    }
    ASSERT_TRUE(file->Close().Ok());
  }

  void WriteProspects(int count) {
    league::ProspectList list;
    for (int i = 0; i < count; ++i)
      list.ProspectNames[static_cast<std::size_t>(i * 3)].Store("Kid");
    league::ProspectList others;
    for (auto& name : others.ProspectNames) name.Store("Other");
    auto file = league::RecordFile::Open(session.Files, session.SwapFile("swp.p"),
                                         league::kProspectListLength);
    ASSERT_TRUE(file.Ok());
    ASSERT_TRUE(file->WriteRecord(kTeam, league::Encode(others)).Ok());
    ASSERT_TRUE(file->WriteRecord(kTeam + 1, league::Encode(list)).Ok());
    ASSERT_TRUE(file->WriteRecord(kTeam + 2, league::Encode(others)).Ok());
    ASSERT_TRUE(file->Close().Ok());
  }

  void WriteEmails(const std::string& text) {
    const std::vector<league::Byte> bytes(text.begin(), text.end());
    ASSERT_TRUE(session.Files.WritePlain(session.SwapFile("swp.e"), bytes).Ok());
  }

  // The worked example: 20 pros earning 20,000,000, 3 farm players at a tenth
  // of 1,000,000 each, 10 prospects, a coach at 500,000.
  void WorkedExample() {
    league::TeamRecord& t = Team();
    t.TeamName.Store("Comets");
    t.Owner.Store("Ren\xE9 Dupr\xE9");
    t.MessagingId.Store("icq123");
    t.LineupPassword.Store("puck");
    t.Abbrev.Store("COM");
    t.Arena.Store("Harbour Gardens");
    t.Seats = 17500;
    t.TicketPrice = 45;
    t.Conference = 1;
    t.Division = 2;
    t.Cash = 1000000;
    t.Coach.CoachName.Store("Mike Bench");
    t.Coach.CoachPay = 500000;
    t.Wins = 20;
    t.Losses = 15;
    t.Ties = 5;
    t.GoalsFor = 120;
    t.GoalsAgainst = 110;
    t.PowerPlays = 98;
    t.PowerPlayGoals = 23;
    t.TimesShorthanded = 100;
    t.PowerPlayGoalsAgainst = 17;
    t.ShotsFor = 1260;
    t.ShotsAgainst = 1148;
    t.PenaltyMinutes = 540;
    t.HomeGamesPlayed = 21;
    t.GateRevenue = 500000;
    session.FarmTeams[kTeam].FarmName.Store("Springfield");

    std::vector<PlayerRecord> players;
    for (int i = 0; i < 20; ++i) {
      const bool even = i % 2 == 0;
      players.push_back(Player("Pro " + std::to_string(i), even ? 200 : 100, 1000000,
                               even ? 25 : 27, even ? 72 : 74, even ? 200 : 203));
    }
    for (int i = 0; i < 3; ++i) players.push_back(Player("Farm " + std::to_string(i), 0, 1000000));
    WriteRoster(players);
    WriteProspects(10);
    WriteEmails("3,gm@comets.example\r\n");
  }

  std::string Shown(std::string_view label) { return form.GetLabel(label).caption; }

  test::TempDir dir;
  app::Session session{dir.Path()};
  test::FakeForm form;
  test::FakeToolkit toolkit;
};

TEST_F(DisplayTeamTest, WorkedExampleShowsEveryValue) {
  WorkedExample();
  info::DisplayTeam view(session, form, toolkit);
  view.Load();

  EXPECT_EQ(form.caption, "Team Info");
  const std::map<std::string, std::string> expected = {
      {"lblTeam", "Comets    "},
      {"lblConf", "Eastern     "},
      {"lblDiv", "Atlantic  "},
      {"lblAbbrev", "COM"},
      {"lblOwner", "Ren\u00e9 Dupr\u00e9               "},
      {"lblEmail", "gm@comets.example"},
      {"lblICQ", "icq123      "},
      {"lblArena", "Harbour Gardens               "},
      {"lblSeats", "17500"},
      {"lblTicket", "45"},
      {"lblPassword", "puck      "},
      {"lblCoach", "Mike Bench            "},
      {"lblFarmTeam", "Springfield    "},
      {"lblGP", "40"},
      {"lblW", "20"},
      {"lblL", "15"},
      {"lblT", "5"},
      {"lblGF", "120"},
      {"lblGA", "110"},
      {"lblPP", "23.4"},
      {"lblPK", "83.0"},
      {"lblSF", "31.5"},
      {"lblSA", "28.7"},
      {"lblPIM", "13.5"},
      {"lblAvgAge", "26.0"},
      {"lblAvgHgt", "73.0"},
      {"lblAvgWgt", "201.5"},
      {"lblPro", "20"},
      {"lblFarm", "3"},
      {"lblPros", "10"},
      {"lblHoldout", "0"},
      {"lblCurFin", "$1,000,000"},
      {"lblHome", "20"},
      {"lblRev", "$500,000"},
      {"lblEst", "$10,000,000"},
      {"lblGR", "42"},
      {"lblExpGame", "$244,821"},
      {"lblProjExp", "$10,282,500"},
      {"lblProjBal", "$717,500"},
  };
  for (const auto& [label, text] : expected) EXPECT_EQ(Shown(label), text) << label;
  EXPECT_EQ(form.GetLabel("lblProjBal").color, ui::kWhite);
  EXPECT_TRUE(form.GetLabel("lblTeam").bold);

  // Fixed captions in yellow beside bold white values, and the tool tips.
  for (const info::TeamField& field : info::TeamFields()) {
    EXPECT_EQ(form.GetLabel(field.CaptionName).caption, field.Caption);
    EXPECT_EQ(form.GetLabel(field.CaptionName).color, ui::kYellow);
    EXPECT_TRUE(form.GetLabel(field.Value).bold) << field.Value;
  }
  const std::map<std::string, std::string> tips = {
      {"lblOwner", "General Manager/Owner's name"},
      {"lblEmail", "Owner/GM's email address."},
      {"lblICQ", "Instant Messaging Identifier, if not email address."},
      {"lblCoach", "Head Coach of the team."},
      {"lblArena", "Arena Name"},
      {"lblSeats", "Maximum arena capacity."},
      {"lblTicket", "Average Ticket price per seat"},
      {"lblPassword", "Lineup password"},
      {"lblFarmTeam", "Farm Team Name"},
      {"lblCurFin", "Current cash on hand balance"},
  };
  for (const auto& [label, tip] : tips) EXPECT_EQ(form.GetLabel(label).toolTip, tip) << label;
  EXPECT_EQ(form.GetLabel("Label7").toolTip, tips.at("lblICQ"));  // the IMID caption
  EXPECT_EQ(form.GetButton("Command4").toolTip, "View Coach attributes");

  // Read-only: nothing written, nothing marked.
  EXPECT_FALSE(session.LeagueChanged);
  EXPECT_EQ(Team().Wins, 20);
}

TEST_F(DisplayTeamTest, WithoutALeagueOnlyTheFixedCaptionsShow) {
  WorkedExample();
  session.LeagueLoaded = false;
  session.League = app::DefaultLeague();
  info::DisplayTeam view(session, form, toolkit);
  view.Load();

  EXPECT_TRUE(view.TeamEmails().empty());
  EXPECT_EQ(Shown("lblTeam"), "");
  for (const info::TeamField& field : info::TeamFields()) {
    EXPECT_EQ(Shown(field.Value), "") << field.Value;
    EXPECT_EQ(Shown(field.CaptionName), field.Caption);
  }
}

TEST_F(DisplayTeamTest, WithoutAScheduleTheSeasonRecordIsClearedAndNothingIsProjected) {
  WorkedExample();
  session.League.ScheduleMade = league::kFalse;
  {
    info::DisplayTeam view(session, form, toolkit);
    view.Load();
  }
  // The stored record is shown once ...
  EXPECT_EQ(Shown("lblGP"), "40");
  EXPECT_EQ(Shown("lblW"), "20");
  EXPECT_EQ(Shown("lblL"), "15");
  EXPECT_EQ(Shown("lblT"), "5");
  EXPECT_EQ(Shown("lblSF"), "1260.0");  // divided by 1
  EXPECT_EQ(Shown("lblEst"), "$0,000");
  EXPECT_EQ(Shown("lblProjExp"), "$0,000");
  EXPECT_EQ(Shown("lblGR"), "82");
  EXPECT_EQ(Shown("lblProjBal"), "$1,000,000");
  // ... but the loaded league holds zeros, unmarked, and the next opening shows them.
  EXPECT_EQ(Team().Wins + Team().Losses + Team().Ties, 0);
  EXPECT_FALSE(session.LeagueChanged);
  test::FakeForm again;
  info::DisplayTeam reopened(session, again, toolkit);
  reopened.Load();
  EXPECT_EQ(again.GetLabel("lblGP").caption, "0");
  EXPECT_EQ(again.GetLabel("lblW").caption, "0");
}

TEST_F(DisplayTeamTest, DuringThePlayoffsTheBalanceIsTheCash) {
  WorkedExample();
  session.League.PlayoffsOn = league::kTrue;
  info::DisplayTeam view(session, form, toolkit);
  view.Load();
  EXPECT_EQ(Shown("lblEst"), "$0,000");
  EXPECT_EQ(Shown("lblProjExp"), "$0,000");
  EXPECT_EQ(Shown("lblExpGame"), "$244,821");
  EXPECT_EQ(Shown("lblGR"), "42");
  EXPECT_EQ(Shown("lblProjBal"), "$1,000,000");
}

TEST_F(DisplayTeamTest, BalanceIsRedOnlyBelowZero) {
  const struct {
    std::int32_t cash;
    const char* shown;
    ui::Rgb color;
  } cases[] = {
      {-250000, "-$250,000", ui::kRed},
      {-1, "-$0,001", ui::kRed},
      {0, "$0,000", ui::kWhite},
      {5, "$0,005", ui::kWhite},
  };
  for (const auto& c : cases) {
    Team().Cash = c.cash;
    test::FakeForm fresh;
    info::DisplayTeam view(session, fresh, toolkit);
    view.Load();
    EXPECT_EQ(fresh.GetLabel("lblProjBal").caption, c.shown) << c.cash;
    EXPECT_EQ(fresh.GetLabel("lblProjBal").color, c.color) << c.cash;
    EXPECT_EQ(fresh.GetLabel("lblCurFin").caption, c.shown) << c.cash;
  }
}

TEST_F(DisplayTeamTest, SmallAmountsShowFourDigits) {
  WorkedExample();
  Team().GateRevenue = 5;
  Team().Cash = 0;
  WriteRoster({});
  WriteProspects(0);
  Team().Coach.CoachPay = 84 * 2 * 7;  // 7 dollars a game
  info::DisplayTeam view(session, form, toolkit);
  view.Load();
  EXPECT_EQ(Shown("lblRev"), "$0,005");
  EXPECT_EQ(Shown("lblEst"), "$0,100");  // 20 home games at 5
  EXPECT_EQ(Shown("lblExpGame"), "$0,007");
  EXPECT_EQ(Shown("lblProjExp"), "$0,294");  // 42 games at 7
  EXPECT_EQ(Shown("lblProjBal"), "-$0,194");
}

TEST_F(DisplayTeamTest, OddGamesPerTeamLeaveHalfAHomeGame) {
  WorkedExample();
  session.League.ScheduledGames = 1053;  // 81 games per team
  Team().HomeGamesPlayed = 20;
  Team().GateRevenue = 333333;
  info::DisplayTeam view(session, form, toolkit);
  view.Load();
  EXPECT_EQ(Shown("lblHome"), "20.5");
  EXPECT_EQ(Shown("lblGR"), "41");
  EXPECT_EQ(Shown("lblEst"), "$6,833,326");       // 20.5 x 333333 = 6833326.5, rounded down
  EXPECT_EQ(Shown("lblProjExp"), "$10,037,678");  // 41 x 244821.43 = 10037678.57
}

TEST_F(DisplayTeamTest, RosterScanCountsInjuredProsAndHoldoutsApart) {
  WorkedExample();
  WriteRoster({
      Player("Farm hurt", 3, 8400000),               // in no count and no payroll
      Player("Pro hurt", 203, 840000, 30, 70, 190),  // a pro like any other
      Player("Scratch", 100, 840000, 20, 74, 210),
      Player("Holdout", 200, 8400000, 40, 80, 250, 99),  // only a holdout
      Player("Farm", 0, 840000),                         // 84000 on the farm payroll
  });
  WriteProspects(0);
  Team().Coach.CoachPay = 0;
  info::DisplayTeam view(session, form, toolkit);
  view.Load();
  EXPECT_EQ(Shown("lblPro"), "2");
  EXPECT_EQ(Shown("lblFarm"), "1");
  EXPECT_EQ(Shown("lblHoldout"), "1");
  EXPECT_EQ(Shown("lblPros"), "");
  EXPECT_EQ(Shown("lblExpGame"), "$21,000");  // (840000 + 840000 + 84000) / 84
  EXPECT_EQ(Shown("lblAvgAge"), "25.0");
  EXPECT_EQ(Shown("lblAvgHgt"), "72.0");
  EXPECT_EQ(Shown("lblAvgWgt"), "200.0");
}

TEST_F(DisplayTeamTest, EmptyCountsShowBlankButHoldoutsShowZero) {
  WorkedExample();
  WriteRoster({Player("Away", 200, 1000, 30, 70, 190, 99)});
  WriteProspects(0);
  info::DisplayTeam view(session, form, toolkit);
  view.Load();
  EXPECT_EQ(Shown("lblPro"), "");
  EXPECT_EQ(Shown("lblFarm"), "");
  EXPECT_EQ(Shown("lblPros"), "");
  EXPECT_EQ(Shown("lblHoldout"), "1");
  // No pro players: the averages are left as they were, blank on a new window.
  EXPECT_EQ(Shown("lblAvgAge"), "");
  EXPECT_EQ(Shown("lblAvgHgt"), "");
  EXPECT_EQ(Shown("lblAvgWgt"), "");

  WriteRoster({});
  test::FakeForm bare;
  info::DisplayTeam empty(session, bare, toolkit);
  empty.Load();
  EXPECT_EQ(bare.GetLabel("lblHoldout").caption, "0");
}

TEST_F(DisplayTeamTest, EmailListGivesEachTeamItsLastValidAddress) {
  WorkedExample();
  const struct {
    const char* file;  // nullptr: no e-mail copy at all
    const char* shown;
  } cases[] = {
      {nullptr, ""},
      {"", ""},
      {"2,other@example\r\n", ""},
      {"29,far@example\r\n3", ""},  // beyond the league; a line without a comma
      {"3,first@example\r\n3,second@example", "second@example"},
      {" 3 ,spaced@example\r\n", "spaced@example"},
      {"x3,bad@example\r\n3,good@example\r\n", "good@example"},
      {"300,bad@example\r\n3,good@example\r\n", "good@example"},
      {"-1,bad@example\r\n3.5,bad@example\r\n3,good@example", "good@example"},
      {"3,caf\xE9@example\r\n", "caf\u00e9@example"},
  };
  for (const auto& c : cases) {
    session.Files.Remove(session.SwapFile("swp.e")).Ok();
    if (c.file != nullptr) WriteEmails(c.file);
    test::FakeForm fresh;
    info::DisplayTeam view(session, fresh, toolkit);
    view.Load();
    EXPECT_EQ(fresh.GetLabel("lblEmail").caption, c.shown) << (c.file ? c.file : "(none)");
    EXPECT_EQ(view.TeamEmails().size(), 26u);
  }
  WriteEmails("0,zero@example\r\n25,last@example\r\n26,out@example\r\n");
  info::DisplayTeam view(session, form, toolkit);
  view.Load();
  EXPECT_EQ(view.TeamEmails()[0], "zero@example");
  EXPECT_EQ(view.TeamEmails()[25], "last@example");
}

TEST_F(DisplayTeamTest, ConferenceOrDivisionOutsideTheLeagueShowsNoNames) {
  WorkedExample();
  const struct { int conference, division; } cases[] = {{2, 0}, {255, 2}, {1, 4}, {0, 255}};
  for (const auto& c : cases) {
    Team().Conference = static_cast<league::Byte>(c.conference);
    Team().Division = static_cast<league::Byte>(c.division);
    test::FakeForm fresh;
    info::DisplayTeam view(session, fresh, toolkit);
    view.Load();
    EXPECT_EQ(fresh.GetLabel("lblConf").caption, "") << c.conference << "/" << c.division;
    EXPECT_EQ(fresh.GetLabel("lblDiv").caption, "") << c.conference << "/" << c.division;
    EXPECT_EQ(fresh.GetLabel("lblTeam").caption, "Comets    ");
  }
}

TEST_F(DisplayTeamTest, ReturningFromTheRosterEditorRefreshesAllButTheHeader) {
  WorkedExample();
  info::DisplayTeam view(session, form, toolkit);
  view.Load();
  ASSERT_EQ(Shown("lblProjBal"), "$717,500");

  // The roster editor sends a pro to the farm and commits, as its keep would.
  toolkit.onShowModal = [&](ui::WindowId window, int argument) {
    ASSERT_EQ(window, ui::WindowId::Roster);
    ASSERT_EQ(argument, 0);
    auto slot = session.TeamSlots[0];
    slot.Places[0].Status = 0;
    std::vector<PlayerRecord> players(slot.Places.begin(), slot.Places.end());
    WriteRoster(players);
    Team().TeamName.Store("Renamed");
    Team().Owner.Store("Someone Else");
    Team().Coach.CoachName.Store("New Coach");
    Team().Cash = 2000000;
    session.LeagueChanged = true;
  };
  form.GetButton("Command3").Click();

  ASSERT_EQ(toolkit.modals.size(), 1u);
  EXPECT_TRUE(view.HeaderShown());
  EXPECT_EQ(Shown("lblTeam"), "Comets    ");
  EXPECT_EQ(Shown("lblOwner"), "Ren\u00e9 Dupr\u00e9               ");
  EXPECT_EQ(Shown("lblCoach"), "New Coach             ");
  EXPECT_EQ(Shown("lblPro"), "19");
  EXPECT_EQ(Shown("lblFarm"), "4");
  // (19,000,000 + 400,000 + 15,000 + 250,000) / 84 = 234107.14 a game.
  EXPECT_EQ(Shown("lblExpGame"), "$234,107");
  EXPECT_EQ(Shown("lblProjExp"), "$9,832,500");
  EXPECT_EQ(Shown("lblCurFin"), "$2,000,000");
  EXPECT_EQ(Shown("lblProjBal"), "$2,167,500");
}

TEST_F(DisplayTeamTest, LinesCloseCoachAndLabelsDoWhatTheySay) {
  WorkedExample();
  info::DisplayTeam view(session, form, toolkit);
  view.Load();
  int shows = 0;
  toolkit.onShowModal = [&](ui::WindowId, int) {
    ++shows;
    Team().Cash = -5;  // would show if the view refreshed
  };

  form.GetButton("Command4").Click();
  for (const info::TeamField& field : info::TeamFields()) form.GetLabel(field.Value).Click();
  form.GetLabel("lblTeam").Click();
  EXPECT_TRUE(toolkit.modals.empty());
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_FALSE(form.closed);

  form.GetButton("Command2").Click();
  ASSERT_EQ(toolkit.modals.size(), 1u);
  EXPECT_EQ(toolkit.modals[0].first, ui::WindowId::Lines);
  EXPECT_EQ(Shown("lblCurFin"), "$1,000,000");  // nothing refreshed after the lines editor

  form.GetButton("Command1").Click();
  EXPECT_TRUE(form.closed);
  EXPECT_EQ(shows, 1);
}

}  // namespace
