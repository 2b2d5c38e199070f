// Letter and white-space classes of all 65,536 UTF-16 units, independent of the process locale.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/text.h"

namespace olv {

namespace detail {
extern const uint64_t kLetterBits[1024];
extern const uint64_t kSpaceBits[1024];

// The unit's bit of a class table: one load and no branch.
inline bool in_class(const uint64_t (&bits)[1024], char16_t c) {
  const uint64_t unit = c;  // widened first, so the word index takes a single shift
  return (bits[unit / 64] >> (unit % 64)) & 1;
}
}  // namespace detail

// The wide letter test: a unit of Unicode general category L (Lu, Ll, Lt, Lm, Lo).
inline bool is_letter(char16_t c) { return detail::in_class(detail::kLetterBits, c); }

// The wide white-space test: a unit with the Unicode White_Space property. The trimming loops
// test every unit, and the word of ASCII stays in the cache.
inline bool is_space(char16_t c) { return detail::in_class(detail::kSpaceBits, c); }

// A decimal digit U+0030 to U+0039; no other Unicode digit counts.
constexpr bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Every unit is a digit; true for the empty text.
constexpr bool only_digits(Text t) { return std::all_of(t.begin(), t.end(), is_digit); }

// An ASCII letter A-Z or a-z, tested on the whole unit.
constexpr bool is_ascii_letter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

}  // namespace olv
