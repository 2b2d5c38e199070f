// UTF-16 field texts as views, and the runtime's text-to-number conversions.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace olv {

// A field text: a view of the UTF-16 units before the terminating null.
using Text = std::u16string_view;

// The view of a host's null-terminated text; a null pointer is the empty text.
inline Text text(const char16_t* p) { return p ? Text(p) : Text(); }

// The unit at a 0-based index, or 0 (the terminator) past the end.
constexpr char16_t unit_at(Text t, std::size_t i) { return i < t.size() ? t[i] : u'\0'; }

// The text begins with one of the prefixes, unit by unit and case-sensitively.
constexpr bool begins_with_any(Text t, std::initializer_list<Text> prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [t](Text prefix) { return t.starts_with(prefix); });
}

// Writes `value` in decimal as printf's %.Nd: a sign for a negative value, then at least `digits`
// digits with leading zeros. Returns the end of what it wrote.
inline char16_t* put_decimal(char16_t* out, int32_t value, int digits = 1) {
  char ascii[11] = {};
  const char* end = std::to_chars(ascii, ascii + sizeof ascii, value).ptr;
  const char* first = ascii;
  if (value < 0) {
    *out++ = u'-';
    ++first;
  }
  for (auto n = end - first; n < digits; ++n) *out++ = u'0';
  return std::copy(first, end, out);
}

// Integer reading as the runtime's wide-text-to-long: leading white space, an optional sign,
// decimal digits up to the first other unit; 0 when no digit comes first. A value beyond the
// 32-bit range saturates at INT32_MAX or INT32_MIN, as the runtime's conversion does.
int32_t to_int32(Text t);

// The same reading in 64 bits, saturating at INT64_MAX or INT64_MIN.
int64_t to_int64(Text t);

// Floating reading as the runtime's wide-text-to-double: leading white space, an optional sign,
// digits with an optional fraction, an optional exponent; 0.0 when nothing converts. Only decimal
// forms are read: "inf", "nan" and hexadecimal texts give 0.0 (no digit comes first), a value
// beyond the double range gives plus or minus infinity.
double to_double(Text t);

// One %Nd conversion of the formatted scan: skips white space, then reads an optional sign and
// digits, at most `width` units in all. Advances `rest` past what it read; false (and `rest`
// unchanged) when no digit was read. A value beyond 32 bits saturates.
bool scan_int(Text& rest, int width, int32_t& value);

// True for the view of a null pointer (see text()); an empty host text is a distinct,
// non-null empty view. The variable-length lists end at the first null pointer.
constexpr bool is_null(Text t) { return t.data() == nullptr; }

}  // namespace olv
