#include "sample_league.h"

namespace sample {
league::Status WriteSampleLeague(const std::filesystem::path&, const Options&) {
  return league::Error{"sample league: not written yet"};
}
std::string SamplePassword(int) { return ""; }
}  // namespace sample
