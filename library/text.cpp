#include "text.h"

#include <algorithm>

namespace esc {

namespace {
// Decodes UTF-8 leniently: a byte that starts no valid sequence stands for itself.
template <typename Sink>
void forEachCodePoint(std::string_view utf8, Sink sink) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::size_t start = i;
    char32_t c = detail::decodeUtf8(utf8.data(), utf8.size(), i);
    if (c == 0xFFFFFFFF) {
      i = start + 1;
      c = 0xFFFD;
    }
    sink(c);
  }
}
}  // namespace

std::string toCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  forEachCodePoint(utf8, [&](char32_t c) {
    const int b = cp1252FromUnicode(c);
    out.push_back(b < 0 ? '?' : static_cast<char>(b));
  });
  return out;
}

std::string toUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() * 2);
  for (const char ch : cp1252) {
    const char32_t c = unicodeFromCp1252(static_cast<unsigned char>(ch));
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

OwnedText::OwnedText(std::string_view utf8) {
  std::string text = toCp1252(utf8);
  // A zero byte would end the text early; the library sees what precedes it.
  text.resize(std::min(text.size(), text.find('\0')));
  length_ = text.size();
  storage_ = std::make_unique<char[]>(kHeaderSize + length_ + 1);
  const TextHeader h{kCodePage, 1, kConstantRefCount, static_cast<std::int32_t>(length_)};
  char* p = storage_.get();
  std::memcpy(p, &h.codePage, 2);
  std::memcpy(p + 2, &h.elementSize, 2);
  std::memcpy(p + 4, &h.refCount, 4);
  std::memcpy(p + 8, &h.length, 4);
  std::memcpy(p + kHeaderSize, text.data(), length_);
  p[kHeaderSize + length_] = '\0';
}

}  // namespace esc
