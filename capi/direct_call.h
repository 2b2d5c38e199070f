// Calls of the exports straight from C's neutral arguments, for the signatures whose arguments
// convert without the call layer's storage: texts, integers and bools in, an integer or bool out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <limits>
#include <tuple>
#include <type_traits>
#include <utility>

#include "olvenir_p_c.h"

namespace olv::capi {

// What a direct call did: not made (the caller takes the general path), answered, or answered
// after changing one of its writable texts.
enum DirectResult { kNotMade = 0, kAnswered = 1, kAnsweredChanged = 2 };

using DirectCall = int (*)(const olv_arg* args, std::size_t count, int64_t* answer);

// Units a writable text is given on the stack; longer ones take the general path, which gives
// every writable text room of its own.
inline constexpr std::size_t kRoomUnits = 512;
inline constexpr std::size_t kOutUnits = 256;

template <typename T>
inline constexpr bool kDirectParam = std::is_same_v<T, const char16_t*> ||
                                     std::is_same_v<T, char16_t*> || std::is_same_v<T, char16_t> ||
                                     std::is_same_v<T, bool> ||
                                     (std::is_integral_v<T> && !std::is_same_v<T, char>);

template <typename R>
inline constexpr bool kDirectResult = std::is_integral_v<R>;

struct Room {
  char16_t units[kRoomUnits];
  std::size_t length;
};

template <typename T>
bool take(const olv_arg& a, T& out, Room& room) {
  if constexpr (std::is_same_v<T, const char16_t*>) {
    if (a.type == OLV_ARG_NULL || (a.type == OLV_ARG_TEXT && !a.text.units)) {
      out = nullptr;
      return true;
    }
    if (a.type != OLV_ARG_TEXT) return false;
    out = a.text.units;
    return true;
  } else if constexpr (std::is_same_v<T, char16_t*>) {
    if (a.type == OLV_ARG_NULL || (a.type == OLV_ARG_TEXT && !a.text.units)) {
      out = nullptr;
      return true;
    }
    if (a.type != OLV_ARG_TEXT || a.text.length + kOutUnits > kRoomUnits) return false;
    std::memcpy(room.units, a.text.units, a.text.length * sizeof(char16_t));
    std::memset(room.units + a.text.length, 0, kOutUnits * sizeof(char16_t));
    room.length = a.text.length;
    out = room.units;
    return true;
  } else if constexpr (std::is_same_v<T, char16_t>) {
    if (a.type == OLV_ARG_TEXT && a.text.units && a.text.length == 1) {
      out = a.text.units[0];
      return true;
    }
    if (a.type != OLV_ARG_INT || a.number < 0 || a.number > 0xFFFF) return false;
    out = static_cast<char16_t>(a.number);
    return true;
  } else if constexpr (std::is_same_v<T, bool>) {
    if ((a.type != OLV_ARG_BOOL && a.type != OLV_ARG_INT) || (a.number != 0 && a.number != 1))
      return false;
    out = a.number != 0;
    return true;
  } else {
    if (a.type != OLV_ARG_INT) return false;
    if (a.number < static_cast<int64_t>(std::numeric_limits<T>::min())) return false;
    if (std::is_unsigned_v<T> || sizeof(T) < sizeof(int64_t)) {
      if (static_cast<uint64_t>(a.number) > static_cast<uint64_t>(std::numeric_limits<T>::max()))
        return false;
    }
    out = static_cast<T>(a.number);
    return true;
  }
}

template <typename T>
bool changed(const T&, const olv_arg&, const Room&) {
  return false;
}

inline bool changed(char16_t* const& p, const olv_arg& a, const Room& room) {
  return p && std::memcmp(room.units, a.text.units, (a.text.length + 1) * sizeof(char16_t)) != 0;
}

template <typename F>
using Pointer = F*;

template <typename F, F* f>
struct Direct;

template <typename R, typename... A, R (*f)(A...)>
struct Direct<R(A...), f> {
  template <std::size_t... I>
  static int run(const olv_arg* args, int64_t* answer, std::index_sequence<I...>) {
    std::tuple<A...> values;
    [[maybe_unused]] Room rooms[sizeof...(A) + 1];
    (void)args;
    if (!(take(args[I], std::get<I>(values), rooms[I]) && ...)) return kNotMade;
    try {
      *answer = static_cast<int64_t>(f(std::get<I>(values)...));
    } catch (const std::exception&) {
      return kNotMade;  // the general path calls again and reports the failure
    }
    return (changed(std::get<I>(values), args[I], rooms[I]) || ...) ? kAnsweredChanged : kAnswered;
  }
  static int call(const olv_arg* args, std::size_t count, int64_t* answer) {
    if (count != sizeof...(A)) return kNotMade;
    return run(args, answer, std::index_sequence_for<A...>{});
  }
  static constexpr DirectCall pointer() {
    if constexpr (kDirectResult<R> && (kDirectParam<A> && ...))
      return &call;
    else
      return nullptr;
  }
};

// Any other shape (a variable list, records) has no direct call.
template <typename F, F* f>
struct Direct {
  static constexpr DirectCall pointer() { return nullptr; }
};

// The direct call of each row, in the order of the exports table.
extern const DirectCall kDirectCalls[];
extern const std::size_t kDirectCallCount;

}  // namespace olv::capi
