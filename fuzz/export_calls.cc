// The typed calls of every row of the exports table, generated from exports/exports.def: each
// row's function type decides what is drawn for each parameter.
#include "fuzz/export_calls.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "exports/arity.h"
#include "olvenir_p.h"
#include "platform/char_class.h"
#include "platform/runtime_names.h"

namespace olv::harness {

char16_t* Source::copy(std::u16string_view units, std::size_t capacity, std::size_t prefix_units) {
  auto storage = std::make_unique<char16_t[]>(prefix_units + capacity);
  std::copy(units.begin(), units.end(), storage.get() + prefix_units);
  if (prefix_units) {
    // An automation string: its byte length in the 32 bits before the first unit.
    const uint32_t bytes = static_cast<uint32_t>(units.size() * sizeof(char16_t));
    std::memcpy(storage.get() + prefix_units - 2, &bytes, sizeof bytes);
  }
  texts_.push_back(std::move(storage));
  return texts_.back().get() + prefix_units;
}

const char16_t* Source::text() {
  const Pick p = pick_text();
  return p.null ? nullptr : copy(p.units, p.units.size() + 1, 0);
}

// A writable text also carries a length prefix, so it serves where a BSTR is expected too.
char16_t* Source::buffer() {
  const Pick p = pick_text();
  return p.null ? nullptr : copy(p.units, std::max(p.units.size() + 1, kBufferUnits), 2);
}

BSTR Source::bstr() {
  const Pick p = pick_text();
  return p.null ? nullptr : copy(p.units, p.units.size() + 1, 2);
}

int64_t Source::number() {
  if (pending_count_ >= 0) return std::exchange(pending_count_, -1);
  return pick_number();
}

int32_t* Source::out_number() {
  numbers_.push_back(std::make_unique<int32_t>(0));
  return numbers_.back().get();
}

const char16_t** Source::text_list() {
  const int n = pick_list_length();
  auto list = std::make_unique<const char16_t*[]>(n + 1);
  for (int i = 0; i < n; ++i) list[i] = text();
  lists_.push_back(std::move(list));
  return lists_.back().get();
}

stWarunekY* Source::conditions() {
  auto list = std::make_unique<stWarunekY[]>(kMaxConditions);
  for (int i = 0; i < kMaxConditions; ++i) {
    list[i].column = bstr();
    list[i].op = static_cast<signed char>(pick_number());
    list[i].value = bstr();
  }
  conditions_.push_back(std::move(list));
  pending_count_ = static_cast<int>(static_cast<uint64_t>(pick_number()) % (kMaxConditions + 1));
  return conditions_.back().get();
}

// Ten groups (the host's tables always have ten), each with up to two codes and no children.
stGrupaKodow* Source::code_table() {
  auto groups = std::make_unique<stGrupaKodow[]>(10);
  for (int g = 0; g < 10; ++g) {
    const auto count = static_cast<uint16_t>(static_cast<uint64_t>(pick_number()) % 3);
    auto codes = std::make_unique<stPozycjaKodu[]>(count);
    for (int c = 0; c < count; ++c) {
      codes[c].code = text();
      codes[c].valid_from = static_cast<int32_t>(pick_number());
      codes[c].valid_to = static_cast<int32_t>(pick_number());
      codes[c].alternative_code = text();
    }
    groups[g] = stGrupaKodow{count, codes.get(), nullptr};
    codes_.push_back(std::move(codes));
  }
  groups_.push_back(std::move(groups));
  return groups_.back().get();
}

// Named, not anonymous: a trait no row uses yet is not an unused declaration.
namespace detail {

// What the harness draws for a parameter of type T; rows with any other type are not called.
template <typename T>
struct Draw {
  static constexpr bool kSupported = false;
  static constexpr bool kText = false;
  static T from(Source&) { return T{}; }
};
template <typename T>
requires std::is_integral_v<T>
struct Draw<T> {
  static constexpr bool kSupported = true;
  static constexpr bool kText = false;
  static T from(Source& s) { return static_cast<T>(s.number()); }
};
template <>
struct Draw<const char16_t*> {
  static constexpr bool kSupported = true;
  static constexpr bool kText = true;
  static const char16_t* from(Source& s) { return s.text(); }
};
template <>
struct Draw<char16_t*> {
  static constexpr bool kSupported = true;
  static constexpr bool kText = true;
  static char16_t* from(Source& s) { return s.buffer(); }
};
template <>
struct Draw<int32_t*> {
  static constexpr bool kSupported = true;
  static constexpr bool kText = false;
  static int32_t* from(Source& s) { return s.out_number(); }
};
template <>
struct Draw<const char16_t**> {
  static constexpr bool kSupported = true;
  static constexpr bool kText = true;
  static const char16_t** from(Source& s) { return s.text_list(); }
};
template <>
struct Draw<stWarunekY*> {
  static constexpr bool kSupported = true;
  static constexpr bool kText = false;
  static stWarunekY* from(Source& s) { return s.conditions(); }
};
template <>
struct Draw<stGrupaKodow*> {
  static constexpr bool kSupported = true;
  static constexpr bool kText = false;
  static stGrupaKodow* from(Source& s) { return s.code_table(); }
};
template <>
struct Draw<const stGrupaKodow*> : Draw<stGrupaKodow*> {};
// The host's code descriptions are opaque to the library; none is passed.
template <>
struct Draw<const _stOpisKodu*> {
  static constexpr bool kSupported = true;
  static constexpr bool kText = false;
  static const _stOpisKodu* from(Source&) { return nullptr; }
};
template <>
struct Draw<_stOpisKodu*> {
  static constexpr bool kSupported = true;
  static constexpr bool kText = false;
  static _stOpisKodu* from(Source&) { return nullptr; }
};
// An argument the export ignores: a text serves as well as anything.
template <>
struct Draw<const void*> {
  static constexpr bool kSupported = true;
  static constexpr bool kText = false;
  static const void* from(Source& s) { return s.text(); }
};

}  // namespace detail

namespace {

using detail::Draw;

// A variadic list: the drawn texts, then null pointers to the end of the array, so that a callee
// reading a fixed number of list texts before its null still reads only what was passed.
using Extras = std::array<const char16_t*, kMaxListTexts + 4>;

Extras draw_extras(Source& s) {
  Extras extras{};
  const int n = std::clamp(s.variadic_count(), 0, kMaxListTexts);
  for (int i = 0; i < n; ++i) extras[i] = s.text();
  return extras;
}

template <typename F>
struct Signature;
template <typename R, typename... A>
struct Signature<R(A...)> {
  using Result = R;
  using Args = std::tuple<A...>;
  static constexpr bool kVariadic = false;
  static constexpr bool kSupported = (Draw<A>::kSupported && ...);
  static constexpr bool kText = (Draw<A>::kText || ...);
  static R call(void (*f)(), const Args& args, const Extras&) {
    return std::apply(reinterpret_cast<R (*)(A...)>(f), args);
  }
};
template <typename R, typename... A>
struct Signature<R(A..., ...)> {
  using Result = R;
  using Args = std::tuple<A...>;
  static constexpr bool kVariadic = true;
  static constexpr bool kSupported = (Draw<A>::kSupported && ...);
  static constexpr bool kText = true;
  static R call(void (*f)(), const Args& args, const Extras& e) {
    const auto fn = reinterpret_cast<R (*)(A..., ...)>(f);
    return std::apply(
        [&](A... a) {
          return [&]<std::size_t... I>(std::index_sequence<I...>) { return fn(a..., e[I]...); }
          (std::make_index_sequence<std::tuple_size_v<Extras>>{});
        },
        args);
  }
};

template <typename T>
int64_t as_number(const T& value) {
  if constexpr (std::is_integral_v<T>) {
    return static_cast<int64_t>(value);
  } else if constexpr (std::is_pointer_v<T>) {
    return static_cast<int64_t>(reinterpret_cast<intptr_t>(value));
  } else if constexpr (std::is_floating_point_v<T>) {
    return static_cast<int64_t>(value == value);  // keeps the value observed
  } else {
    return static_cast<int64_t>(value.size());
  }
}

template <typename T>
bool is_pointer_to(const T& value, const void* p) {
  if constexpr (std::is_pointer_v<T>) {
    return static_cast<const void*>(value) == p;
  } else {
    return false;
  }
}

template <typename F>
class TypedCalls final : public Calls {
  using S = Signature<F>;
  using R = typename S::Result;

 public:
  explicit TypedCalls(void (*address)()) : address_(address) {}

  int64_t run(std::size_t i) override {
    i %= args_.size();
    if constexpr (std::is_void_v<R>) {
      S::call(address_, args_[i], extras_[i]);
      return 0;
    } else {
      R result = S::call(address_, args_[i], extras_[i]);
      const int64_t n = as_number(result);
      if constexpr (std::is_same_v<R, char16_t*>) {
        if (result && !is_argument(result, args_[i], extras_[i])) olvenir_SysFreeString(result);
      }
      return n;
    }
  }

  bool result_is_code() const override { return std::is_integral_v<R>; }

  // A writable text that is none of the arguments is a new automation string, which the caller
  // releases (a lookup's value); a pointer to an argument (the earliest of some dates) is not.
  static bool is_argument(const char16_t* result, const typename S::Args& args,
                          const Extras& extras) {
    const bool in_args =
        std::apply([&](const auto&... a) { return (is_pointer_to(a, result) || ...); }, args);
    return in_args || std::find(extras.begin(), extras.end(), result) != extras.end();
  }

  std::vector<typename S::Args> args_;
  std::vector<Extras> extras_;

 private:
  void (*address_)();
};

template <typename F, typename Args>
struct Preparer;
template <typename F, typename... A>
struct Preparer<F, std::tuple<A...>> {
  static std::unique_ptr<Calls> prepare(const Export& row, Source& s, std::size_t count) {
    auto calls = std::make_unique<TypedCalls<F>>(row.address);
    for (std::size_t i = 0; i < std::max<std::size_t>(count, 1); ++i) {
      // Braced initialisation draws the parameters from left to right, so the count that goes
      // with a list of conditions is drawn right after them.
      calls->args_.push_back(std::tuple<A...>{Draw<A>::from(s)...});
      calls->extras_.push_back(Signature<F>::kVariadic ? draw_extras(s) : Extras{});
    }
    return calls;
  }
};

// The component runtime's own entry points (olvenir_ names) are a calling protocol, not checks:
// they free what they are given and must be called in balanced pairs, so none is called here.
constexpr bool is_runtime(std::string_view name) { return name.starts_with("olvenir_"); }

template <typename F>
constexpr RowCaller caller(const char* name) {
  using S = Signature<F>;
  if constexpr (S::kSupported) {
    if (is_runtime(name)) return {name, false, false, nullptr};
    return {name, true, S::kText, &Preparer<F, typename S::Args>::prepare};
  } else {
    return {name, false, false, nullptr};
  }
}

const RowCaller kCallers[] = {
#define OLV_C(name, result, params, results) caller<result params>(#name),
#define OLV_CXX(name, symbol, result, params, results) caller<result params>(#name),
#define OLV_RULE(name, arity, ...) caller<int(OLV_P##arity)>(#name),
#define OLV_FIXED(name, result, params, answer) caller<result params>(#name),
#define OLV_FIXED_CXX(name, symbol, result, params, answer) caller<result params>(#name),
#define OLV_SAME(name, target) caller<__typeof__(::target)>(#name),
#include "exports/exports.def"
};

}  // namespace

std::span<const RowCaller> row_callers() { return kCallers; }

std::span<const char16_t> white_space_units() {
  static const auto units = [] {
    std::u16string all;
    for (uint32_t c = 0; c <= 0xFFFF; ++c) {
      if (is_space(static_cast<char16_t>(c))) all.push_back(static_cast<char16_t>(c));
    }
    return all;
  }();
  return {units.data(), units.size()};
}

}  // namespace olv::harness
