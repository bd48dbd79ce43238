#include "writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "data_file.h"
#include "fields.h"
#include "layout.h"
#include "validators.h"

namespace escrivania {
namespace {

namespace fs = std::filesystem;
using namespace layout;

constexpr std::size_t kBufferSize = DataFile::kBufferSize;
// The room a line is first formed in; a longer one is formed again.
constexpr std::size_t kLineRoom = 8192;
// Bytes readable after the end of the room a line is formed in (see VerdictCache).
constexpr std::size_t kSlack = DataFile::kSlack;
// A rejected line is shown in the error file up to this many bytes.
constexpr std::size_t kShownLine = 4096;
constexpr std::size_t kMaxDepth = 8;

constexpr std::size_t maxFieldCount() {
  std::size_t n = 0;
  for (const Shape& s : kShapes) n = std::max<std::size_t>(n, s.fieldCount);
  return n;
}
constexpr std::size_t kMaxFields = maxFieldCount();

constexpr std::size_t maxLevel() {
  std::size_t n = 0;
  for (const Record& r : kRecords) n = std::max<std::size_t>(n, r.level);
  return n;
}
static_assert(maxLevel() < kMaxDepth);

// fieldCountIn() of every shape in every layout version.
constexpr auto kFieldCounts = [] {
  std::array<std::array<std::uint16_t, std::size(kShapes)>, kMaxVersion + 1> counts{};
  for (std::uint8_t v = 0; v <= kMaxVersion; ++v)
    for (std::size_t s = 0; s < std::size(kShapes); ++s)
      counts[v][s] = static_cast<std::uint16_t>(fieldCountIn(kShapes[s], v));
  return counts;
}();

// The coded fields of each record function, judged by validators once the line is well formed:
// the field, its validator in kValueChecks and the field whose value is the validator's second
// argument (-1 for none), in the order of the fields.
struct CodedField {
  std::uint8_t field;
  std::uint8_t check;
  std::int16_t second;
};

constexpr std::uint8_t checkOf(const RecordFunction& fn, std::size_t i) {
  return static_cast<int>(i) == fn.checkedField ? fn.check : kFields[kShapes[fn.shape].firstField + i].valueCheck;
}

constexpr std::size_t countCodedFields() {
  std::size_t n = 0;
  for (const RecordFunction& fn : kRecordFunctions)
    for (std::size_t i = 0; i < kShapes[fn.shape].fieldCount; ++i) n += checkOf(fn, i) ? 1 : 0;
  return n;
}

struct CodedFields {
  std::array<CodedField, countCodedFields()> fields{};
  std::array<std::uint16_t, std::size(kRecordFunctions) + 1> first{};  // of each function in `fields`
};

constexpr CodedFields kCodedFields = [] {
  CodedFields t;
  std::size_t n = 0;
  for (std::size_t f = 0; f < std::size(kRecordFunctions); ++f) {
    const RecordFunction& fn = kRecordFunctions[f];
    const Shape& shape = kShapes[fn.shape];
    t.first[f] = static_cast<std::uint16_t>(n);
    for (std::size_t i = 0; i < shape.fieldCount; ++i) {
      const std::uint8_t c = checkOf(fn, i);
      if (!c) continue;
      std::int16_t second = -1;
      if (kValueChecks[c].second)
        for (std::size_t j = 0; j < shape.fieldCount; ++j)
          if (std::string_view(kFields[shape.firstField + j].name) == kValueChecks[c].second)
            second = static_cast<std::int16_t>(j);
      t.fields[n++] = {static_cast<std::uint8_t>(i), c, second};
    }
  }
  t.first[std::size(kRecordFunctions)] = static_cast<std::uint16_t>(n);
  return t;
}();
static_assert(kMaxFields <= UINT8_MAX && std::size(kValueChecks) <= UINT8_MAX + 1);

// The value each validator accepts besides its own, as a view.
constexpr auto kAlsoAccepted = [] {
  std::array<std::string_view, std::size(kValueChecks)> also{};
  for (std::size_t c = 0; c < also.size(); ++c)
    if (kValueChecks[c].also) also[c] = kValueChecks[c].also;
  return also;
}();

constexpr int kBlock9 = static_cast<int>(kBlockOrder.find('9'));

// Documents cancelled (COD_SIT 02, late 03), denied (04) or whose number was voided (05) keep only
// the fields that identify them; the others stay empty, and the document has no child records.
// The key is left empty too when the number was voided.
struct VoidedForm {
  int record;                       // in kRecords
  std::array<const char*, 8> kept;  // besides REG; null past the last
  const char* key;
};
constexpr VoidedForm kVoidedForms[] = {
    {recordIndex("C100"), {"IND_OPER", "IND_EMIT", "COD_MOD", "COD_SIT", "SER", "NUM_DOC", "CHV_NFE"}, "CHV_NFE"},
    {recordIndex("D100"),
     {"IND_OPER", "IND_EMIT", "COD_MOD", "COD_SIT", "SER", "SUB", "NUM_DOC", "CHV_CTE"},
     "CHV_CTE"},
};
static_assert(kVoidedForms[0].record >= 0 && kVoidedForms[1].record >= 0);

// What COD_SIT says of such a document, or nothing for any other situation.
std::string_view voidedSituation(std::string_view codSit) {
  if (codSit == "02") return "cancelado";
  if (codSit == "03") return "cancelado extemporâneo";
  if (codSit == "04") return "denegado";
  if (codSit == "05") return "numeração inutilizada";
  return {};
}

// Also the index of kFieldPlans.
enum class Direction : std::uint8_t { Unknown, Entry, Exit };

// UTF-8 (our source) to the Windows-1252 of the files we write.
std::string cp(std::string_view utf8) { return esc::toCp1252(utf8); }

// n with leading zeros up to `width` digits.
std::string padded(std::size_t n, std::size_t width) {
  const std::string digits = std::to_string(n);
  std::string s(digits.size() < width ? width - digits.size() : 0, '0');
  s += digits;
  return s;
}
std::string twoDigits(std::size_t n) { return padded(n, 2); }
std::string threeDigits(std::size_t n) { return padded(n, 3); }

std::string_view trimmed(std::string_view v) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
  while (!v.empty() && blank(v.front())) v.remove_prefix(1);
  while (!v.empty() && blank(v.back())) v.remove_suffix(1);
  return v;
}

// A folder named by the caller in Windows-1252, as the file system knows it.
fs::path pathOf(std::string_view cp1252) {
  const std::string utf8 = esc::toUtf8(cp1252);
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

bool sameDirectory(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code ec;
  const bool same = fs::equivalent(pathOf(a), pathOf(b), ec);
  return ec ? a == b : same;
}

// The error file of one output directory, opened at its first entry and appended to.
class ErrorFile {
 public:
  const std::string& directory() const { return directory_; }
  void bind(const std::string& directory) {
    close();
    directory_ = directory;
  }
  void add(std::string_view entry) {
    if (directory_.empty()) return;
    if (!stream_.is_open()) {
      stream_.clear();
      stream_.open(pathOf(directory_) / kErrorFileName, std::ios::binary | std::ios::app);
    }
    stream_.write(entry.data(), static_cast<std::streamsize>(entry.size()));
    stream_.write("\r\n", 2);
  }
  void flush() {
    if (stream_.is_open()) stream_.flush();
  }
  void close() {
    if (stream_.is_open()) stream_.close();
    stream_.clear();
  }
  void remove() {
    close();
    std::error_code ec;
    if (!directory_.empty()) fs::remove(pathOf(directory_) / kErrorFileName, ec);
  }

 private:
  std::string directory_;
  std::ofstream stream_;
};

// Whether the coded field's value passes its validator (or is the value accepted besides).
bool judgeValue(std::uint8_t check, std::string_view value, std::string_view second) {
  const ValueCheck& c = kValueChecks[check];
  if (c.also && value == kAlsoAccepted[check]) return true;
  const char* validator = c.alternative && value.size() == 11 ? c.alternative : c.validator;
  return validateValues(validator, value, second) != 0;
}

// The verdicts on coded fields already given in this file: files repeat the same codes over and
// over. A value of up to 24 bytes is its own key, read as three words from the line it lies in
// (which has room after it); two values of one slot share it, the later replacing the earlier.
class VerdictCache {
 public:
  // The value lies in a buffer with kReadable bytes after its start.
  static constexpr std::size_t kReadable = 24;

  bool judge(std::uint8_t check, std::string_view value, std::string_view second) {
    const std::size_t n = value.size();
    if (n <= 8 && second.empty()) {  // most codes: one word
      std::uint64_t word;
      std::memcpy(&word, value.data(), 8);
      word &= wordMask(n, 0);
      const std::uint32_t tag = tagOf(check, n);
      Entry& e = entries_[slot((word ^ tag) * 0x9E3779B97F4A7C15u)];
      if (e.key.tag == tag && e.key.words[0] == word) return e.valid;
      return remember(e, Key{{word, 0, 0}, tag}, check, value, second);
    }
    if (n > kReadable || !second.empty()) return judgeValue(check, value, second);
    Key key{{}, tagOf(check, n)};
    std::memcpy(key.words.data(), value.data(), kReadable);
    for (std::size_t w = 0; w < key.words.size(); ++w) key.words[w] &= wordMask(n, w);
    Entry& e = entries_[slot(((key.words[0] ^ key.tag) * 0x9E3779B97F4A7C15u) ^ (key.words[1] * 0xC2B2AE3D27D4EB4Fu) ^
                             (key.words[2] * 0x165667B19E3779F9u))];
    if (e.key.tag == key.tag && e.key.words == key.words) return e.valid;
    return remember(e, key, check, value, second);
  }
  void clear() { entries_.fill(Entry{}); }

 private:
  static constexpr std::size_t kEntryBits = 12;
  struct Key {
    std::array<std::uint64_t, 3> words;
    std::uint32_t tag;  // the validator, the value's length, and that the entry is in use
  };
  struct Entry {
    Key key{};
    bool valid = false;
  };
  static std::uint32_t tagOf(std::uint8_t check, std::size_t n) {
    return check | static_cast<std::uint32_t>(n) << 8 | std::uint32_t{1} << 16;
  }
  static std::size_t slot(std::uint64_t hash) { return static_cast<std::size_t>(hash >> (64 - kEntryBits)); }
  // The bytes of word w that belong to a value of n bytes.
  static std::uint64_t wordMask(std::size_t n, std::size_t w) {
    const std::size_t bytes = n > 8 * w ? std::min<std::size_t>(n - 8 * w, 8) : 0;
    if (bytes == 8) return ~std::uint64_t{0};
    const std::uint64_t low = (std::uint64_t{1} << (8 * bytes)) - 1;
    return std::endian::native == std::endian::little ? low : ~(~std::uint64_t{0} >> (8 * bytes));
  }
  static bool remember(Entry& e, const Key& key, std::uint8_t check, std::string_view value, std::string_view second) {
    const bool valid = judgeValue(check, value, second);
    e = {key, valid};
    return valid;
  }
  std::array<Entry, std::size_t{1} << kEntryBits> entries_{};
};

static_assert(VerdictCache::kReadable <= kSlack);

struct Level {
  std::int16_t record = -1;
  Direction direction = Direction::Unknown;
  bool voided = false;  // a document cancelled, denied or of a voided number: no child records
  std::array<std::uint8_t, kMaxLimitedChildren> children{};  // occurrences of each limited child
};

// Everything that belongs to the file being written; each new file starts from a fresh one.
struct FileState {
  bool open = false;
  fs::path temporary;
  fs::path final;
  std::uint8_t version = kDefaultVersion;
  bool finished = false;  // 9999 written
  int openBlock = -1;
  int lastBlock = -1;
  bool totalsWritten = false;
  bool block9Closed = false;
  bool ioFailed = false;
  std::size_t depth = 0;
  std::array<Level, kMaxDepth> stack{};
  std::array<std::uint64_t, kRecordCount> counts{};
  std::array<std::uint64_t, kBlockCount> blockLines{};
  std::uint64_t lines = 0;
};

class Writer {
 public:
  Writer() = default;
  ~Writer();
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  std::int32_t start(esc::Text outputDir, esc::Text inputDir) noexcept;
  std::int32_t finish() noexcept;
  std::int32_t record(std::size_t function, std::initializer_list<esc::Text> args) noexcept;
  std::uint8_t validate(std::string_view validator, std::initializer_list<esc::Text> args) noexcept;

 private:
  // Where an error line of the current call points: the record and its line, or "not written".
  struct Where {
    const RecordFunction* function;
    std::uint64_t line;
    bool rejected;
  };

  std::int32_t startLocked(esc::Text outputDir, esc::Text inputDir);
  std::int32_t finishLocked();
  std::int32_t recordLocked(std::size_t function, std::initializer_list<esc::Text> args);
  void internalError(std::string_view caller, const char* what) noexcept;
  void endCall();

  std::string structureProblem(std::size_t record) const;
  Direction directionOf(const Record& rec, std::initializer_list<esc::Text> args, bool placed) const;
  bool formatFields(const Record& rec, std::size_t count, std::initializer_list<esc::Text> args, const FieldPlan* plans,
                    char* out, std::size_t limit);
  // For a document that COD_SIT voids: its fields' plans in `plans`, those it must leave empty
  // forbidden; the situation's name (UTF-8), or nothing for any other record or situation.
  std::string_view voidedPlans(const Record& rec, const Shape& own, std::size_t count,
                               std::initializer_list<esc::Text> args, const FieldPlan* usual, FieldPlan* plans);
  // Forms the line at once when every value passes as it is (fieldProblems_ then not set).
  bool formLineQuickly(const Record& rec, const Shape& own, std::size_t count, const esc::Text* values,
                       Direction direction);
  bool appendFields(const RecordFunction& fn, const Record& rec, std::initializer_list<esc::Text> args,
                    Direction direction, const Where& where, bool placed);
  // Judges the coded fields of a well-formed line by their validators.
  bool checkValues(std::size_t function, std::initializer_list<esc::Text> args, const Where& where);
  [[gnu::noinline]] void refuseValue(std::size_t function, const CodedField& coded,
                                     std::initializer_list<esc::Text> args, const Where& where,
                                     std::string_view second);
  // The normalised value of field i of the line.
  std::string_view fieldValue(std::size_t i) const {
    return {line_ + fieldStart_[i], fieldStart_[i + 1] - fieldStart_[i] - 1};
  }
  void appendText(std::string_view text) {
    std::memcpy(line_ + lineLength_, text.data(), text.size());
    lineLength_ += text.size();
  }
  void appendCount(const Record& rec, std::uint64_t count, bool placed);
  std::size_t appendTotals(bool placed);
  bool takeVersion(std::initializer_list<esc::Text> args, const Where& where);
  void commit(std::size_t record, Direction direction, std::size_t lineCount);
  // Passes the buffered lines on to the disk (and waits until they are written), telling of a
  // write that failed.
  void flushBuffer(bool wait = false);
  std::string abandon(std::string_view caller);

  static std::string label(const RecordFunction& fn) { return std::string("Registro ") + (fn.name + 8); }
  static std::string prefix(const Where& w);
  void addError(std::string_view entry) {
    errors_.add(entry);
    logged_ = true;
  }

  // Room for a line of at most `bound` bytes: at the end of the output buffer when the line will
  // be written and fits there, else in the scratch area.
  char* lineSpace(std::size_t bound, bool placed);
  std::string_view line() const { return {line_, lineLength_}; }

  std::mutex mutex_;
  FileState file_;
  DataFile data_;
  std::vector<char> scratch_;
  char* line_ = nullptr;  // the line (or lines, for 9900) of the current call
  std::size_t lineLength_ = 0;
  bool lineInScratch_ = false;
  std::array<std::size_t, kMaxFields + 1> fieldStart_{};  // where each field of the line begins
  std::array<std::uint32_t, kMaxFields> fieldProblems_{};
  std::uint32_t anyProblem_ = 0;
  std::size_t fieldCount_ = 0;      // fields of the line
  std::string_view voided_;         // the situation of a document that COD_SIT voids (UTF-8), or empty
  std::string_view situationCode_;  // its COD_SIT, as passed
  VerdictCache verdicts_;
  ErrorFile errors_;
  bool logged_ = false;
};

Writer::~Writer() {
  try {
    if (file_.open) {
      flushBuffer();
      data_.close();
      addError(cp("O programa terminou sem Finaliza_SPED: o arquivo ficou com o nome temporário ") +
               std::string(kTemporaryFileName) + ".");
      errors_.flush();
    }
  } catch (...) {
  }
}

std::string Writer::prefix(const Where& w) {
  if (w.rejected) return label(*w.function) + cp(" (não gravado, após a linha ") + std::to_string(w.line) + ")";
  return label(*w.function) + ", linha " + std::to_string(w.line);
}

void Writer::internalError(std::string_view caller, const char* what) noexcept {
  try {
    addError(std::string(caller) + ": erro interno" + (what ? std::string(": ") + what : std::string()));
  } catch (...) {
  }
}

void Writer::endCall() {
  // Whatever the call told is on disk when it returns, with the lines it concerns.
  if (logged_) {
    if (file_.open) flushBuffer(true);
    errors_.flush();
  }
  logged_ = false;
  if (scratch_.capacity() > 4 * kBufferSize) scratch_ = std::vector<char>();
}

// ---------------------------------------------------------------------------------------------
// Opening and closing the file.

std::int32_t Writer::start(esc::Text outputDir, esc::Text inputDir) noexcept {
  try {
    std::lock_guard lock(mutex_);
    std::int32_t result = -1;
    try {
      result = startLocked(outputDir, inputDir);
    } catch (const std::exception& e) {
      internalError("Inicia_SPED", e.what());
      file_ = FileState{};
      data_.close();
    } catch (...) {
      internalError("Inicia_SPED", nullptr);
      file_ = FileState{};
      data_.close();
    }
    endCall();
    return result;
  } catch (...) {
    return -1;
  }
}

std::string Writer::abandon(std::string_view caller) {
  flushBuffer();
  data_.close();
  std::string note = std::string(caller) +
                     cp(": o arquivo em gravação foi fechado incompleto (sem o registro 9999) e ficou com o nome "
                        "temporário ") +
                     std::string(kTemporaryFileName) + ".";
  addError(note);
  return note;
}

std::int32_t Writer::startLocked(esc::Text outputDir, esc::Text inputDir) {
  const std::string previousDirectory = errors_.directory();
  std::string carried;
  if (file_.open) carried = abandon("Inicia_SPED");
  errors_.flush();
  clearFilePeriod();
  file_ = FileState{};
  data_.close();

  const std::string out(esc::bytes(outputDir));
  const std::string in(esc::bytes(inputDir));
  std::error_code ec;
  if (out.empty() || !fs::is_directory(pathOf(out), ec)) {
    errors_.bind({});  // no folder to tell the reason in
    return -1;
  }
  errors_.bind(out);

  std::string reason;
  if (!loadReferenceTables(in, reason)) {
    addError("Inicia_SPED: " + cp(reason));
    return -1;
  }
  const fs::path temporary = pathOf(out) / kTemporaryFileName;
  if (!data_.open(temporary)) {
    addError(cp("Inicia_SPED: não foi possível criar o arquivo ") + std::string(kTemporaryFileName) + " em " + out +
             cp(" (sem permissão de gravação?)."));
    return -1;
  }
  // The error file tells about this file only.
  errors_.remove();
  if (!carried.empty() && sameDirectory(previousDirectory, out))
    addError(carried + cp(" O novo arquivo substitui esse arquivo temporário."));
  verdicts_.clear();  // the tables may have changed
  file_.open = true;
  file_.temporary = temporary;
  file_.final = pathOf(out) / kFinalFileName;
  return 0;
}

std::int32_t Writer::finish() noexcept {
  try {
    std::lock_guard lock(mutex_);
    std::int32_t result = -1;
    try {
      result = finishLocked();
    } catch (const std::exception& e) {
      internalError("Finaliza_SPED", e.what());
    } catch (...) {
      internalError("Finaliza_SPED", nullptr);
    }
    endCall();
    return result;
  } catch (...) {
    return -1;
  }
}

std::int32_t Writer::finishLocked() {
  if (!file_.open) {
    addError("Finaliza_SPED: nenhum arquivo aberto.");
    return -1;
  }
  flushBuffer(true);
  if (!data_.close()) file_.ioFailed = true;
  clearFilePeriod();
  const FileState done = std::move(file_);
  file_ = FileState{};
  const std::string temporaryName(kTemporaryFileName);
  if (done.ioFailed) {
    addError(cp("Finaliza_SPED: houve erro de gravação no arquivo; ele ficou com o nome temporário ") + temporaryName +
             ".");
    return -1;
  }
  if (!done.finished) {
    addError(cp("Finaliza_SPED: o arquivo não foi encerrado com o registro 9999 e ficou com o nome temporário ") +
             temporaryName + ".");
    return -1;
  }
  std::error_code ec;
  fs::rename(done.temporary, done.final, ec);
  if (ec) {
    addError(cp("Finaliza_SPED: não foi possível dar ao arquivo o nome ") + std::string(kFinalFileName) + " (" +
             ec.message() + cp("); o arquivo completo ficou com o nome temporário ") + temporaryName + ".");
    return -1;
  }
  return 0;
}

void Writer::flushBuffer(bool wait) {
  if (wait) {
    data_.sync();
  } else {
    data_.flush();
  }
  if (file_.open && data_.failed() && !file_.ioFailed) {
    file_.ioFailed = true;
    addError(cp("Erro de gravação no arquivo ") + std::string(kTemporaryFileName) +
             cp(": o disco está cheio ou o arquivo deixou de estar acessível."));
  }
}

// ---------------------------------------------------------------------------------------------
// Records.

char* Writer::lineSpace(std::size_t bound, bool placed) {
  lineLength_ = 0;
  lineInScratch_ = !placed || bound > kBufferSize;
  if (lineInScratch_) {
    if (scratch_.size() < bound + kSlack) scratch_.resize(bound + kSlack);
    return line_ = scratch_.data();
  }
  if (!data_.fits(bound)) flushBuffer();
  return line_ = data_.room(bound);
}

std::int32_t Writer::record(std::size_t function, std::initializer_list<esc::Text> args) noexcept {
  try {
    std::lock_guard lock(mutex_);
    std::int32_t result = -1;
    const char* name = function < std::size(kRecordFunctions) ? kRecordFunctions[function].name : "Registro";
    try {
      result = recordLocked(function, args);
    } catch (const std::exception& e) {
      internalError(name, e.what());
    } catch (...) {
      internalError(name, nullptr);
    }
    endCall();
    return result;
  } catch (...) {
    return -1;
  }
}

std::string Writer::structureProblem(std::size_t index) const {
  const Record& rec = kRecords[index];
  const char block = kBlockOrder[rec.block];
  const auto blockName = [](int b) { return std::string("bloco ") + kBlockOrder[static_cast<std::size_t>(b)]; };
  const auto closer = [](int b) { return std::string(1, kBlockOrder[static_cast<std::size_t>(b)]) + "990"; };

  if (file_.finished) return "nada pode ser gravado depois do registro 9999.";
  if (file_.lines == 0 && rec.kind != RecordKind::FileOpening) return "o arquivo deve começar pelo registro 0000.";
  switch (rec.kind) {
    case RecordKind::FileOpening:
      if (file_.lines > 0) return "o registro 0000 só pode ser o primeiro do arquivo.";
      return {};
    case RecordKind::BlockOpening:
      if (file_.openBlock >= 0)
        return "o " + blockName(file_.openBlock) + " ainda está aberto: encerre-o com o registro " +
               closer(file_.openBlock) + " antes de abrir o " + blockName(rec.block) + ".";
      if (file_.lastBlock == rec.block) return "o " + blockName(rec.block) + " já foi gravado neste arquivo.";
      if (file_.lastBlock > rec.block)
        return "o " + blockName(rec.block) + " não pode vir depois do " + blockName(file_.lastBlock) +
               " (ordem dos blocos: 0, B, C, D, E, G, H, K, 1, 9).";
      return {};
    case RecordKind::BlockClosing:
      if (file_.openBlock != rec.block) {
        if (file_.lastBlock == rec.block) return "o " + blockName(rec.block) + " já foi encerrado.";
        return "o " + blockName(rec.block) + " não está aberto (falta o registro " + std::string(1, block) + "001).";
      }
      if (rec.block == kBlock9 && !file_.totalsWritten)
        return "o registro 9990 só pode vir depois das linhas 9900 (chame Registro9900 antes).";
      return {};
    case RecordKind::Totals:
      if (file_.openBlock != rec.block) return "o bloco 9 não está aberto (falta o registro 9001).";
      if (file_.totalsWritten) return "as linhas 9900 já foram gravadas: Registro9900 vale uma vez por arquivo.";
      return {};
    case RecordKind::FileClosing:
      if (file_.openBlock >= 0)
        return "o " + blockName(file_.openBlock) + " ainda está aberto: encerre-o com o registro " +
               closer(file_.openBlock) + ".";
      if (!file_.block9Closed) return "o registro 9999 só pode vir depois do encerramento do bloco 9 (9990).";
      return {};
    case RecordKind::Plain: break;
  }

  const std::size_t level = rec.level;
  const bool underParent =
      file_.openBlock == rec.block && file_.depth >= level && file_.stack[level - 1].record == rec.parent;
  if (underParent && file_.stack[level - 1].voided)
    return "o registro " + std::string(rec.code) + " não pode vir abaixo de um registro " +
           kRecords[static_cast<std::size_t>(rec.parent)].code +
           " de documento cancelado, denegado ou de numeração inutilizada (COD_SIT 02, 03, 04 ou 05).";
  const bool inOrder = !(file_.depth > level && static_cast<std::size_t>(file_.stack[level].record) > index);
  const bool roomLeft = !(rec.maxPerParent && rec.slot >= 0 &&
                          file_.stack[level - 1].children[static_cast<std::size_t>(rec.slot)] >= rec.maxPerParent);
  if (underParent && inOrder && roomLeft) return {};

  // The texts are put together only for a record out of place.
  const std::string code = "o registro " + std::string(rec.code);
  const char* parent = kRecords[static_cast<std::size_t>(rec.parent)].code;
  if (file_.openBlock != rec.block) return code + " pertence ao " + blockName(rec.block) + ", que não está aberto.";
  if (!underParent) return code + " só pode vir abaixo de um registro " + parent + " (seu registro pai).";
  if (!inOrder)
    return "fora da ordem do leiaute: " + code + " não pode vir depois do registro " +
           kRecords[static_cast<std::size_t>(file_.stack[level].record)].code + " sob o mesmo registro " + parent + ".";
  return code + " só pode aparecer " + std::to_string(rec.maxPerParent) + (rec.maxPerParent == 1 ? " vez" : " vezes") +
         " sob cada registro " + parent + ".";
}

Direction Writer::directionOf(const Record& rec, std::initializer_list<esc::Text> args, bool placed) const {
  if (rec.indOper >= 0) {
    const auto i = static_cast<std::size_t>(rec.indOper);
    const std::string_view v = i < args.size() ? trimmed(esc::bytes(args.begin()[i])) : std::string_view();
    return v == "0" ? Direction::Entry : v == "1" ? Direction::Exit : Direction::Unknown;
  }
  if (placed && rec.level > 0 && file_.depth >= rec.level) return file_.stack[rec.level - 1u].direction;
  return Direction::Unknown;
}

bool Writer::formatFields(const Record& rec, std::size_t count, std::initializer_list<esc::Text> args,
                          const FieldPlan* plans, char* out, std::size_t limit) {
  anyProblem_ = 0;
  if (limit < 8) return false;
  out[0] = '|';
  std::memcpy(out + 1, rec.code, 4);
  out[5] = '|';
  std::size_t at = 6;
  // The values, as many as the fields: those the function has no argument for are empty.
  const esc::Text* values = args.begin();
  std::array<esc::Text, kMaxFields> padded;
  if (args.size() < count) {
    padded.fill(nullptr);
    std::copy(args.begin(), args.end(), padded.begin());
    values = padded.data();
  }
  // Up to where a value can be written in one block of 16, its '|' and the line's CR LF after it.
  const std::size_t blockEnd = limit >= 16 + 3 ? limit - (16 + 3) : 0;
  std::uint32_t any = 0;
  for (std::size_t i = 0; i < count; ++i) {
    fieldStart_[i] = at;
    const bool block = at <= blockEnd;
    if (!block && limit - at < 3) return false;  // no room for the field's '|' and the line's CR LF
    std::size_t n;
    std::uint32_t problems;
    if (!copyField(plans[i], values[i], out + at, limit - at - 3, block, n, problems)) return false;
    fieldProblems_[i] = problems;
    any |= problems;
    at += n;
    out[at++] = '|';
  }
  anyProblem_ = any;
  fieldStart_[count] = at;
  fieldCount_ = count;
  out[at++] = '\r';
  out[at++] = '\n';
  lineLength_ = at;
  return true;
}

bool Writer::formLineQuickly(const Record& rec, const Shape& own, std::size_t count, const esc::Text* values,
                             Direction direction) {
#ifdef ESC_SSE2
  char* out = lineSpace(kLineRoom, true);
  out[0] = '|';
  std::memcpy(out + 1, rec.code, 4);
  out[5] = '|';
  const LinePlan* plans = kLinePlans[static_cast<std::size_t>(direction)].data() + own.firstField;
  const std::size_t end = formQuickly(plans, values, count, out, 6, kLineRoom, fieldStart_.data());
  if (end == 0) return false;
  out[end] = '\r';
  out[end + 1] = '\n';
  lineLength_ = end + 2;
  fieldCount_ = count;
  anyProblem_ = 0;
  return true;
#else
  (void)rec, (void)own, (void)count, (void)values, (void)direction;
  return false;
#endif
}

std::string_view Writer::voidedPlans(const Record& rec, const Shape& own, std::size_t count,
                                     std::initializer_list<esc::Text> args, const FieldPlan* usual, FieldPlan* plans) {
  const VoidedForm* form = nullptr;
  const auto index = static_cast<int>(&rec - kRecords);  // every record call asks: no text compared
  for (const VoidedForm& f : kVoidedForms)
    if (f.record == index) form = &f;
  if (form == nullptr) return {};
  const std::span<const Field> fields = fieldsOf(own).first(count);
  const auto codSit =
      std::find_if(fields.begin(), fields.end(), [](const Field& f) { return std::string_view(f.name) == "COD_SIT"; });
  const auto at = static_cast<std::size_t>(codSit - fields.begin());
  if (at >= args.size()) return {};
  const std::string_view code = trimmed(esc::bytes(args.begin()[at]));
  const std::string_view situation = voidedSituation(code);
  if (situation.empty()) return {};
  situationCode_ = code;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view name = fields[i].name;
    const bool kept =
        std::any_of(form->kept.begin(), form->kept.end(), [&](const char* k) { return k != nullptr && name == k; }) &&
        !(code == "05" && name == form->key);
    plans[i] = kept ? usual[i] : planOf(own.firstField + i, Presence::Forbidden);
  }
  return situation;
}

bool Writer::appendFields(const RecordFunction& fn, const Record& rec, std::initializer_list<esc::Text> args,
                          Direction direction, const Where& where, bool placed) {
  const Shape& own = kShapes[fn.shape];
  const Shape* valid = shapeIn(rec, file_.version);
  bool ok = true;
  std::size_t count = fn.argc;
  if (valid == &own) {
    count = kFieldCounts[file_.version][fn.shape];
  } else {
    std::string names;
    for (const Field& f : fieldsOf(own)) names += (names.empty() ? "" : ", ") + std::string(f.name);
    addError(prefix(where) + ": " +
             cp("a forma do registro " + std::string(rec.code) + " desta função (" + names + ") não vale no leiaute " +
                threeDigits(file_.version) + "; vale do leiaute " + threeDigits(own.validFrom) + " ao " +
                threeDigits(own.validTo) + "."));
    ok = false;
  }

  const FieldPlan* plans = kFieldPlans[static_cast<std::size_t>(direction)].data() + own.firstField;
  std::array<FieldPlan, kMaxFields> voided;
  voided_ = voidedPlans(rec, own, count, args, plans, voided.data());
  if (!voided_.empty()) plans = voided.data();

  // The line is formed straight in the output buffer, each value copied while it is looked at; one
  // too long for the room taken is formed again once its length is known.
  const bool quick =
      placed && voided_.empty() && args.size() >= count && formLineQuickly(rec, own, count, args.begin(), direction);
  if (!quick && (!placed || !formatFields(rec, count, args, plans, lineSpace(kLineRoom, placed), kLineRoom))) {
    std::size_t bound = 8 + count;  // "|CODE|", a '|' after each field, CR LF
    for (std::size_t i = 0; i < count && i < args.size(); ++i) bound += esc::bytes(args.begin()[i]).size();
    formatFields(rec, count, args, plans, lineSpace(bound, placed), bound);
  }

  for (std::size_t i = 0; anyProblem_ && i < count; ++i) {
    const std::uint32_t problems = fieldProblems_[i];
    if (!problems) continue;
    ok = false;
    const Field& f = kFields[own.firstField + i];
    const std::string_view raw = i < args.size() ? esc::bytes(args.begin()[i]) : std::string_view();
    const std::string_view value = line().substr(fieldStart_[i], fieldStart_[i + 1] - fieldStart_[i] - 1);
    const std::string head =
        prefix(where) + ", campo " + twoDigits(i + 2) + " " + f.name + ", valor " + showValue(raw) + ": ";
    for (std::uint32_t bit = 1; bit <= kLastFieldProblem; bit <<= 1) {
      if (!(problems & bit)) continue;
      std::string rule = describeProblem(static_cast<FieldProblem>(bit), f, value);
      if (bit == kMissing && i >= fn.argc)
        rule = "campo obrigatório no leiaute " + threeDigits(file_.version) + ", que a função " + fn.name + " não tem";
      if (bit == kNotAllowed && !voided_.empty())
        rule = "em documento com COD_SIT " + std::string(situationCode_) + " (" + std::string(voided_) +
               ") este campo fica vazio";
      addError(head + cp(rule) + ".");
    }
  }
  for (std::size_t i = count; i < fn.argc && i < args.size(); ++i) {
    const std::string_view raw = esc::bytes(args.begin()[i]);
    if (trimmed(raw).empty()) continue;
    const Field& f = kFields[own.firstField + i];
    addError(prefix(where) + ", campo " + twoDigits(i + 2) + " " + f.name + ", valor " + showValue(raw) + ": " +
             cp("este campo não existe no leiaute " + threeDigits(file_.version) + "; o valor não foi gravado."));
    ok = false;
  }
  return ok;
}

bool Writer::checkValues(std::size_t function, std::initializer_list<esc::Text> args, const Where& where) {
  bool ok = true;
  const CodedField* coded = kCodedFields.fields.data() + kCodedFields.first[function];
  const CodedField* const last = kCodedFields.fields.data() + kCodedFields.first[function + 1];
  // The fields absent from this layout version come last.
  for (; coded != last && coded->field < fieldCount_; ++coded) {
    const std::size_t i = coded->field;
    if (anyProblem_ && fieldProblems_[i]) continue;  // a value of the wrong form is told about already
    const std::string_view value = fieldValue(i);
    if (value.empty()) continue;
    const auto j = static_cast<std::size_t>(coded->second);
    const std::string_view second = coded->second >= 0 && j < fieldCount_ ? fieldValue(j) : std::string_view();
    if (verdicts_.judge(coded->check, value, second)) continue;
    ok = false;
    refuseValue(function, *coded, args, where, second);
  }
  return ok;
}

void Writer::refuseValue(std::size_t function, const CodedField& coded, std::initializer_list<esc::Text> args,
                         const Where& where, std::string_view second) {
  const std::size_t i = coded.field;
  const Field& f = kFields[kShapes[kRecordFunctions[function].shape].firstField + i];
  const ValueCheck& check = kValueChecks[coded.check];
  const std::string_view value = fieldValue(i);
  const char* validator = check.alternative && value.size() == 11 ? check.alternative : check.validator;
  const std::string_view raw = i < args.size() ? esc::bytes(args.begin()[i]) : std::string_view();
  addError(prefix(where) + ", campo " + twoDigits(i + 2) + " " + f.name + ", valor " + showValue(raw) + ": " +
           cp("valor recusado pela validação " + std::string(validator)) +
           (check.second ? " (" + std::string(check.second) + " " + showValue(second) + ")" : std::string()) + ".");
}

void Writer::appendCount(const Record& rec, std::uint64_t count, bool placed) {
  lineSpace(32, placed);
  appendText("|");
  appendText(rec.code);
  appendText("|");
  appendText(std::to_string(count));
  appendText("|\r\n");
}

// One 9900 line per record type of the file, the closing records of block 9 included.
std::size_t Writer::appendTotals(bool placed) {
  static constexpr int k9900 = recordIndex("9900"), k9990 = recordIndex("9990"), k9999 = recordIndex("9999");
  static_assert(k9900 >= 0 && k9990 >= 0 && k9999 >= 0);
  std::size_t present = 0;
  for (std::size_t i = 0; i < kRecordCount; ++i) present += file_.counts[i] > 0 ? 1 : 0;
  const std::size_t lines = present + 3;
  lineSpace(lines * 40, placed);
  const auto add = [&](std::string_view code, std::uint64_t n) {
    appendText("|9900|");
    appendText(code);
    appendText("|");
    appendText(std::to_string(n));
    appendText("|\r\n");
  };
  for (std::size_t i = 0; i < kRecordCount; ++i)
    if (file_.counts[i] > 0) add(kRecords[i].code, file_.counts[i]);
  add(kRecords[k9900].code, lines);
  add(kRecords[k9990].code, 1);
  add(kRecords[k9999].code, 1);
  return lines;
}

// COD_VER decides the form of every later record.
bool Writer::takeVersion(std::initializer_list<esc::Text> args, const Where& where) {
  const std::string_view v = args.size() > 0 ? trimmed(esc::bytes(*args.begin())) : std::string_view();
  int version = 0;
  const bool digits = v.size() == 3 && std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (digits) version = (v[0] - '0') * 100 + (v[1] - '0') * 10 + (v[2] - '0');
  if (version >= kMinVersion && version <= kMaxVersion) {
    file_.version = static_cast<std::uint8_t>(version);
    return true;
  }
  file_.version = kDefaultVersion;
  addError(prefix(where) + ", campo 02 COD_VER, valor " + showValue(v) + ": " +
           cp("versão de leiaute desconhecida (de " + threeDigits(kMinVersion) + " a " + threeDigits(kMaxVersion) +
              "); os registros seguintes terão as formas do leiaute " + threeDigits(kDefaultVersion) + "."));
  return false;
}

void Writer::commit(std::size_t index, Direction direction, std::size_t lineCount) {
  const Record& rec = kRecords[index];
  const auto push = [&](std::size_t level) {
    Level& l = file_.stack[level];
    l.record = static_cast<std::int16_t>(index);
    l.direction = direction;
    l.voided = !voided_.empty();
    l.children.fill(0);
    file_.depth = level + 1;
  };
  switch (rec.kind) {
    case RecordKind::FileOpening: push(0); break;
    case RecordKind::BlockOpening:
      file_.openBlock = file_.lastBlock = rec.block;
      push(1);
      break;
    case RecordKind::BlockClosing:
      file_.openBlock = -1;
      file_.depth = 1;
      if (rec.block == kBlock9) file_.block9Closed = true;
      break;
    case RecordKind::FileClosing:
      file_.finished = true;
      file_.depth = 0;
      break;
    case RecordKind::Totals: file_.totalsWritten = true; [[fallthrough]];
    case RecordKind::Plain: {
      std::uint8_t& seen = file_.stack[rec.level - 1u].children[static_cast<std::size_t>(std::max<int>(rec.slot, 0))];
      if (rec.slot >= 0 && seen < 255) ++seen;
      push(rec.level);
      break;
    }
  }
  file_.counts[index] += lineCount;
  file_.blockLines[rec.block] += lineCount;
  file_.lines += lineCount;

  if (lineInScratch_) {
    flushBuffer();
    data_.writeDirectly(line_, lineLength_);
  } else {
    data_.keep(lineLength_);
  }
  if (rec.kind != RecordKind::Plain) flushBuffer();
}

std::int32_t Writer::recordLocked(std::size_t function, std::initializer_list<esc::Text> args) {
  if (function >= std::size(kRecordFunctions)) return -1;
  const RecordFunction& fn = kRecordFunctions[function];
  const Record& rec = kRecords[fn.record];
  voided_ = {};
  if (!file_.open) {
    addError(label(fn) + ": nenhum arquivo aberto; chame Inicia_SPED antes.");
    return -1;
  }
  const std::string structural = structureProblem(fn.record);
  const bool placed = structural.empty();
  const Where where{&fn, placed ? file_.lines + 1 : file_.lines, !placed};
  if (!placed) addError(prefix(where) + ": " + cp(structural));

  bool ok = true;
  bool fields = false;
  std::size_t lineCount = 1;
  Direction direction = Direction::Unknown;
  switch (rec.kind) {
    case RecordKind::BlockClosing:
      appendCount(rec, file_.blockLines[rec.block] + (rec.block == kBlock9 ? 2 : 1), placed);
      break;
    case RecordKind::FileClosing: appendCount(rec, file_.lines + 1, placed); break;
    case RecordKind::Totals: lineCount = appendTotals(placed); break;
    case RecordKind::FileOpening:
    case RecordKind::BlockOpening:
    case RecordKind::Plain:
      direction = directionOf(rec, args, placed);
      ok = appendFields(fn, rec, args, direction, where, placed);
      fields = true;
      break;
  }

  if (!placed) {
    if (fields) checkValues(function, args, where);
    std::string_view shown = line();
    if (shown.ends_with("\r\n")) shown.remove_suffix(2);
    addError(prefix(where) + ": linha recebida " + showValue(shown, kShownLine));
    return -1;
  }
  if (rec.kind == RecordKind::FileOpening) {
    // COD_VER decides the forms, and the period the values that the validators accept.
    ok = takeVersion(args, where) && ok;
    constexpr std::size_t kDtIni = 2, kDtFin = 3;  // field positions 04 and 05 of 0000
    if ((!anyProblem_ || (!fieldProblems_[kDtIni] && !fieldProblems_[kDtFin])) && fieldValue(kDtIni).size() == 8 &&
        fieldValue(kDtFin).size() == 8)
      setFilePeriod(fieldValue(kDtIni), fieldValue(kDtFin));
    verdicts_.clear();
  }
  if (fields) ok = checkValues(function, args, where) && ok;
  commit(fn.record, direction, lineCount);
  return ok && !file_.ioFailed ? 0 : -1;
}

// ---------------------------------------------------------------------------------------------
// Validators.

std::uint8_t Writer::validate(std::string_view validator, std::initializer_list<esc::Text> args) noexcept {
  try {
    std::lock_guard lock(mutex_);
    std::uint8_t verdict = 0;
    try {
      verdict = escrivania::validate(validator, args);
    } catch (const std::exception& e) {
      internalError(validator, e.what());
    } catch (...) {
      internalError(validator, nullptr);
    }
    endCall();
    return verdict;
  } catch (...) {
    return 0;
  }
}

Writer& writer() {
  static Writer w;
  return w;
}

}  // namespace

std::int32_t start(esc::Text outputDir, esc::Text inputDir) noexcept {
  try {
    return writer().start(outputDir, inputDir);
  } catch (...) {
    return -1;
  }
}

std::int32_t finish() noexcept {
  try {
    return writer().finish();
  } catch (...) {
    return -1;
  }
}

std::int32_t writeRecord(std::size_t function, std::initializer_list<esc::Text> args) noexcept {
  try {
    return writer().record(function, args);
  } catch (...) {
    return -1;
  }
}

std::uint8_t validateSerialised(std::string_view validator, std::initializer_list<esc::Text> args) noexcept {
  try {
    return writer().validate(validator, args);
  } catch (...) {
    return 0;
  }
}

}  // namespace escrivania
