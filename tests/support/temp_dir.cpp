#include "support/temp_dir.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <system_error>

namespace test {

namespace {
std::atomic<unsigned> counter{0};
}

TempDir::TempDir() {
  const auto base = std::filesystem::temp_directory_path();
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  // The process id and a counter keep parallel test programs and fixtures apart.
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("rinkdesk-test-" + std::to_string(::getpid()) + "-" +
                             std::to_string(stamp) + "-" + std::to_string(counter++));
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = std::move(candidate);
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder in " + base.string());
}

TempDir::~TempDir() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

const std::filesystem::path& TempDir::Path() const { return path_; }

}  // namespace test
