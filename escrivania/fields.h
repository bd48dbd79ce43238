// One field of a record: its normalisation and its checks against the layout.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define ESC_SSE2 1
#endif

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

// The exact normalisation and checks of a value v[0..n), n > 0, as it was passed: normaliseInPlace
// for a value that it would change, else checkValue.
FieldOutcome checkInPlace(const layout::Field& field, layout::Presence presence, char* v, std::size_t n);

// ---------------------------------------------------------------------------------------------
// Copying a value into its line.
//
// Values are copied 16 bytes at a time, and the bytes of each block are classified as they pass.
// Most values of a file are plain digits, decimal numbers and text that need no change: the copy
// accepts those at once when the block classes show it. Any other value (and any value too long
// or too short, or filled where the layout forbids it) goes through checkInPlace, which decides.

// What each field accepts without the exact checks.
enum class QuickKind : std::uint8_t {
  Digits,   // digits only
  Text,     // no control character nor '|', no blank at either end
  Decimal,  // digits and at most one comma, between digits, followed by no more than its decimals
  None,     // dates and months: always the exact checks
};

// What a field asks of its values in one direction of the record.
struct FieldPlan {
  // A filled value of n characters passes at once when n - shortest <= span (in 32 bits, for n
  // below 16; never for a field that must not be filled).
  std::uint32_t span;
  std::uint16_t shortest;
  std::uint16_t field;  // in kFields
  QuickKind kind;
  std::uint8_t decimals;
  std::uint8_t empty;  // the problems of an empty value
  layout::Presence presence;
};

constexpr FieldPlan planOf(std::size_t field, layout::Presence presence) {
  const layout::Field& f = layout::kFields[field];
  const std::size_t limit = f.size ? f.size : (f.type == 'C' ? kDefaultTextSize : 0);
  const QuickKind kind = (f.flags & (layout::kDate | layout::kMonth)) ? QuickKind::None
                         : (f.flags & layout::kPunctuation)           ? QuickKind::Digits  // no punctuation to drop
                         : f.type == 'C'                              ? QuickKind::Text
                         : f.decimals                                 ? QuickKind::Decimal
                                                                      : QuickKind::Digits;
  const std::uint16_t shortest = f.exact ? static_cast<std::uint16_t>(limit) : std::uint16_t{1};
  const std::uint32_t longest = limit ? static_cast<std::uint32_t>(limit) : UINT32_MAX;
  const bool forbidden = presence == layout::Presence::Forbidden;
  return {forbidden ? 0 : longest - shortest,
          forbidden ? std::uint16_t{UINT16_MAX} : shortest,
          static_cast<std::uint16_t>(field),
          kind,
          f.decimals,
          presence == layout::Presence::Required ? std::uint8_t{kMissing} : std::uint8_t{0},
          presence};
}

// The plans of every field by the direction of its record: 0 unknown, 1 entry, 2 exit.
inline constexpr auto kFieldPlans = [] {
  static_assert(std::size(layout::kFields) <= UINT16_MAX);
  std::array<std::array<FieldPlan, std::size(layout::kFields)>, 3> plans{};
  for (std::size_t i = 0; i < std::size(layout::kFields); ++i) {
    const layout::Field& f = layout::kFields[i];
    plans[0][i] = planOf(i, f.undirected);
    plans[1][i] = planOf(i, f.entry);
    plans[2][i] = planOf(i, f.exit);
  }
  return plans;
}();

// Whether a value of n > 0 characters fits the lengths of the plan and may be filled at all.
constexpr bool lengthPasses(const FieldPlan& plan, std::size_t n) {
  return n >= plan.shortest && n - plan.shortest <= plan.span && plan.presence != layout::Presence::Forbidden;
}

// The same for n below 16.
constexpr bool shortLengthPasses(const FieldPlan& plan, std::uint32_t n) { return n - plan.shortest <= plan.span; }

// Whether the commas (bit i: a comma at i) of a value of n digits and commas make a decimal number
// that the plan accepts.
constexpr bool commaPasses(std::uint8_t decimals, std::uint32_t commas, std::size_t n) {
  if (commas == 0) return true;
  const auto at = static_cast<std::size_t>(std::countr_zero(commas));
  return (commas & (commas - 1)) == 0 && at > 0 && at + 1 < n && n - at - 1 <= decimals;
}

// Bit i of each mask tells about byte i of a block of 16.
struct Chunk {
  std::uint32_t end;      // zero bytes
  std::uint32_t digit;    // '0' to '9'
  std::uint32_t comma;    // ','
  std::uint32_t unusual;  // control characters (below 0x20, and 0x7F) and '|'
  std::uint32_t space;    // ' '
};

// Copies the 16 bytes at src to dst and classifies them, one at a time.
inline Chunk copyChunkPortable(char* dst, const char* src) {
  Chunk c{};
  for (unsigned i = 0; i < 16; ++i) {
    const auto b = static_cast<unsigned char>(src[i]);
    dst[i] = src[i];
    c.end |= static_cast<std::uint32_t>(b == 0) << i;
    c.digit |= static_cast<std::uint32_t>(b >= '0' && b <= '9') << i;
    c.comma |= static_cast<std::uint32_t>(b == ',') << i;
    c.unusual |= static_cast<std::uint32_t>(b < 0x20 || b == 0x7F || b == '|') << i;
    c.space |= static_cast<std::uint32_t>(b == ' ') << i;
  }
  return c;
}

#ifdef ESC_SSE2
namespace sse2 {
inline std::uint32_t mask(__m128i m) { return static_cast<std::uint32_t>(_mm_movemask_epi8(m)); }
inline std::uint32_t ends(__m128i v) { return mask(_mm_cmpeq_epi8(v, _mm_setzero_si128())); }
// Each byte of the block that is a digit, as 0xFF.
inline __m128i digitBytes(__m128i v) {
  const __m128i shifted = _mm_sub_epi8(v, _mm_set1_epi8('0'));
  return _mm_cmpeq_epi8(_mm_min_epu8(shifted, _mm_set1_epi8(9)), shifted);
}
inline __m128i commaBytes(__m128i v) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(',')); }
// Control characters (below 0x20, and 0x7F) and '|'.
inline __m128i unusualBytes(__m128i v) {
  const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(0x1F)), v);
  return _mm_or_si128(control,
                      _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(0x7F)), _mm_cmpeq_epi8(v, _mm_set1_epi8('|'))));
}
inline std::uint32_t digits(__m128i v) { return mask(digitBytes(v)); }
inline std::uint32_t commas(__m128i v) { return mask(commaBytes(v)); }
inline std::uint32_t spaces(__m128i v) { return mask(_mm_cmpeq_epi8(v, _mm_set1_epi8(' '))); }
inline std::uint32_t unusual(__m128i v) { return mask(unusualBytes(v)); }
inline Chunk classify(__m128i v) { return {ends(v), digits(v), commas(v), unusual(v), spaces(v)}; }
}  // namespace sse2
#endif

// The same, all 16 at once where the processor can.
inline Chunk copyChunk(char* dst, const char* src) {
#ifdef ESC_SSE2
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), v);
  return sse2::classify(v);
#else
  return copyChunkPortable(dst, src);
#endif
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || defined(__SANITIZE_HWADDRESS__)
#define ESC_CHECKED_MEMORY 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer) || \
    __has_feature(hwaddress_sanitizer)
#define ESC_CHECKED_MEMORY 1
#endif
#endif

// Reading a whole block of 16 bytes of a value may go past the value's zero byte (those bytes are
// then ignored) but never into the next page of memory, so it cannot fault. Builds that check
// every memory access read values only up to their zero.
#ifndef ESC_CHECKED_MEMORY
inline constexpr std::uintptr_t kPageSize = 4096;
inline bool blockReadable(const char* p) {
  return (reinterpret_cast<std::uintptr_t>(p) & (kPageSize - 1)) <= kPageSize - 16;
}
#endif

struct CopiedField {
  std::uint32_t problems;
  std::size_t length;  // of the normalised value written at `out`
  bool fits;           // false when the value passed was longer than `room`
};

// The outcome of checkInPlace for a value v[0..n) already copied (empty when n is 0).
CopiedField checkCopied(const FieldPlan& plan, char* v, std::size_t n);

// Copies the zero-ended value (null: empty) to out[0..room), normalises it and checks it against
// the field, with the outcome of checkInPlace: block by block, near the end of a page or of the
// room too.
CopiedField copyFieldInBlocks(const FieldPlan& plan, const char* value, char* out, std::size_t room);

#if defined(ESC_SSE2) && !defined(ESC_CHECKED_MEMORY)
// Values are read a block of 16 bytes at a time, past their end.
#define ESC_BLOCK_VALUES 1
#endif

#ifdef ESC_SSE2
// Whether a value shorter than 16 bytes, held in v (its zero byte the lowest bit of `end`), passes
// the plan in that direction as it is: no change to make, no problem to tell.
inline bool quickPasses(const FieldPlan& plan, __m128i v, std::uint32_t end) {
  const std::uint32_t last = end & (0u - end);  // bit n: the zero after the value
  const std::uint32_t live = last - 1;
  const auto n = static_cast<std::uint32_t>(std::countr_zero(end));
  switch (plan.kind) {
    case QuickKind::Digits:
      if (~sse2::digits(v) & live) return false;
      break;
    case QuickKind::Text:
      if ((sse2::unusual(v) & live) | (sse2::spaces(v) & (1u | (last >> 1)))) return false;
      break;
    case QuickKind::Decimal: {
      const std::uint32_t commas = sse2::commas(v) & live;
      if ((~(sse2::digits(v) | commas) & live) || !commaPasses(plan.decimals, commas, n)) return false;
      break;
    }
    case QuickKind::None: return false;
  }
  return shortLengthPasses(plan, n);
}
#endif

#ifdef ESC_SSE2
// ---------------------------------------------------------------------------------------------
// Forming a whole line in one pass.
//
// Most lines need nothing but copying: every value short, already in its normal form and right for
// its field. formQuickly writes such a line in one tight pass that can only accept. At the first
// value that needs a change, a closer look or an error report it gives up, and the line is formed
// field by field (copyField) instead, which decides.

enum class LineKind : std::uint8_t { Digits, Decimal, Text, Never };

// A field's plan as that pass reads it.
struct LinePlan {
  std::uint16_t lengths;  // bit n (n < 16): a value of n characters may pass (bit 0: left empty)
  LineKind kind;          // Never: only an empty value may pass
  std::uint8_t decimals;
};

constexpr LinePlan linePlanOf(const FieldPlan& plan) {
  const LineKind kind = plan.kind == QuickKind::Digits    ? LineKind::Digits
                        : plan.kind == QuickKind::Decimal ? LineKind::Decimal
                        : plan.kind == QuickKind::Text    ? LineKind::Text
                                                          : LineKind::Never;  // dates and months
  LinePlan p{plan.presence == layout::Presence::Required ? std::uint16_t{0} : std::uint16_t{1}, kind, plan.decimals};
  for (std::uint16_t n = 1; n < 16; ++n)
    if (kind != LineKind::Never && lengthPasses(plan, n)) p.lengths |= static_cast<std::uint16_t>(1u << n);
  return p;
}

// The line plans of every field by the direction of its record, as kFieldPlans.
inline constexpr auto kLinePlans = [] {
  std::array<std::array<LinePlan, std::size(layout::kFields)>, 3> plans{};
  for (std::size_t side = 0; side < 3; ++side)
    for (std::size_t i = 0; i < std::size(layout::kFields); ++i) plans[side][i] = linePlanOf(kFieldPlans[side][i]);
  return plans;
}();

// The first 16 bytes of a value at p, up to its zero byte at least (bytes after it may read as
// zeros): read past the zero only within p's page of memory; builds that check every memory
// access never read past it.
__m128i loadValueBlockSlowly(const char* p);
inline __m128i loadValueBlock(const char* p) {
#ifdef ESC_CHECKED_MEMORY
  return loadValueBlockSlowly(p);
#else
  if (!blockReadable(p)) [[unlikely]]
    return loadValueBlockSlowly(p);
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
#endif
}

// Writes the values (null: empty) of the fields with these plans into line[at..): each value, then
// '|'. Returns where the fields end, when every value passes its field as it is: the line needs no
// change and has nothing to tell. Returns 0 when some value needs the exact way; the bytes written
// are then to be formed again. starts[i]: where field i begins; starts[count]: where the fields end.
// Writes nothing at or past line[room - 2], which is kept for the line's CR LF.
inline std::size_t formQuickly(const LinePlan* plans, const char* const* values, std::size_t count, char* line,
                               std::size_t at, std::size_t room, std::size_t* starts) {
  // Each value passing takes at most one block of 16 bytes, with its '|'.
  if (room < at + 2 || (room - 2 - at) / 16 < count) return 0;
  for (std::size_t i = 0; i < count; ++i) {
    starts[i] = at;
    const LinePlan& plan = plans[i];
    const char* const p = values[i];
    if (p == nullptr) {
      if (!(plan.lengths & 1u)) return 0;
      line[at++] = '|';
      continue;
    }
    const __m128i v = loadValueBlock(p);
    const __m128i zeros = _mm_cmpeq_epi8(v, _mm_setzero_si128());
    const std::uint32_t end = sse2::mask(zeros);
    if (end == 0) return 0;  // 16 bytes or more
    const auto n = static_cast<std::uint32_t>(std::countr_zero(end));
    // The zero becomes the field's '|' (bytes after it are overwritten by what follows).
    _mm_storeu_si128(reinterpret_cast<__m128i*>(line + at), _mm_or_si128(v, _mm_and_si128(zeros, _mm_set1_epi8('|'))));
    if (!((plan.lengths >> n) & 1u)) return 0;
    const std::uint32_t live = (1u << n) - 1u;  // the bytes of the value
    switch (plan.kind) {
      case LineKind::Digits:
        if (~sse2::mask(sse2::digitBytes(v)) & live) return 0;
        break;
      case LineKind::Decimal: {
        const __m128i commas = sse2::commaBytes(v);
        if (~sse2::mask(_mm_or_si128(sse2::digitBytes(v), commas)) & live) return 0;
        const std::uint32_t c = sse2::mask(commas) & live;
        if (c != 0 && !commaPasses(plan.decimals, c, n)) return 0;
        break;
      }
      case LineKind::Text:
        if ((sse2::mask(sse2::unusualBytes(v)) & live) || (n != 0 && (p[0] == ' ' || p[n - 1] == ' '))) return 0;
        break;
      case LineKind::Never:
        if (n != 0) return 0;
        break;
    }
    at += n + 1;
  }
  starts[count] = at;
  return at;
}
#endif

// Copies the zero-ended value (null: empty) of a field to out[0..room), normalises it and checks it
// against the field's plan, with the outcome of checkInPlace: its length and problems. False when
// the value passed is longer than `room`. `block`: room is at least 16.
inline bool copyField(const FieldPlan& plan, const char* value, char* out, std::size_t room, bool block,
                      std::size_t& length, std::uint32_t& problems) {
  if (value == nullptr) {
    length = 0;
    problems = plan.empty;
    return true;
  }
#ifdef ESC_BLOCK_VALUES
  // The usual value, shorter than 16 bytes: copied and judged in one block.
  if (block && blockReadable(value)) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(value));
    if (const std::uint32_t end = sse2::ends(v)) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v);
      length = static_cast<std::size_t>(std::countr_zero(end));
      problems = 0;
      if (quickPasses(plan, v, end)) return true;
      const CopiedField r = checkCopied(plan, out, length);
      length = r.length;
      problems = r.problems;
      return true;
    }
  }
#else
  (void)block;
#endif
  const CopiedField r = copyFieldInBlocks(plan, value, out, room);
  length = r.length;
  problems = r.problems;
  return r.fits;
}

// The Portuguese text (UTF-8) of one problem of the field, whose normalised value is `value`.
std::string describeProblem(FieldProblem problem, const layout::Field& field, std::string_view value);

// The value as an error line may show it: quoted, control characters as \xNN, long values cut
// with their length given. Bytes are kept as passed (Windows-1252).
std::string showValue(std::string_view raw, std::size_t limit = 200);

}  // namespace escrivania
