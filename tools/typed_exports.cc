// The typed calls of every export, expanded from the exports table.
#include "tools/typed_exports.h"

#include <type_traits>
#include <unordered_map>

#include "exports/arity.h"

namespace olv {
namespace {

using typed_call_detail::Call;

using typed_call_detail::bstr_positions;

#define OLV_TYPED(name, symbol, type, bstrs)                                                 \
  TypedExport{#name,                                                                         \
              symbol,                                                                        \
              Call<type>::kParams,                                                           \
              Call<type>::kVariadic,                                                         \
              Call<type>::kResult,                                                           \
              bstrs,                                                                         \
              [](std::span<const Arg> args) {                                                \
                return Call<type>::run(static_cast<std::add_pointer_t<type>>(&::name), args, \
                                       bstrs);                                               \
              }},

const TypedExport kTyped[] = {
#define OLV_C(name, result, params, results) \
  OLV_TYPED(name, #name, result params, bstr_positions(#params))
#define OLV_CXX(name, symbol, result, params, results) \
  OLV_TYPED(name, symbol, result params, bstr_positions(#params))
#define OLV_RULE(name, arity, ...) OLV_TYPED(name, #name, int(OLV_P##arity), 0)
#define OLV_FIXED(name, result, params, answer) \
  OLV_TYPED(name, #name, result params, bstr_positions(#params))
#define OLV_FIXED_CXX(name, symbol, result, params, answer) \
  OLV_TYPED(name, symbol, result params, bstr_positions(#params))
// The names that share a function are rules and fixed answers, which take no automation strings.
#define OLV_SAME(name, target) OLV_TYPED(name, #name, __typeof__(::target), 0)
#include "exports/exports.def"
};

}  // namespace

std::span<const TypedExport> typed_exports() { return kTyped; }

// A batch looks up a name for every line, so the rows are indexed once: every symbol first, then
// the names that are not a symbol, each kept at its first row.
const TypedExport* find_typed_export(std::string_view name_or_symbol) {
  static const std::unordered_map<std::string_view, const TypedExport*> index = [] {
    std::unordered_map<std::string_view, const TypedExport*> rows;
    for (const TypedExport& row : kTyped) rows.emplace(row.symbol, &row);
    for (const TypedExport& row : kTyped) rows.emplace(row.name, &row);
    return rows;
  }();
  const auto found = index.find(name_or_symbol);
  return found == index.end() ? nullptr : found->second;
}

const Export& registry_row(const TypedExport& row) { return exports()[&row - kTyped]; }

const Export& answering_row(const TypedExport& row) {
  const Export& own = registry_row(row);
  if (!own.same_as) return own;
  const Export* target = find_export(own.same_as);
  return target ? *target : own;
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
    case ParamKind::kUnsupported:
      return "unsupported";
  }
  return "unsupported";
}

}  // namespace olv
