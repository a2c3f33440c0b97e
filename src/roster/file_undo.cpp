#include "roster/file_undo.h"

namespace roster {

league::Result<FileUndo> FileUndo::Take(league::FileSystem& files,
                                        const std::filesystem::path& path) {
  FileUndo undo;
  undo.path_ = path;
  if (files.Exists(path)) {
    auto bytes = files.ReadAll(path);
    if (!bytes) return bytes.TakeError();
    undo.bytes_ = std::move(*bytes);
  }
  return undo;
}

const league::Bytes& FileUndo::Contents() const {
  static const league::Bytes kNone;
  return bytes_ ? *bytes_ : kNone;
}

league::Status FileUndo::Restore(league::FileSystem& files) const {
  if (!bytes_) return files.Remove(path_);
  return league::WriteReplace(files, path_, *bytes_);
}

}  // namespace roster
