#pragma once
// A session over an empty application directory with one small league held in
// memory: twelve teams, team 0 "Hawks" current, its players put straight into
// slot 0. The roster window runs over the fake toolkit.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/session.h"
#include "league/records.h"
#include "roster/roster_window.h"
#include "support/failing_fs.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace test {

// The 22 stored characters of a name.
inline std::string Stored(const std::string& name) {
  league::Text<22> text;
  text.Store(name);
  return text.Raw();
}

// A player with every skill at `skill`: a skater then rates skill + 5 overall
// and offensively and `skill` defensively.
inline league::PlayerRecord MakePlayer(const std::string& name, int position, int status,
                                       int skill = 50) {
  league::PlayerRecord player;
  player.PlayerName.Store(name);
  player.Position = static_cast<league::Byte>(position);
  player.Status = static_cast<league::Byte>(status);
  player.Condition = 100;
  player.Age = 22;
  player.Skills.fill(static_cast<league::Byte>(skill));
  return player;
}

inline std::vector<league::Byte> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<league::Byte>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline std::string FileText(const std::filesystem::path& path) {
  const auto bytes = FileBytes(path);
  return {bytes.begin(), bytes.end()};
}

class RosterTest : public ::testing::Test {
 protected:
  RosterTest() : session(dir.Path(), files) {
    session.LeagueLoaded = true;
    session.League.TeamCount = 12;
    for (int t = 0; t < 12; ++t)
      session.Teams[static_cast<std::size_t>(t)].TeamName.Store("Team " + std::to_string(t));
    session.Teams[0].TeamName.Store("Hawks");
    session.CurrentTeam = 0;
  }

  league::PlayerRecord& Place(int place) {
    return session.TeamSlots[0].Places[static_cast<std::size_t>(place)];
  }
  league::PlayerRecord& Put(int place, const std::string& name, int position, int status,
                            int skill = 50) {
    return Place(place) = MakePlayer(name, position, status, skill);
  }

  // A complete game roster in places 0 to 19 (C0-C3, L0-L3, R0-R3, D0-D5, G0-G1),
  // scratches C4, D6 and G2 in places 20 to 22, farm players F0 to F2 (centres)
  // in places 23 to 25.
  void FullTeam() {
    int place = 0;
    const auto add = [&](const std::string& prefix, int position, int count, int status) {
      for (int i = 0; i < count; ++i) Put(place++, prefix + std::to_string(i), position, status);
    };
    add("C", 0, 4, 200), add("L", 1, 4, 200), add("R", 2, 4, 200), add("D", 3, 6, 200);
    add("G", 4, 2, 200);
    Put(place++, "C4", 0, 100), Put(place++, "D6", 3, 100), Put(place++, "G2", 4, 100);
    for (int i = 0; i < 3; ++i) Put(place++, "F" + std::to_string(i), 0, 0);
  }

  roster::Roster& Open() {
    window = std::make_unique<roster::Roster>(session, form, toolkit);
    window->Load();
    return *window;
  }

  FakeList& List(int k) { return form.GetList("list1", k); }
  // Selects the entries of these players in list k (a click, then ctrl-clicks).
  void Select(int k, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      const int index = List(k).Find(Stored(names[i]));
      ASSERT_GE(index, 0) << names[i];
      i == 0 ? List(k).Click(index) : List(k).CtrlClick(index);
    }
  }
  void Press(int button) { form.GetButton("cmdMovePlayer", button).Click(); }
  void Exit() { form.GetButton("cmdExit").Click(); }
  int WorkStatus(int place) const {
    return window->Work().WorkStatus[static_cast<std::size_t>(place)];
  }
  std::string Label5() { return form.GetLabel("Label5").caption; }

  TempDir dir;
  FailingFileSystem files;  // fails nothing until a test asks it to
  app::Session session;
  FakeForm form;
  FakeToolkit toolkit;
  std::unique_ptr<roster::Roster> window;
};

}  // namespace test
