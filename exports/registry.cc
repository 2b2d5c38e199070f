// The call-by-name registry, built from the exports table. Each address is taken through a
// static_cast to the row's type, so the compiler checks the header against the table.
#include "exports/registry.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <utility>

#include "exports/arity.h"
#include "olvenir_p.h"
#include "platform/runtime_names.h"

#define OLV_ANY_RESULT ::olv::kAnyResult
#define OLV_ANY_CODE ::olv::kAnyCode
#define OLV_UNPAREN(...) __VA_ARGS__

namespace olv {
namespace {

template <int64_t... V>
struct Values {
  static constexpr int64_t kList[] = {V...};
};

template <typename F>
struct Signature;
template <typename R, typename... A>
struct Signature<R(A...)> {
  static constexpr int kArity = sizeof...(A);
  static constexpr bool kVariadic = false;
};
template <typename R, typename... A>
struct Signature<R(A..., ...)> {
  static constexpr int kArity = sizeof...(A);
  static constexpr bool kVariadic = true;
};

template <typename F>
void (*address_of(F* f))() {
  return reinterpret_cast<void (*)()>(f);
}

#define OLV_ROW(name, symbol, kind, type, results, same_as)                                \
  Export{#name, symbol, kind, Signature<type>::kArity, Signature<type>::kVariadic,         \
         Values<OLV_UNPAREN results>::kList, address_of(static_cast<std::add_pointer_t<type>>(&::name)), same_as},

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

template <std::size_t... I>
int call_with(void (*f)(), const char16_t* const* args, std::index_sequence<I...>) {
  using Rule = int (*)(decltype((void)I, static_cast<const char16_t*>(nullptr))...);
  return reinterpret_cast<Rule>(f)(args[I]...);
}

template <std::size_t... N>
constexpr auto make_callers(std::index_sequence<N...>) {
  return std::array<int (*)(void (*)(), const char16_t* const*), sizeof...(N)>{
      [](void (*f)(), const char16_t* const* args) {
        return call_with(f, args, std::make_index_sequence<N>{});
      }...};
}

constexpr auto kCallers = make_callers(std::make_index_sequence<19>{});

}  // namespace

std::span<const Export> exports() { return kExports; }

const Export* find_export(std::string_view name_or_symbol) {
  for (const Export& row : kExports) {
    if (name_or_symbol == row.symbol) return &row;
  }
  for (const Export& row : kExports) {
    if (name_or_symbol == row.name) return &row;
  }
  return nullptr;
}

bool allowed_result(const Export& row, int64_t value) {
  if (row.same_as) {
    const Export* target = find_export(row.same_as);
    return target && allowed_result(*target, value);
  }
  return std::any_of(row.results.begin(), row.results.end(),
                     [&](int64_t r) { return r == kAnyResult || r == kAnyCode || r == value; });
}

int call_rule(const Export& row, const char16_t* const* args) {
  if (row.arity < 0 || row.arity >= static_cast<int>(kCallers.size())) return 0;
  return kCallers[row.arity](row.address, args);
}

}  // namespace olv
