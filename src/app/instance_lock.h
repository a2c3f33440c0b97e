#pragma once
// Keeps two running copies of the program off the working copies of one
// application directory. The lock belongs to the process: the system drops it
// when the process ends, however it ends, so a crash never leaves it behind.

#include <filesystem>
#include <memory>

namespace app {

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  // True when this process holds the lock (now or already); false when another
  // running copy holds it.
  virtual bool Acquire() = 0;
};

// A lock on `lockFile` (created when missing) held until this object is gone.
// A lock file that cannot be created counts as acquired: without a writable
// application directory no working copy can be shared either.
std::unique_ptr<InstanceLock> FileInstanceLock(std::filesystem::path lockFile);

// The lock file's name in the application directory.
inline constexpr const char* kLockFileName = "rinkdesk.lock";

}  // namespace app
