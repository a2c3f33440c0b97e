#pragma once
// The league files and their working copies in the application directory, and
// the small file chores that loading and saving a league share. Internal to app/.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "league/codecs.h"
#include "league/file_system.h"

namespace app::swap {

// A league file extension and the name of its working copy.
struct Pair {
  std::string_view Extension;
  std::string_view SwapName;
};

// The copies refreshed by loading, in their order; the .lge is copied without a test.
inline constexpr std::array<Pair, 16> kLoadOrder{{
    {".tms", "swp.t"},
    {".dft", "swp.df"},
    {".ros", "swp.r"},
    {".lge", "swp.l"},
    {".pct", "swp.p"},
    {".fas", "swp.f"},
    {".scd", "swp.sc"},
    {".dpk", "swp.d"},
    {".coa", "swp.c"},
    {".drs", "swp.dr"},
    {".eml", "swp.e"},
    {".rec", "swp.rc"},
    {".csr", "swp.cm"},
    {".tra", "swp.tr"},
    {".htr", "swp.th"},
    {".wvr", "swp.wv"},
}};

// The copies written back by saving, in their order. The .lge is written from
// memory and the .wvr compacted, so neither is here.
inline constexpr std::array<Pair, 15> kSaveOrder{{
    {".tms", "swp.t"},
    {".dft", "swp.df"},
    {".ros", "swp.r"},
    {".frm", "swp.fm"},
    {".fas", "swp.f"},
    {".pct", "swp.p"},
    {".scd", "swp.sc"},
    {".dpk", "swp.d"},
    {".coa", "swp.c"},
    {".drs", "swp.dr"},
    {".eml", "swp.e"},
    {".tra", "swp.tr"},
    {".htr", "swp.th"},
    {".csr", "swp.cm"},
    {".rec", "swp.rc"},
}};

inline constexpr std::string_view kTeams = "swp.t";
inline constexpr std::string_view kRosters = "swp.r";
inline constexpr std::string_view kProspects = "swp.p";
inline constexpr std::string_view kFarms = "swp.fm";
inline constexpr std::string_view kWaivers = "swp.wv";
inline constexpr std::string_view kPointerFile = "orb.def";

// base + extension, the base taken as it is (it carries no extension of its own).
league::fs::path LeagueFileOf(const std::string& base, std::string_view extension);

// Makes `to` mirror `from`: a copy through a temporary file when `from` exists,
// otherwise `to` is removed when present.
league::Status Mirror(league::FileSystem& files, const league::fs::path& from,
                      const league::fs::path& to);

// `length` bytes at `offset` of a file opened for reading and writing (a missing
// file is created empty); bytes beyond its end read as zeros.
league::Result<league::Bytes> ReadBlock(league::FileSystem& files, const league::fs::path& path,
                                        std::uint64_t offset, std::size_t length);
// Writes in place at `offset` and flushes.
league::Status WriteBlock(league::FileSystem& files, const league::fs::path& path,
                          std::uint64_t offset, league::ByteSpan bytes);

// The whole file, at least `length` bytes (missing bytes read as zeros); an
// absent file reads as `length` zeros.
league::Result<league::Bytes> ReadWhole(league::FileSystem& files, const league::fs::path& path,
                                        std::size_t length);

// Replaces the first bytes of a file with `head` through a temporary file,
// keeping whatever the file holds after them.
league::Status ReplaceHead(league::FileSystem& files, const league::fs::path& path,
                           league::ByteSpan head);

// The whole entries of a waivers file whose name does not begin with a 0 byte,
// in file order, packed from the first record on.
league::Bytes CompactWaivers(league::ByteSpan waivers);

// "<what> <file>: <reason>", the message of a failed file chore.
league::Error FileError(std::string_view what, const league::fs::path& path,
                        const std::string& reason);

}  // namespace app::swap
