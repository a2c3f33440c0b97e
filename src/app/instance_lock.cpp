#include "app/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace app {

namespace {

// flock() locks belong to the open file description and vanish with the
// process. O_CLOEXEC keeps programs we start (the system-information tool)
// from inheriting the descriptor and with it the lock.
class FlockInstanceLock : public InstanceLock {
 public:
  explicit FlockInstanceLock(std::filesystem::path path) : path_(std::move(path)) {}
  ~FlockInstanceLock() override {
    if (fd_ >= 0) ::close(fd_);
  }
  FlockInstanceLock(const FlockInstanceLock&) = delete;
  FlockInstanceLock& operator=(const FlockInstanceLock&) = delete;

  bool Acquire() override {
    if (held_) return true;
    if (fd_ < 0) fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return true;
    int rc;
    do {
      rc = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0) {
      held_ = true;
      return true;
    }
    return errno != EWOULDBLOCK;
  }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
  bool held_ = false;
};

}  // namespace

std::unique_ptr<InstanceLock> FileInstanceLock(std::filesystem::path lockFile) {
  return std::make_unique<FlockInstanceLock>(std::move(lockFile));
}

}  // namespace app
