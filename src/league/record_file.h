#pragma once
// A random-access file of fixed-length records numbered from 1. Bytes beyond
// the end read as zeros (not an error); writes beyond the end extend the file.

#include <cstdint>
#include <memory>
#include <string>

#include "league/codecs.h"
#include "league/file_system.h"

namespace league {

class RecordFile {
 public:
  // Opens for reading and writing; a missing path is created empty.
  static Result<RecordFile> Open(FileSystem& files, const fs::path& path, std::size_t recordLength);

  Result<Bytes> ReadRecord(std::int64_t recordNumber);
  Status WriteRecord(std::int64_t recordNumber, ByteSpan bytes);
  Result<Bytes> ReadNext();
  Status WriteNext(ByteSpan bytes);
  // True when no whole record remains after the sequential position.
  bool AtEnd();
  std::uint64_t LengthInBytes();
  Status Close();

  std::size_t RecordLength() const { return length_; }
  const fs::path& Path() const { return path_; }

 private:
  RecordFile(std::unique_ptr<File> file, fs::path path, std::size_t length)
      : file_(std::move(file)), path_(std::move(path)), length_(length) {}
  std::unique_ptr<File> file_;
  fs::path path_;
  std::size_t length_;
  std::int64_t next_ = 1;
};

}  // namespace league
