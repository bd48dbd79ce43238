// The EFD ICMS/IPI layout as compiled-in tables: records, their forms by layout version (COD_VER)
// and fields. Generated at build time from escrivania/layout/*.csv.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string_view>

namespace escrivania::layout {

// Whether a field must, may or must not be filled; NotApplicable for the side of a document
// (entry or exit) that the field does not concern.
enum class Presence : std::uint8_t { Required, Optional, Forbidden, NotApplicable };

enum FieldFlags : std::uint8_t {
  kDate = 1,         // ddmmaaaa; accepted as dd/mm/aaaa
  kMonth = 2,        // mmaaaa; accepted as mm/aaaa
  kPunctuation = 4,  // CNPJ, CPF, CEP, CFOP: '.', '/' and '-' are dropped
};

struct Field {
  const char* name;
  char type;           // 'C' text or 'N' number
  std::uint16_t size;  // maximum (or exact) length; 0 when the layout gives none
  bool exact;          // the layout's "*": exactly `size` characters
  std::uint8_t decimals;
  Presence entry;            // in a document of entry (IND_OPER 0)
  Presence exit;             // in a document of exit (IND_OPER 1)
  Presence undirected;       // when the record has no known direction
  std::uint8_t fromVersion;  // first COD_VER whose form has this field
  std::uint8_t flags;
  std::uint8_t valueCheck;  // in kValueChecks; 0 for a field whose value has no list nor rule
};

// The validator that judges a coded field's value (vCNPJ, vCOD_CFOP, vIND_OPER...).
struct ValueCheck {
  const char* validator;
  const char* alternative;  // for a field holding a CNPJ (14 characters) or a CPF (11): the CPF's
  const char* second;       // the field of the same record whose value is the second argument
  const char* also;         // a value accepted besides the validator's ("9999999": abroad)
};

// One form of a record: its fields after REG, and the layout versions in which it is valid. A
// version may use fewer of these fields (those with fromVersion after it are absent).
struct Shape {
  std::uint16_t firstField;
  std::uint16_t fieldCount;
  std::uint8_t validFrom;
  std::uint8_t validTo;
};

enum class RecordKind : std::uint8_t { Plain, FileOpening, BlockOpening, BlockClosing, Totals, FileClosing };

struct Record {
  char code[5];
  std::uint8_t block;  // position in kBlockOrder
  std::uint8_t level;
  std::int16_t parent;        // index in kRecords, -1 for none
  std::uint8_t maxPerParent;  // 0: any number
  std::int8_t slot;           // among the parent's limited children, -1 when unlimited
  std::uint16_t firstShape;
  std::uint8_t shapeCount;
  std::int8_t indOper;  // field index of IND_OPER, -1 when the record has none
  RecordKind kind;
};

// One exported record function: the record and the form its arguments fill, in order.
struct RecordFunction {
  const char* name;
  std::uint16_t record;
  std::uint16_t shape;
  std::uint8_t argc;
  std::int8_t checkedField;  // a field judged by another validator in this function, or -1
  std::uint8_t check;        // that validator, in kValueChecks
};

inline constexpr std::string_view kBlockOrder = "0BCDEGHK19";

#include "layout_tables.h"

inline constexpr std::size_t kRecordCount = std::size(kRecords);
inline constexpr std::size_t kBlockCount = kBlockOrder.size();

inline std::span<const Field> fieldsOf(const Shape& s) { return {kFields + s.firstField, s.fieldCount}; }

// Number of fields (after REG) of the shape in layout version v.
constexpr std::size_t fieldCountIn(const Shape& s, std::uint8_t v) {
  std::size_t n = 0;
  while (n < s.fieldCount && kFields[s.firstField + n].fromVersion <= v) ++n;
  return n;
}

// The record's form valid in version v, or nullptr when none is.
constexpr const Shape* shapeIn(const Record& r, std::uint8_t v) {
  for (std::size_t i = 0; i < r.shapeCount; ++i) {
    const Shape& s = kShapes[r.firstShape + i];
    if (s.validFrom <= v && v <= s.validTo) return &s;
  }
  return nullptr;
}

constexpr int recordIndex(std::string_view code) {
  for (std::size_t i = 0; i < kRecordCount; ++i)
    if (code == kRecords[i].code) return static_cast<int>(i);
  return -1;
}

}  // namespace escrivania::layout
