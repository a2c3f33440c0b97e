#include "league/text.h"

#include <array>
#include <cstdint>

namespace league {

std::string Condense(std::string_view raw) {
  if (raw.empty()) return {};
  const char last = raw.back();
  if (last != ' ' && last != '\0') return std::string(raw);
  const std::size_t end = raw.find_last_not_of(std::string_view(" \0", 2));
  std::string_view kept =
      end == std::string_view::npos ? std::string_view{} : raw.substr(0, end + 1);
  const std::size_t nul = kept.find('\0');
  if (nul != std::string_view::npos) kept = kept.substr(0, nul);
  return std::string(kept);
}

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same
// value, so that every byte survives a trip to the screen and back.
constexpr std::array<char32_t, 32> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t FromCodePage(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHigh1252[byte - 0x80];
  return byte;
}

// The code-page byte of a character, or '?' when the code page lacks it.
char ToCodePage(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHigh1252.size(); ++i) {
    if (kHigh1252[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string ToScreen(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (const char ch : raw) AppendUtf8(out, FromCodePage(static_cast<unsigned char>(ch)));
  return out;
}

std::string FromScreen(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      length = 1;
      c = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      c = lead & 0x07;
    }
    bool valid = length > 0 && i + length <= utf8.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) valid = false;
      c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (valid && ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
                  (c >= 0xD800 && c <= 0xDFFF))) {
      valid = false;
    }
    if (!valid) {
      out += '?';
      ++i;  // resynchronise on the next byte
      continue;
    }
    out += ToCodePage(c);
    i += length;
  }
  return out;
}

}  // namespace league
