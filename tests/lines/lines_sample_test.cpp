// The lines editor as a new GM uses it, on the sample league.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "app/session.h"
#include "league/text.h"
#include "lines/line_grid.h"
#include "lines/lines_window.h"
#include "sample_league.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace {

int FitDressed(const app::TeamSlot& slot) {
  int count = 0;
  for (const auto& p : slot.Places) count += p.Status == 200 ? 1 : 0;
  return count;
}

TEST(LinesOnTheSampleLeague, AutoMoveSaveLoadKeepAndReopen) {
  test::TempDir dir;
  ASSERT_TRUE(sample::WriteSampleLeague(dir.Path() / "Sample", {8, 2002}).Ok());
  app::Session session(dir.Path());
  ASSERT_TRUE(session.LoadLg((dir.Path() / "Sample").string()).Ok());

  int team = -1;
  for (int t = 0; t < session.League.TeamCount && team < 0; ++t) {
    ASSERT_TRUE(session.LoadTeam(t, 0).Ok());
    if (FitDressed(session.TeamSlots[0]) == 20) team = t;
  }
  ASSERT_GE(team, 0) << "no sample team dresses exactly 20 fit players";
  session.CurrentTeam = team;
  ASSERT_TRUE(session.LoadTeam(team, 0).Ok());

  test::FakeToolkit toolkit;
  auto form = std::make_unique<test::FakeForm>();
  auto window = std::make_unique<lines::Lines>(session, *form, toolkit);
  window->Load();
  form->GetButton("cmdAuto").Click();
  ASSERT_TRUE(toolkit.messages.empty()) << toolkit.messages[0].text;
  ASSERT_FALSE(lines::LinesIncomplete(window->Grid()));

  // By hand: the fourth line's centre becomes the last listed skater not in that row.
  auto& list = form->GetList("List2");
  int pick = -1;
  for (int i = list.Count() - 1; i >= 0 && pick < 0; --i) {
    const int p = list.ItemData(i);
    bool inRow = false;
    for (int j = 0; j < 5; ++j) inRow = inRow || window->Grid().At(3, j) == p;
    if (!inRow && session.TeamSlots[0].Places[static_cast<std::size_t>(p)].Position != 4) pick = i;
  }
  ASSERT_GE(pick, 0);
  list.Click(pick);
  form->GetLabel("lblPlayer", 15).Click();
  const league::LineGrid edited = window->Grid();
  ASSERT_EQ(edited.At(3, 0), list.ItemData(pick));

  const std::string password = sample::SamplePassword(team);
  toolkit.inputs.push_back(password);
  toolkit.saveFiles.push_back((dir.Path() / "mine.lns").string());
  form->GetButton("cmdSaveLines").Click();
  ASSERT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(std::filesystem::path(toolkit.saveDialogs[0].FileName).parent_path(), dir.Path());

  toolkit.openFiles.push_back((dir.Path() / "mine.lns").string());
  form->GetButton("cmdLoadLines").Click();
  ASSERT_TRUE(toolkit.messages.empty()) << toolkit.messages[0].text;
  EXPECT_EQ(window->Grid(), edited);

  toolkit.answers.push_back(ui::Answer::Yes);
  form->GetButton("cmdExit").Click();
  ASSERT_TRUE(form->closed);
  EXPECT_EQ(toolkit.Texts(), std::vector<std::string>{"Keep Line Changes?"});

  // The teams working copy holds the kept lines, and the reopened editor shows them.
  const league::LineGrid kept = lines::NormalisedForTeam(edited);
  EXPECT_EQ(session.Teams[static_cast<std::size_t>(team)].Lines, kept);
  const auto teams = session.Files.ReadAll(session.SwapFile("swp.t"));
  ASSERT_TRUE(teams.Ok());
  const std::size_t at = static_cast<std::size_t>(team) * 254 + 174;
  ASSERT_GE(teams->size(), at + 65);
  EXPECT_TRUE(std::equal(kept.Cells.begin(), kept.Cells.end(),
                         teams->begin() + static_cast<std::ptrdiff_t>(at)));
  ASSERT_TRUE(session.LoadTeam(team, 0).Ok());
  form = std::make_unique<test::FakeForm>();
  window = std::make_unique<lines::Lines>(session, *form, toolkit);
  window->Load();
  EXPECT_EQ(window->Grid(), kept);
  EXPECT_EQ(form->GetLabel("lblPlayer", 15).caption,
            league::Show(session.TeamSlots[0].Places[edited.At(3, 0)].PlayerName));
}

}  // namespace
