#include "support/failing_fs.h"

#include <utility>

namespace test {

using league::Byte;
using league::Error;
using league::Result;
using league::Status;
namespace fs = league::fs;

struct FailingFileSystem::State {
  int calls = 0;
  int failAt = 0;
  bool failAfter = false;
  bool torn = false;
  bool countQueries = false;
  int failures = 0;
  std::string lastFailure;

  // Counts one call; gives the error to return when this call is to fail.
  bool Fails(const std::string& what) {
    ++calls;
    const bool fail = failAt > 0 && (calls == failAt || (failAfter && calls > failAt));
    if (fail) {
      ++failures;
      lastFailure = what;
    }
    return fail;
  }
  Error Injected(const std::string& what) const {
    return Error{what + ": injected failure at call " + std::to_string(calls)};
  }
};

namespace {

class FailingFile : public league::File {
 public:
  FailingFile(std::unique_ptr<league::File> inner, std::shared_ptr<FailingFileSystem::State> state,
              std::string name)
      : inner_(std::move(inner)), state_(std::move(state)), name_(std::move(name)) {}

  Result<std::size_t> ReadAt(std::uint64_t offset, std::span<Byte> out) override {
    const std::string what = "read " + name_;
    if (state_->Fails(what)) return state_->Injected(what);
    return inner_->ReadAt(offset, out);
  }
  Status WriteAt(std::uint64_t offset, std::span<const Byte> bytes) override {
    const std::string what = "write " + name_;
    if (state_->Fails(what)) {
      if (state_->torn) (void)inner_->WriteAt(offset, bytes.first(bytes.size() / 2));
      return state_->Injected(what);
    }
    return inner_->WriteAt(offset, bytes);
  }
  Result<std::uint64_t> Size() override {
    const std::string what = "size " + name_;
    if (state_->Fails(what)) return state_->Injected(what);
    return inner_->Size();
  }
  Status Flush() override {
    const std::string what = "flush " + name_;
    if (state_->Fails(what)) return state_->Injected(what);
    return inner_->Flush();
  }

 private:
  std::unique_ptr<league::File> inner_;
  std::shared_ptr<FailingFileSystem::State> state_;
  std::string name_;
};

}  // namespace

FailingFileSystem::FailingFileSystem(int failAt, league::FileSystem& inner)
    : state_(std::make_shared<State>()), inner_(inner) {
  state_->failAt = failAt;
}

void FailingFileSystem::Reset(int failAt) {
  state_->calls = 0;
  state_->failures = 0;
  state_->failAt = failAt;
  state_->failAfter = false;
  state_->lastFailure.clear();
}

void FailingFileSystem::FailFrom(int failAt) {
  Reset(failAt);
  state_->failAfter = true;
}

void FailingFileSystem::TornWrites(bool on) { state_->torn = on; }
void FailingFileSystem::CountQueries(bool on) { state_->countQueries = on; }
int FailingFileSystem::Calls() const { return state_->calls; }
int FailingFileSystem::Failures() const { return state_->failures; }
const std::string& FailingFileSystem::LastFailure() const { return state_->lastFailure; }

bool FailingFileSystem::Exists(const fs::path& path) {
  if (state_->countQueries && state_->Fails("exists " + path.string())) return false;
  return inner_.Exists(path);
}

Result<std::unique_ptr<league::File>> FailingFileSystem::Open(const fs::path& path) {
  const std::string what = "open " + path.string();
  if (state_->Fails(what)) return state_->Injected(what);
  auto file = inner_.Open(path);
  if (!file) return file.TakeError();
  return std::unique_ptr<league::File>(
      std::make_unique<FailingFile>(std::move(*file), state_, path.string()));
}

Status FailingFileSystem::Remove(const fs::path& path) {
  const std::string what = "remove " + path.string();
  if (state_->Fails(what)) return state_->Injected(what);
  return inner_.Remove(path);
}

Status FailingFileSystem::Rename(const fs::path& from, const fs::path& to) {
  const std::string what = "rename " + from.string() + " to " + to.string();
  if (state_->Fails(what)) return state_->Injected(what);
  return inner_.Rename(from, to);
}

Status FailingFileSystem::CopyPlain(const fs::path& from, const fs::path& to) {
  const std::string what = "copy " + from.string() + " to " + to.string();
  if (state_->Fails(what)) {
    if (state_->torn) {
      auto bytes = inner_.ReadAll(from);
      if (bytes) {
        (void)inner_.WritePlain(to, std::span<const Byte>(*bytes).first(bytes->size() / 2));
      }
    }
    return state_->Injected(what);
  }
  return inner_.CopyPlain(from, to);
}

Result<league::Bytes> FailingFileSystem::ReadAll(const fs::path& path) {
  const std::string what = "read " + path.string();
  if (state_->Fails(what)) return state_->Injected(what);
  return inner_.ReadAll(path);
}

Status FailingFileSystem::WritePlain(const fs::path& path, std::span<const Byte> bytes) {
  const std::string what = "write " + path.string();
  if (state_->Fails(what)) {
    if (state_->torn) (void)inner_.WritePlain(path, bytes.first(bytes.size() / 2));
    return state_->Injected(what);
  }
  return inner_.WritePlain(path, bytes);
}

Status FailingFileSystem::Append(const fs::path& path, std::span<const Byte> bytes) {
  const std::string what = "append " + path.string();
  if (state_->Fails(what)) {
    if (state_->torn) (void)inner_.Append(path, bytes.first(bytes.size() / 2));
    return state_->Injected(what);
  }
  return inner_.Append(path, bytes);
}

std::vector<std::string> FailingFileSystem::List(const fs::path& folder) {
  if (state_->countQueries && state_->Fails("list " + folder.string())) return {};
  return inner_.List(folder);
}

}  // namespace test
