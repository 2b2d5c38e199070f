// Typed calls by name: an export's parameter kinds read from its C++ type, and a call with
// arguments converted to those types. Header-only; a program expands the exports table over it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <limits>
#include <list>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "olvenir_p.h"
#include "platform/runtime_names.h"

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
  kUnsupported,  // a type this layer cannot build; the call is refused
};

// What a function answers.
enum class ResultKind : uint8_t {
  kVoid,
  kInt,  // any integral result but bool
  kBool,
  kDouble,
  kText,       // const char16_t*: a text the caller does not own (static, or an argument)
  kOwnedText,  // char16_t* or BSTR: a new automation string the caller releases
  kString,     // std::u16string
  kPointer,    // a pointer to something other than a text
};

// The trailing texts of a variable list, at most this many before the null that ends them.
inline constexpr std::size_t kMaxListTexts = 32;
// Units made available to a writable text beyond its own, so that an out-buffer given as the
// empty text has room for what the function writes (a date, a month).
inline constexpr std::size_t kOutBufferUnits = 256;

using OptionalText = std::optional<std::u16string>;  // nullopt is a null pointer

struct Condition {
  OptionalText column;
  int op = 0;
  OptionalText value;
};

struct CodeEntry {
  std::u16string code;
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

// What a writable parameter held after the call: a text (nullopt unchanged) or an integer.
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

// The storage an argument list is built in; everything lives until the frame is destroyed.
// Texts are copied so that a function that writes into one cannot reach the caller's data.
class ArgFrame {
 public:
  ArgFrame() = default;
  ArgFrame(const ArgFrame&) = delete;
  ArgFrame& operator=(const ArgFrame&) = delete;
  ~ArgFrame() {
    for (BSTR b : bstrs_) olvenir_SysFreeString(b);
  }

  const char16_t* text(const std::u16string& t) { return texts_.emplace_back(t).c_str(); }

  char16_t* writable(std::size_t index, const std::u16string& t) {
    std::vector<char16_t>& b = buffers_.emplace_back(t.size() + 1 + kOutBufferUnits, u'\0');
    std::copy(t.begin(), t.end(), b.begin());
    watched_texts_.push_back({index, &b, t});
    return b.data();
  }

  int32_t* integer(std::size_t index, int32_t initial) {
    int32_t& v = integers_.emplace_back(initial);
    watched_integers_.push_back({index, &v});
    return &v;
  }

  const char16_t** list(const std::vector<OptionalText>& texts) {
    std::vector<const char16_t*>& l = lists_.emplace_back();
    for (const OptionalText& t : texts) l.push_back(t ? text(*t) : nullptr);
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
        entries.push_back({text(e.code), e.valid_from, e.valid_to, 0,
                           e.alternative ? text(*e.alternative) : nullptr});
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
      std::u16string now(w.buffer->data());  // the buffer always ends in a null unit
      if (now.size() >= w.buffer->size()) now.resize(w.buffer->size() - 1);
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
    const std::vector<char16_t>* buffer;
    std::u16string before;
  };
  struct WatchedInteger {
    std::size_t index;
    const int32_t* value;
  };

  BSTR bstr(const OptionalText& t) {
    if (!t) return nullptr;
    BSTR b = olvenir_SysAllocString(t->c_str());
    if (!b) throw std::bad_alloc();
    bstrs_.push_back(b);
    return b;
  }

  // Lists keep their elements in place as they grow.
  std::list<std::u16string> texts_;
  std::list<std::vector<char16_t>> buffers_;
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

namespace typed_call_detail {

template <typename T>
constexpr ParamKind param_kind() {
  using U = std::remove_cv_t<T>;
  if constexpr (std::is_same_v<U, const char16_t*>)
    return ParamKind::kText;
  else if constexpr (std::is_same_v<U, char16_t*>)
    return ParamKind::kMutableText;
  else if constexpr (std::is_same_v<U, const char16_t**> ||
                     std::is_same_v<U, const char16_t* const*>)
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
  else if constexpr (std::is_pointer_v<U>)
    return ParamKind::kOpaque;
  else
    return ParamKind::kUnsupported;
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

inline std::string where(std::size_t index) { return "argument " + std::to_string(index + 1); }

template <typename T>
bool in_range(int64_t v) {
  return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

// Converts one argument to the parameter type T; false with `error` set when it does not fit.
template <typename T>
bool bind(ArgFrame& frame, const Arg& arg, std::size_t index, bool bstr, T& out,
          std::string& error) {
  constexpr ParamKind kind = param_kind<T>();
  const bool null = std::holds_alternative<std::monostate>(arg);
  const auto* text = std::get_if<std::u16string>(&arg);
  const auto* number = std::get_if<int64_t>(&arg);
  const auto* flag = std::get_if<bool>(&arg);
  auto fail = [&](const char* what) {
    error = where(index) + ": " + what;
    return false;
  };
  if constexpr (kind == ParamKind::kText) {
    if (null) {
      out = nullptr;
      return true;
    }
    if (!text) return fail("expected a text or null");
    out = frame.text(*text);
  } else if constexpr (kind == ParamKind::kMutableText) {
    if (bstr && !null) return fail("only null can be passed for an automation string");
    if (null) {
      out = nullptr;
      return true;
    }
    if (!text) return fail("expected a text or null");
    out = frame.writable(index, *text);
  } else if constexpr (kind == ParamKind::kTextList) {
    if (null) {
      out = nullptr;
      return true;
    }
    const auto* list = std::get_if<std::vector<OptionalText>>(&arg);
    if (!list) return fail("expected a list of texts or null");
    out = const_cast<T>(frame.list(*list));
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
    if (null) {
      out = nullptr;
      return true;
    }
    if (!number || !in_range<int32_t>(*number)) {
      return fail("expected null or the 32-bit initial value of an out-integer");
    }
    out = frame.integer(index, static_cast<int32_t>(*number));
  } else if constexpr (kind == ParamKind::kConditions) {
    if (null) {
      frame.conditions_given(index, 0);
      out = nullptr;
      return true;
    }
    const auto* cs = std::get_if<std::vector<Condition>>(&arg);
    if (!cs) return fail("expected a list of conditions or null");
    frame.conditions_given(index, cs->size());
    out = frame.conditions(*cs);
  } else if constexpr (kind == ParamKind::kCodeTable) {
    if (null) {
      out = nullptr;
      return true;
    }
    const auto* gs = std::get_if<std::vector<CodeGroup>>(&arg);
    if (!gs) return fail("expected a list of code groups or null");
    if (gs->size() > 10) return fail("a group array holds at most 10 groups");
    out = frame.groups(*gs);
  } else if constexpr (kind == ParamKind::kOpaque) {
    if (!null) return fail("only null can be passed for this record");
    out = nullptr;
  } else {
    return fail("this parameter type cannot be passed from here");
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

template <typename F>
struct Call;

template <typename R, bool kList, typename... A>
struct CallOf {
  static constexpr std::array<ParamKind, sizeof...(A)> kParams = {param_kind<A>()...};
  static constexpr bool kVariadic = kList;
  static constexpr ResultKind kResult = result_kind<R>();

  template <typename F, std::size_t... I>
  static Outcome invoke(F f, std::span<const Arg> args, uint32_t bstr_params,
                        std::index_sequence<I...>) {
    Outcome o;
    constexpr std::size_t kFixed = sizeof...(A);
    if (kList ? args.size() < kFixed : args.size() != kFixed) {
      o.error = "takes " + std::string(kList ? "at least " : "") + std::to_string(kFixed) +
                " argument" + (kFixed == 1 ? "" : "s") + ", given " + std::to_string(args.size());
      return o;
    }
    if (kList && args.size() - kFixed > kMaxListTexts) {
      o.error = "at most " + std::to_string(kMaxListTexts) + " texts in the variable list";
      return o;
    }
    try {
      ArgFrame frame;
      std::tuple<std::remove_cv_t<A>...> values{};
      if (!(bind(frame, args[I], I, (bstr_params >> I) & 1, std::get<I>(values), o.error) && ...)) {
        return o;
      }
      std::array<const char16_t*, kMaxListTexts + 1> tail{};
      if constexpr (kList) {
        for (std::size_t i = kFixed; i < args.size(); ++i) {
          if (!bind(frame, args[i], i, false, tail[i - kFixed], o.error)) return o;
        }
      }
      o.kind = kResult;
      auto call = [&](auto... extra) -> decltype(auto) {
        return f(std::get<I>(values)..., extra...);
      };
      if constexpr (std::is_void_v<R>) {
        with_tail(call, tail, args.size() - kFixed);
      } else {
        R r = with_tail(call, tail, args.size() - kFixed);
        record(o, r);
        if constexpr (kResult == ResultKind::kOwnedText) olvenir_SysFreeString(r);
      }
      o.outs = frame.outs();
    } catch (const std::exception& e) {
      o = Outcome{};
      o.error = std::string("the call failed: ") + e.what();
    } catch (...) {
      o = Outcome{};
      o.error = "the call failed with an unknown exception";
    }
    return o;
  }

  // Calls with the first n texts of the tail and the null that ends the list (none when the
  // function takes no list); n is only known at run time, so each count is its own call.
  template <typename C>
  static decltype(auto) with_tail(C& call, const std::array<const char16_t*, kMaxListTexts + 1>& t,
                                  std::size_t n) {
    if constexpr (!kList) {
      return call();
    } else {
      return with_tail_from(call, t, n, std::make_index_sequence<kMaxListTexts + 1>{});
    }
  }

  template <typename C, std::size_t... N>
  static decltype(auto) with_tail_from(C& call,
                                       const std::array<const char16_t*, kMaxListTexts + 1>& t,
                                       std::size_t n, std::index_sequence<N...>) {
    using Result = decltype(call(static_cast<const char16_t*>(nullptr)));
    using Caller = Result (*)(C&, const std::array<const char16_t*, kMaxListTexts + 1>&);
    static constexpr Caller kCallers[] = {&call_n<C, N>...};
    return kCallers[n](call, t);
  }

  template <typename C, std::size_t N>
  static decltype(auto) call_n(C& call, const std::array<const char16_t*, kMaxListTexts + 1>& t) {
    return call_n_from(call, t, std::make_index_sequence<N>{});
  }

  template <typename C, std::size_t... K>
  static decltype(auto) call_n_from(C& call,
                                    const std::array<const char16_t*, kMaxListTexts + 1>& t,
                                    std::index_sequence<K...>) {
    return call(t[K]..., static_cast<const char16_t*>(nullptr));
  }
};

template <typename R, typename... A>
struct Call<R(A...)> : CallOf<R, false, A...> {
  static Outcome run(R (*f)(A...), std::span<const Arg> args, uint32_t bstr_params) {
    return CallOf<R, false, A...>::invoke(f, args, bstr_params, std::index_sequence_for<A...>{});
  }
};

template <typename R, typename... A>
struct Call<R(A..., ...)> : CallOf<R, true, A...> {
  static Outcome run(R (*f)(A..., ...), std::span<const Arg> args, uint32_t bstr_params) {
    return CallOf<R, true, A...>::invoke(f, args, bstr_params, std::index_sequence_for<A...>{});
  }
};

// The positions (bits from 0) at which a parameter list's text, as the exports table writes it,
// names the type BSTR: those take automation strings, which no caller's text is.
constexpr uint32_t bstr_positions(std::string_view params) {
  uint32_t mask = 0;
  std::size_t index = 0;
  std::string_view token;
  for (std::size_t i = 0, start = 0; i <= params.size(); ++i) {
    if (i < params.size() && params[i] != ',' && params[i] != ')') continue;
    token = params.substr(start, i - start);
    while (!token.empty() && (token.front() == ' ' || token.front() == '(')) token.remove_prefix(1);
    while (!token.empty() && token.back() == ' ') token.remove_suffix(1);
    if (token == "BSTR" && index < 32) mask |= uint32_t{1} << index;
    ++index;
    start = i + 1;
  }
  return mask;
}

}  // namespace typed_call_detail

// One export as a typed call: its kinds, and the function that converts and calls.
struct TypedExport {
  const char* name;
  const char* symbol;
  std::span<const ParamKind> params;
  bool variadic;
  ResultKind result;
  uint32_t bstr_params;  // bit i: parameter i is an automation string
  Outcome (*call)(std::span<const Arg> args);
};

// The kind of argument i of a row, as a caller supplies it (texts past the fixed parameters of
// a variable list).
inline ParamKind param_kind_at(const TypedExport& row, std::size_t i) {
  if (i >= row.params.size()) return ParamKind::kText;
  return (row.bstr_params >> i) & 1 ? ParamKind::kBstr : row.params[i];
}

}  // namespace olv
