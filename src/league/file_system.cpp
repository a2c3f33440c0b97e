#include "league/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace league {

namespace {

std::string Reason() {
  const int code = errno;
  return code != 0 ? std::generic_category().message(code) : std::string("unknown reason");
}

Error Failure(const fs::path& path, const std::string& what, const std::string& reason) {
  return Error{path.string() + ": " + what + " (" + reason + ")"};
}

class RealFile : public File {
 public:
  RealFile(std::fstream stream, fs::path path)
      : stream_(std::move(stream)), path_(std::move(path)) {}

  Result<std::size_t> ReadAt(std::uint64_t offset, std::span<Byte> out) override {
    auto size = Size();
    if (!size) return size.TakeError();
    if (offset >= *size || out.empty()) return std::size_t{0};
    const std::size_t count =
        static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), *size - offset));
    stream_.clear();
    errno = 0;
    stream_.seekg(static_cast<std::streamoff>(offset));
    stream_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(count));
    const auto got = static_cast<std::size_t>(stream_.gcount());
    if (got != count) {
      const std::string reason = Reason();
      stream_.clear();
      return Failure(
          path_,
          "cannot read " + std::to_string(count) + " bytes at offset " + std::to_string(offset),
          reason);
    }
    return got;
  }

  Status WriteAt(std::uint64_t offset, std::span<const Byte> bytes) override {
    auto size = Size();
    if (!size) return size.TakeError();
    stream_.clear();
    errno = 0;
    // A gap before the offset is filled with zeros explicitly rather than left
    // to how a platform treats a seek past the end.
    if (offset > *size) {
      stream_.seekp(static_cast<std::streamoff>(*size));
      static constexpr std::array<char, 4096> kZeros{};
      std::uint64_t gap = offset - *size;
      while (stream_ && gap > 0) {
        const auto chunk =
            static_cast<std::streamsize>(std::min<std::uint64_t>(gap, kZeros.size()));
        stream_.write(kZeros.data(), chunk);
        gap -= static_cast<std::uint64_t>(chunk);
      }
    } else {
      stream_.seekp(static_cast<std::streamoff>(offset));
    }
    stream_.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    if (!stream_) {
      const std::string reason = Reason();
      stream_.clear();
      return Failure(path_,
                     "cannot write " + std::to_string(bytes.size()) + " bytes at offset " +
                         std::to_string(offset),
                     reason);
    }
    return {};
  }

  Result<std::uint64_t> Size() override {
    stream_.clear();
    errno = 0;
    stream_.seekg(0, std::ios::end);
    const auto end = stream_.tellg();
    if (!stream_ || end < 0) {
      const std::string reason = Reason();
      stream_.clear();
      return Failure(path_, "cannot tell the size", reason);
    }
    return static_cast<std::uint64_t>(end);
  }

  Status Flush() override {
    stream_.clear();
    errno = 0;
    stream_.flush();
    if (!stream_) {
      const std::string reason = Reason();
      stream_.clear();
      return Failure(path_, "cannot flush", reason);
    }
    return {};
  }

 private:
  std::fstream stream_;
  fs::path path_;
};

class RealFileSystemImpl : public FileSystem {
 public:
  bool Exists(const fs::path& path) override {
    std::error_code error;
    return fs::exists(path, error) && !fs::is_directory(path, error);
  }

  Result<std::unique_ptr<File>> Open(const fs::path& path) override {
    constexpr auto kMode = std::ios::in | std::ios::out | std::ios::binary;
    errno = 0;
    std::fstream stream(path, kMode);
    if (!stream.is_open()) {
      // A missing file is created empty, then opened for reading and writing.
      std::error_code error;
      if (!fs::exists(path, error)) {
        errno = 0;
        std::ofstream create(path, std::ios::out | std::ios::binary);
        if (!create.is_open()) return Failure(path, "cannot create", Reason());
      }
      errno = 0;
      stream.open(path, kMode);
      if (!stream.is_open()) return Failure(path, "cannot open", Reason());
    }
    return std::unique_ptr<File>(std::make_unique<RealFile>(std::move(stream), path));
  }

  Status Remove(const fs::path& path) override {
    std::error_code error;
    fs::remove(path, error);
    if (error) return Failure(path, "cannot delete", error.message());
    return {};
  }

  Status Rename(const fs::path& from, const fs::path& to) override {
    std::error_code error;
    fs::rename(from, to, error);
    if (error) return Failure(from, "cannot rename to " + to.string(), error.message());
    return {};
  }

  Status CopyPlain(const fs::path& from, const fs::path& to) override {
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error) return Failure(from, "cannot copy to " + to.string(), error.message());
    return {};
  }

  Result<Bytes> ReadAll(const fs::path& path) override {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return Failure(path, "cannot open", Reason());
    Bytes bytes;
    std::array<char, 65536> chunk;
    while (in) {
      in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
      const auto got = static_cast<std::size_t>(in.gcount());
      bytes.insert(bytes.end(), reinterpret_cast<const Byte*>(chunk.data()),
                   reinterpret_cast<const Byte*>(chunk.data()) + got);
    }
    if (in.bad()) return Failure(path, "cannot read", Reason());
    return bytes;
  }

  Status WritePlain(const fs::path& path, std::span<const Byte> bytes) override {
    return WriteWith(path, bytes, std::ios::out | std::ios::binary | std::ios::trunc);
  }

  Status Append(const fs::path& path, std::span<const Byte> bytes) override {
    return WriteWith(path, bytes, std::ios::out | std::ios::binary | std::ios::app);
  }

  std::vector<std::string> List(const fs::path& folder) override {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      std::error_code kind;
      if (it->is_regular_file(kind)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  static Status WriteWith(const fs::path& path, std::span<const Byte> bytes,
                          std::ios::openmode mode) {
    errno = 0;
    std::ofstream out(path, mode);
    if (!out.is_open()) return Failure(path, "cannot open for writing", Reason());
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) return Failure(path, "cannot write", Reason());
    out.close();
    if (out.fail()) return Failure(path, "cannot close", Reason());
    return {};
  }
};

// The temporary file of a replace: beside the target, so the rename stays
// within one folder (and one volume) and is atomic.
fs::path TemporaryFor(const fs::path& target) {
  fs::path temp = target;
  temp += ".rdtmp";
  return temp;
}

}  // namespace

FileSystem& RealFileSystem() {
  static RealFileSystemImpl files;
  return files;
}

Status CopyReplace(FileSystem& files, const fs::path& from, const fs::path& to) {
  const fs::path temp = TemporaryFor(to);
  if (Status copied = files.CopyPlain(from, temp); !copied) {
    (void)files.Remove(temp);
    return copied;
  }
  if (Status renamed = files.Rename(temp, to); !renamed) {
    (void)files.Remove(temp);
    return renamed;
  }
  return {};
}

Status WriteReplace(FileSystem& files, const fs::path& path, std::span<const Byte> bytes) {
  const fs::path temp = TemporaryFor(path);
  if (Status written = files.WritePlain(temp, bytes); !written) {
    (void)files.Remove(temp);
    return written;
  }
  if (Status renamed = files.Rename(temp, path); !renamed) {
    (void)files.Remove(temp);
    return renamed;
  }
  return {};
}

bool FileExists(FileSystem& files, const fs::path& path) { return files.Exists(path); }

}  // namespace league
