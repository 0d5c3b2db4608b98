#include "network/cp1251.h"

#include <array>
#include <cstdint>

namespace {

// Bytes 0x80..0xBF; 0xC0..0xFF are А..я in order (U+0410..U+044F).
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t CodePointOf(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  return kUpperHalf[byte - 0x80];
}

int ByteOf(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(0xC0 + (cp - 0x0410));
  for (int i = 0; i < 64; ++i) {
    if (kUpperHalf[i] != 0 && kUpperHalf[i] == cp) return 0x80 + i;
  }
  return '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// One code point from UTF-8 at `i`, moving `i` past it; a malformed byte
// reads as U+FFFD and is skipped alone.
char32_t NextCodePoint(const std::string& s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) return lead;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    return 0xFFFD;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return cp;
}

}  // namespace

std::string Utf8ToCp1251(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) out += static_cast<char>(ByteOf(NextCodePoint(utf8, i)));
  return out;
}

std::string Cp1251ToUtf8(const std::string& bytes) {
  std::string out;
  for (char c : bytes) {
    const char32_t cp = CodePointOf(static_cast<unsigned char>(c));
    AppendUtf8(out, cp == 0 && c != 0 ? U'?' : cp);
  }
  return out;
}

std::string UpperFirstCp1251(std::string bytes) {
  if (bytes.empty()) return bytes;
  auto b = static_cast<unsigned char>(bytes[0]);
  if (b >= 'a' && b <= 'z') {
    b -= 0x20;
  } else if (b >= 0xE0) {
    b -= 0x20;  // а..я
  } else if (b == 0xB8) {
    b = 0xA8;  // ё
  } else {
    // The other small letters of the upper half and their capitals.
    static constexpr std::array<std::array<unsigned char, 2>, 9> kPairs = {{
        {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D},
        {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xBC, 0xA3},
    }};
    static constexpr std::array<std::array<unsigned char, 2>, 5> kMore = {{
        {0xB4, 0xA5}, {0xBA, 0xAA}, {0xB3, 0xB2}, {0xBF, 0xAF}, {0xBE, 0xBD},
    }};
    for (const auto& p : kPairs) {
      if (b == p[0]) b = p[1];
    }
    for (const auto& p : kMore) {
      if (b == p[0]) b = p[1];
    }
  }
  bytes[0] = static_cast<char>(b);
  return bytes;
}

bool IsTextByteCp1251(unsigned char byte) {
  return byte >= 0x20 && byte != 0x7F && byte != 0x98;
}
