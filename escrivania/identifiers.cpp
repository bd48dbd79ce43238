#include "identifiers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace escrivania {
namespace {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::array<std::string_view, 27> kUfs = {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO",
                                                   "MA", "MG", "MS", "MT", "PA", "PB", "PE", "PI", "PR",
                                                   "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};

// Check digit of the common modulo-11 rule: remainder 0 or 1 gives 0, else 11 minus it.
constexpr int mod11(int sum) {
  const int r = sum % 11;
  return r < 2 ? 0 : 11 - r;
}

}  // namespace

bool isCnpj(std::string_view s) {
  char c[14];
  const char* p = s.data();
  if (s.size() == 14) {
    std::memcpy(c, p, 14);
  } else if (s.size() == 18 && p[2] == '.' && p[6] == '.' && p[10] == '/' && p[15] == '-') {
    std::memcpy(c, p, 2);
    std::memcpy(c + 2, p + 3, 3);
    std::memcpy(c + 5, p + 7, 3);
    std::memcpy(c + 8, p + 11, 4);
    std::memcpy(c + 12, p + 16, 2);
  } else {
    return false;
  }
  static constexpr int kWeights[13] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
  int first = 0;
  int second = 0;
  bool same = true;
  for (int i = 0; i < 12; ++i) {
    // Digits are 0 to 9 and letters 17 ('A') to 42 ('Z').
    const unsigned v = static_cast<unsigned char>(c[i]) - unsigned{'0'};
    if (v > 9 && (v < 17 || v > 42)) return false;
    first += static_cast<int>(v) * kWeights[i + 1];
    second += static_cast<int>(v) * kWeights[i];
    same = same && c[i] == c[0];
  }
  if (!isDigit(c[12]) || !isDigit(c[13])) return false;
  if (same && c[12] == c[0] && c[13] == c[0]) return false;
  const int dv1 = c[12] - '0';
  if (mod11(first) != dv1) return false;
  return mod11(second + dv1 * kWeights[12]) == c[13] - '0';
}

bool isCpf(std::string_view s) {
  char c[11];
  const char* p = s.data();
  if (s.size() == 11) {
    std::memcpy(c, p, 11);
  } else if (s.size() == 14 && p[3] == '.' && p[7] == '.' && p[11] == '-') {
    std::memcpy(c, p, 3);
    std::memcpy(c + 3, p + 4, 3);
    std::memcpy(c + 6, p + 8, 3);
    std::memcpy(c + 9, p + 12, 2);
  } else {
    return false;
  }
  int first = 0;
  int second = 0;
  bool same = true;
  for (int i = 0; i < 9; ++i) {
    if (!isDigit(c[i])) return false;
    const int v = c[i] - '0';
    first += v * (10 - i);
    second += v * (11 - i);
    same = same && c[i] == c[0];
  }
  if (!isDigit(c[9]) || !isDigit(c[10])) return false;
  if (same && c[9] == c[0] && c[10] == c[0]) return false;
  const int dv1 = c[9] - '0';
  if (mod11(first) != dv1) return false;
  return mod11(second + dv1 * 2) == c[10] - '0';
}

bool isCep(std::string_view s) {
  std::string_view head = s.substr(0, 5);
  std::string_view tail = s.substr(std::min<std::size_t>(s.size(), 5));
  if (s.size() == 9 && s[5] == '-') {
    tail.remove_prefix(1);
  } else if (s.size() != 8) {
    return false;
  }
  const bool digits = std::all_of(head.begin(), head.end(), isDigit) && std::all_of(tail.begin(), tail.end(), isDigit);
  return digits && head.size() == 5 && tail.size() == 3 && !head.starts_with("00");
}

bool isUf(std::string_view s) { return std::find(kUfs.begin(), kUfs.end(), s) != kUfs.end(); }

bool isMunicipioByRule(std::string_view s) {
  if (s.size() != 7 || !std::all_of(s.begin(), s.end(), isDigit)) return false;
  // Official codes whose last digit does not follow the rule.
  static constexpr std::string_view kExceptions[] = {"2201919", "2201988", "2202251", "2611533", "3117836",
                                                     "3152131", "4305871", "5203939", "5203962"};
  if (std::find(std::begin(kExceptions), std::end(kExceptions), s) != std::end(kExceptions)) return true;
  static constexpr std::string_view kStates[] = {"11", "12", "13", "14", "15", "16", "17", "21", "22",
                                                 "23", "24", "25", "26", "27", "28", "29", "31", "32",
                                                 "33", "35", "41", "42", "43", "50", "51", "52", "53"};
  if (std::find(std::begin(kStates), std::end(kStates), s.substr(0, 2)) == std::end(kStates)) return false;
  int sum = 0;
  for (int i = 0; i < 6; ++i) {
    int p = (s[static_cast<std::size_t>(i)] - '0') * (i % 2 == 0 ? 1 : 2);
    sum += p > 9 ? p - 9 : p;
  }
  return (10 - sum % 10) % 10 == s[6] - '0';
}

}  // namespace escrivania
