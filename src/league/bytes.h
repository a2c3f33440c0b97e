#pragma once
// Little-endian fields over unsigned bytes, built with shifts so the layout
// never depends on the machine or on struct packing. Internal to league/.

#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "league/records.h"

namespace league::bytes {

// ---- Raw get/put at an offset ------------------------------------------------
// Getters read a byte missing beyond the end of the span as 0.

inline Byte GetU8(std::span<const Byte> b, std::size_t at) { return at < b.size() ? b[at] : 0; }

inline std::uint16_t GetU16(std::span<const Byte> b, std::size_t at) {
  return static_cast<std::uint16_t>(GetU8(b, at) | (GetU8(b, at + 1) << 8));
}

inline std::uint32_t GetU32(std::span<const Byte> b, std::size_t at) {
  return static_cast<std::uint32_t>(GetU8(b, at)) |
         (static_cast<std::uint32_t>(GetU8(b, at + 1)) << 8) |
         (static_cast<std::uint32_t>(GetU8(b, at + 2)) << 16) |
         (static_cast<std::uint32_t>(GetU8(b, at + 3)) << 24);
}

inline std::uint64_t GetU64(std::span<const Byte> b, std::size_t at) {
  return static_cast<std::uint64_t>(GetU32(b, at)) |
         (static_cast<std::uint64_t>(GetU32(b, at + 4)) << 32);
}

inline std::int16_t GetI16(std::span<const Byte> b, std::size_t at) {
  return static_cast<std::int16_t>(GetU16(b, at));
}
inline std::int32_t GetI32(std::span<const Byte> b, std::size_t at) {
  return static_cast<std::int32_t>(GetU32(b, at));
}
inline float GetF32(std::span<const Byte> b, std::size_t at) {
  return std::bit_cast<float>(GetU32(b, at));
}
inline double GetF64(std::span<const Byte> b, std::size_t at) {
  return std::bit_cast<double>(GetU64(b, at));
}

// Putters write into a span that must hold the field.
inline void PutU8(std::span<Byte> b, std::size_t at, Byte v) { b[at] = v; }

inline void PutU16(std::span<Byte> b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<Byte>(v & 0xFF);
  b[at + 1] = static_cast<Byte>(v >> 8);
}

inline void PutU32(std::span<Byte> b, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<Byte>((v >> (8 * i)) & 0xFF);
}

inline void PutU64(std::span<Byte> b, std::size_t at, std::uint64_t v) {
  for (std::size_t i = 0; i < 8; ++i) b[at + i] = static_cast<Byte>((v >> (8 * i)) & 0xFF);
}

inline void PutI16(std::span<Byte> b, std::size_t at, std::int16_t v) {
  PutU16(b, at, static_cast<std::uint16_t>(v));
}
inline void PutI32(std::span<Byte> b, std::size_t at, std::int32_t v) {
  PutU32(b, at, static_cast<std::uint32_t>(v));
}
inline void PutF32(std::span<Byte> b, std::size_t at, float v) {
  PutU32(b, at, std::bit_cast<std::uint32_t>(v));
}
inline void PutF64(std::span<Byte> b, std::size_t at, double v) {
  PutU64(b, at, std::bit_cast<std::uint64_t>(v));
}

// ---- Sequential field walkers ------------------------------------------------
// A record codec is written once as a walk over its fields, each with the file
// offset it must sit at; the same walk then decodes (Reader) or encodes (Writer).
// The offsets are checked as the walk goes, so a field table that drifts from
// the layout stops in a debug build.

class Reader {
 public:
  explicit Reader(std::span<const Byte> bytes) : bytes_(bytes) {}

  void Field(std::size_t at, Byte& v) {
    Check(at);
    v = GetU8(bytes_, pos_);
    pos_ += 1;
  }
  void Field(std::size_t at, std::int16_t& v) {
    Check(at);
    v = GetI16(bytes_, pos_);
    pos_ += 2;
  }
  void Field(std::size_t at, std::int32_t& v) {
    Check(at);
    v = GetI32(bytes_, pos_);
    pos_ += 4;
  }
  void Field(std::size_t at, float& v) {
    Check(at);
    v = GetF32(bytes_, pos_);
    pos_ += 4;
  }
  void Field(std::size_t at, double& v) {
    Check(at);
    v = GetF64(bytes_, pos_);
    pos_ += 8;
  }
  template <std::size_t N>
  void Field(std::size_t at, Text<N>& v) {
    Check(at);
    for (std::size_t i = 0; i < N; ++i) v.Bytes[i] = static_cast<char>(GetU8(bytes_, pos_ + i));
    pos_ += N;
  }
  template <std::size_t N>
  void Field(std::size_t at, std::array<Byte, N>& v) {
    Check(at);
    for (std::size_t i = 0; i < N; ++i) v[i] = GetU8(bytes_, pos_ + i);
    pos_ += N;
  }
  std::size_t Position() const { return pos_; }

 private:
  void Check([[maybe_unused]] std::size_t at) const { assert(at == pos_); }
  std::span<const Byte> bytes_;
  std::size_t pos_ = 0;
};

class Writer {
 public:
  explicit Writer(std::size_t length) : bytes_(length, 0) {}

  void Field(std::size_t at, const Byte& v) {
    Check(at, 1);
    PutU8(bytes_, pos_, v);
    pos_ += 1;
  }
  void Field(std::size_t at, const std::int16_t& v) {
    Check(at, 2);
    PutI16(bytes_, pos_, v);
    pos_ += 2;
  }
  void Field(std::size_t at, const std::int32_t& v) {
    Check(at, 4);
    PutI32(bytes_, pos_, v);
    pos_ += 4;
  }
  void Field(std::size_t at, const float& v) {
    Check(at, 4);
    PutF32(bytes_, pos_, v);
    pos_ += 4;
  }
  void Field(std::size_t at, const double& v) {
    Check(at, 8);
    PutF64(bytes_, pos_, v);
    pos_ += 8;
  }
  template <std::size_t N>
  void Field(std::size_t at, const Text<N>& v) {
    Check(at, N);
    for (std::size_t i = 0; i < N; ++i) bytes_[pos_ + i] = static_cast<Byte>(v.Bytes[i]);
    pos_ += N;
  }
  template <std::size_t N>
  void Field(std::size_t at, const std::array<Byte, N>& v) {
    Check(at, N);
    for (std::size_t i = 0; i < N; ++i) bytes_[pos_ + i] = v[i];
    pos_ += N;
  }
  std::size_t Position() const { return pos_; }
  std::vector<Byte> Take() {
    assert(pos_ == bytes_.size());
    return std::move(bytes_);
  }

 private:
  void Check([[maybe_unused]] std::size_t at, [[maybe_unused]] std::size_t width) const {
    assert(at == pos_);
    assert(pos_ + width <= bytes_.size());
  }
  std::vector<Byte> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace league::bytes
