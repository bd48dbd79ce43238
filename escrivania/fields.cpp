#include "fields.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace escrivania {
namespace {

using layout::Field;
using layout::kFields;
using layout::Presence;

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view v) {
  for (char c : v)
    if (!isDigit(c)) return false;
  return true;
}

int number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

bool validDate(std::string_view v) {
  if (v.size() != 8 || !allDigits(v)) return false;
  const int day = number(v.substr(0, 2)), month = number(v.substr(2, 2)), year = number(v.substr(4, 4));
  if (year < 1 || month < 1 || month > 12 || day < 1) return false;
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool validMonth(std::string_view v) {
  if (v.size() != 6 || !allDigits(v)) return false;
  const int month = number(v.substr(0, 2));
  return month >= 1 && month <= 12 && number(v.substr(2, 4)) >= 1;
}

std::string digitsOf(std::size_t n) { return std::to_string(n); }

// "dd/mm/aaaa" (or "mm/aaaa" for a month) loses its slashes; anything else stays as it is.
std::size_t dropDateSlashes(char* v, std::size_t n, bool month) {
  const std::size_t size = month ? 7 : 10;
  if (n != size) return n;
  for (std::size_t i = 0; i < size; ++i) {
    const bool slash = month ? i == 2 : (i == 2 || i == 5);
    if (slash ? v[i] != '/' : !isDigit(v[i])) return n;
  }
  if (!month) std::memmove(v + 5, v + 6, 4);
  std::memmove(v + 2, v + 3, n - 3);
  return n - (month ? 1 : 2);
}

// Digits with at most one decimal comma between digits, and no more decimals than allowed.
std::uint32_t checkNumber(std::string_view v, std::uint8_t decimals) {
  std::size_t comma = std::string_view::npos;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (isDigit(v[i])) continue;
    if (v[i] != ',' || comma != std::string_view::npos) return kNotNumeric;
    comma = i;
  }
  if (comma == std::string_view::npos) return 0;
  if (comma == 0 || comma + 1 == v.size()) return kNotNumeric;
  if (decimals == 0) return kNoDecimals;
  return v.size() - comma - 1 > decimals ? std::uint32_t{kTooManyDecimals} : 0u;
}

std::uint8_t classesOf(std::string_view v) {
  std::uint8_t seen = 0;
  for (const char c : v) seen |= kCharClasses[static_cast<unsigned char>(c)];
  return seen;
}

}  // namespace

std::uint32_t checkValue(const Field& field, Presence presence, std::string_view value, std::uint8_t seen) {
  std::uint32_t problems = presence == Presence::Forbidden ? std::uint32_t{kNotAllowed} : 0u;
  if (field.flags & layout::kDate) return problems | (validDate(value) ? 0u : std::uint32_t{kBadDate});
  if (field.flags & layout::kMonth) return problems | (validMonth(value) ? 0u : std::uint32_t{kBadMonth});
  if (field.type == 'N' && seen != kDigitChar) problems |= checkNumber(value, field.decimals);
  const std::size_t limit = field.size ? field.size : (field.type == 'C' ? kDefaultTextSize : 0);
  if (field.exact && value.size() != limit) {
    problems |= kWrongLength;
  } else if (limit && value.size() > limit) {
    problems |= kTooLong;
  }
  return problems;
}

FieldOutcome normaliseInPlace(const Field& field, Presence presence, char* v, std::size_t n) {
  const std::uint32_t missing = presence == Presence::Required ? std::uint32_t{kMissing} : 0u;
  std::size_t b = 0, e = n;
  while (b < e && isBlank(v[b])) ++b;
  while (e > b && isBlank(v[e - 1])) --e;
  // Characters are only ever dropped: each is written at or before where it was read.
  const bool punctuation = (field.flags & layout::kPunctuation) != 0;
  std::uint32_t problems = 0;
  std::size_t kept = 0;
  for (std::size_t i = b; i < e; ++i) {
    const char c = v[i];
    const std::uint8_t cls = kCharClasses[static_cast<unsigned char>(c)];
    if (cls == kPipeChar) {
      problems |= kSeparator;
    } else if (cls == kControlChar) {
      problems |= kControl;
    } else if (!(punctuation && (cls == kPointChar || cls == kSlashOrDash))) {
      v[kept++] = c;
    }
  }
  if (kept == 0) return {problems | missing, 0};  // nothing left: an empty field

  if (field.flags & (layout::kDate | layout::kMonth))
    kept = dropDateSlashes(v, kept, (field.flags & layout::kMonth) != 0);
  std::uint8_t seen = classesOf(std::string_view(v, kept));
  if (field.type == 'N' && field.decimals && (seen & kPointChar) && !(seen & kCommaChar)) {
    char* point = std::find(v, v + kept, '.');
    if (std::find(point + 1, v + kept, '.') == v + kept) {
      *point = ',';
      seen = classesOf(std::string_view(v, kept));
    }
  }
  return {problems | checkValue(field, presence, std::string_view(v, kept), seen), kept};
}

FieldOutcome checkInPlace(const Field& field, Presence presence, char* v, std::size_t n) {
  const std::uint8_t seen = classesOf(std::string_view(v, n));
  if ((seen & unusualFor(field)) || isBlank(v[0]) || isBlank(v[n - 1])) return normaliseInPlace(field, presence, v, n);
  return {checkValue(field, presence, std::string_view(v, n), seen), n};
}

#ifdef ESC_SSE2
__m128i loadValueBlockSlowly(const char* p) {
#ifndef ESC_CHECKED_MEMORY
  // Near the end of a page: the aligned block holding p lies within it. A value with no zero
  // there runs on into the next page, which is then readable.
  const std::size_t skip = reinterpret_cast<std::uintptr_t>(p) & 15;
  const __m128i aligned = _mm_load_si128(reinterpret_cast<const __m128i*>(p - skip));
  if ((sse2::ends(aligned) >> skip) == 0) return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  alignas(16) char block[32] = {};
  _mm_store_si128(reinterpret_cast<__m128i*>(block), aligned);
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + skip));
#else
  alignas(16) char block[16] = {};
  for (std::size_t i = 0; i < 16 && (block[i] = p[i]) != '\0'; ++i) {
  }
  return _mm_load_si128(reinterpret_cast<const __m128i*>(block));
#endif
}
#endif

namespace {

// The next 16 bytes of a value, copied to dst and classified.
Chunk copyValueChunk(char* dst, const char* src) {
#ifdef ESC_SSE2
  const __m128i v = loadValueBlock(src);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), v);
  return sse2::classify(v);
#else
#ifndef ESC_CHECKED_MEMORY
  if (blockReadable(src)) return copyChunk(dst, src);
#endif
  char block[16] = {};
  for (std::size_t i = 0; i < 16 && (block[i] = src[i]) != '\0'; ++i) {
  }
  return copyChunk(dst, block);
#endif
}

}  // namespace

CopiedField copyFieldInBlocks(const FieldPlan& plan, const char* value, char* out, std::size_t room) {
  std::size_t n = 0;
  std::uint32_t refused = plan.kind == QuickKind::None ? 1u : 0u;  // bytes that need the exact checks
  std::uint32_t commas = 0;                                        // of the only block holding any
  std::size_t commaBlock = 0;                                      // where that block begins
  if (value != nullptr) {
    for (;;) {
      if (room - n < 16) {  // no room for a whole block: the rest byte by byte
        for (char c = value[n]; c != '\0'; c = value[++n]) {
          if (n == room) return {0, 0, false};
          out[n] = c;
        }
        refused = 1;
        break;
      }
      const Chunk c = copyValueChunk(out + n, value + n);
      const std::uint32_t live = ((c.end & (0u - c.end)) - 1u) & 0xFFFFu;  // the bytes before the zero
      switch (plan.kind) {
        case QuickKind::Text: refused |= c.unusual & live; break;
        case QuickKind::Digits: refused |= ~c.digit & live; break;
        case QuickKind::Decimal:
          refused |= ~(c.digit | c.comma) & live;
          if (const std::uint32_t found = c.comma & live) {
            refused |= commas;  // commas in two blocks
            commas = found;
            commaBlock = n;
          }
          break;
        case QuickKind::None: break;
      }
      if (c.end) {
        n += static_cast<std::size_t>(std::countr_zero(c.end));
        break;
      }
      n += 16;
    }
  }
  if (n == 0) return {plan.empty, 0, true};
  bool quick = !refused && lengthPasses(plan, n);
  if (plan.kind == QuickKind::Text) {
    quick = quick && out[0] != ' ' && out[n - 1] != ' ';
  } else if (plan.kind == QuickKind::Decimal && commas != 0) {
    // The comma's place in the value, and the digits after it.
    const std::size_t at = commaBlock + static_cast<std::size_t>(std::countr_zero(commas));
    quick = quick && (commas & (commas - 1)) == 0 && at > 0 && at + 1 < n && n - at - 1 <= plan.decimals;
  }
  if (quick) return {0, n, true};
  const FieldOutcome r = checkInPlace(kFields[plan.field], plan.presence, out, n);
  return {r.problems, r.length, true};
}

CopiedField checkCopied(const FieldPlan& plan, char* v, std::size_t n) {
  if (n == 0) return {plan.empty, 0, true};
  const FieldOutcome r = checkInPlace(layout::kFields[plan.field], plan.presence, v, n);
  return {r.problems, r.length, true};
}

std::string describeProblem(FieldProblem problem, const Field& field, std::string_view value) {
  const std::size_t limit = field.size ? field.size : kDefaultTextSize;
  switch (problem) {
    case kMissing: return "campo obrigatório não preenchido";
    case kNotAllowed: return "este campo não deve ser preenchido neste registro";
    case kNotNumeric: return "campo numérico: só algarismos e, se houver casas decimais, uma vírgula entre algarismos";
    case kNoDecimals: return "campo numérico sem casas decimais: não aceita vírgula";
    case kTooManyDecimals: return "no máximo " + digitsOf(field.decimals) + " casa(s) decimal(is)";
    case kWrongLength:
      return "deve ter exatamente " + digitsOf(limit) + " caracteres (tem " + digitsOf(value.size()) + ")";
    case kTooLong: return "deve ter no máximo " + digitsOf(limit) + " caracteres (tem " + digitsOf(value.size()) + ")";
    case kSeparator: return "contém o separador de campos \"|\", retirado da linha gravada";
    case kControl: return "contém caracteres de controle, retirados da linha gravada";
    case kBadDate: return "data inválida: use ddmmaaaa (ou dd/mm/aaaa) com dia, mês e ano existentes";
    case kBadMonth: return "mês inválido: use mmaaaa (ou mm/aaaa)";
  }
  return "valor inválido";
}

std::string showValue(std::string_view raw, std::size_t limit) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string s = "\"";
  const std::string_view shown = raw.substr(0, limit);
  for (const char c : shown) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
      s += "\\x";
      s += kHex[u >> 4];
      s += kHex[u & 0xF];
    } else {
      s += c;
    }
  }
  s += '"';
  if (shown.size() < raw.size()) s += "... (" + std::to_string(raw.size()) + " bytes)";
  return s;
}

}  // namespace escrivania
