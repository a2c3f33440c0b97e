#pragma once
// A file's bytes taken before a commit touches it, so that a failed write can
// put it back: the roster commit either makes a move completely or not at all.

#include <filesystem>
#include <optional>

#include "league/codecs.h"
#include "league/file_system.h"

namespace roster {

class FileUndo {
 public:
  // Takes the file's bytes (a missing file is remembered as missing).
  static league::Result<FileUndo> Take(league::FileSystem& files,
                                       const std::filesystem::path& path);
  // The bytes taken (none for a missing file). Reading through these, rather
  // than through a record file whose end test cannot report an error, keeps a
  // failed read from passing for an empty file.
  const league::Bytes& Contents() const;
  // Puts the file back as it was taken; best effort after another failure.
  league::Status Restore(league::FileSystem& files) const;

 private:
  std::filesystem::path path_;
  std::optional<league::Bytes> bytes_;  // none: the file did not exist
};

}  // namespace roster
