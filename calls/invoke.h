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
#include "platform/com.h"
#include "platform/runtime_names.h"

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
  ~ArgFrame();

  const char16_t* text(const OptionalText& t);
  // A writable text is laid out as an automation string (its byte length before the first
  // unit) with room after it, so it serves wherever a function writes or takes a BSTR.
  char16_t* writable(std::size_t index, const std::u16string& t);
  int32_t* integer(std::size_t index, int32_t initial);
  const char16_t** list(const std::vector<OptionalText>& texts);
  stWarunekY* conditions(const std::vector<Condition>& cs);
  // A code table as the host lays it out: every group array has exactly 10 groups.
  stGrupaKodow* groups(const std::vector<CodeGroup>& gs);

  // A list of conditions is followed by its count, and the library hands both to the service,
  // which reads that many: a count past the list's end is refused before the call.
  void conditions_given(std::size_t index, std::size_t size) {
    count_index_ = index + 1;
    conditions_size_ = size;
  }
  bool count_past_conditions(std::size_t index, int64_t count) const {
    return index == count_index_ && count > static_cast<int64_t>(conditions_size_);
  }

  // What the writable parameters hold now: texts that changed, and every out-integer.
  std::vector<OutValue> outs() const;

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

  char16_t* copy(const std::u16string& t, std::size_t capacity, std::size_t prefix_units);
  BSTR bstr(const OptionalText& t);

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

// The conversions of one argument for each kind of parameter, shared by every row; false with
// `error` set when the argument does not have the kind's form.
bool bind_pointer(ArgFrame& frame, const Arg& arg, std::size_t index, ParamKind kind, void*& out,
                  std::string& error);
bool bind_integer(ArgFrame& frame, const Arg& arg, std::size_t index, ParamKind kind, int64_t min,
                  int64_t max, int64_t& out, std::string& error);
bool arity_fits(std::size_t given, std::size_t fixed, bool variadic, std::string& error);
Outcome failed(const char* what);

template <typename D, typename T = CType<D>>
bool bind(ArgFrame& frame, const Arg& arg, std::size_t index, T& out, std::string& error) {
  constexpr ParamKind kind = param_kind<D>();
  if constexpr (std::is_pointer_v<T>) {
    void* p = nullptr;
    if (!bind_pointer(frame, arg, index, kind, p, error)) return false;
    out = static_cast<T>(p);
  } else {
    int64_t n = 0;
    if (!bind_integer(frame, arg, index, kind, std::numeric_limits<T>::min(),
                      std::numeric_limits<T>::max(), n, error)) {
      return false;
    }
    out = static_cast<T>(n);
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
  if constexpr (result_kind<R>() == ResultKind::kOwnedText) com::free_string(r);
}

template <auto F, typename R, bool kList, typename... A>
class Bound final : public BoundCall {
  using Tail = std::array<const char16_t*, kMaxListTexts + 1>;

 public:
  static constexpr std::array<ParamKind, sizeof...(A)> kParams = {param_kind<A>()...};
  static constexpr std::size_t kFixed = sizeof...(A);

  static std::unique_ptr<BoundCall> make(std::span<const Arg> args, std::string& error) {
    if (!arity_fits(args.size(), kFixed, kList, error)) return nullptr;
    auto bound = std::make_unique<Bound>();
    if (!bound->bind_all(args, error, std::index_sequence_for<A...>{})) return nullptr;
    return bound;
  }

  static Outcome run(std::span<const Arg> args) {
    std::string error;
    std::unique_ptr<BoundCall> bound;
    try {
      bound = make(args, error);
    } catch (const std::exception& e) {
      return failed(e.what());
    }
    if (!bound) {
      Outcome o;
      o.error = std::move(error);
      return o;
    }
    return bound->call();
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
      return failed(e.what());
    } catch (...) {
      return failed(nullptr);
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
      for (std::size_t i = kFixed; i < args.size(); ++i) {
        if (!bind<const char16_t*>(frame_, args[i], i, tail_[i - kFixed], error)) return false;
      }
    }
    return true;
  }

  // A variable list's texts are followed by nulls to the end of the tail, so one call serves
  // every length: the callee stops at the first null.
  R invoke() {
    if constexpr (kList) {
      return [&]<std::size_t... K>(std::index_sequence<K...>) {
        return std::apply([&](auto... a) { return F(a..., tail_[K]...); }, values_);
      }
      (std::make_index_sequence<kMaxListTexts + 1>{});
    } else {
      return std::apply(F, values_);
    }
  }

  ArgFrame frame_;
  std::tuple<CType<A>...> values_{};
  Tail tail_{};
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
