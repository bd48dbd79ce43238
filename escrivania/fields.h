// One field of a record: its normalisation and its checks against the layout.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "layout.h"

namespace escrivania {

// What can be wrong with a field's value; a value may have several at once.
enum FieldProblem : std::uint32_t {
  kMissing = 1u << 0,          // required and empty
  kNotAllowed = 1u << 1,       // filled where the layout forbids it
  kNotNumeric = 1u << 2,       // a number with something other than digits and one decimal comma
  kNoDecimals = 1u << 3,       // a decimal comma in a number without decimals
  kTooManyDecimals = 1u << 4,  // more decimals than the layout allows
  kWrongLength = 1u << 5,      // not the exact length the layout asks for
  kTooLong = 1u << 6,          // longer than the layout allows
  kSeparator = 1u << 7,        // held the field separator '|', left out of the line
  kControl = 1u << 8,          // held control characters, left out of the line
  kBadDate = 1u << 9,          // not a calendar date ddmmaaaa
  kBadMonth = 1u << 10,        // not a month mmaaaa
};
inline constexpr std::uint32_t kLastFieldProblem = kBadMonth;

// Text fields without a size in the layout hold at most this many characters.
inline constexpr std::size_t kDefaultTextSize = 255;

// Classes of characters, as a value's characters are looked at while it is copied.
enum CharClass : std::uint8_t {
  kDigitChar = 1,
  kCommaChar = 2,
  kPointChar = 4,
  kPipeChar = 8,
  kControlChar = 16,
  kSlashOrDash = 32,
  kOtherChar = 64,
};

inline constexpr std::array<std::uint8_t, 256> kCharClasses = [] {
  std::array<std::uint8_t, 256> t{};
  for (int c = 0; c < 256; ++c) {
    t[static_cast<std::size_t>(c)] = c >= '0' && c <= '9'    ? kDigitChar
                                     : c == ','              ? kCommaChar
                                     : c == '.'              ? kPointChar
                                     : c == '|'              ? kPipeChar
                                     : c < 0x20 || c == 0x7F ? kControlChar
                                     : c == '/' || c == '-'  ? kSlashOrDash
                                                             : kOtherChar;
  }
  return t;
}();

constexpr bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// The classes of characters that a value of the field cannot keep as passed.
constexpr std::uint8_t unusualFor(const layout::Field& f) {
  if (f.flags & (layout::kDate | layout::kMonth)) return static_cast<std::uint8_t>(~kDigitChar);
  if (f.type == 'N') return static_cast<std::uint8_t>(~(kDigitChar | kCommaChar));
  if (f.flags & layout::kPunctuation) return kPipeChar | kControlChar | kPointChar | kSlashOrDash;
  return kPipeChar | kControlChar;
}

// The problems of a value in its normal form, not empty, whose characters are of the classes `seen`.
std::uint32_t checkValue(const layout::Field& field, layout::Presence presence, std::string_view value,
                         std::uint8_t seen);

struct FieldOutcome {
  std::uint32_t problems;
  std::size_t length;  // of the normalised value
};

// Normalises the value v[0..n) where it lies (trims it; writes dd/mm/aaaa as ddmmaaaa; drops the
// punctuation of CNPJ, CPF, CEP and CFOP, and any '|' or control character; writes a decimal point
// as a comma) and checks it.
FieldOutcome normaliseInPlace(const layout::Field& field, layout::Presence presence, char* v, std::size_t n);

// The Portuguese text (UTF-8) of one problem of the field, whose normalised value is `value`.
std::string describeProblem(FieldProblem problem, const layout::Field& field, std::string_view value);

// The value as an error line may show it: quoted, control characters as \xNN, long values cut
// with their length given. Bytes are kept as passed (Windows-1252).
std::string showValue(std::string_view raw, std::size_t limit = 200);

}  // namespace escrivania
