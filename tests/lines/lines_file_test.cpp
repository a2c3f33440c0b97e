#include "lines/lines_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "league/codecs.h"
#include "league/file_system.h"
#include "lines/line_grid.h"
#include "lines/lines_fixture.h"
#include "support/failing_fs.h"
#include "support/fake_ui.h"

namespace {

namespace fs = std::filesystem;
using league::Byte;
using league::kNoPlayer;
using namespace linestest;

league::Bytes ReadBytes(const fs::path& path) {
  auto bytes = league::RealFileSystem().ReadAll(path);
  return bytes ? *bytes : league::Bytes{};
}

// The slot's players as the rosters file would hold them.
league::Bytes Encoded(const app::TeamSlot& slot) {
  league::Bytes out;
  for (const auto& player : slot.Places) {
    const auto one = league::Encode(player);
    out.insert(out.end(), one.begin(), one.end());
  }
  return out;
}

void WriteBytes(const fs::path& path, const league::Bytes& bytes) {
  ASSERT_TRUE(league::RealFileSystem().WritePlain(path, bytes).Ok());
}

// ---- the record ----------------------------------------------------------------

TEST(LinesFileRecord, EncodesEveryFieldAtItsOffset) {
  lines::LinesFileRecord record;
  record.Team = 7;
  record.Password.Store("abc");
  record.Lines.Cells.fill(kNoPlayer);
  record.Lines.At(0, 0) = 1;
  record.Lines.At(2, 3) = 17;
  record.Lines.At(12, 4) = 49;
  record.Status[0] = 200;
  record.Status[49] = 103;
  record.Protected[0] = -1;
  record.Protected[49] = 0x0102;

  const league::Bytes bytes = lines::Encode(record);
  ASSERT_EQ(bytes.size(), 226u);
  EXPECT_EQ(bytes[0], 7);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 11), "abc       ");
  EXPECT_EQ(bytes[11], 1);                // cell (0, 0)
  EXPECT_EQ(bytes[11 + 2 + 13 * 3], 17);  // cell (2, 3)
  EXPECT_EQ(bytes[75], 49);               // cell (12, 4), the last grid byte
  EXPECT_EQ(bytes[12], kNoPlayer);
  EXPECT_EQ(bytes[76], 200);
  EXPECT_EQ(bytes[125], 103);
  EXPECT_EQ(bytes[126], 0xFF);
  EXPECT_EQ(bytes[127], 0xFF);
  EXPECT_EQ(bytes[128], 0);
  EXPECT_EQ(bytes[224], 0x02);
  EXPECT_EQ(bytes[225], 0x01);
}

TEST(LinesFileRecord, DecodesHandWrittenBytes) {
  league::Bytes bytes(226, 0);
  bytes[0] = 3;
  const std::string password = "Secret 12 ";
  std::copy(password.begin(), password.end(), bytes.begin() + 1);
  for (int c = 0; c < 65; ++c) bytes[static_cast<std::size_t>(11 + c)] = static_cast<Byte>(c);
  bytes[76 + 10] = 201;
  bytes[126 + 2 * 5] = 0xFF;
  bytes[126 + 2 * 5 + 1] = 0xFF;
  bytes[126 + 2 * 6] = 0x34;
  bytes[126 + 2 * 6 + 1] = 0x12;

  const auto decoded = lines::DecodeLinesFile(bytes);
  ASSERT_TRUE(decoded.Ok());
  EXPECT_EQ(decoded->Team, 3);
  EXPECT_EQ(decoded->Password.Raw(), password);
  EXPECT_EQ(decoded->Lines.At(4, 2), 4 + 13 * 2);
  EXPECT_EQ(decoded->Status[10], 201);
  EXPECT_EQ(decoded->Protected[5], -1);
  EXPECT_EQ(decoded->Protected[6], 0x1234);
  EXPECT_EQ(decoded->Protected[7], 0);
}

TEST(LinesFileRecord, RefusesAShortBuffer) {
  for (std::size_t size : {0u, 1u, 11u, 76u, 126u, 225u}) {
    EXPECT_FALSE(lines::DecodeLinesFile(league::Bytes(size, 0)).Ok()) << size;
  }
  EXPECT_TRUE(lines::DecodeLinesFile(league::Bytes(226, 0)).Ok());
  EXPECT_TRUE(lines::DecodeLinesFile(league::Bytes(400, 0)).Ok());
}

TEST(LinesPassword, PadsWithSpacesAndCutsToTen) {
  struct Case {
    std::string typed, stored;
  };
  const Case cases[] = {
      {"abc", "abc       "},
      {"", "          "},
      {"abcdefghijklmn", "abcdefghij"},
      {"ABC", "ABC       "},
      {"caf\xC3\xA9", std::string("caf\xE9      ")},  // typed UTF-8, stored in the code page
  };
  for (const auto& c : cases) EXPECT_EQ(lines::LinesPassword(c.typed).Raw(), c.stored) << c.typed;
}

// ---- the file name -------------------------------------------------------------

TEST(SafeFileStem, KeepsOrdinaryNamesAndMendsHostileOnes) {
  struct Case {
    std::string name, stem;
  };
  const Case cases[] = {
      {"Hawks", "Hawks"},
      {"St. Louis", "St. Louis"},
      {"../Hawks", "___Hawks"},
      {"..", "__"},
      {"a/b\\c", "a_b_c"},
      {"C:Hawks", "C_Hawks"},
      {"Who?*<>|\"", "Who______"},
      {std::string("Tab\tNul") + '\x01', "Tab_Nul_"},
      {".hidden", "_hidden"},
      {"Dots.", "Dots_"},
      {"", "Team"},
      {"CON", "_CON"},
      {"lpt1", "_lpt1"},
  };
  for (const auto& c : cases) EXPECT_EQ(lines::SafeFileStem(c.name), c.stem) << c.name;
}

class LinesFileTest : public LinesFixture {
 protected:
  fs::path Proposed() const { return dir.Path() / "Hawks.lns"; }

  lines::ImportOutcome Import(const fs::path& path) {
    toolkit.openFiles.push_back(path.string());
    return lines::ImportLinesSub(session, toolkit, 0, grid);
  }

  void WriteRecord(const fs::path& path, const lines::LinesFileRecord& record) {
    WriteBytes(path, lines::Encode(record));
  }

  // A file for this team's players as they stand, with the team's password.
  lines::LinesFileRecord CurrentRecord() {
    lines::LinesFileRecord record;
    record.Password = session.Teams[0].LineupPassword;
    record.Lines.Cells.fill(kNoPlayer);
    for (int i = 0; i < 50; ++i) record.Status[static_cast<std::size_t>(i)] = Place(i).Status;
    return record;
  }

  std::string Transactions() {
    const auto bytes = ReadBytes(session.SwapFile("swp.tr"));
    return std::string(bytes.begin(), bytes.end());
  }

  test::FakeToolkit toolkit;
  league::LineGrid grid = [] {
    league::LineGrid g;
    g.Cells.fill(9);
    return g;
  }();
};

TEST_F(LinesFileTest, AHostileTeamNameStaysInTheApplicationFolder) {
  for (const char* name : {"../../etc", "..\\up", "/abs", "a/../../b", ".."}) {
    session.Teams[0].TeamName.Store(name);
    const fs::path proposed = lines::ProposedLinesPath(session);
    EXPECT_EQ(proposed.parent_path(), dir.Path()) << name;
    EXPECT_EQ(proposed.extension(), ".lns") << name;
    EXPECT_EQ(proposed.lexically_normal().parent_path(), dir.Path()) << name;
  }
  // Saving under the proposed name writes inside the folder and nowhere else.
  session.Teams[0].TeamName.Store("../Hawks");
  toolkit.saveFiles.push_back(lines::ProposedLinesPath(session).string());
  ASSERT_TRUE(lines::SaveLinesSub(session, toolkit, grid));
  EXPECT_TRUE(fs::exists(dir.Path() / "___Hawks.lns"));
  EXPECT_FALSE(fs::exists(dir.Path().parent_path() / "Hawks.lns"));
}

// ---- Save Lines ----------------------------------------------------------------

TEST_F(LinesFileTest, SaveWritesWhereTheGmChose) {
  StandardRoster();
  Place(3).Protected = -1;
  Place(40) = Level("Farmhand", kC, 3, 50);
  grid.At(0, 0) = 12;
  const fs::path chosen = dir.Path() / "out" / "mine.lns";
  fs::create_directories(chosen.parent_path());
  toolkit.inputs.push_back("abc");
  toolkit.saveFiles.push_back(chosen.string());

  ASSERT_TRUE(lines::SaveLinesSub(session, toolkit, grid));

  ASSERT_EQ(toolkit.inputPrompts.size(), 1u);
  EXPECT_EQ(toolkit.inputPrompts[0],
            (std::pair<std::string, std::string>{"Password?", "Save Lines"}));
  ASSERT_EQ(toolkit.saveDialogs.size(), 1u);
  const auto& dialog = toolkit.saveDialogs[0];
  EXPECT_EQ(dialog.Title, "Save Lines here");
  EXPECT_EQ(dialog.Filter, "All Files|*.*|Lines Files|*.lns");
  EXPECT_EQ(dialog.FilterIndex, 2);
  EXPECT_EQ(fs::path(dialog.FileName), Proposed());

  EXPECT_FALSE(fs::exists(Proposed()));
  const auto bytes = ReadBytes(chosen);
  ASSERT_EQ(bytes.size(), 226u);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 11), "abc       ");
  EXPECT_EQ(bytes[11], 12);
  EXPECT_EQ(bytes[12], 9);  // the working grid as it stands, unused cells included
  EXPECT_EQ(bytes[76 + 0], 200);
  EXPECT_EQ(bytes[76 + 40], 3);
  EXPECT_EQ(bytes[126 + 6], 0xFF);
  EXPECT_EQ(bytes[126 + 7], 0xFF);
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_FALSE(session.LeagueChanged);
}

TEST_F(LinesFileTest, ACancelledPromptSavesABlankPasswordAndACancelledDialogNothing) {
  toolkit.saveFiles.push_back(Proposed().string());
  ASSERT_TRUE(lines::SaveLinesSub(session, toolkit, grid));
  const auto bytes = ReadBytes(Proposed());
  ASSERT_EQ(bytes.size(), 226u);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 11), std::string(10, ' '));

  fs::remove(Proposed());
  toolkit.inputs.push_back("abc");
  EXPECT_FALSE(lines::SaveLinesSub(session, toolkit, grid));  // no file chosen
  EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST_F(LinesFileTest, AFailedWriteIsReportedAndLeavesTheOldFile) {
  WriteBytes(Proposed(), league::Bytes(226, 1));
  test::FailingFileSystem failing;
  failing.FailFrom(1);
  app::Session broken(dir.Path(), failing);
  broken.Teams = session.Teams;
  toolkit.saveFiles.push_back(Proposed().string());

  EXPECT_FALSE(lines::SaveLinesSub(broken, toolkit, grid));
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].title, "Save Lines");
  EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::Critical);
  EXPECT_EQ(ReadBytes(Proposed()), league::Bytes(226, 1));

  // A folder that does not exist fails the same way.
  toolkit.messages.clear();
  toolkit.saveFiles.push_back((dir.Path() / "missing" / "x.lns").string());
  EXPECT_FALSE(lines::SaveLinesSub(session, toolkit, grid));
  EXPECT_EQ(toolkit.messages.size(), 1u);
}

// ---- Load Lines ----------------------------------------------------------------

TEST_F(LinesFileTest, TheOpenDialogAndItsCancel) {
  EXPECT_EQ(lines::ImportLinesSub(session, toolkit, 0, grid), lines::ImportOutcome::Cancelled);
  ASSERT_EQ(toolkit.openDialogs.size(), 1u);
  EXPECT_EQ(toolkit.openDialogs[0].Title, "Import Text Lines");
  EXPECT_EQ(toolkit.openDialogs[0].Filter, "All Files|*.*|Lines Files|*.lns");
  EXPECT_EQ(toolkit.openDialogs[0].FilterIndex, 2);
  EXPECT_TRUE(toolkit.messages.empty());
}

TEST_F(LinesFileTest, PasswordsMatchExactly) {
  struct Case {
    const char* team;
    const char* typed;
    bool loads;
  };
  const Case cases[] = {
      {"abc", "abc", true},
      {"abc", "ABC", false},
      {"abc", "", false},
      {"", "", true},
      {"", "abc", false},
      {"abc", "abc    ", true},
      {"abcdefghij", "abcdefghijXYZ", true},
  };
  StandardRoster();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.team) + " / " + c.typed);
    session.Teams[0].LineupPassword.Store(c.team);
    session.Teams[0].LinesSet = 0;
    toolkit = test::FakeToolkit{};
    toolkit.inputs.push_back(c.typed);
    toolkit.saveFiles.push_back(Proposed().string());
    league::LineGrid saved;
    saved.Cells.fill(4);
    ASSERT_TRUE(lines::SaveLinesSub(session, toolkit, saved));

    grid.Cells.fill(9);
    const auto outcome = Import(Proposed());
    if (c.loads) {
      EXPECT_EQ(outcome, lines::ImportOutcome::Loaded);
      EXPECT_EQ(grid, saved);
      EXPECT_EQ(session.Teams[0].LinesSet, -1);
      EXPECT_TRUE(toolkit.messages.empty());
    } else {
      EXPECT_EQ(outcome, lines::ImportOutcome::Refused);
      ASSERT_EQ(toolkit.messages.size(), 1u);
      EXPECT_EQ(toolkit.messages[0].text, "Password Incorrect");
      EXPECT_EQ(toolkit.messages[0].title, "Import Lines");
      EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::Critical);
      EXPECT_EQ(grid.At(0, 0), 9);
      EXPECT_EQ(session.Teams[0].LinesSet, 0);
    }
  }
}

TEST_F(LinesFileTest, TheRosterPassMovesAndReportsPlayers) {
  session.League.WaiversOn = league::kTrue;
  session.League.WaiverExemptAge = 24;
  session.League.WaiverMinGames = 40;
  Place(0) = Level("Dressed", kC, 200, 60);
  Place(1) = Level("Scratch", kC, 100, 60);
  Place(2) = Level("Farm One   ", kLW, 0, 60);
  Place(3) = Level("Youngster", kRW, 200, 60);
  Place(3).Age = 21;
  Place(4) = Level("Veteran", kD, 100, 60);
  Place(4).Age = 30;
  Place(4).GamesPlayed = 80;
  Place(5) = Level("Hurt Farm", kD, 2, 60);
  Place(6) = Level("Farm Two", kG, 0, 60);
  Place(7) = Level("Nearly", kC, 100, 60);
  Place(8) = Level("Steady", kC, 200, 60);

  auto record = CurrentRecord();
  record.Team = 1;  // saved by another team: not looked at
  record.Status[0] = 100;
  record.Status[1] = 200;
  record.Status[2] = 200;
  record.Status[3] = 0;
  record.Status[4] = 0;
  record.Status[5] = 100;
  record.Status[6] = 201;
  record.Status[7] = 201;  // an injury digit in the file counts by its hundreds only
  record.Lines.At(0, 0) = 8;
  WriteRecord(dir.Path() / "in.lns", record);
  toolkit.answers.push_back(ui::Answer::No);  // keep the veteran off waivers

  ASSERT_EQ(Import(dir.Path() / "in.lns"), lines::ImportOutcome::Loaded);
  EXPECT_EQ(Place(0).Status, 100);
  EXPECT_EQ(Place(1).Status, 200);
  EXPECT_EQ(Place(2).Status, 200);
  EXPECT_EQ(Place(3).Status, 0);
  EXPECT_EQ(Place(4).Status, 100);  // the waiver question said no
  EXPECT_EQ(Place(5).Status, 2);
  EXPECT_EQ(Place(6).Status, 200);
  EXPECT_EQ(Place(7).Status, 200);
  EXPECT_EQ(Place(8).Status, 200);
  EXPECT_EQ(grid.At(0, 0), 8);

  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, "Put Veteran on waivers?");
  EXPECT_EQ(Transactions(),
            "Hawks assign Youngster to minors<BR><BR>\r\n"
            "Hawks promote Farm One, Farm Two to pro roster<BR><BR> \r\n"
            "\r\n");
}

TEST_F(LinesFileTest, NobodyMovedWritesNoReport) {
  StandardRoster();
  WriteRecord(dir.Path() / "in.lns", CurrentRecord());
  ASSERT_EQ(Import(dir.Path() / "in.lns"), lines::ImportOutcome::Loaded);
  EXPECT_FALSE(fs::exists(session.SwapFile("swp.tr")));
}

TEST_F(LinesFileTest, ADressedSuspendedOrInjuredPlayerStopsTheLoad) {
  struct Case {
    const char* what;
    int suspendedAt;  // -1: none
    int injuredAt;
    std::string text;
  };
  const Case cases[] = {
      {"suspended", 3, -1, "Trying to use a suspended player"},
      {"injured", -1, 3, "Player 3 is being dressed"},
      {"injured first, suspended later", 6, 3, "Trying to use a suspended player"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    session.TeamSlots[0] = {};
    for (int i = 0; i < 8; ++i) Place(i) = Level("Player " + std::to_string(i), kC, 100, 60);
    if (c.suspendedAt >= 0) Place(c.suspendedAt).Suspension = 2;
    if (c.injuredAt >= 0) Place(c.injuredAt).Status = 104;
    auto record = CurrentRecord();
    for (int i = 0; i < 8; ++i) record.Status[static_cast<std::size_t>(i)] = 200;
    for (int i = 0; i < 50; ++i) record.Protected[static_cast<std::size_t>(i)] = -1;
    record.Lines.Cells.fill(1);
    WriteRecord(dir.Path() / "bad.lns", record);
    toolkit = test::FakeToolkit{};
    grid.Cells.fill(9);
    session.Teams[0].LinesSet = 0;

    ASSERT_EQ(Import(dir.Path() / "bad.lns"), lines::ImportOutcome::Refused);
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, c.text);
    EXPECT_EQ(toolkit.messages[0].title, "Hawks lines are not valid");
    EXPECT_EQ(toolkit.messages[0].icon, ui::Icon::None);
    // Players before the first fault moved; from it on nobody did.
    const int first = c.injuredAt >= 0 ? c.injuredAt : c.suspendedAt;
    for (int i = 0; i < 8; ++i) {
      const int expected = i < first ? 200 : (i == c.injuredAt ? 104 : 100);
      EXPECT_EQ(Place(i).Status, expected) << i;
    }
    // The protection flags are copied all the same, empty places included.
    for (int i = 0; i < 50; ++i) EXPECT_EQ(Place(i).Protected, -1) << i;
    EXPECT_EQ(grid.At(0, 0), 9);
    EXPECT_EQ(session.Teams[0].LinesSet, 0);
    EXPECT_FALSE(fs::exists(session.SwapFile("swp.tr")));
  }
}

TEST_F(LinesFileTest, ShortMissingOrUnreadableFilesChangeNothing) {
  StandardRoster();
  const auto before = Encoded(Slot());
  auto full = lines::Encode(CurrentRecord());
  for (auto& p : full) p = p == 200 ? 0 : p;  // would send every player down
  fs::create_directories(dir.Path() / "folder.lns");

  struct Case {
    const char* what;
    fs::path path;
    std::size_t length;  // bytes of `full` written; 0 with `write` false: no file
    bool write;
  };
  const Case cases[] = {
      {"empty", dir.Path() / "empty.lns", 0, true},
      {"one byte", dir.Path() / "one.lns", 1, true},
      {"no protection list", dir.Path() / "part.lns", 126, true},
      {"one byte short", dir.Path() / "short.lns", 225, true},
      {"missing", dir.Path() / "missing.lns", 0, false},
      {"a folder", dir.Path() / "folder.lns", 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.write) WriteBytes(c.path, league::Bytes(full.begin(), full.begin() + c.length));
    toolkit = test::FakeToolkit{};
    EXPECT_EQ(Import(c.path), lines::ImportOutcome::Refused);
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, "Errors in File");
    EXPECT_EQ(toolkit.messages[0].title, "Invalid File");
    EXPECT_EQ(Encoded(Slot()), before);
    EXPECT_EQ(grid.At(0, 0), 9);
    EXPECT_EQ(session.Teams[0].LinesSet, 0);
  }
}

TEST_F(LinesFileTest, OutOfRangeCellsArriveEmpty) {
  StandardRoster();
  auto record = CurrentRecord();
  for (int r = 0; r < 13; ++r)
    for (int j = 0; j < 5; ++j) record.Lines.At(r, j) = static_cast<Byte>(r + j);
  record.Lines.At(0, 0) = 50;
  record.Lines.At(3, 4) = 60;
  record.Lines.At(12, 2) = 254;
  record.Lines.At(6, 4) = 200;  // an unused cell
  WriteRecord(dir.Path() / "odd.lns", record);

  ASSERT_EQ(Import(dir.Path() / "odd.lns"), lines::ImportOutcome::Loaded);
  EXPECT_EQ(grid.At(0, 0), kNoPlayer);
  EXPECT_EQ(grid.At(3, 4), kNoPlayer);
  EXPECT_EQ(grid.At(12, 2), kNoPlayer);
  EXPECT_EQ(grid.At(6, 4), kNoPlayer);
  EXPECT_EQ(grid.At(5, 2), 7);  // valid cells as in the file
  EXPECT_EQ(grid.At(12, 1), 13);
  EXPECT_TRUE(lines::LinesIncomplete(grid));
  for (Byte cell : grid.Cells) EXPECT_TRUE(cell < 50 || cell == kNoPlayer);
}

TEST_F(LinesFileTest, AFailingWaiverCallStopsWithErrorsInFile) {
  session.League.WaiversOn = league::kTrue;
  Place(0) = Level("Promoted", kC, 0, 60);
  Place(1) = Level("Veteran", kD, 200, 60);
  Place(1).Age = 30;
  Place(1).GamesPlayed = 90;
  Place(2) = Level("Later", kC, 0, 60);
  auto record = CurrentRecord();
  record.Status[0] = 200;
  record.Status[1] = 0;
  record.Status[2] = 200;
  record.Lines.Cells.fill(0);
  WriteRecord(dir.Path() / "in.lns", record);
  fs::create_directories(session.SwapFile("swp.wv"));  // the waivers file cannot be opened
  toolkit.answers.push_back(ui::Answer::Yes);

  EXPECT_EQ(Import(dir.Path() / "in.lns"), lines::ImportOutcome::Refused);
  ASSERT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(toolkit.messages[1].text, "Errors in File");
  EXPECT_EQ(toolkit.messages[1].title, "Invalid File");
  EXPECT_EQ(Place(0).Status, 200);  // done before the failure
  EXPECT_EQ(Place(1).Status, 200);
  EXPECT_EQ(Place(2).Status, 0);
  EXPECT_EQ(grid.At(0, 0), 9);
}

}  // namespace
