// Calls any row of the exports table with typed arguments drawn from a source; shared by the
// fuzzers, the benchmarks and the concurrency test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "exports/registry.h"
#include "olvenir_p/types.h"
#include "platform/runtime_names.h"

namespace olv::harness {

// A writable text lives in a buffer of at least this many units, so that the exports that write
// a date or a settlement month into the caller's buffer always have room.
inline constexpr std::size_t kBufferUnits = 64;
// Conditions handed to a conditional lookup, and the most texts of a null-ended list.
inline constexpr int kMaxConditions = 8;
inline constexpr int kMaxListTexts = 6;

// One text as a source picks it: `null` for a null pointer, else the units (without terminator).
struct Pick {
  bool null = false;
  std::u16string_view units;
};

// Supplies the arguments of calls. Subclasses pick texts and numbers; this base turns the picks
// into the parameter types of the table and owns every copy until it is destroyed. Each copy is
// allocated at its exact size, so a read past a terminator is an out-of-bounds read.
class Source {
 public:
  virtual ~Source() = default;

  const char16_t* text();
  char16_t* buffer();
  BSTR bstr();
  int64_t number();
  int32_t* out_number();
  const char16_t** text_list();
  stWarunekY* conditions();
  stGrupaKodow* code_table();
  // How many texts the variadic list of the next call gets before its closing null pointers.
  int variadic_count() { return pick_list_length(); }

 protected:
  virtual Pick pick_text() = 0;
  virtual int64_t pick_number() = 0;
  virtual int pick_list_length() = 0;  // 0 to kMaxListTexts

 private:
  char16_t* copy(std::u16string_view units, std::size_t capacity, std::size_t prefix_units);

  std::vector<std::unique_ptr<char16_t[]>> texts_;
  std::vector<std::unique_ptr<const char16_t*[]>> lists_;
  std::vector<std::unique_ptr<stWarunekY[]>> conditions_;
  std::vector<std::unique_ptr<stGrupaKodow[]>> groups_;
  std::vector<std::unique_ptr<stPozycjaKodu[]>> codes_;
  std::vector<std::unique_ptr<int32_t>> numbers_;
  // The count that goes with the conditions just drawn; the next integer parameter takes it.
  int pending_count_ = -1;
};

// Prepared calls of one row: arguments drawn once, calls made as often as wanted.
class Calls {
 public:
  virtual ~Calls() = default;
  // Makes call i (modulo the number prepared) and returns its result as a number: 0 for no
  // result, the pointer's address for a pointer; a returned BSTR or string is released.
  virtual int64_t run(std::size_t i) = 0;
  // True when the result of call i must be one of the row's results (a code, not a value).
  virtual bool result_is_code() const = 0;
};

// How the harness calls one row of the table.
struct RowCaller {
  const char* name;
  // False when a parameter has a type the harness cannot draw; such a row is not called.
  bool supported;
  // True when a parameter is a text or a list of texts (the long-text benchmarks need one).
  bool takes_text;
  std::unique_ptr<Calls> (*prepare)(const Export& row, Source& source, std::size_t count);
};

// One entry per row of olv::exports(), in the same order.
std::span<const RowCaller> row_callers();

// Every unit the library's white-space test accepts, in ascending order.
std::span<const char16_t> white_space_units();

}  // namespace olv::harness
