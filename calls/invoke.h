// The typed invoker of one row: a parameter's kind read from its type, the storage arguments are
// built in, and the call. Only calls.cc expands the exports table over it.
#pragma once

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <list>
#include <new>
#include <tuple>
#include <type_traits>
#include <utility>

#include "calls/calls.h"
#include "olvenir_p.h"

namespace olv::calls {

// The type a row writes for an automation-string parameter: the function takes a BSTR, but a
// caller's text is not one, so only null is passed.
struct BstrParam;

template <typename T>
struct CTypeOf {
  using type = T;
};
template <>
struct CTypeOf<BstrParam> {
  using type = BSTR;
};
template <typename T>
using CType = typename CTypeOf<T>::type;

template <typename T>
constexpr ParamKind param_kind() {
  using U = std::remove_cv_t<T>;
  if constexpr (std::is_same_v<U, BstrParam>)
    return ParamKind::kBstr;
  else if constexpr (std::is_same_v<U, const char16_t*>)
    return ParamKind::kText;
  else if constexpr (std::is_same_v<U, char16_t*>)
    return ParamKind::kMutableText;
  else if constexpr (std::is_same_v<U, const char16_t**>)
    return ParamKind::kTextList;
  else if constexpr (std::is_same_v<U, bool>)
    return ParamKind::kBool;
  else if constexpr (std::is_same_v<U, unsigned char>)
    return ParamKind::kByte;
  else if constexpr (std::is_same_v<U, char16_t>)
    return ParamKind::kChar;
  else if constexpr (std::is_same_v<U, short>)
    return ParamKind::kShort;
  else if constexpr (std::is_same_v<U, int>)
    return ParamKind::kInt;
  else if constexpr (std::is_same_v<U, uint32_t>)
    return ParamKind::kUnsigned;
  else if constexpr (std::is_same_v<U, int64_t>)
    return ParamKind::kInt64;
  else if constexpr (std::is_same_v<U, int32_t*>)
    return ParamKind::kIntOut;
  else if constexpr (std::is_same_v<U, stWarunekY*>)
    return ParamKind::kConditions;
  else if constexpr (std::is_same_v<U, stGrupaKodow*> || std::is_same_v<U, const stGrupaKodow*>)
    return ParamKind::kCodeTable;
  else {
    static_assert(std::is_pointer_v<U>, "a parameter type with no kind");
    return ParamKind::kOpaque;
  }
}

template <typename R>
constexpr ResultKind result_kind() {
  if constexpr (std::is_void_v<R>)
    return ResultKind::kVoid;
  else if constexpr (std::is_same_v<R, bool>)
    return ResultKind::kBool;
  else if constexpr (std::is_integral_v<R>)
    return ResultKind::kInt;
  else if constexpr (std::is_floating_point_v<R>)
    return ResultKind::kDouble;
  else if constexpr (std::is_same_v<R, std::u16string>)
    return ResultKind::kString;
  else if constexpr (std::is_same_v<R, const char16_t*>)
    return ResultKind::kText;
  else if constexpr (std::is_same_v<R, char16_t*>)
    return ResultKind::kOwnedText;
  else
    return ResultKind::kPointer;
}

// The storage an argument list is built in; everything lives until the frame is destroyed. Each
// text is copied at its exact size, so that a read past its terminator is a read out of bounds,
// and so that a function writing into one cannot reach the caller's data.
class ArgFrame {
 public:
  ArgFrame() = default;
  ArgFrame(const ArgFrame&) = delete;
  ArgFrame& operator=(const ArgFrame&) = delete;
  ~ArgFrame() {
    for (BSTR b : bstrs_) olvenir_SysFreeString(b);
  }

  const char16_t* text(const std::u16string& t) { return copy(t, t.size() + 1, 0); }
  const char16_t* text(const OptionalText& t) { return t ? text(*t) : nullptr; }

  // A writable text is laid out as an automation string (its byte length before the first
  // unit) with room after it, so it serves wherever a function writes or takes a BSTR.
  char16_t* writable(std::size_t index, const std::u16string& t) {
    const std::size_t capacity = t.size() + 1 + kOutBufferUnits;
    char16_t* b = copy(t, capacity, 2);
    const auto bytes = static_cast<uint32_t>(t.size() * sizeof(char16_t));
    std::memcpy(b - 2, &bytes, sizeof bytes);
    watched_texts_.push_back({index, b, capacity, t});
    return b;
  }

  int32_t* integer(std::size_t index, int32_t initial) {
    int32_t& v = integers_.emplace_back(initial);
    watched_integers_.push_back({index, &v});
    return &v;
  }

  const char16_t** list(const std::vector<OptionalText>& texts) {
    std::vector<const char16_t*>& l = lists_.emplace_back();
    for (const OptionalText& t : texts) l.push_back(text(t));
    l.push_back(nullptr);
    return l.data();
  }

  stWarunekY* conditions(const std::vector<Condition>& cs) {
    std::vector<stWarunekY>& v = conditions_.emplace_back();
    for (const Condition& c : cs) {
      v.push_back({bstr(c.column), static_cast<signed char>(c.op), bstr(c.value)});
    }
    return v.empty() ? nullptr : v.data();
  }

  // A list of conditions is followed by its count, and the library hands both to the service,
  // which reads that many: a count past the list's end is refused before the call.
  void conditions_given(std::size_t index, std::size_t size) {
    count_index_ = index + 1;
    conditions_size_ = size;
  }
  bool count_past_conditions(std::size_t index, int64_t count) const {
    return index == count_index_ && count > static_cast<int64_t>(conditions_size_);
  }

  // A code table as the host lays it out: every group array has exactly 10 groups.
  stGrupaKodow* groups(const std::vector<CodeGroup>& gs) {
    std::array<stGrupaKodow, 10>& array = group_arrays_.emplace_back();
    for (std::size_t i = 0; i < array.size(); ++i) {
      array[i] = {0, nullptr, nullptr};
      if (i >= gs.size()) continue;
      std::vector<stPozycjaKodu>& entries = entries_.emplace_back();
      for (const CodeEntry& e : gs[i].codes) {
        entries.push_back({text(e.code), e.valid_from, e.valid_to, 0, text(e.alternative)});
      }
      array[i].count = static_cast<uint16_t>(entries.size());
      array[i].codes = entries.empty() ? nullptr : entries.data();
      array[i].children = gs[i].children.empty() ? nullptr : groups(gs[i].children);
    }
    return array.data();
  }

  // What the writable parameters hold now: texts that changed, and every out-integer.
  std::vector<OutValue> outs() const {
    std::vector<OutValue> out;
    for (const WatchedText& w : watched_texts_) {
      const char16_t* end = std::find(w.buffer, w.buffer + w.capacity - 1, u'\0');
      std::u16string now(w.buffer, end);
      if (now != w.before) out.push_back({w.index, now});
    }
    for (const WatchedInteger& w : watched_integers_) {
      OutValue& integer = out.emplace_back();
      integer.index = w.index;
      integer.value.emplace<int64_t>(*w.value);
    }
    std::sort(out.begin(), out.end(),
              [](const OutValue& a, const OutValue& b) { return a.index < b.index; });
    return out;
  }

 private:
  struct WatchedText {
    std::size_t index;
    const char16_t* buffer;
    std::size_t capacity;
    std::u16string before;
  };
  struct WatchedInteger {
    std::size_t index;
    const int32_t* value;
  };

  char16_t* copy(const std::u16string& t, std::size_t capacity, std::size_t prefix_units) {
    auto storage = std::make_unique<char16_t[]>(prefix_units + capacity);
    std::copy(t.begin(), t.end(), storage.get() + prefix_units);
    return texts_.emplace_back(std::move(storage)).get() + prefix_units;
  }

  BSTR bstr(const OptionalText& t) {
    if (!t) return nullptr;
    BSTR b = olvenir_SysAllocString(t->c_str());
    if (!b) throw std::bad_alloc();
    bstrs_.push_back(b);
    return b;
  }

  // Lists keep their elements in place as they grow.
  std::vector<std::unique_ptr<char16_t[]>> texts_;
  std::list<int32_t> integers_;
  std::list<std::vector<const char16_t*>> lists_;
  std::list<std::vector<stWarunekY>> conditions_;
  std::list<std::vector<stPozycjaKodu>> entries_;
  std::list<std::array<stGrupaKodow, 10>> group_arrays_;
  std::vector<BSTR> bstrs_;
  std::vector<WatchedText> watched_texts_;
  std::vector<WatchedInteger> watched_integers_;
  std::size_t count_index_ = SIZE_MAX;
  std::size_t conditions_size_ = 0;
};

inline std::string where(std::size_t index) { return "argument " + std::to_string(index + 1); }

template <typename T>
bool in_range(int64_t v) {
  return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

// Converts one argument for a parameter declared as D (its C type T); false with `error` set
// when it does not fit.
template <typename D, typename T = CType<D>>
bool bind(ArgFrame& frame, const Arg& arg, std::size_t index, T& out, std::string& error) {
  constexpr ParamKind kind = param_kind<D>();
  const bool null = std::holds_alternative<std::monostate>(arg);
  const auto* text = std::get_if<std::u16string>(&arg);
  const auto* number = std::get_if<int64_t>(&arg);
  const auto* flag = std::get_if<bool>(&arg);
  auto fail = [&](const char* what) {
    error = where(index) + ": " + what;
    return false;
  };
  if constexpr (kind == ParamKind::kText) {
    if (!null && !text) return fail("expected a text or null");
    out = null ? nullptr : frame.text(*text);
  } else if constexpr (kind == ParamKind::kMutableText) {
    if (!null && !text) return fail("expected a text or null");
    out = null ? nullptr : frame.writable(index, *text);
  } else if constexpr (kind == ParamKind::kTextList) {
    const auto* list = std::get_if<std::vector<OptionalText>>(&arg);
    if (!null && !list) return fail("expected a list of texts or null");
    out = null ? nullptr : frame.list(*list);
  } else if constexpr (kind == ParamKind::kBool) {
    if (flag) {
      out = *flag;
      return true;
    }
    if (!number || (*number != 0 && *number != 1)) return fail("expected true, false, 0 or 1");
    out = *number == 1;
  } else if constexpr (kind == ParamKind::kChar) {
    if (text && text->size() == 1) {
      out = (*text)[0];
      return true;
    }
    if (!number || !in_range<char16_t>(*number)) {
      return fail("expected one UTF-16 unit: a one-unit text or a number 0 to 65535");
    }
    out = static_cast<char16_t>(*number);
  } else if constexpr (kind == ParamKind::kByte || kind == ParamKind::kShort ||
                       kind == ParamKind::kInt || kind == ParamKind::kUnsigned ||
                       kind == ParamKind::kInt64) {
    if (!number) return fail("expected an integer");
    if (!in_range<T>(*number)) return fail("the integer does not fit the parameter's type");
    if (frame.count_past_conditions(index, *number)) {
      return fail("the count is more than the conditions given");
    }
    out = static_cast<T>(*number);
  } else if constexpr (kind == ParamKind::kIntOut) {
    if (!null && (!number || !in_range<int32_t>(*number))) {
      return fail("expected null or the 32-bit initial value of an out-integer");
    }
    out = null ? nullptr : frame.integer(index, static_cast<int32_t>(*number));
  } else if constexpr (kind == ParamKind::kConditions) {
    const auto* cs = std::get_if<std::vector<Condition>>(&arg);
    if (!null && !cs) return fail("expected a list of conditions or null");
    frame.conditions_given(index, null ? 0 : cs->size());
    out = null ? nullptr : frame.conditions(*cs);
  } else if constexpr (kind == ParamKind::kCodeTable) {
    const auto* gs = std::get_if<std::vector<CodeGroup>>(&arg);
    if (!null && !gs) return fail("expected a list of code groups or null");
    if (gs && gs->size() > 10) return fail("a group array holds at most 10 groups");
    out = null ? nullptr : frame.groups(*gs);
  } else if constexpr (kind == ParamKind::kBstr) {
    if (!null) return fail("only null can be passed for an automation string");
    out = nullptr;
  } else {
    if (!null) return fail("only null can be passed for this record");
    out = nullptr;
  }
  return true;
}

template <typename R>
void record(Outcome& o, const R& r) {
  constexpr ResultKind kind = result_kind<R>();
  if constexpr (kind == ResultKind::kBool || kind == ResultKind::kInt) {
    o.number = static_cast<int64_t>(r);
  } else if constexpr (kind == ResultKind::kDouble) {
    o.real = static_cast<double>(r);
  } else if constexpr (kind == ResultKind::kString) {
    o.text = r;
  } else if constexpr (kind == ResultKind::kText || kind == ResultKind::kOwnedText) {
    if (r) o.text = std::u16string(r);
  } else if constexpr (kind == ResultKind::kPointer) {
    o.null_pointer = r == nullptr;
  }
}

template <typename R>
int64_t as_number(const R& r) {
  if constexpr (std::is_integral_v<R>) {
    return static_cast<int64_t>(r);
  } else if constexpr (std::is_floating_point_v<R>) {
    return static_cast<int64_t>(r == r);  // keeps the value observed
  } else if constexpr (std::is_pointer_v<R>) {
    return r != nullptr;
  } else {
    return static_cast<int64_t>(r.size());
  }
}

// Releases a result the caller owns (see ResultKind).
template <typename R>
void release(R& r) {
  if constexpr (result_kind<R>() == ResultKind::kOwnedText) olvenir_SysFreeString(r);
}

template <auto F, typename R, bool kList, typename... A>
class Bound final : public BoundCall {
  using Tail = std::array<const char16_t*, kMaxListTexts + 1>;

 public:
  static constexpr std::array<ParamKind, sizeof...(A)> kParams = {param_kind<A>()...};
  static constexpr std::size_t kFixed = sizeof...(A);

  static std::unique_ptr<BoundCall> make(std::span<const Arg> args, std::string& error) {
    if (kList ? args.size() < kFixed : args.size() != kFixed) {
      error = "takes " + std::string(kList ? "at least " : "") + std::to_string(kFixed) +
              " argument" + (kFixed == 1 ? "" : "s") + ", given " + std::to_string(args.size());
      return nullptr;
    }
    if (kList && args.size() - kFixed > kMaxListTexts) {
      error = "at most " + std::to_string(kMaxListTexts) + " texts in the variable list";
      return nullptr;
    }
    auto bound = std::make_unique<Bound>();
    if (!bound->bind_all(args, error, std::index_sequence_for<A...>{})) return nullptr;
    return bound;
  }

  static Outcome run(std::span<const Arg> args) {
    Outcome o;
    try {
      std::unique_ptr<BoundCall> bound = make(args, o.error);
      if (bound) o = bound->call();
    } catch (const std::exception& e) {
      o = Outcome{};
      o.error = std::string("the call failed: ") + e.what();
    }
    return o;
  }

  Outcome call() override {
    Outcome o;
    try {
      o.kind = result_kind<R>();
      if constexpr (std::is_void_v<R>) {
        invoke();
      } else {
        R r = invoke();
        record(o, r);
        release(r);
      }
      o.outs = frame_.outs();
    } catch (const std::exception& e) {
      o = Outcome{};
      o.error = std::string("the call failed: ") + e.what();
    } catch (...) {
      o = Outcome{};
      o.error = "the call failed with an unknown exception";
    }
    return o;
  }

  int64_t call_number() override {
    if constexpr (std::is_void_v<R>) {
      invoke();
      return 0;
    } else {
      R r = invoke();
      const int64_t n = as_number(r);
      release(r);
      return n;
    }
  }

 private:
  template <std::size_t... I>
  bool bind_all(std::span<const Arg> args, std::string& error, std::index_sequence<I...>) {
    if (!(bind<A>(frame_, args[I], I, std::get<I>(values_), error) && ...)) return false;
    if constexpr (kList) {
      tail_count_ = args.size() - kFixed;
      for (std::size_t i = kFixed; i < args.size(); ++i) {
        if (!bind<const char16_t*>(frame_, args[i], i, tail_[i - kFixed], error)) return false;
      }
    }
    return true;
  }

  R invoke() {
    if constexpr (kList) {
      static constexpr auto kTailCalls = []<std::size_t... N>(std::index_sequence<N...>) {
        return std::array<R (*)(Bound&), sizeof...(N)>{&call_with_tail<N>...};
      }
      (std::make_index_sequence<kMaxListTexts + 1>{});
      return kTailCalls[tail_count_](*this);
    } else {
      return std::apply(F, values_);
    }
  }

  // A variable list's length is known only at run time: each length is its own call, with the
  // texts and the null that ends them.
  template <std::size_t N>
  static R call_with_tail(Bound& b) {
    return [&]<std::size_t... K>(std::index_sequence<K...>) {
      return std::apply([&](auto... a) { return F(a..., b.tail_[K]..., nullptr); }, b.values_);
    }
    (std::make_index_sequence<N>{});
  }

  ArgFrame frame_;
  std::tuple<CType<A>...> values_{};
  Tail tail_{};
  std::size_t tail_count_ = 0;
};

// A row's declared signature, as the exports table writes it, and the function's pointer type.
template <typename F>
struct Signature;
template <typename R, typename... A>
struct Signature<R(A...)> {
  using Pointer = R (*)(CType<A>...);
  static constexpr bool kVariadic = false;
  static constexpr ResultKind kResult = result_kind<R>();
  template <auto F>
  using Bound = calls::Bound<F, R, false, A...>;
};
template <typename R, typename... A>
struct Signature<R(A..., ...)> {
  using Pointer = R (*)(CType<A>..., ...);
  static constexpr bool kVariadic = true;
  static constexpr ResultKind kResult = result_kind<R>();
  template <auto F>
  using Bound = calls::Bound<F, R, true, A...>;
};

}  // namespace olv::calls
