#pragma once
// The About box: the program's title and version, its credits, and a button
// that starts the system's system-information tool.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace app {

// ---- the registry, as the system-information lookup reads it --------------

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

inline constexpr std::uint32_t kRegistryString = 1;        // REG_SZ
inline constexpr std::uint32_t kRegistryExpandString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t kRegistryNumber = 4;        // REG_DWORD
inline constexpr std::uint32_t kKeyAccess = 0x2003F;
inline constexpr std::size_t kValueCapacity = 1024;

struct RegistryValue {
  std::uint32_t Type = 0;
  std::string Data;  // the bytes the system returned
};

class Registry {
 public:
  using Key = std::uintptr_t;
  virtual ~Registry() = default;
  virtual std::optional<Key> OpenKey(RegistryRoot root, const std::string& path,
                                     std::uint32_t access) = 0;
  // At most `capacity` characters of the value; nothing when it cannot be read.
  virtual std::optional<RegistryValue> QueryValue(Key key, const std::string& name,
                                                  std::size_t capacity) = 0;
  virtual void CloseKey(Key key) = 0;
};

// A registry with nothing in it: the registry is a Windows thing.
std::unique_ptr<Registry> NoRegistry();

struct KeyValue {
  bool Found = false;
  std::string Value;
};

// A string value without its final NUL; a number value as its decimal digits;
// any other type as the bytes returned. The key is closed in every case.
KeyValue GetKeyValue(Registry& registry, RegistryRoot root, const std::string& keyPath,
                     const std::string& valueName);

// ---- starting another program ----------------------------------------------

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  virtual bool FileExists(const std::string& path) = 0;
  // The full path of an executable found on the search path, or empty.
  virtual std::string FindProgram(const std::string& name) = 0;
  // Starts the program in its own window, without waiting for it; false when it did not start.
  virtual bool Start(const std::string& program) = 0;
};

// Starts programs as processes of their own (fork and exec), found along PATH.
std::unique_ptr<ProgramStarter> SystemProgramStarter();

// System-information tools of other desktops, tried in this order when the
// registry names none.
inline const std::vector<std::string> kSystemInfoTools = {
    "hardinfo", "hardinfo2", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager"};

// ---- the window ------------------------------------------------------------

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";
inline constexpr const char* kBetaLabel = "Beta Built 10 Aug 2002";

class AboutORB {
 public:
  AboutORB(ui::Form& form, ui::Toolkit& toolkit, Registry& registry, ProgramStarter& starter);

  // The load event: caption, title, version and the fixed texts.
  void Load();
  void StartSysInfo();
  void ThankYou();

  static std::string VersionText();
  static const char* CreditText();
  static const char* CopyrightText();
  static const char* DisclaimerText();
  static const char* ThankYouText();

 private:
  bool StartTool(const std::string& program);

  ui::Form& form_;
  ui::Toolkit& toolkit_;
  Registry& registry_;
  ProgramStarter& starter_;
};

}  // namespace app
