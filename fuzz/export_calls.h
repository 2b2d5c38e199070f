// Arguments for any row of the exports table drawn from a source, and the rows' calls prepared
// over them through the call layer; shared by the fuzzers, the benchmarks and the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "calls/calls.h"
#include "olvenir_p/types.h"
#include "platform/runtime_names.h"

namespace olv::harness {

// Conditions handed to a conditional lookup, and the most texts of a null-ended list drawn.
inline constexpr int kMaxConditions = 8;
inline constexpr int kMaxListTexts = 6;

// One text as a source picks it: `null` for a null pointer, else the units (without terminator).
struct Pick {
  bool null = false;
  std::u16string_view units;
};

// Supplies the arguments of calls. Subclasses pick texts and numbers; this base turns the picks
// into the call layer's arguments for a row's parameter kinds, drawing them from left to right.
class Source {
 public:
  virtual ~Source() = default;

  // The arguments of one call of the row: its fixed parameters, then a variable list's texts.
  std::vector<Arg> arguments(const Export& row);

  // Raw records for the callers of a service, owned by the source until it is destroyed.
  BSTR bstr();
  stWarunekY* conditions();
  int64_t number();

 protected:
  virtual Pick pick_text() = 0;
  virtual int64_t pick_number() = 0;
  virtual int pick_list_length() = 0;  // 0 to kMaxListTexts

 private:
  OptionalText text();
  Arg argument(ParamKind kind);
  std::vector<Condition> condition_list();
  std::vector<CodeGroup> code_table();

  std::vector<std::unique_ptr<char16_t[]>> bstrs_;
  std::vector<std::unique_ptr<stWarunekY[]>> records_;
  // The count that goes with the conditions just drawn; the next integer parameter takes it.
  int pending_count_ = -1;
};

// Prepared calls of one row: arguments bound once, calls made as often as wanted.
class Calls {
 public:
  // Makes call i (modulo the number prepared) and returns its result as a number (see
  // BoundCall::call_number).
  int64_t run(std::size_t i) { return bound_[i % bound_.size()]->call_number(); }
  // True when a result must be one of the row's results (a code, not a value).
  bool result_is_code() const { return result_is_code_; }

 private:
  friend struct RowCaller;
  std::vector<std::unique_ptr<BoundCall>> bound_;
  bool result_is_code_ = false;
};

// How the harness calls one row of the table.
struct RowCaller {
  const char* name;
  // False for the component runtime's entry points, which are a calling protocol, not checks.
  bool supported;
  // True when a parameter is a text or a list of texts (the long-text benchmarks need one).
  bool takes_text;
  // Draws `count` argument lists (at least one) and binds them; null when a drawn list does
  // not fit the row.
  std::unique_ptr<Calls> prepare(const Export& row, Source& source, std::size_t count) const;
};

// One entry per row of olv::exports(), in the same order.
std::span<const RowCaller> row_callers();

// Every unit the library's white-space test accepts, in ascending order.
std::span<const char16_t> white_space_units();

}  // namespace olv::harness
