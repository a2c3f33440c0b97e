#include "app/working_copies.h"

#include <algorithm>

namespace app::swap {

using league::Byte;
using league::Bytes;
using league::ByteSpan;
using league::Error;
using league::FileSystem;
using league::Result;
using league::Status;
namespace fs = league::fs;

fs::path LeagueFileOf(const std::string& base, std::string_view extension) {
  return fs::path(base + std::string(extension));
}

Status Mirror(FileSystem& files, const fs::path& from, const fs::path& to) {
  if (league::FileExists(files, from)) {
    Status copied = league::CopyReplace(files, from, to);
    if (!copied) return FileError("cannot copy " + from.string() + " to", to, copied.Message());
    return {};
  }
  if (league::FileExists(files, to)) {
    Status removed = files.Remove(to);
    if (!removed) return FileError("cannot delete", to, removed.Message());
  }
  return {};
}

Result<Bytes> ReadBlock(FileSystem& files, const fs::path& path, std::uint64_t offset,
                        std::size_t length) {
  auto file = files.Open(path);
  if (!file) return FileError("cannot open", path, file.Message());
  Bytes bytes(length, 0);
  auto read = (*file)->ReadAt(offset, bytes);
  if (!read) return FileError("cannot read", path, read.Message());
  return bytes;  // the bytes past a short read stay zero
}

Status WriteBlock(FileSystem& files, const fs::path& path, std::uint64_t offset, ByteSpan bytes) {
  auto file = files.Open(path);
  if (!file) return FileError("cannot open", path, file.Message());
  Status written = (*file)->WriteAt(offset, bytes);
  if (!written) return FileError("cannot write", path, written.Message());
  Status flushed = (*file)->Flush();
  if (!flushed) return FileError("cannot write", path, flushed.Message());
  return {};
}

Result<Bytes> ReadWhole(FileSystem& files, const fs::path& path, std::size_t length) {
  if (!league::FileExists(files, path)) return Bytes(length, 0);
  auto bytes = files.ReadAll(path);
  if (!bytes) return FileError("cannot read", path, bytes.Message());
  if (bytes->size() < length) bytes->resize(length, 0);
  return std::move(*bytes);
}

Status ReplaceHead(FileSystem& files, const fs::path& path, ByteSpan head) {
  auto old = ReadWhole(files, path, 0);
  if (!old) return old.TakeError();
  Bytes bytes(head.begin(), head.end());
  if (old->size() > head.size()) bytes.insert(bytes.end(), old->begin() + head.size(), old->end());
  Status written = league::WriteReplace(files, path, bytes);
  if (!written) return FileError("cannot write", path, written.Message());
  return {};
}

Bytes CompactWaivers(ByteSpan waivers) {
  constexpr std::size_t length = league::kWaiverEntryLength;
  Bytes kept;
  kept.reserve(waivers.size() - waivers.size() % length);
  for (std::size_t at = 0; at + length <= waivers.size(); at += length) {
    if (waivers[at] == 0) continue;  // an empty entry
    kept.insert(kept.end(), waivers.begin() + static_cast<std::ptrdiff_t>(at),
                waivers.begin() + static_cast<std::ptrdiff_t>(at + length));
  }
  return kept;
}

Error FileError(std::string_view what, const fs::path& path, const std::string& reason) {
  return Error{std::string(what) + " " + path.string() + ": " + reason};
}

}  // namespace app::swap
