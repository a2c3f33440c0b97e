// Loading and saving a 50-team league through the working copies, against a
// plain copy of the same files: the floor that loading cannot go below.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/session.h"
#include "league/file_system.h"
#include "sample_league.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTeams = 50;

// The league files and their working copies, as loading refreshes them.
const std::vector<std::pair<std::string, std::string>> kCopies{
    {".tms", "swp.t"},  {".dft", "swp.df"}, {".ros", "swp.r"},  {".lge", "swp.l"},
    {".pct", "swp.p"},  {".fas", "swp.f"},  {".scd", "swp.sc"}, {".dpk", "swp.d"},
    {".coa", "swp.c"},  {".drs", "swp.dr"}, {".eml", "swp.e"},  {".rec", "swp.rc"},
    {".csr", "swp.cm"}, {".tra", "swp.tr"}, {".htr", "swp.th"}, {".wvr", "swp.wv"},
    {".frm", "swp.fm"}};

// One scratch folder for the whole run, with an application directory and the league.
class Scratch {
 public:
  Scratch() : root_(fs::temp_directory_path() / ("rinkdesk-bench-" + std::to_string(::getpid()))) {
    fs::remove_all(root_);
    fs::create_directories(App());
    fs::create_directories(root_ / "lg");
    written_ = sample::WriteSampleLeague(Base(), {.Teams = kTeams, .Seed = 2002}).Ok();
  }
  ~Scratch() {
    std::error_code error;
    fs::remove_all(root_, error);
  }
  fs::path App() const { return root_ / "app"; }
  std::string Base() const { return (root_ / "lg" / "Bench").string(); }
  bool Written() const { return written_; }

 private:
  fs::path root_;
  bool written_ = false;
};

// The scratch folder, or null (and the benchmark skipped) when the sample league cannot be written.
Scratch* Folder(benchmark::State& state) {
  static Scratch scratch;
  if (scratch.Written()) return &scratch;
  state.SkipWithError("cannot write the sample league");
  return nullptr;
}

void BM_CopyLeagueFiles(benchmark::State& state) {
  Scratch* folder = Folder(state);
  if (folder == nullptr) return;
  const Scratch& scratch = *folder;
  league::FileSystem& files = league::RealFileSystem();
  for (auto _ : state) {
    for (const auto& [extension, name] : kCopies) {
      const fs::path from(scratch.Base() + extension);
      if (files.Exists(from)) benchmark::DoNotOptimize(files.CopyPlain(from, scratch.App() / name));
    }
  }
}
BENCHMARK(BM_CopyLeagueFiles)->Unit(benchmark::kMicrosecond);

void BM_LoadLg(benchmark::State& state) {
  Scratch* folder = Folder(state);
  if (folder == nullptr) return;
  const Scratch& scratch = *folder;
  app::Session session(scratch.App());
  for (auto _ : state) {
    if (!session.LoadLg(scratch.Base()).Ok()) {
      state.SkipWithError("LoadLg failed");
      break;
    }
  }
}
BENCHMARK(BM_LoadLg)->Unit(benchmark::kMicrosecond);

void BM_SaveLg(benchmark::State& state) {
  Scratch* folder = Folder(state);
  if (folder == nullptr) return;
  const Scratch& scratch = *folder;
  app::Session session(scratch.App());
  if (!session.LoadLg(scratch.Base()).Ok()) {
    state.SkipWithError("LoadLg failed");
    return;
  }
  for (auto _ : state) {
    session.LeagueChanged = true;
    if (!session.SaveLg().Ok()) {
      state.SkipWithError("SaveLg failed");
      break;
    }
  }
}
BENCHMARK(BM_SaveLg)->Unit(benchmark::kMicrosecond);

}  // namespace
