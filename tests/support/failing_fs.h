#pragma once
// A file system that passes every call to the real one, except that the Nth
// call fails with an error. Calls are counted across the file system and every
// file it opened (ReadAt, WriteAt, Size and Flush count too), so a test can run
// an operation once to learn how many calls it makes and then fail each of them
// in turn:
//
//   test::FailingFileSystem files;
//   RunOperation(files);
//   const int calls = files.Calls();
//   for (int n = 1; n <= calls; ++n) {
//     files.Reset(n);
//     ... RunOperation(files) and check that nothing is left torn ...
//   }
//
// Exists and List cannot report an error, so they are neither counted nor failed
// unless CountQueries(true) is set; then a failing Exists says false and a
// failing List gives no names.

#include <memory>
#include <string>

#include "league/file_system.h"

namespace test {

class FailingFileSystem : public league::FileSystem {
 public:
  // failAt 0 never fails.
  explicit FailingFileSystem(int failAt = 0, league::FileSystem& inner = league::RealFileSystem());

  // Restarts the count at 0 and fails call `failAt` (0: none).
  void Reset(int failAt);
  // Fails call failAt and also every call after it (a disk that stays broken).
  void FailFrom(int failAt);
  // A failing write first writes the first half of its bytes, as a torn write would.
  void TornWrites(bool on);
  void CountQueries(bool on);

  // Calls counted so far.
  int Calls() const;
  // How many calls were made to fail.
  int Failures() const;
  // "<operation> <path>" of the last call made to fail, or empty.
  const std::string& LastFailure() const;

  bool Exists(const league::fs::path& path) override;
  league::Result<std::unique_ptr<league::File>> Open(const league::fs::path& path) override;
  league::Status Remove(const league::fs::path& path) override;
  league::Status Rename(const league::fs::path& from, const league::fs::path& to) override;
  league::Status CopyPlain(const league::fs::path& from, const league::fs::path& to) override;
  league::Result<league::Bytes> ReadAll(const league::fs::path& path) override;
  league::Status WritePlain(const league::fs::path& path,
                            std::span<const league::Byte> bytes) override;
  league::Status Append(const league::fs::path& path, std::span<const league::Byte> bytes) override;
  std::vector<std::string> List(const league::fs::path& folder) override;

  struct State;

 private:
  std::shared_ptr<State> state_;  // shared with the files opened, which may outlive a call
  league::FileSystem& inner_;
};

}  // namespace test
