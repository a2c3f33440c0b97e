#pragma once
// Text(n) fields: n raw Windows-1252 bytes, no length, no terminator. The raw
// bytes are what files hold and what comparisons use; UTF-8 exists only at the
// screen (ToScreen / FromScreen).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace league {

template <std::size_t N>
struct Text {
  std::array<char, N> Bytes{};  // never stored into: all zeros

  static constexpr std::size_t Size = N;
  // An entry is empty exactly when the first byte of its name is 0.
  bool IsEmpty() const { return Bytes[0] == 0; }
  // All n bytes, trailing blanks and zero bytes included.
  std::string Raw() const { return std::string(Bytes.data(), N); }
  // Stores raw code-page bytes: a longer value is cut to n, a shorter one padded with spaces.
  void Store(std::string_view raw) {
    for (std::size_t i = 0; i < N; ++i) Bytes[i] = i < raw.size() ? raw[i] : ' ';
  }
  bool operator==(const Text&) const = default;
};

// Trailing blanks and NULs removed, then cut before the first NUL; a text that
// ends in another character comes back unchanged.
std::string Condense(std::string_view raw);

// Windows-1252 bytes to UTF-8 for display (a zero byte is kept as is).
std::string ToScreen(std::string_view raw);
// UTF-8 typed by the user to Windows-1252; characters outside the code page become '?'.
std::string FromScreen(std::string_view utf8);

// The screen form of a stored field, all n characters.
template <std::size_t N>
std::string Show(const Text<N>& text) {
  return ToScreen(text.Raw());
}

}  // namespace league
