// rinkdesk-sample-league BASE [--teams N] [--seed S]: writes the sample league
// at BASE.lge, BASE.tms and the league's other files.

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

#include "sample_league.h"

namespace {

int Usage(std::string_view problem) {
  std::cerr << "rinkdesk-sample-league: " << problem << "\n"
            << "usage: rinkdesk-sample-league BASE [--teams N] [--seed S]\n"
            << "  writes a complete league at BASE.lge, BASE.tms, BASE.ros and the other files\n"
            << "  --teams N  number of teams, 2 to 50 (default 24)\n"
            << "  --seed S   the same seed gives the same files (default 2002)\n";
  return 2;
}

template <class T>
bool ParseNumber(std::string_view text, T& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  sample::Options options;
  std::string base;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--teams" || arg == "--seed") {
      if (i + 1 >= argc) return Usage(std::string(arg) + " needs a value");
      const std::string_view value = argv[++i];
      const bool ok =
          arg == "--teams" ? ParseNumber(value, options.Teams) : ParseNumber(value, options.Seed);
      if (!ok)
        return Usage(std::string(arg) + " takes a whole number, not \"" + std::string(value) +
                     "\"");
    } else if (arg == "-h" || arg == "--help") {
      Usage("writes a sample league");
      return 0;
    } else if (!arg.empty() && arg[0] == '-') {
      return Usage("unknown option " + std::string(arg));
    } else if (base.empty()) {
      base = arg;
    } else {
      return Usage("only one BASE may be given");
    }
  }
  if (base.empty()) return Usage("BASE is missing");

  const std::filesystem::path path(base);
  if (path.has_parent_path()) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
  }
  const league::Status written = sample::WriteSampleLeague(path, options);
  if (!written) {
    std::cerr << "rinkdesk-sample-league: " << written.Message() << "\n";
    return 1;
  }
  std::cout << "wrote the sample league of " << options.Teams << " teams (seed " << options.Seed
            << ") at " << base << ".lge and its other files\n";
  return 0;
}
