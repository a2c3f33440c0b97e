#include "league/record_file.h"

#include <algorithm>
#include <string>

namespace league {

namespace {

Error Problem(const fs::path& path, const std::string& what) {
  return Error{path.string() + ": " + what};
}

}  // namespace

Result<RecordFile> RecordFile::Open(FileSystem& files, const fs::path& path,
                                    std::size_t recordLength) {
  if (recordLength == 0) return Problem(path, "a record file needs a record length above 0");
  auto file = files.Open(path);
  if (!file) return file.TakeError();
  return RecordFile(std::move(*file), path, recordLength);
}

Result<Bytes> RecordFile::ReadRecord(std::int64_t recordNumber) {
  if (!file_) return Problem(path_, "read after the file was closed");
  if (recordNumber < 1) {
    return Problem(path_, "record " + std::to_string(recordNumber) + " does not exist");
  }
  Bytes bytes(length_, 0);
  const auto offset = static_cast<std::uint64_t>(recordNumber - 1) * length_;
  auto got = file_->ReadAt(offset, bytes);
  if (!got) return got.TakeError();
  // Whatever lies beyond the end of the file reads as zeros.
  std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(std::min(*got, length_)), bytes.end(),
            Byte{0});
  return bytes;
}

Status RecordFile::WriteRecord(std::int64_t recordNumber, ByteSpan bytes) {
  if (!file_) return Problem(path_, "write after the file was closed");
  if (recordNumber < 1) {
    return Problem(path_, "record " + std::to_string(recordNumber) + " does not exist");
  }
  if (bytes.size() != length_) {
    return Problem(path_, "record " + std::to_string(recordNumber) + " of " +
                              std::to_string(bytes.size()) + " bytes where " +
                              std::to_string(length_) + " are expected");
  }
  const auto offset = static_cast<std::uint64_t>(recordNumber - 1) * length_;
  return file_->WriteAt(offset, bytes);
}

Result<Bytes> RecordFile::ReadNext() {
  auto bytes = ReadRecord(next_);
  if (bytes) ++next_;
  return bytes;
}

Status RecordFile::WriteNext(ByteSpan bytes) {
  Status written = WriteRecord(next_, bytes);
  if (written) ++next_;
  return written;
}

bool RecordFile::AtEnd() {
  if (!file_) return true;
  auto size = file_->Size();
  if (!size) return true;  // nothing more can be read
  const auto position = static_cast<std::uint64_t>(next_ - 1) * length_;
  return position >= *size || *size - position < length_;
}

std::uint64_t RecordFile::LengthInBytes() {
  if (!file_) return 0;
  auto size = file_->Size();
  return size ? *size : 0;
}

Status RecordFile::Close() {
  if (!file_) return {};
  Status flushed = file_->Flush();
  file_.reset();
  return flushed;
}

}  // namespace league
