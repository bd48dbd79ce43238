// The reference tables (CFOP.res, NCM.res, MUNICIPIO.res, PAIS.res): their file form, the tables
// in use and the period of the open file. Tables are immutable once read; the set in use is
// swapped as a whole, so validators on other threads see either the old set or the new one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace escrivania {

// Dates are aaaammdd numbers, so that they compare in calendar order.
inline constexpr std::uint32_t kNoStart = 0;
inline constexpr std::uint32_t kOpenEnd = 99991231;

// The days a value must be valid on: the open file's period, or any day when no file is open.
struct Period {
  std::uint32_t from = kNoStart;
  std::uint32_t to = kOpenEnd;
  bool operator==(const Period&) const = default;
};
inline constexpr Period kAnyPeriod{};

// aaaammdd of a ddmmaaaa text, or nothing when it is not a calendar date.
std::optional<std::uint32_t> parseDate(std::string_view ddmmaaaa);

// A value valid from `from` to `to` (both included) is accepted when that span meets the period.
constexpr bool meets(std::uint32_t from, std::uint32_t to, Period p) { return from <= p.to && to >= p.from; }

enum class TableKind { Cfop, Ncm, Municipio, Pais };

// One table: numeric codes with their validity, sorted by code.
class CodeTable {
 public:
  struct Entry {
    std::uint32_t code;
    std::uint32_t from;
    std::uint32_t to;
    bool usable;  // false for CFOP group titles, which no document may carry
  };

  CodeTable() = default;
  explicit CodeTable(std::vector<Entry> sortedEntries) : entries_(std::move(sortedEntries)) {}

  // Whether a usable entry of the code is valid on some day of the period.
  bool contains(std::uint32_t code, Period period) const;
  // Whether the code is in the table at all, usable or not, in any period.
  bool listed(std::uint32_t code) const;
  std::size_t size() const { return entries_.size(); }

 private:
  std::vector<Entry> entries_;
};

struct ReferenceTables {
  CodeTable cfop;
  CodeTable ncm;
  CodeTable municipio;
  CodeTable pais;
};

// File name of a table ("CFOP.res").
const char* fileName(TableKind kind);

// Parses the text of one reference file; false with the reason (Portuguese, naming the line) when
// it is malformed.
bool parseTable(TableKind kind, std::string_view text, CodeTable& table, std::string& reason);

// Reads the four files of a folder; null with the reason when one is missing or malformed.
std::shared_ptr<const ReferenceTables> readReferenceTables(const std::filesystem::path& folder, std::string& reason);

// The tables in use: the ones loaded last; before any load, those of the library's own folder if
// they are there and sound (tried once); else null, and validators use their rules alone.
std::shared_ptr<const ReferenceTables> currentTables();
// Puts a set of tables in use (the set read by loadReferenceTables).
void installTables(std::shared_ptr<const ReferenceTables> tables);

// The period validators check against.
Period currentPeriod();
void storePeriod(Period period);

// The folder of the module (shared library or program) that holds this code.
std::filesystem::path moduleFolder();

// Forgets the tables in use and the period; the next validator looks in `folder` instead of the
// library's folder (empty: look nowhere). For tests.
void resetReferenceStateForTesting(const std::filesystem::path& folder);

}  // namespace escrivania
