// The runtime's text-to-number conversions on UTF-16 texts.
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>

#include "platform/char_class.h"
#include "platform/text.h"

namespace olv {
namespace {

std::size_t skip_space(Text t, std::size_t i) {
  while (i < t.size() && is_space(t[i])) ++i;
  return i;
}

// Reads sign and digits from t[i..limit), saturating at the limits of Int.
template <typename Int>
Int read_integer(Text t, std::size_t i, std::size_t limit, std::size_t* end) {
  bool negative = false;
  if (i < limit && (t[i] == u'+' || t[i] == u'-')) negative = t[i++] == u'-';
  std::size_t digits_start = i;
  using U = std::make_unsigned_t<Int>;
  const U bound =
      negative ? U(std::numeric_limits<Int>::max()) + 1 : U(std::numeric_limits<Int>::max());
  U value = 0;
  bool saturated = false;
  for (; i < limit && is_digit(t[i]); ++i) {
    const U digit = t[i] - u'0';
    saturated = saturated || value > bound / 10 || (value == bound / 10 && digit > bound % 10);
    if (!saturated) value = value * 10 + digit;
  }
  if (end) *end = i == digits_start ? std::size_t(-1) : i;
  if (saturated) value = bound;
  return negative ? Int(U(0) - value) : Int(value);
}

}  // namespace

int32_t to_int32(Text t) { return read_integer<int32_t>(t, skip_space(t, 0), t.size(), nullptr); }

int64_t to_int64(Text t) { return read_integer<int64_t>(t, skip_space(t, 0), t.size(), nullptr); }

bool scan_int(Text& rest, int width, int32_t& value) {
  const std::size_t start = skip_space(rest, 0);
  const std::size_t limit = std::min(rest.size(), start + std::max(width, 0));
  std::size_t end = 0;
  int32_t v = read_integer<int32_t>(rest, start, limit, &end);
  if (end == std::size_t(-1)) return false;
  value = v;
  rest.remove_prefix(end);
  return true;
}

double to_double(Text t) {
  // The decimal prefix is rewritten as "[-]DIGITSe[-]EXP" without a decimal point, so the
  // C library reads it the same under every locale. Forty significant digits are kept; a
  // non-zero digit dropped after them matters only to break a tie between two doubles, so it
  // is kept as one sticky digit 1 behind them.
  constexpr int kKeptDigits = 40;
  char buffer[kKeptDigits + 24];
  bool dropped_nonzero = false;
  int n = 0;
  std::size_t i = skip_space(t, 0);
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
    if (t[i++] == u'-') buffer[n++] = '-';
  }
  int kept = 0;
  long long exponent = 0;
  bool any_digit = false;
  auto take = [&](char16_t c, bool after_point) {
    any_digit = true;
    if (kept == 0 && c == u'0') {
      if (after_point) --exponent;
      return;
    }
    if (kept < kKeptDigits) {
      buffer[n++] = static_cast<char>(c);
      ++kept;
      if (after_point) --exponent;
    } else {
      dropped_nonzero = dropped_nonzero || c != u'0';
      if (!after_point) ++exponent;
    }
  };
  for (; i < t.size() && is_digit(t[i]); ++i) take(t[i], false);
  if (i < t.size() && t[i] == u'.') {
    for (++i; i < t.size() && is_digit(t[i]); ++i) take(t[i], true);
  }
  if (!any_digit) return 0.0;
  if (kept == 0) return n > 0 ? -0.0 : 0.0;  // n > 0: only the sign is in the buffer
  if (dropped_nonzero) {
    buffer[n++] = '1';
    --exponent;
  }
  if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
    std::size_t end = 0;
    int32_t e = read_integer<int32_t>(t, i + 1, t.size(), &end);
    if (end != std::size_t(-1)) exponent += e;
  }
  buffer[n++] = 'e';
  const long long e = std::clamp(exponent, -99999LL, 99999LL);
  *std::to_chars(buffer + n, buffer + sizeof buffer - 1, e).ptr = '\0';
  return std::strtod(buffer, nullptr);
}

}  // namespace olv
