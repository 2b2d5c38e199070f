// Check-digit numbers, one row each, and the PESEL's table of months and centuries.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/char_class.h"
#include "platform/text.h"

namespace olv {

// The value of a unit read on its own, as a number text: a digit's value, anything else 0.
constexpr int32_t unit_value(char16_t c) { return is_digit(c) ? c - u'0' : 0; }

// The value of the unit at a position (from 1); a position past the end counts 0.
constexpr int32_t position_value(Text t, std::size_t position) {
  return unit_value(unit_at(t, position - 1));
}

// How the check digit follows from the weighted sum S.
enum class CheckReading {
  kComplement,          // (10 - S mod 10) mod 10
  kRemainder,           // S mod the modulus
  kRemainderTenIsZero,  // S mod 11, a remainder of 10 read as 0
  kRemainderTenFails,   // S mod 11; a remainder of 10 has no check digit
  kLeavesOne,           // no check position: S plus the share of the country digits leaves 1
};

struct CheckDigitNumber {
  std::size_t positions;            // the positions weighted: 1 to positions
  std::array<uint8_t, 26> weights;  // of positions 1, 2, ...
  int32_t modulus;
  CheckReading reading;
  std::size_t check_position;  // from 1; 0 for kLeavesOne
};

// clang-format off
// Weights and check positions of the identity numbers and the NRB as the forms' rules give them.
// The NRB's are 10^k mod 97 for its digit's place k from the right of the 30 digits it is read
// as: digits 3 to 26, the country digits of PL ("2521"), digits 1 and 2.
inline constexpr CheckDigitNumber kPesel{10, {1, 3, 7, 9, 1, 3, 7, 9, 1, 3}, 10, CheckReading::kComplement, 11};
inline constexpr CheckDigitNumber kRegon9{8, {8, 9, 2, 3, 4, 5, 6, 7}, 11, CheckReading::kRemainderTenIsZero, 9};
inline constexpr CheckDigitNumber kRegon14{13, {2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8}, 11, CheckReading::kRemainderTenIsZero, 14};
inline constexpr CheckDigitNumber kNip{9, {6, 5, 7, 2, 3, 4, 5, 6, 7}, 11, CheckReading::kRemainderTenFails, 10};
inline constexpr CheckDigitNumber kNuspFirst{9, {1, 7, 3, 5, 7, 3, 5, 7, 3}, 10, CheckReading::kRemainder, 10};
inline constexpr CheckDigitNumber kNuspSecond{9, {1, 3, 5, 7, 1, 3, 5, 7, 3}, 10, CheckReading::kRemainder, 1};
inline constexpr CheckDigitNumber kNrb{26, {10, 1, 57, 93, 19, 31, 71, 75, 56, 25, 51, 73, 17, 89, 38, 62, 45, 53, 15, 50, 5, 49, 34, 81, 76, 27}, 97, CheckReading::kLeavesOne, 0};
// The share of "2521" at the places 5 to 2: 2 * 90 + 5 * 9 + 2 * 30 + 1 * 3.
inline constexpr int32_t kNrbCountryShare = 288;
// clang-format on

// The sum of the weighted positions' values times their weights; a unit that is not a digit, and
// a position past the end, count 0.
constexpr int32_t weighted_sum(Text t, const CheckDigitNumber& number) {
  int32_t sum = 0;
  for (std::size_t i = 0; i < number.positions; ++i) {
    sum += unit_value(unit_at(t, i)) * number.weights[i];
  }
  return sum;
}

// The check digit of a weighted sum, or -1 where no digit passes.
constexpr int32_t check_digit(const CheckDigitNumber& number, int32_t sum) {
  const int32_t r = sum % number.modulus;
  // clang-format off
  switch (number.reading) {
    case CheckReading::kComplement:         return (number.modulus - r) % number.modulus;
    case CheckReading::kRemainder:          return r;
    case CheckReading::kRemainderTenIsZero: return r % 10;
    case CheckReading::kRemainderTenFails:  return r == 10 ? -1 : r;
    case CheckReading::kLeavesOne:          return -1;
  }
  // clang-format on
  return -1;
}

// A weighted sum passes against the value at the check position; for the NRB, the sum of its 26
// digits with the country's share leaves 1.
constexpr bool sum_passes(const CheckDigitNumber& number, int32_t sum, int32_t check_value) {
  if (number.reading == CheckReading::kLeavesOne) {
    return (sum + kNrbCountryShare) % number.modulus == 1;
  }
  return check_digit(number, sum) == check_value;
}

// The text's check digit is right.
constexpr bool check_digit_matches(Text t, const CheckDigitNumber& number) {
  return sum_passes(number, weighted_sum(t, number), position_value(t, number.check_position));
}

// One walk over the digits that open a host's null-terminated text, taking the weighted sum of
// each row as the digits are read: where the text is digits alone, the count of the text, the
// number test and the sums come out of one loop instead of three. It stops at the first unit
// that is not a digit or after `most` digits (at most 26, the rows' width); nothing past the
// terminator is read. A null pointer walks no digit and is not digits alone.
template <std::size_t N>
struct DigitWalk {
  std::size_t digits = 0;  // the digits walked
  bool alone = false;      // the unit after them is the terminator: the text is these digits
  std::array<int32_t, N> sums{};
};

template <std::size_t N>
constexpr DigitWalk<N> walk_digits(const char16_t* p, std::size_t most,
                                   const std::array<const CheckDigitNumber*, N>& rows) {
  DigitWalk<N> walk;
  if (p == nullptr) return walk;
  std::size_t i = 0;
  for (; i < most && is_digit(p[i]); ++i) {
    for (std::size_t r = 0; r < N; ++r) walk.sums[r] += (p[i] - u'0') * rows[r]->weights[i];
  }
  walk.digits = i;
  walk.alone = p[i] == u'\0';
  return walk;
}

// The value of a walked digit at a position (from 1).
constexpr int32_t walked_value(const char16_t* p, std::size_t position) {
  return p[position - 1] - u'0';
}

// The month field of a PESEL (positions 3-4) gives the month (field mod 20) and, by the field
// divided by 20, the first year of the birth's century.
inline constexpr int32_t kPeselCenturyYears[5] = {1900, 2000, 2100, 2200, 1800};

struct PeselMonth {
  int32_t month;         // the field mod 20: 1 to 12 for a month
  int32_t century_year;  // 0 for a field outside 0-99
};
constexpr PeselMonth pesel_month(int32_t field) {
  if (field < 0 || field > 99) return {field % 20, 0};
  return {field % 20, kPeselCenturyYears[field / 20]};
}

// A month field that names a month of one of the five centuries: 1-12, 21-32, ..., 81-92.
constexpr bool pesel_month_field(int32_t field) {
  const PeselMonth m = pesel_month(field);
  return m.century_year != 0 && m.month >= 1 && m.month <= 12;
}

// The birth date DDMMRRRR of a PESEL whose month field names a month, built in `date`: the day
// from positions 5-6, the month and the century by the month field, the year from positions 1-2.
// A position past the end gives the terminator.
inline Text pesel_birth_date(Text pesel, int32_t month_field, char16_t (&date)[8]) {
  const PeselMonth m = pesel_month(month_field);
  date[0] = unit_at(pesel, 4);
  date[1] = unit_at(pesel, 5);
  put_decimal(put_decimal(date + 2, m.month, 2), m.century_year / 100, 2);
  date[6] = unit_at(pesel, 0);
  date[7] = unit_at(pesel, 1);
  return Text(date, 8);
}

}  // namespace olv
