#pragma once
// The file operations the program uses, behind one seam so tests can make any
// of them fail. Paths are std::filesystem paths; errors name the file.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "league/records.h"
#include "league/result.h"

namespace league {

namespace fs = std::filesystem;

// An open file, for reading and writing at any offset.
class File {
 public:
  virtual ~File() = default;
  // Reads up to out.size() bytes at offset; gives the count read (short at the end).
  virtual Result<std::size_t> ReadAt(std::uint64_t offset, std::span<Byte> out) = 0;
  // Writes at offset; writing beyond the end extends the file (a gap reads as zeros).
  virtual Status WriteAt(std::uint64_t offset, std::span<const Byte> bytes) = 0;
  virtual Result<std::uint64_t> Size() = 0;
  virtual Status Flush() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool Exists(const fs::path& path) = 0;
  // Opens for reading and writing; a path that does not exist is created empty.
  virtual Result<std::unique_ptr<File>> Open(const fs::path& path) = 0;
  virtual Status Remove(const fs::path& path) = 0;  // a missing file is not an error
  virtual Status Rename(const fs::path& from, const fs::path& to) = 0;     // replaces `to`
  virtual Status CopyPlain(const fs::path& from, const fs::path& to) = 0;  // overwrites `to`
  virtual Result<Bytes> ReadAll(const fs::path& path) = 0;
  virtual Status WritePlain(const fs::path& path, std::span<const Byte> bytes) = 0;  // replaces
  virtual Status Append(const fs::path& path, std::span<const Byte> bytes) = 0;      // creates
  // Names of the regular files of a folder, in name order.
  virtual std::vector<std::string> List(const fs::path& folder) = 0;
};

FileSystem& RealFileSystem();

// Replaces `to` with a copy of `from` through a temporary file in `to`'s folder
// and a rename: a failure at any point leaves the old `to` or the new one.
Status CopyReplace(FileSystem& files, const fs::path& from, const fs::path& to);
// Replaces `path` with `bytes` the same way.
Status WriteReplace(FileSystem& files, const fs::path& path, std::span<const Byte> bytes);

bool FileExists(FileSystem& files, const fs::path& path);

}  // namespace league
