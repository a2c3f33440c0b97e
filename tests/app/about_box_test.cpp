#include "app/about_box.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/session.h"
#include "support/fake_ui.h"

namespace {

using app::RegistryRoot;

const std::string kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class FakeRegistry : public app::Registry {
 public:
  struct Entry {
    std::uint32_t type;
    std::string data;
  };
  // (key path, value name) -> value; keys exist when any value of theirs is listed,
  // or when named in `emptyKeys`.
  std::map<std::pair<std::string, std::string>, Entry> values;
  std::set<std::string> emptyKeys;

  std::vector<std::string> opened;
  std::vector<std::uint32_t> accessMasks;
  std::vector<std::size_t> capacities;
  int openKeys = 0;

  std::optional<Key> OpenKey(RegistryRoot root, const std::string& path,
                             std::uint32_t access) override {
    opened.push_back(path);
    accessMasks.push_back(access);
    if (root != RegistryRoot::LocalMachine) return std::nullopt;
    bool exists = emptyKeys.count(path) != 0;
    for (const auto& [where, entry] : values) exists = exists || where.first == path;
    if (!exists) return std::nullopt;
    paths_.push_back(path);
    ++openKeys;
    return paths_.size();
  }
  std::optional<app::RegistryValue> QueryValue(Key key, const std::string& name,
                                               std::size_t capacity) override {
    capacities.push_back(capacity);
    const auto it = values.find({paths_.at(key - 1), name});
    if (it == values.end()) return std::nullopt;
    return app::RegistryValue{it->second.type, it->second.data};
  }
  void CloseKey(Key) override { --openKeys; }

 private:
  std::vector<std::string> paths_;
};

class FakeStarter : public app::ProgramStarter {
 public:
  std::set<std::string> files;
  std::map<std::string, std::string> onPath;  // name -> full path
  bool startWorks = true;
  std::vector<std::string> started;

  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  std::string FindProgram(const std::string& name) override {
    const auto it = onPath.find(name);
    return it == onPath.end() ? "" : it->second;
  }
  bool Start(const std::string& program) override {
    started.push_back(program);
    return startWorks;
  }
};

class AboutTest : public ::testing::Test {
 protected:
  AboutTest() : about(form, toolkit, registry, starter) {}
  test::FakeForm form;
  test::FakeToolkit toolkit;
  FakeRegistry registry;
  FakeStarter starter;
  app::AboutORB about;
};

TEST_F(AboutTest, LoadShowsTitleAndVersion) {
  about.Load();
  EXPECT_EQ(form.caption, "About Rink Desk");
  EXPECT_EQ(form.GetLabel("lblTitle").caption, "Rink Desk");
  EXPECT_EQ(form.GetLabel("lblVersion").caption, "Version 1.0.0");
  EXPECT_EQ(form.GetLabel("lblBeta").caption, "Beta Built 10 Aug 2002");
  for (const char* label : {"Label1", "lblDescription", "lblDisclaimer"})
    EXPECT_FALSE(form.GetLabel(label).caption.empty()) << label;
  EXPECT_NE(form.GetLabel("Label1").caption.find("the Rink Desk developers"), std::string::npos);
}

TEST_F(AboutTest, OkClosesAndTheIconThanks) {
  about.Load();
  form.GetLabel("picIcon").Click();
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].title, "Thank You");
  EXPECT_EQ(toolkit.messages[0].buttons, ui::Buttons::Ok);
  EXPECT_NE(toolkit.messages[0].text.find('\n'), std::string::npos);  // several lines
  EXPECT_FALSE(form.closed);
  form.GetButton("cmdOK").Click();
  EXPECT_TRUE(form.closed);
}

TEST_F(AboutTest, SystemInfoFollowsTheRegistryThenTheDesktopsTools) {
  const struct {
    const char* label;
    std::map<std::pair<std::string, std::string>, FakeRegistry::Entry> values;
    std::set<std::string> files;
    std::map<std::string, std::string> onPath;
    bool startWorks;
    std::vector<std::string> started;
    std::vector<std::string> opened;
    bool unavailable;
  } cases[] = {
      {"first entry: its tool, the second entry never read",
       {{{kMsinfoKey, "PATH"},
         {app::kRegistryString, std::string("C:\\Tools\\msinfo32.exe\0", 22)}},
        {{kLocationKey, "MSINFO"}, {app::kRegistryString, "C:\\Other"}}},
       {},
       {{"hardinfo", "/usr/bin/hardinfo"}},
       true,
       {"C:\\Tools\\msinfo32.exe"},
       {kMsinfoKey},
       false},
      {"second entry whose folder holds the tool",
       {{{kLocationKey, "MSINFO"}, {app::kRegistryString, "C:\\Shared"}}},
       {"C:\\Shared\\MSINFO32.EXE"},
       {},
       true,
       {"C:\\Shared\\MSINFO32.EXE"},
       {kMsinfoKey, kLocationKey},
       false},
      {"second entry without the tool: unavailable, no desktop tool either",
       {{{kLocationKey, "MSINFO"}, {app::kRegistryString, "C:\\Shared"}}},
       {},
       {{"hardinfo", "/usr/bin/hardinfo"}},
       true,
       {},
       {kMsinfoKey, kLocationKey},
       true},
      {"no entry, no desktop tool", {}, {}, {}, true, {}, {kMsinfoKey, kLocationKey}, true},
      {"no entry: the first desktop tool in order",
       {},
       {},
       {{"gnome-system-monitor", "/usr/bin/gnome-system-monitor"},
        {"kinfocenter", "/usr/bin/kinfocenter"}},
       true,
       {"/usr/bin/kinfocenter"},
       {kMsinfoKey, kLocationKey},
       false},
      {"a tool that fails to start",
       {},
       {},
       {{"hardinfo", "/usr/bin/hardinfo"}},
       false,
       {"/usr/bin/hardinfo"},
       {kMsinfoKey, kLocationKey},
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    FakeRegistry reg;
    reg.values = c.values;
    FakeStarter start;
    start.files = c.files;
    start.onPath = c.onPath;
    start.startWorks = c.startWorks;
    test::FakeForm f;
    test::FakeToolkit t;
    app::AboutORB box(f, t, reg, start);
    f.GetButton("cmdSysInfo").Click();
    EXPECT_EQ(start.started, c.started);
    EXPECT_EQ(reg.opened, c.opened);
    EXPECT_EQ(reg.openKeys, 0);  // every key opened was closed
    if (c.unavailable) {
      ASSERT_EQ(t.messages.size(), 1u);
      EXPECT_EQ(t.messages[0].text, "System Information Is Unavailable At This Time");
      EXPECT_EQ(t.messages[0].title, "Rink Desk");
      EXPECT_EQ(t.messages[0].buttons, ui::Buttons::Ok);
    } else {
      EXPECT_TRUE(t.messages.empty());
    }
  }
}

TEST(GetKeyValue, ReadsAStringValueAndClosesTheKeyEveryTime) {
  FakeRegistry registry;
  registry.values[{"K", "Text"}] = {app::kRegistryString, std::string("C:\\x\0", 5)};
  registry.values[{"K", "Plain"}] = {app::kRegistryString, "no terminator"};
  registry.values[{"K", "Count"}] = {app::kRegistryNumber, std::string("\x2a\x01\0\0", 4)};
  registry.emptyKeys = {"Empty"};

  const struct {
    const char* key;
    const char* name;
    bool found;
    const char* value;
  } cases[] = {
      {"K", "Text", true, "C:\\x"}, {"K", "Plain", true, "no terminator"},
      {"K", "Count", true, "298"},  {"K", "Missing", false, ""},
      {"Empty", "Text", false, ""}, {"Nowhere", "Text", false, ""},
  };
  for (const auto& c : cases) {
    const app::KeyValue got = app::GetKeyValue(registry, RegistryRoot::LocalMachine, c.key, c.name);
    EXPECT_EQ(got.Found, c.found) << c.key << " " << c.name;
    EXPECT_EQ(got.Value, c.value) << c.key << " " << c.name;
    EXPECT_EQ(registry.openKeys, 0) << c.key << " " << c.name;
  }
  for (std::uint32_t mask : registry.accessMasks) EXPECT_EQ(mask, 0x2003Fu);
  for (std::size_t capacity : registry.capacities) EXPECT_EQ(capacity, 1024u);
}

TEST(SystemTools, TheRealRegistryIsEmptyAndTheStarterRunsPrograms) {
  const auto registry = app::NoRegistry();
  EXPECT_FALSE(app::GetKeyValue(*registry, RegistryRoot::LocalMachine, kMsinfoKey, "PATH").Found);
  const auto starter = app::SystemProgramStarter();
  const std::string shell = starter->FindProgram("sh");
  ASSERT_FALSE(shell.empty());
  EXPECT_TRUE(starter->FileExists(shell));
  EXPECT_EQ(starter->FindProgram("no-such-program-anywhere"), "");
  EXPECT_TRUE(starter->Start(starter->FindProgram("true")));
  EXPECT_FALSE(starter->Start("/nonexistent/program"));
}

}  // namespace
