// Calls of the library's exports by name, from one neutral form of arguments and results.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace olv {

// What a parameter takes, as a caller supplies it.
enum class ParamKind : uint8_t {
  kText,         // const char16_t*: a field text, only read
  kMutableText,  // char16_t*: a text the function may change in place or write into
  kTextList,     // const char16_t**: texts ended by a null pointer
  kInt,          // int, int32_t
  kUnsigned,     // uint32_t
  kShort,        // short
  kBool,         // bool
  kByte,         // unsigned char
  kChar,         // char16_t, one UTF-16 unit
  kInt64,        // int64_t
  kIntOut,       // int32_t*: an integer the function writes
  kConditions,   // stWarunekY*: the conditions of a lookup
  kCodeTable,    // stGrupaKodow*: a host-built code table
  kBstr,         // BSTR: an automation string the function may take over; only null is passed
  kOpaque,       // any other pointer (a record, an identifier, an interface); only null is passed
};

// What a function answers. Who frees a text follows its type: a `char16_t*` or BSTR result is a
// new automation string, which the call layer releases after copying it; a `const char16_t*`
// belongs to the library or is one of the arguments.
enum class ResultKind : uint8_t {
  kVoid,
  kInt,  // any integral result but bool
  kBool,
  kDouble,
  kText,       // const char16_t*, not owned by the caller
  kOwnedText,  // char16_t* or BSTR, released by the caller
  kString,     // std::u16string
  kPointer,    // a pointer to something other than a text
};

// How a row of the exports table defines its function.
enum class ExportKind { kPlain, kDecorated, kRule, kFixed, kFixedDecorated, kSame };

// The marker in a row's results for a value that is not a code.
inline constexpr int64_t kAnyResult = std::numeric_limits<int64_t>::min();
// The marker for a result code whose findings are not a fixed list (the dispatcher's, the
// service's): 0 passes, any other value is a finding.
inline constexpr int64_t kAnyCode = std::numeric_limits<int64_t>::min() + 1;

// The texts of a variable list, at most this many before the null that ends them.
inline constexpr std::size_t kMaxListTexts = 32;
// Units of room a writable text has beyond its own, for what the function writes into it.
inline constexpr std::size_t kOutBufferUnits = 256;

using OptionalText = std::optional<std::u16string>;  // nullopt is a null pointer

struct Condition {
  OptionalText column;
  int op = 0;
  OptionalText value;
};

struct CodeEntry {
  OptionalText code;
  int32_t valid_from = 0;
  int32_t valid_to = 0;
  OptionalText alternative;
};

struct CodeGroup {
  std::vector<CodeEntry> codes;
  std::vector<CodeGroup> children;  // at most 10; empty for no child array
};

// One argument: null, a text, an integer, a bool, a list of texts, conditions or code groups.
using Arg = std::variant<std::monostate, std::u16string, int64_t, bool, std::vector<OptionalText>,
                         std::vector<Condition>, std::vector<CodeGroup>>;

// What a writable parameter held after the call: a changed text, or an out-integer.
struct OutValue {
  std::size_t index;  // 0-based argument position
  std::variant<std::u16string, int64_t> value;
};

// The outcome of one call. When `error` is set the function was not called (bad arguments) or
// left with an exception; the other fields are then unset.
struct Outcome {
  std::string error;
  ResultKind kind = ResultKind::kVoid;
  int64_t number = 0;         // kInt, kBool (0 or 1)
  double real = 0;            // kDouble
  OptionalText text;          // kText, kOwnedText, kString; nullopt for a null pointer
  bool null_pointer = false;  // kPointer
  std::vector<OutValue> outs;
};

// Arguments converted once and kept, for calls made again and again (benchmarks, fuzzers).
class BoundCall {
 public:
  virtual ~BoundCall() = default;
  // Calls and records the result and the writable arguments; exceptions become the error.
  virtual Outcome call() = 0;
  // Calls and gives the result as a number: the value of an integer, bool or double, the length
  // of a string, whether a pointer is non-null; 0 for none. Exceptions pass through.
  virtual int64_t call_number() = 0;
};

// One row of the exports table: what it takes and answers, and its calls.
struct Export {
  const char* name;    // the export's name as the host writes it
  const char* symbol;  // its symbol in the dynamic table
  ExportKind kind;
  std::span<const ParamKind> params;  // the fixed parameters
  bool variadic;                      // takes a null-ended list of texts after them
  ResultKind result;
  std::span<const int64_t> results;  // every value it may return, or {kAnyResult} / {kAnyCode}
  const char* same_as;               // for kSame: the name whose function this is
  void (*address)();
  // Converts the arguments, calls, and gives the outcome.
  Outcome (*call)(std::span<const Arg> args);
  // Converts the arguments for repeated calls; null with `error` set when they do not fit.
  std::unique_ptr<BoundCall> (*bind)(std::span<const Arg> args, std::string& error);
};

// All rows, in the order of the table.
std::span<const Export> exports();

// The row of a symbol, or else the first row of a name; null when none.
const Export* find_export(std::string_view name_or_symbol);

// The row whose results decide what a row's answers mean: a name that shares another export's
// function answers as that export.
const Export& answering_row(const Export& row);

// True when the row allows the value as a result.
bool allowed_result(const Export& row, int64_t value);

// Calls a rule row (or a name sharing a rule) with its field texts, as many as it takes.
int call_rule(const Export& row, const char16_t* const* args);

// The parameter kind's name, as listings show it.
const char* kind_name(ParamKind kind);

}  // namespace olv
