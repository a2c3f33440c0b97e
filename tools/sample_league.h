#pragma once
// The sample league: a complete, realistic league of invented teams and players,
// the same bytes for the same seed.

#include <cstdint>
#include <string>

#include "league/file_system.h"

namespace sample {

struct Options {
  int Teams = 24;
  std::uint32_t Seed = 2002;
};

// Writes base + ".lge", ".tms", ".ros" and every other league file.
league::Status WriteSampleLeague(const std::filesystem::path& base, const Options& options = {});

// The lineup password of team t in the sample league (as documented in the README).
std::string SamplePassword(int team);

}  // namespace sample
