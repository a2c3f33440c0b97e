#include "app/about_box.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "app/session.h"

namespace app {

namespace {

class EmptyRegistry : public Registry {
 public:
  std::optional<Key> OpenKey(RegistryRoot, const std::string&, std::uint32_t) override {
    return std::nullopt;
  }
  std::optional<RegistryValue> QueryValue(Key, const std::string&, std::size_t) override {
    return std::nullopt;
  }
  void CloseKey(Key) override {}
};

class PosixStarter : public ProgramStarter {
 public:
  bool FileExists(const std::string& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
  }

  std::string FindProgram(const std::string& name) override {
    const char* path = std::getenv("PATH");
    if (path == nullptr || name.empty() || name.find('/') != std::string::npos) return "";
    std::string_view rest(path);
    while (true) {
      const auto colon = rest.find(':');
      std::string folder(rest.substr(0, colon));
      if (!folder.empty()) {
        const std::string candidate = folder + "/" + name;
        if (FileExists(candidate) && ::access(candidate.c_str(), X_OK) == 0) return candidate;
      }
      if (colon == std::string_view::npos) return "";
      rest.remove_prefix(colon + 1);
    }
  }

  // A double fork, so the tool outlives us without ever becoming our zombie;
  // a close-on-exec pipe tells whether exec succeeded.
  bool Start(const std::string& program) override {
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return false;
    const pid_t child = ::fork();
    if (child < 0) {
      ::close(report[0]);
      ::close(report[1]);
      return false;
    }
    if (child == 0) {
      ::close(report[0]);
      ::setsid();
      const pid_t grandchild = ::fork();
      if (grandchild == 0) {
        char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
        ::execv(program.c_str(), argv);
        const int error = errno;
        [[maybe_unused]] auto written = ::write(report[1], &error, sizeof error);
        ::_exit(127);
      }
      if (grandchild < 0) {
        const int error = errno;
        [[maybe_unused]] auto written = ::write(report[1], &error, sizeof error);
      }
      ::_exit(0);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do {
      got = ::read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    return got == 0;
  }
};

}  // namespace

std::unique_ptr<Registry> NoRegistry() { return std::make_unique<EmptyRegistry>(); }

std::unique_ptr<ProgramStarter> SystemProgramStarter() { return std::make_unique<PosixStarter>(); }

KeyValue GetKeyValue(Registry& registry, RegistryRoot root, const std::string& keyPath,
                     const std::string& valueName) {
  const auto key = registry.OpenKey(root, keyPath, kKeyAccess);
  if (!key) return {};
  KeyValue result;
  if (auto value = registry.QueryValue(*key, valueName, kValueCapacity)) {
    result.Found = true;
    std::string data = std::move(value->Data);
    if (value->Type == kRegistryNumber) {
      std::uint32_t number = 0;
      for (std::size_t i = 0; i < data.size() && i < 4; ++i)
        number |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
      result.Value = std::to_string(number);
    } else {
      if (!data.empty() && data.back() == '\0') data.pop_back();
      result.Value = std::move(data);
    }
  }
  registry.CloseKey(*key);
  return result;
}

AboutORB::AboutORB(ui::Form& form, ui::Toolkit& toolkit, Registry& registry,
                   ProgramStarter& starter)
    : form_(form), toolkit_(toolkit), registry_(registry), starter_(starter) {
  form.GetButton("cmdOK").OnClick = [this] { form_.Close(); };
  form.GetButton("cmdSysInfo").OnClick = [this] { StartSysInfo(); };
  form.GetLabel("picIcon").OnClick = [this] { ThankYou(); };
}

void AboutORB::Load() {
  form_.SetCaption(std::string("About ") + kAppTitle);
  form_.GetLabel("lblTitle").SetCaption(kAppTitle);
  form_.GetLabel("lblVersion").SetCaption(VersionText());
  form_.GetLabel("lblBeta").SetCaption(kBetaLabel);
  form_.GetLabel("Label1").SetCaption(CreditText());
  form_.GetLabel("lblDescription").SetCaption(CopyrightText());
  form_.GetLabel("lblDisclaimer").SetCaption(DisclaimerText());
}

std::string AboutORB::VersionText() {
  return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

const char* AboutORB::CreditText() {
  return "Made for the league's general managers by the Rink Desk developers";
}

const char* AboutORB::CopyrightText() { return "Copyright (c) 2002 the Rink Desk developers"; }

const char* AboutORB::DisclaimerText() {
  return "Warning: this program comes with no promise that it is good for anything at all, "
         "least of all for winning the cup. Should it cost you a season, a trade or your "
         "temper, the loss is yours; its makers owe you nothing beyond what the law insists "
         "on. You may install your copy on as many of your own machines as you like for your "
         "own use, but you may not share it, take it apart to see how it works, or put it to "
         "any unlawful use.";
}

const char* AboutORB::ThankYouText() {
  return "Thank you to our families, who put up with the late nights.\n"
         "Thank you to every general manager who tried the early builds\n"
         "and told us what broke.\n"
         "And thank you to the commissioners who keep the leagues running.";
}

void AboutORB::ThankYou() {
  toolkit_.MsgBox(ThankYouText(), "Thank You", ui::Icon::None, ui::Buttons::Ok);
}

bool AboutORB::StartTool(const std::string& program) {
  return !program.empty() && starter_.Start(program);
}

void AboutORB::StartSysInfo() {
  bool started = false;
  try {
    const KeyValue tool = GetKeyValue(registry_, RegistryRoot::LocalMachine,
                                      "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    if (tool.Found) {
      started = StartTool(tool.Value);
    } else {
      const KeyValue folder = GetKeyValue(registry_, RegistryRoot::LocalMachine,
                                          "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
      const std::string program = folder.Value + "\\MSINFO32.EXE";
      if (folder.Found && starter_.FileExists(program)) {
        started = StartTool(program);
      } else if (!folder.Found) {
        // No Windows tool: a comparable one of this desktop, when one is installed.
        for (const auto& name : kSystemInfoTools) {
          const std::string found = starter_.FindProgram(name);
          if (!found.empty()) {
            started = StartTool(found);
            break;
          }
        }
      }
    }
  } catch (const std::exception&) {
    started = false;
  }
  if (!started) toolkit_.MsgBox(kSysInfoUnavailable, kAppTitle, ui::Icon::None, ui::Buttons::Ok);
}

}  // namespace app
