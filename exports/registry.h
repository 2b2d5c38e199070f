// The call-by-name registry: every row of the exports table with its address and results.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

namespace olv {

// The marker in a row's results for a value that is not a code.
inline constexpr int64_t kAnyResult = std::numeric_limits<int64_t>::min();

// The marker for a result code whose findings are not a fixed list (the dispatcher's, the
// service's): 0 passes, any other value is a finding.
inline constexpr int64_t kAnyCode = std::numeric_limits<int64_t>::min() + 1;

enum class ExportKind { kPlain, kDecorated, kRule, kFixed, kFixedDecorated, kSame };

struct Export {
  const char* name;                // the export's name as the host writes it
  const char* symbol;              // its symbol in the dynamic table
  ExportKind kind;
  int arity;                       // fixed parameters (texts, for a rule)
  bool variadic;                   // takes a variable list after them
  std::span<const int64_t> results;  // every value it may return, or {kAnyResult} / {kAnyCode}
  void (*address)();
  const char* same_as;             // for kSame: the name whose function this is
};

// All rows, in the order of the table.
std::span<const Export> exports();

// The row of a symbol, or else the first row of a name; null when none.
const Export* find_export(std::string_view name_or_symbol);

// True when the row allows the value as a result.
bool allowed_result(const Export& row, int64_t value);

// Calls a rule row (or a name sharing a rule) with `arity` field texts.
int call_rule(const Export& row, const char16_t* const* args);

}  // namespace olv
