// State registration (inscrição estadual) rules, one per state, as each state publishes them for
// the SINTEGRA system: the number of digits, fixed leading digits where there are any, and how the
// check digits are computed. Where a state still has numbers of an older form, both are accepted.
#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "identifiers.h"

namespace escrivania {
namespace {

// The digits of a registration, without separators.
struct Number {
  int d[14] = {};
  int n = 0;
  bool rural = false;  // São Paulo's "P" prefix of rural producers

  int value(int from, int count) const {
    int v = 0;
    for (int i = from; i < from + count; ++i) v = v * 10 + d[i];
    return v;
  }
  bool startsWith(int a, int b) const { return n >= 2 && d[0] == a && d[1] == b; }
};

// Sum of d[first..] times the weights, in order.
int weighted(const Number& x, int first, std::initializer_list<int> weights) {
  int sum = 0;
  int i = first;
  for (int w : weights) sum += x.d[i++] * w;
  return sum;
}

// Remainder 0 or 1 gives 0, else 11 minus it (most states).
int mod11(int sum) {
  const int r = sum % 11;
  return r < 2 ? 0 : 11 - r;
}

// 11 minus the remainder, less 10 when that has two digits (Rondônia, Pernambuco's old form).
int mod11Wrap(int sum) {
  const int dv = 11 - sum % 11;
  return dv >= 10 ? dv - 10 : dv;
}

// The sum times ten, modulo 11; 10 gives 0 (Alagoas, Rio Grande do Norte).
int times10Mod11(int sum) {
  const int r = (sum * 10) % 11;
  return r == 10 ? 0 : r;
}

bool ac(const Number& x) {  // also DF, with its own leading digits
  if (x.n != 13) return false;
  return x.d[11] == mod11(weighted(x, 0, {4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2})) &&
         x.d[12] == mod11(weighted(x, 0, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool al(const Number& x) {
  return x.n == 9 && x.startsWith(2, 4) && x.d[8] == times10Mod11(weighted(x, 0, {9, 8, 7, 6, 5, 4, 3, 2}));
}

bool ap(const Number& x) {
  if (x.n != 9 || !x.startsWith(0, 3)) return false;
  const int base = x.value(0, 8);
  int p = 0;
  int d = 0;
  if (base >= 3000001 && base <= 3017000) {
    p = 5;
  } else if (base >= 3017001 && base <= 3019022) {
    p = 9;
    d = 1;
  }
  int dv = 11 - (p + weighted(x, 0, {9, 8, 7, 6, 5, 4, 3, 2})) % 11;
  if (dv == 10) dv = 0;
  if (dv == 11) dv = d;
  return x.d[8] == dv;
}

bool am(const Number& x) {
  if (x.n != 9) return false;
  const int sum = weighted(x, 0, {9, 8, 7, 6, 5, 4, 3, 2});
  const int dv = sum < 11 ? 11 - sum : mod11(sum);
  return x.d[8] == dv;
}

// Bahia: the digit that picks modulo 10 or 11 is the first (8 digits) or the second (9 digits);
// the last check digit is computed first and enters the other.
bool ba(const Number& x) {
  if (x.n != 8 && x.n != 9) return false;
  const int body = x.n - 2;
  const int selector = x.n == 8 ? x.d[0] : x.d[1];
  const bool modulo10 = selector != 6 && selector != 7 && selector != 9;
  auto check = [&](int sum) {
    if (modulo10) {
      const int r = sum % 10;
      return r == 0 ? 0 : 10 - r;
    }
    return mod11(sum);
  };
  int sum = 0;
  for (int i = 0; i < body; ++i) sum += x.d[i] * (body + 1 - i);
  const int second = check(sum);
  if (x.d[x.n - 1] != second) return false;
  sum = 0;
  for (int i = 0; i < body; ++i) sum += x.d[i] * (body + 2 - i);
  sum += second * 2;
  return x.d[x.n - 2] == check(sum);
}

bool nineDigitsMod11(const Number& x) {  // CE, ES, PB, PI, SC, SE
  return x.n == 9 && x.d[8] == mod11(weighted(x, 0, {9, 8, 7, 6, 5, 4, 3, 2}));
}

bool df(const Number& x) { return x.startsWith(0, 7) && ac(x); }

bool go(const Number& x) {
  if (x.n != 9) return false;
  // 10, 11 and 15 of the published rule, and 20 to 29 of the numbers issued more recently.
  const int prefix = x.value(0, 2);
  if (prefix != 10 && prefix != 11 && prefix != 15 && (prefix < 20 || prefix > 29)) return false;
  const int base = x.value(0, 8);
  if (base == 11094402) return x.d[8] == 0 || x.d[8] == 1;
  const int r = weighted(x, 0, {9, 8, 7, 6, 5, 4, 3, 2}) % 11;
  int dv = 11 - r;
  if (r == 0) dv = 0;
  if (r == 1) dv = base >= 10103105 && base <= 10119997 ? 1 : 0;
  return x.d[8] == dv;
}

bool ma(const Number& x) { return x.startsWith(1, 2) && nineDigitsMod11(x); }

// Mato Grosso: 11 digits; the shorter current numbers are the same with leading zeros.
bool mt(const Number& x) {
  if (x.n != 9 && x.n != 11) return false;
  Number padded;
  padded.n = 11;
  std::copy(x.d, x.d + x.n, padded.d + (11 - x.n));
  return padded.d[10] == mod11(weighted(padded, 0, {3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool ms(const Number& x) { return x.startsWith(2, 8) && nineDigitsMod11(x); }

// Minas Gerais: the first check digit adds the digits of the products of weights 1 and 2 over the
// first eleven digits with a zero put after the third; the second is modulo 11.
bool mg(const Number& x) {
  if (x.n != 13) return false;
  int spread[12];
  std::copy(x.d, x.d + 3, spread);
  spread[3] = 0;
  std::copy(x.d + 3, x.d + 11, spread + 4);
  int sum = 0;
  for (int i = 0; i < 12; ++i) {
    const int p = spread[i] * (i % 2 == 0 ? 1 : 2);
    sum += p / 10 + p % 10;
  }
  const int first = (10 - sum % 10) % 10;
  if (x.d[11] != first) return false;
  return x.d[12] == mod11(weighted(x, 0, {3, 2, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool pa(const Number& x) { return x.startsWith(1, 5) && nineDigitsMod11(x); }

bool pr(const Number& x) {
  return x.n == 10 && x.d[8] == mod11(weighted(x, 0, {3, 2, 7, 6, 5, 4, 3, 2})) &&
         x.d[9] == mod11(weighted(x, 0, {4, 3, 2, 7, 6, 5, 4, 3, 2}));
}

// Pernambuco: the current 9-digit form (e-Fisco) and the older 14-digit one (CACEPE).
bool pe(const Number& x) {
  if (x.n == 9) {
    return x.d[7] == mod11(weighted(x, 0, {8, 7, 6, 5, 4, 3, 2})) &&
           x.d[8] == mod11(weighted(x, 0, {9, 8, 7, 6, 5, 4, 3, 2}));
  }
  return x.n == 14 && x.d[13] == mod11Wrap(weighted(x, 0, {5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool rj(const Number& x) { return x.n == 8 && x.d[7] == mod11(weighted(x, 0, {2, 7, 6, 5, 4, 3, 2})); }

bool rn(const Number& x) {
  if (!x.startsWith(2, 0)) return false;
  if (x.n == 9) return x.d[8] == times10Mod11(weighted(x, 0, {9, 8, 7, 6, 5, 4, 3, 2}));
  return x.n == 10 && x.d[9] == times10Mod11(weighted(x, 0, {10, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool rs(const Number& x) { return x.n == 10 && x.d[9] == mod11(weighted(x, 0, {2, 9, 8, 7, 6, 5, 4, 3, 2})); }

// Rondônia: 14 digits since 2000; the older 9-digit numbers (municipality, company, check digit)
// weigh only the five company digits.
bool ro(const Number& x) {
  if (x.n == 9) return x.d[8] == mod11Wrap(weighted(x, 3, {6, 5, 4, 3, 2}));
  return x.n == 14 && x.d[13] == mod11Wrap(weighted(x, 0, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool rr(const Number& x) {
  return x.n == 9 && x.startsWith(2, 4) && x.d[8] == weighted(x, 0, {1, 2, 3, 4, 5, 6, 7, 8}) % 9;
}

// São Paulo: 12 digits with check digits at the 9th and 12th place; rural producers "P" and 12
// digits with one check digit at the 9th place.
bool sp(const Number& x) {
  if (x.n != 12) return false;
  if (x.d[8] != weighted(x, 0, {1, 3, 4, 5, 6, 7, 8, 10}) % 11 % 10) return false;
  return x.rural || x.d[11] == weighted(x, 0, {3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2}) % 11 % 10;
}

// Tocantins: the current 9-digit form, and the older 11-digit one whose 3rd and 4th digits give
// the kind of company and stay out of the check digit.
bool to(const Number& x) {
  if (x.n == 9) return nineDigitsMod11(x);
  if (x.n != 11) return false;
  const int kind = x.value(2, 2);
  if (kind != 1 && kind != 2 && kind != 3 && kind != 99) return false;
  const int sum = x.d[0] * 9 + x.d[1] * 8 + x.d[4] * 7 + x.d[5] * 6 + x.d[6] * 5 + x.d[7] * 4 + x.d[8] * 3 + x.d[9] * 2;
  return x.d[10] == mod11(sum);
}

using Rule = bool (*)(const Number&);

struct StateRule {
  std::string_view uf;
  Rule rule;
};

// clang-format off
constexpr StateRule kRules[] = {
    {"AC", [](const Number& x) { return x.startsWith(0, 1) && ac(x); }},
    {"AL", al}, {"AM", am}, {"AP", ap}, {"BA", ba}, {"CE", nineDigitsMod11}, {"DF", df},
    {"ES", nineDigitsMod11}, {"GO", go}, {"MA", ma}, {"MG", mg}, {"MS", ms}, {"MT", mt}, {"PA", pa},
    {"PB", nineDigitsMod11}, {"PE", pe}, {"PI", nineDigitsMod11}, {"PR", pr}, {"RJ", rj}, {"RN", rn},
    {"RO", ro}, {"RR", rr}, {"RS", rs}, {"SC", nineDigitsMod11}, {"SE", nineDigitsMod11}, {"SP", sp},
    {"TO", to},
};
// clang-format on

// Reads the digits of a registration; separators '.', '-', '/' may stand between them, and for São
// Paulo a leading "P" marks a rural producer.
bool readNumber(std::string_view s, bool allowRural, Number& x) {
  if (allowRural && !s.empty() && s.front() == 'P') {
    x.rural = true;
    s.remove_prefix(1);
    if (!s.empty() && s.front() == '-') s.remove_prefix(1);
  }
  bool lastWasDigit = false;
  for (char c : s) {
    if (c >= '0' && c <= '9') {
      if (x.n == 14) return false;
      x.d[x.n++] = c - '0';
      lastWasDigit = true;
    } else if ((c == '.' || c == '-' || c == '/') && lastWasDigit) {
      lastWasDigit = false;
    } else {
      return false;
    }
  }
  if (!lastWasDigit) return false;
  return std::any_of(x.d, x.d + x.n, [](int v) { return v != 0; });
}

}  // namespace

bool isInscricaoEstadual(std::string_view ie, std::string_view uf) {
  const auto state = std::find_if(std::begin(kRules), std::end(kRules), [&](const StateRule& r) { return r.uf == uf; });
  if (state == std::end(kRules)) return false;
  if (ie == "ISENTO") return true;
  Number x;
  if (ie.size() > 24 || !readNumber(ie, uf == "SP", x)) return false;
  return state->rule(x);
}

}  // namespace escrivania
