// Decoding and re-encoding a whole rosters file, as loading and saving a team
// slot does for every team of the largest league.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "league/codecs.h"

namespace {

// A 50-team rosters file (2500 records): mostly filled places with varied
// values, every fourth place empty as in a real league.
league::Bytes RostersFile() {
  league::Bytes file;
  file.reserve(league::kMaxTeams * league::kRosterPlaces * league::kPlayerRecordLength);
  std::uint32_t x = 2002;
  for (int i = 0; i < league::kMaxTeams * league::kRosterPlaces; ++i) {
    league::PlayerRecord p;
    if (i % 4 != 3) {
      x = x * 1664525u + 1013904223u;
      p.PlayerName.Store("Player " + std::to_string(i));
      p.Position = static_cast<league::Byte>(x % 5);
      p.Status = static_cast<league::Byte>((x >> 8) % 3 * 100);
      for (std::size_t k = 0; k < p.Skills.size(); ++k) {
        p.Skills[k] = static_cast<league::Byte>(40 + (x >> (k % 24)) % 55);
      }
      p.Salary = static_cast<std::int32_t>(x % 5000000);
      p.PlusMinusOrMinutes = static_cast<std::int16_t>(static_cast<int>(x % 41) - 20);
      p.Birthplace.Store("CAN");
    }
    const league::Bytes record = league::Encode(p);
    file.insert(file.end(), record.begin(), record.end());
  }
  return file;
}

void BM_DecodeEncodeRosters(benchmark::State& state) {
  const league::Bytes file = RostersFile();
  const league::ByteSpan bytes(file);
  league::Bytes out(file.size());
  for (auto _ : state) {
    for (std::size_t r = 0; r * league::kPlayerRecordLength < bytes.size(); ++r) {
      const league::PlayerRecord player = league::DecodePlayer(
          bytes.subspan(r * league::kPlayerRecordLength, league::kPlayerRecordLength));
      const league::Bytes record = league::Encode(player);
      std::copy(record.begin(), record.end(),
                out.begin() + static_cast<std::ptrdiff_t>(r * league::kPlayerRecordLength));
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  if (out != file) state.SkipWithError("the rosters did not round-trip");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(file.size()));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * league::kMaxTeams *
                          league::kRosterPlaces);
}
BENCHMARK(BM_DecodeEncodeRosters);

}  // namespace
