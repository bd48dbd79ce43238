// The library's quick way of copying and judging values, inside it: whatever the value and the
// field, it must come to what the exact normalisation and checks come to, byte for byte and
// problem for problem, and read no memory it may not.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "fields.h"

#if defined(__unix__) || defined(__APPLE__)
#include <sys/mman.h>
#include <unistd.h>
#define ESC_TEST_GUARD_PAGES 1
#endif

namespace escrivania {
namespace {

using layout::Field;
using layout::kFields;

// One field of each form the layout has (type, size, decimals, flags, presences).
const std::vector<std::size_t>& distinctFields() {
  static const std::vector<std::size_t> fields = [] {
    std::map<std::tuple<char, int, bool, int, int, int, int, int>, std::size_t> forms;
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
      const Field& f = kFields[i];
      forms.emplace(std::tuple(f.type, f.size, f.exact, f.decimals, f.flags, static_cast<int>(f.entry),
                               static_cast<int>(f.exit), static_cast<int>(f.undirected)),
                    i);
    }
    std::vector<std::size_t> v;
    for (const auto& [form, i] : forms) v.push_back(i);
    return v;
  }();
  return fields;
}

// Values that sit on the edges of the quick checks, then random ones over the characters that
// matter to them.
const std::vector<std::string>& sampleValues() {
  static const std::vector<std::string> values = [] {
    std::vector<std::string> v = {"",
                                  "0",
                                  "00",
                                  "5102",
                                  "000",
                                  "01",
                                  "100,00",
                                  "0,5",
                                  ",5",
                                  "5,",
                                  "1,2,3",
                                  "1,,2",
                                  "1.5",
                                  "1.234,56",
                                  "12,3456",
                                  "1,234567",
                                  "123456,78",
                                  "-1",
                                  "+1",
                                  "1 ",
                                  " 1",
                                  "1 2",
                                  "abc",
                                  " abc",
                                  "abc ",
                                  "a b",
                                  "a|b",
                                  "|",
                                  "a\tb",
                                  "\t",
                                  "\x7f",
                                  "\x01x",
                                  "x\x1f",
                                  "\xe7\xe3o",
                                  "\x80\xff",
                                  "  ",
                                  " ",
                                  "01012025",
                                  "31022025",
                                  "29022024",
                                  "29022023",
                                  "00012025",
                                  "01/01/2025",
                                  "1/1/2025",
                                  "012025",
                                  "132025",
                                  "01/2025",
                                  "11.222.333/0001-81",
                                  "11222333000181",
                                  "11222333000182",
                                  "123.456.789-09",
                                  "40170-110",
                                  "5.102",
                                  "UN",
                                  "ITEM1",
                                  "999",
                                  "9999999",
                                  "contato@exemplo.com.br",
                                  std::string(15, '9'),
                                  std::string(16, '9'),
                                  std::string(17, '1'),
                                  std::string(44, '2'),
                                  std::string(255, 'x'),
                                  std::string(256, 'x'),
                                  std::string(300, '7'),
                                  "1,0000000000000000001",
                                  "0000000000000,00"};
    for (std::size_t n = 1; n <= 20; ++n) v.push_back(std::string(n, '8'));
    for (std::size_t d = 0; d <= 8; ++d) v.push_back("7," + std::string(d, '3'));
    const std::string alphabet = "0123456789,,,. |/-aZ\t\x7f\xe9\x80\x01";
    std::mt19937 random(20250101);
    for (int k = 0; k < 1500; ++k) {
      std::string s(random() % 24, ' ');
      for (char& c : s) c = alphabet[random() % alphabet.size()];
      // Mostly digits and commas, so that the number checks see many near-misses.
      if (k % 2 == 0)
        for (char& c : s) c = random() % 4 ? static_cast<char>('0' + random() % 10) : c;
      v.push_back(s);
    }
    return v;
  }();
  return values;
}

struct Outcome {
  bool fits;
  std::uint32_t problems;
  std::string value;
  friend bool operator==(const Outcome&, const Outcome&) = default;
};

std::string describe(const Outcome& o) {
  return o.fits ? "problems " + std::to_string(o.problems) + " value [" + o.value + "]" : "does not fit";
}

// A place for the copy: `room` bytes, and a guard after them that nothing may touch.
class Out {
 public:
  explicit Out(std::size_t room) : bytes_(room + kGuard, '\xAB'), room_(room) {}
  char* data() { return bytes_.data(); }
  bool guardIntact() const {
    for (std::size_t i = room_; i < bytes_.size(); ++i)
      if (bytes_[i] != '\xAB') return false;
    return true;
  }
  std::string value(std::size_t n) const { return std::string(bytes_.data(), n); }

 private:
  static constexpr std::size_t kGuard = 32;
  std::string bytes_;
  std::size_t room_;
};

Outcome quickly(const FieldPlan& plan, const char* value, std::size_t room) {
  Out out(room);
  std::size_t n = 0;
  std::uint32_t problems = 0;
  const bool fits = copyField(plan, value, out.data(), room, room >= 16, n, problems);
  EXPECT_TRUE(out.guardIntact()) << "wrote past the room of " << room << " bytes";
  return fits ? Outcome{true, problems, out.value(n)} : Outcome{false, 0, {}};
}

// The exact checks alone: the value copied byte by byte, then checkInPlace.
Outcome exactly(const FieldPlan& plan, const char* value, std::size_t room) {
  Out out(room);
  std::size_t n = 0;
  for (const char* p = value; p != nullptr && *p != '\0'; ++p, ++n) {
    if (n == room) return {false, 0, {}};
    out.data()[n] = *p;
  }
  if (n == 0) return {true, plan.presence == layout::Presence::Required ? std::uint32_t{kMissing} : 0u, {}};
  const FieldOutcome r = checkInPlace(kFields[plan.field], plan.presence, out.data(), n);
  return {true, r.problems, out.value(r.length)};
}

void expectSameOutcome(const FieldPlan& plan, const char* value, std::size_t room) {
  const Outcome quick = quickly(plan, value, room), exact = exactly(plan, value, room);
  ASSERT_EQ(quick, exact) << "field " << kFields[plan.field].name << " (" << plan.field << "), presence "
                          << static_cast<int>(plan.presence) << ", value ["
                          << (value ? showValue(value) : std::string("null")) << "], room " << room << ": quick "
                          << describe(quick) << ", exact " << describe(exact);
}

TEST(FieldChecks, BlocksAreClassifiedAsByteByByte) {
  std::mt19937 random(7);
  std::array<char, 16> src{}, a{}, b{};
  for (int k = 0; k < 20000; ++k) {
    for (std::size_t i = 0; i < src.size(); ++i)
      src[i] = static_cast<char>(k < 256 ? (k + static_cast<int>(i)) & 0xFF : static_cast<int>(random() & 0xFF));
    const Chunk fast = copyChunk(a.data(), src.data()), slow = copyChunkPortable(b.data(), src.data());
    ASSERT_EQ(a, src);
    ASSERT_EQ(b, src);
    ASSERT_EQ(std::tie(fast.end, fast.digit, fast.comma, fast.unusual, fast.space),
              std::tie(slow.end, slow.digit, slow.comma, slow.unusual, slow.space))
        << "block " << k;
  }
}

// Every form of field, in every direction, with every sample value, where the value lies well
// inside readable memory and the line has room.
TEST(FieldChecks, EveryFormOfFieldComesToTheExactOutcome) {
  std::size_t quickAccepted = 0;
  for (const std::size_t field : distinctFields()) {
    for (std::size_t side = 0; side < 3; ++side) {
      const FieldPlan& plan = kFieldPlans[side][field];
      expectSameOutcome(plan, nullptr, 8192);
      for (const std::string& v : sampleValues()) {
        std::vector<char> held(v.begin(), v.end());
        held.resize(v.size() + 64, '\0');  // room after the value, as most values have
        expectSameOutcome(plan, held.data(), 8192);
        if (HasFatalFailure()) return;
        const Outcome exact = exactly(plan, held.data(), 8192);
        quickAccepted += exact.problems == 0 && exact.value == v ? 1 : 0;
      }
    }
  }
  // The samples reach both sides of the quick checks.
  EXPECT_GT(quickAccepted, 1000u);
}

#ifdef ESC_SSE2
// The heart of the quick path: a value it accepts at once is one the exact checks keep as it is
// and find nothing wrong with, whatever bytes follow its end in the block.
TEST(FieldChecks, AValueAcceptedAtOnceIsOneTheExactChecksKeepAndPass) {
  std::mt19937 random(11);
  for (const std::size_t field : distinctFields()) {
    for (std::size_t side = 0; side < 3; ++side) {
      const FieldPlan& plan = kFieldPlans[side][field];
      for (const std::string& v : sampleValues()) {
        if (v.size() >= 16) continue;
        alignas(16) std::array<char, 16> block{};
        for (char& c : block) c = static_cast<char>(random() & 0xFF);
        std::memcpy(block.data(), v.data(), v.size());
        block[v.size()] = '\0';
        const __m128i loaded = _mm_load_si128(reinterpret_cast<const __m128i*>(block.data()));
        if (v.empty() || !quickPasses(plan, loaded, sse2::ends(loaded))) continue;
        const Outcome exact = exactly(plan, v.c_str(), 8192);
        ASSERT_EQ(exact, (Outcome{true, 0, v})) << "field " << kFields[field].name << ", value [" << v << "]";
      }
    }
  }
}
#endif

#ifdef ESC_SSE2
// A line formed at once is accepted exactly when every value of it is one the exact checks keep as
// it is and pass, short of 16 bytes and not a date (those always take the exact way); the line is
// then each value and its '|', and nothing is written where CR LF goes or after it.
TEST(FieldChecks, ALineFormedAtOnceIsTheLineOfValuesThatNeedNothing) {
  std::mt19937 random(23);
  const std::vector<std::size_t>& fields = distinctFields();
  const std::vector<std::string>& values = sampleValues();
  std::vector<std::string> held(12);
  std::size_t accepted = 0, lines = 0;
  for (std::size_t side = 0; side < 3; ++side) {
    for (int k = 0; k < 30000; ++k) {
      // A line of up to 8 fields, each empty, null or a sample value; plain digits and words are
      // favoured so that whole lines pass often enough.
      const std::size_t count = 1 + random() % 8;
      std::vector<LinePlan> linePlans;
      std::vector<const char*> args;
      bool allPass = true;
      std::string expected = "|C170|";
      for (std::size_t i = 0; i < count; ++i) {
        const std::size_t field = fields[random() % fields.size()];
        const FieldPlan& plan = kFieldPlans[side][field];
        const int pick = static_cast<int>(random() % 8);
        held[i] = pick == 0   ? std::string()
                  : pick <= 3 ? std::to_string(random() % 1000)
                              : values[random() % values.size()];
        held[i].append(64, '\0');  // room after the value, as most values have
        const char* value = pick == 0 && random() % 2 ? nullptr : held[i].c_str();
        linePlans.push_back(kLinePlans[side][field]);
        args.push_back(value);
        const std::string v = value ? value : "";
        const Outcome exact = exactly(plan, value, 8192);
        const bool dated = (kFields[field].flags & (layout::kDate | layout::kMonth)) != 0;
        // Fields that drop punctuation (CNPJ, CPF, CEP, CFOP) take only digits at once, as text too.
        const bool punctuated = (kFields[field].flags & layout::kPunctuation) != 0;
        const bool digits = v.find_first_not_of("0123456789") == std::string::npos;
        allPass = allPass && exact == Outcome{true, 0, v} && v.size() < 16 && !(dated && !v.empty()) &&
                  !(punctuated && !digits);
        expected += v + "|";
      }
      const std::size_t room = 6 + 16 * count + 2;
      Out out(room + 16);
      std::memcpy(out.data(), "|C170|", 6);
      std::memset(out.data() + room - 2, '#', 18);
      std::array<std::size_t, 13> starts{};
      const std::size_t end = formQuickly(linePlans.data(), args.data(), count, out.data(), 6, room, starts.data());
      ++lines;
      ASSERT_EQ(end != 0, allPass) << "line " << expected << " (side " << side << ")";
      ASSERT_EQ(out.value(room + 16).substr(room - 2), std::string(18, '#')) << expected;
      if (!end) continue;
      ++accepted;
      ASSERT_EQ(out.value(end), expected);
      for (std::size_t i = 0; i < count; ++i)
        ASSERT_EQ(out.value(starts[i + 1] - 1).substr(starts[i]), args[i] ? std::string(args[i]) : std::string());
    }
  }
  // Both ways are taken often.
  EXPECT_GT(accepted, lines / 50);
  EXPECT_LT(accepted, lines - lines / 20);
}
#endif

// Rooms around each value's length: the copy fits exactly when the exact one does, and never
// writes past the room.
TEST(FieldChecks, TightRoomsFitAsTheExactCopyDoes) {
  const std::vector<std::string>& values = sampleValues();
  for (const std::size_t field : distinctFields()) {
    const FieldPlan& plan = kFieldPlans[0][field];
    for (std::size_t k = 0; k < 120; ++k) {
      const std::string& v = values[k];
      std::vector<char> held(v.begin(), v.end());
      held.resize(v.size() + 64, '\0');
      for (const std::size_t room : {std::size_t{0}, v.size() ? v.size() - 1 : 0, v.size(), v.size() + 1,
                                     std::size_t{15}, std::size_t{16}, std::size_t{17}, v.size() + 16}) {
        expectSameOutcome(plan, held.data(), room);
        if (HasFatalFailure()) return;
      }
    }
  }
}

#ifdef ESC_TEST_GUARD_PAGES
// Values whose zero byte ends a readable page, before one that may not be read at all: the copy
// reads none of it (or the test dies), and still comes to the exact outcome.
TEST(FieldChecks, ValuesEndingAtAnUnreadablePageAreReadNoFurther) {
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  void* mapped = mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(mapped, MAP_FAILED);
  char* const memory = static_cast<char*>(mapped);
  ASSERT_EQ(mprotect(memory + page, page, PROT_NONE), 0);
  const std::vector<std::string>& values = sampleValues();
  for (const std::size_t field : distinctFields()) {
    const FieldPlan& plan = kFieldPlans[0][field];
    for (std::size_t k = 0; k < 120; ++k) {
      const std::string& v = values[k];
      for (std::size_t gap = 0; gap <= 17; ++gap) {
        // The value, its zero byte, then `gap` bytes of the page; other bytes of the page nonzero.
        std::memset(memory, 'q', page);
        char* const value = memory + page - gap - 1 - v.size();
        std::memcpy(value, v.data(), v.size());
        value[v.size()] = '\0';
        expectSameOutcome(plan, value, 8192);
        if (HasFatalFailure()) break;
#ifdef ESC_SSE2
        // A line of that one value, formed at once, reads no further either.
        char line[64];
        std::size_t starts[2];
        const std::size_t end = formQuickly(&kLinePlans[0][field], &value, 1, line, 0, sizeof line, starts);
        if (end != 0) {
          ASSERT_EQ(std::string(line, end), v + "|");
        }
#endif
      }
    }
  }
  munmap(mapped, 2 * page);
}
#endif

}  // namespace
}  // namespace escrivania
