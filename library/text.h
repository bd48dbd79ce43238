// Texts in the record-writer library's string form.
//
// A text is a pointer to Windows-1252 bytes ended by a zero byte. The twelve bytes before the
// first character hold, in order: code page (16 bits, 1252), element size (16 bits, 1), reference
// count (32 bits, -1 for a constant nobody frees) and length (32 bits). Libraries built with the
// older layout read only the last eight bytes, newer ones all twelve. The empty text is a null
// pointer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace esc {

using Text = const char*;

inline constexpr std::uint16_t kCodePage = 1252;
inline constexpr std::int32_t kConstantRefCount = -1;
inline constexpr std::size_t kHeaderSize = 12;

// Windows-1252 byte for a Unicode code point, or -1 when the code page cannot hold it.
constexpr int cp1252FromUnicode(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  switch (c) {
    case 0x20AC: return 0x80;
    case 0x201A: return 0x82;
    case 0x0192: return 0x83;
    case 0x201E: return 0x84;
    case 0x2026: return 0x85;
    case 0x2020: return 0x86;
    case 0x2021: return 0x87;
    case 0x02C6: return 0x88;
    case 0x2030: return 0x89;
    case 0x0160: return 0x8A;
    case 0x2039: return 0x8B;
    case 0x0152: return 0x8C;
    case 0x017D: return 0x8E;
    case 0x2018: return 0x91;
    case 0x2019: return 0x92;
    case 0x201C: return 0x93;
    case 0x201D: return 0x94;
    case 0x2022: return 0x95;
    case 0x2013: return 0x96;
    case 0x2014: return 0x97;
    case 0x02DC: return 0x98;
    case 0x2122: return 0x99;
    case 0x0161: return 0x9A;
    case 0x203A: return 0x9B;
    case 0x0153: return 0x9C;
    case 0x017E: return 0x9E;
    case 0x0178: return 0x9F;
    default: return -1;
  }
}

// Unicode code point of a Windows-1252 byte; the five unassigned bytes map to themselves.
constexpr char32_t unicodeFromCp1252(unsigned char b) {
  if (b < 0x80 || b >= 0xA0) return b;
  constexpr char32_t kHigh[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                  0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
  return kHigh[b - 0x80];
}

namespace detail {

// Reached only during constant evaluation of a bad literal: the call makes the program
// ill-formed, so the mistake is a compile error naming this function.
void literalIsNotValidUtf8OrNotWindows1252();

// Decodes one UTF-8 sequence at s[i]; returns the code point and advances i. Invalid input
// yields 0xFFFFFFFF.
constexpr char32_t decodeUtf8(const char* s, std::size_t n, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  int extra = b0 < 0x80 ? 0 : (b0 >> 5) == 0x6 ? 1 : (b0 >> 4) == 0xE ? 2 : (b0 >> 3) == 0x1E ? 3 : -1;
  if (extra < 0) {
    ++i;
    return 0xFFFFFFFF;
  }
  char32_t c = extra == 0 ? b0 : extra == 1 ? (b0 & 0x1F) : extra == 2 ? (b0 & 0x0F) : (b0 & 0x07);
  for (int k = 1; k <= extra; ++k) {
    if (i + static_cast<std::size_t>(k) >= n) {
      i = n;
      return 0xFFFFFFFF;
    }
    const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((b & 0xC0) != 0x80) {
      i += static_cast<std::size_t>(k);
      return 0xFFFFFFFF;
    }
    c = (c << 6) | (b & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return c;
}

template <std::size_t N>
struct Utf8Literal {
  char chars[N]{};
  consteval Utf8Literal(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) chars[i] = s[i];
  }
  static constexpr std::size_t size() { return N - 1; }
};

template <std::size_t N>
consteval std::size_t cp1252Length(const Utf8Literal<N>& s) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < N - 1; ++count) {
    const char32_t c = decodeUtf8(s.chars, N - 1, i);
    if (c == 0 || cp1252FromUnicode(c) < 0) literalIsNotValidUtf8OrNotWindows1252();
  }
  return count;
}

// The block of a constant text: header, bytes, terminating zero.
template <std::size_t Length>
struct alignas(4) ConstantText {
  std::uint16_t codePage = kCodePage;
  std::uint16_t elementSize = 1;
  std::int32_t refCount = kConstantRefCount;
  std::int32_t length = static_cast<std::int32_t>(Length);
  char chars[Length + 1]{};
};

template <Utf8Literal S>
struct Literal {
  static constexpr std::size_t kLength = cp1252Length(S);
  static constexpr ConstantText<kLength> kBlock = [] {
    ConstantText<kLength> block;
    std::size_t out = 0;
    for (std::size_t i = 0; i < S.size();) {
      block.chars[out++] = static_cast<char>(cp1252FromUnicode(decodeUtf8(S.chars, S.size(), i)));
    }
    return block;
  }();
  static_assert(offsetof(ConstantText<kLength>, chars) == kHeaderSize);
};

}  // namespace detail

namespace literals {
// "Descriçao"_t: a constant library text converted from UTF-8 at compile time; ""_t is null.
template <detail::Utf8Literal S>
constexpr Text operator""_t() {
  if constexpr (S.size() == 0) {
    return nullptr;
  } else {
    return detail::Literal<S>::kBlock.chars;
  }
}
}  // namespace literals

// A text made at run time (for instance from an edit box), alive as long as this object.
class OwnedText {
 public:
  // Converts UTF-8 to Windows-1252; characters the code page cannot hold become '?'.
  explicit OwnedText(std::string_view utf8);
  Text get() const { return length_ == 0 ? nullptr : storage_.get() + kHeaderSize; }

 private:
  std::unique_ptr<char[]> storage_;
  std::size_t length_ = 0;
};

// Windows-1252 bytes of a UTF-8 string ('?' for what the code page cannot hold).
std::string toCp1252(std::string_view utf8);
// UTF-8 of Windows-1252 bytes.
std::string toUtf8(std::string_view cp1252);
// The bytes of a text up to its terminating zero; empty for the null pointer.
inline std::string_view bytes(Text t) { return t ? std::string_view(t, std::strlen(t)) : std::string_view(); }

// Header fields of a text built by this project (constant or owned).
struct TextHeader {
  std::uint16_t codePage;
  std::uint16_t elementSize;
  std::int32_t refCount;
  std::int32_t length;
};
inline TextHeader header(Text t) {
  TextHeader h{};
  std::memcpy(&h.codePage, t - 12, 2);
  std::memcpy(&h.elementSize, t - 10, 2);
  std::memcpy(&h.refCount, t - 8, 4);
  std::memcpy(&h.length, t - 4, 4);
  return h;
}

}  // namespace esc
