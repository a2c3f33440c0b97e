#pragma once
// Small league folders for the session tests: every league file with
// deterministic noise in the bytes the program only carries, so that any byte
// moved, dropped or rewritten by loading and saving shows up.

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "league/records.h"
#include "support/temp_dir.h"

namespace test {

namespace fs = std::filesystem;
using FileBytes = std::vector<league::Byte>;
using Folder = std::map<std::string, FileBytes>;  // file name -> contents

inline constexpr std::array<const char*, 19> kLeagueExtensions{
    ".lge", ".tms", ".ros", ".pct", ".frm", ".wvr", ".drs", ".dft", ".dpk", ".scd",
    ".coa", ".fas", ".rec", ".csr", ".tra", ".htr", ".eml", ".pri", ".plf"};

struct LeagueSpec {
  int Teams = 4;
  std::uint32_t Seed = 7;
  bool PlayoffsOn = false;
  league::Byte DivisionCount0 = 2;
  league::Byte DivisionCount1 = 3;
  int WaiverEntries = 2;
  std::set<std::string> Omit{};  // extensions not written
};

class Noise {
 public:
  explicit Noise(std::uint32_t seed) : engine_(seed) {}
  FileBytes Bytes(std::size_t count) {
    FileBytes bytes(count);
    for (auto& b : bytes) b = static_cast<league::Byte>(engine_() & 0xFF);
    return bytes;
  }

 private:
  std::mt19937 engine_;
};

inline void Put(FileBytes& bytes, std::size_t at, std::string_view text) {
  std::memcpy(bytes.data() + at, text.data(), text.size());
}
inline void PutPadded(FileBytes& bytes, std::size_t at, std::size_t width, std::string_view text) {
  for (std::size_t i = 0; i < width; ++i) bytes[at + i] = i < text.size() ? text[i] : ' ';
}
inline void PutU16(FileBytes& bytes, std::size_t at, std::uint16_t v) {
  bytes[at] = static_cast<league::Byte>(v & 0xFF);
  bytes[at + 1] = static_cast<league::Byte>(v >> 8);
}
inline void PutF32(FileBytes& bytes, std::size_t at, float v) {
  const auto bits = std::bit_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<league::Byte>(bits >> (8 * i));
}
inline void PutF64(FileBytes& bytes, std::size_t at, double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) bytes[at + i] = static_cast<league::Byte>(bits >> (8 * i));
}
inline void Append(FileBytes& to, const FileBytes& from) {
  to.insert(to.end(), from.begin(), from.end());
}
inline FileBytes TextBytes(std::string_view text) { return FileBytes(text.begin(), text.end()); }

inline void WriteFile(const fs::path& path, const FileBytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline FileBytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return FileBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Every regular file of a folder by name.
inline Folder ReadFolder(const fs::path& folder) {
  Folder files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) files[entry.path().filename().string()] = ReadFile(entry.path());
  }
  return files;
}

// One waiver entry: name, place, team, a finite date, then noise.
inline FileBytes WaiverBytes(Noise& noise, std::string_view name) {
  FileBytes entry = noise.Bytes(league::kWaiverEntryLength);
  PutPadded(entry, 0, 22, name);
  PutF64(entry, 24, 37000.5);
  return entry;
}

// One roster place: a named player with noise elsewhere.
inline FileBytes PlayerBytes(Noise& noise, std::string_view name) {
  FileBytes player = noise.Bytes(league::kPlayerRecordLength);
  PutPadded(player, 0, 22, name);
  return player;
}

// Writes base + each extension not omitted. Team t is "TEAM t", its roster
// holds named players in places 0 to 19 and zeros elsewhere.
inline void WriteLeague(const fs::path& base, const LeagueSpec& spec) {
  Noise noise(spec.Seed);
  const auto teams = static_cast<std::size_t>(spec.Teams);
  std::map<std::string, FileBytes> files;

  FileBytes lge = noise.Bytes(league::kLeagueRecordLength);
  PutPadded(lge, 0, 25, "Fixture League " + std::to_string(spec.Seed));
  lge[25] = static_cast<league::Byte>(spec.Teams - 1);
  PutPadded(lge, 26, 12, "EAST");
  lge[38] = spec.DivisionCount0;
  PutPadded(lge, 123, 12, "WEST");
  lge[135] = spec.DivisionCount1;
  PutU16(lge, 419, spec.PlayoffsOn ? 0xFFFF : 0);
  files[".lge"] = lge;

  FileBytes tms, ros, pct, frm, dpk;
  for (std::size_t t = 0; t < teams; ++t) {
    FileBytes team = noise.Bytes(league::kTeamRecordLength);
    PutPadded(team, 0, 10, "TEAM " + std::to_string(t));
    team[97] = static_cast<league::Byte>(t % 2);
    team[98] = 0;
    PutF32(team, 162, 30.5f);
    PutF32(team, 166, 28.25f);
    PutF32(team, 170, 12.0f);
    PutU16(team, 247, static_cast<std::uint16_t>(t + 3));  // WaiverCount
    Append(tms, team);
    for (int p = 0; p < league::kRosterPlaces; ++p) {
      Append(ros, p < 20
                      ? PlayerBytes(noise, "Player " + std::to_string(t) + "-" + std::to_string(p))
                      : FileBytes(league::kPlayerRecordLength, 0));
    }
    FileBytes prospects = noise.Bytes(league::kProspectListLength);
    PutPadded(prospects, 0, 22, "Prospect " + std::to_string(t));
    Append(pct, prospects);
    FileBytes farm = noise.Bytes(league::kFarmTeamRecordLength);
    PutPadded(farm, 0, 15, "FARM " + std::to_string(t));
    Append(frm, farm);
    Append(dpk, noise.Bytes(1536));
  }
  files[".tms"] = tms;
  files[".ros"] = ros;
  files[".pct"] = pct;
  files[".frm"] = frm;
  files[".dpk"] = dpk;

  FileBytes wvr;
  for (int w = 0; w < spec.WaiverEntries; ++w) {
    Append(wvr, WaiverBytes(noise, "Waived " + std::to_string(w)));
  }
  files[".wvr"] = wvr;
  FileBytes drs;
  for (int e = 0; e < 6; ++e) {
    FileBytes entry = noise.Bytes(2);
    Append(entry, PlayerBytes(noise, "Pool " + std::to_string(e)));
    Append(drs, entry);
  }
  files[".drs"] = drs;
  files[".dft"] = noise.Bytes(47 * 5);
  files[".scd"] = noise.Bytes(1000 + spec.Seed % 7);
  files[".coa"] = noise.Bytes(333);
  files[".fas"] = noise.Bytes(120);
  files[".rec"] = noise.Bytes(77);
  files[".csr"] = noise.Bytes(500);
  files[".tra"] = TextBytes("TEAM 0 sends Player 0-1 to the farm<BR><BR>\r\n");
  files[".htr"] = TextBytes("TEAM 1 places Player 1-2 on waivers<BR><BR>\r\n");
  files[".eml"] = TextBytes("0,gm0@example.org\r\n 1 ,gm1@example.org\r\n");
  files[".pri"] = noise.Bytes(teams);
  files[".plf"] = noise.Bytes(league::kPlayoffRecordLength);

  for (const auto& [extension, bytes] : files) {
    if (spec.Omit.count(extension) == 0) WriteFile(fs::path(base.string() + extension), bytes);
  }
}

// A scratch folder with the application directory "app" and a league folder "lg".
class Scratch {
 public:
  Scratch() {
    fs::create_directory(App());
    fs::create_directory(Leagues());
  }
  fs::path App() const { return dir_.Path() / "app"; }
  fs::path Leagues() const { return dir_.Path() / "lg"; }
  std::string Base(const std::string& name) const { return (Leagues() / name).string(); }
  const fs::path& Root() const { return dir_.Path(); }

 private:
  TempDir dir_;
};

// The league files of `base` (base + extension) by extension.
inline Folder LeagueFiles(const std::string& base) {
  Folder files;
  for (const char* extension : kLeagueExtensions) {
    const fs::path path(base + extension);
    if (fs::exists(path)) files[extension] = ReadFile(path);
  }
  return files;
}

}  // namespace test
