#pragma once
// A fresh empty folder for one test, removed with everything in it afterwards.

#include <filesystem>

namespace test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const;

 private:
  std::filesystem::path path_;
};

}  // namespace test
