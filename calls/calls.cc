// The one expansion of the exports table for calls by name. Each row's function is taken through
// a static_cast to the row's type, so the compiler checks the header against the table.
#include "calls/calls.h"

#include <algorithm>
#include <unordered_map>

#include "calls/invoke.h"
#include "exports/arity.h"
#include "olvenir_p.h"

#define OLV_ANY_RESULT ::olv::kAnyResult
#define OLV_ANY_CODE ::olv::kAnyCode
#define OLV_BSTR ::olv::calls::BstrParam
#define OLV_UNPAREN(...) __VA_ARGS__

namespace olv {
namespace {

template <int64_t... V>
struct Values {
  static constexpr int64_t kList[] = {V...};
};

template <typename Type, auto F>
constexpr Export row(const char* name, const char* symbol, ExportKind kind,
                     std::span<const int64_t> results, const char* same_as) {
  using S = calls::Signature<Type>;
  using B = typename S::template Bound<F>;
  return Export{name,       symbol,       kind,
                B::kParams, S::kVariadic, S::kResult,
                results,    same_as,      reinterpret_cast<void (*)()>(F),
                &B::run,    &B::make};
}

#define OLV_ROW(name, symbol, kind, type, results, same_as)                \
  row<type, static_cast<::olv::calls::Signature<type>::Pointer>(&::name)>( \
      #name, symbol, kind, Values<OLV_UNPAREN results>::kList, same_as),

const Export kExports[] = {
#define OLV_C(name, result, params, results) \
  OLV_ROW(name, #name, ExportKind::kPlain, result params, results, nullptr)
#define OLV_CXX(name, symbol, result, params, results) \
  OLV_ROW(name, symbol, ExportKind::kDecorated, result params, results, nullptr)
#define OLV_RULE(name, arity, ...) \
  OLV_ROW(name, #name, ExportKind::kRule, int(OLV_P##arity), (0, __VA_ARGS__), nullptr)
#define OLV_FIXED(name, result, params, answer) \
  OLV_ROW(name, #name, ExportKind::kFixed, result params, (answer), nullptr)
#define OLV_FIXED_CXX(name, symbol, result, params, answer) \
  OLV_ROW(name, symbol, ExportKind::kFixedDecorated, result params, (answer), nullptr)
#define OLV_SAME(name, target) \
  OLV_ROW(name, #name, ExportKind::kSame, __typeof__(::target), (OLV_ANY_RESULT), #target)
#include "exports/exports.def"
};

// A rule's fields by arity: a rule takes only texts, so one caller per count serves them all.
template <std::size_t... I>
int call_with(void (*f)(), const char16_t* const* args, std::index_sequence<I...>) {
  using Rule = int (*)(decltype((void)I, static_cast<const char16_t*>(nullptr))...);
  return reinterpret_cast<Rule>(f)(args[I]...);
}

template <std::size_t... N>
constexpr auto make_rule_callers(std::index_sequence<N...>) {
  return std::array<int (*)(void (*)(), const char16_t* const*), sizeof...(N)>{
      [](void (*f)(), const char16_t* const* args) {
        return call_with(f, args, std::make_index_sequence<N>{});
      }...};
}

constexpr auto kRuleCallers = make_rule_callers(std::make_index_sequence<19>{});

}  // namespace

std::span<const Export> exports() { return kExports; }

// A batch looks up a name for every line, so the rows are indexed once: every symbol first, then
// the names that are not a symbol, each kept at its first row.
const Export* find_export(std::string_view name_or_symbol) {
  static const std::unordered_map<std::string_view, const Export*> index = [] {
    std::unordered_map<std::string_view, const Export*> rows;
    for (const Export& row : kExports) rows.emplace(row.symbol, &row);
    for (const Export& row : kExports) rows.emplace(row.name, &row);
    return rows;
  }();
  const auto found = index.find(name_or_symbol);
  return found == index.end() ? nullptr : found->second;
}

const Export& answering_row(const Export& row) {
  if (!row.same_as) return row;
  const Export* target = find_export(row.same_as);
  return target ? *target : row;
}

bool allowed_result(const Export& row, int64_t value) {
  const Export& answers = answering_row(row);
  return std::any_of(answers.results.begin(), answers.results.end(),
                     [&](int64_t r) { return r == kAnyResult || r == kAnyCode || r == value; });
}

int call_rule(const Export& row, const char16_t* const* args) {
  return kRuleCallers.at(row.params.size())(row.address, args);
}

const char* kind_name(ParamKind kind) {
  switch (kind) {
    case ParamKind::kText:
      return "text";
    case ParamKind::kMutableText:
      return "writable text";
    case ParamKind::kTextList:
      return "text list";
    case ParamKind::kInt:
      return "int";
    case ParamKind::kUnsigned:
      return "unsigned";
    case ParamKind::kShort:
      return "short";
    case ParamKind::kBool:
      return "bool";
    case ParamKind::kByte:
      return "byte";
    case ParamKind::kChar:
      return "char";
    case ParamKind::kInt64:
      return "int64";
    case ParamKind::kIntOut:
      return "out int";
    case ParamKind::kConditions:
      return "conditions";
    case ParamKind::kCodeTable:
      return "code table";
    case ParamKind::kBstr:
      return "BSTR";
    case ParamKind::kOpaque:
      return "pointer";
  }
  return "pointer";
}

}  // namespace olv
