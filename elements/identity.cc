// Validators of the identity numbers: PESEL, REGON, NIP, NUSP, identity cards, passports.
#include "elements/identity.h"

#include <array>
#include <cstring>

#include "dates/date_forms.h"
#include "elements/general.h"
#include "olvenir_p.h"
#include "platform/digits.h"

namespace olv {
namespace {

// The value of the unit at a position (from 1) read on its own: a digit's value, else 0.
// A position past the end is absent and counts 0.
int32_t digit_value(Text t, std::size_t position) {
  char16_t c = unit_at(t, position - 1);
  return is_digit(c) ? c - u'0' : 0;
}

// clang-format off
// Weights of the check sums, one per unit of the text, 0 for the units outside the sum.
constexpr auto kPeselWeights = lane_weights<11>({1, 3, 7, 9, 1, 3, 7, 9, 1, 3, 0});
constexpr auto kRegon9Weights = lane_weights<8>({8, 9, 2, 3, 4, 5, 6, 7});
constexpr auto kRegon14Weights = lane_weights<14>({2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8, 0});
constexpr auto kNipWeights = lane_weights<10>({6, 5, 7, 2, 3, 4, 5, 6, 7, 0});
constexpr auto kNuspFirstWeights = lane_weights<10>({1, 7, 3, 5, 7, 3, 5, 7, 3, 0});
constexpr auto kNuspSecondWeights = lane_weights<10>({1, 3, 5, 7, 1, 3, 5, 7, 3, 0});
// The PESEL month field divided by 20 gives the century of the birth year.
constexpr int32_t kPeselCenturyYear[] = {1900, 2000, 2100, 2200, 1800};
// clang-format on

// The check digits of the weighted sums. A PESEL's completes its sum to a multiple of 10; a
// REGON's is the sum modulo 11, a remainder of 10 counting as 0; a NIP whose sum leaves 10
// modulo 11 has no check digit.
constexpr auto kPeselCheckDigit =
    check_digits<max_sum(kPeselWeights)>([](int32_t sum) { return (10 - sum % 10) % 10; });
constexpr auto kRegonCheckDigit =
    check_digits<max_sum(kRegon14Weights)>([](int32_t sum) { return sum % 11 % 10; });
static_assert(max_sum(kRegon9Weights) <= max_sum(kRegon14Weights));
constexpr auto kNipCheckDigit =
    check_digits<max_sum(kNipWeights)>([](int32_t sum) { return sum % 11 == 10 ? -1 : sum % 11; });

// The weighted sum of a text with at least kUnits units; a unit that is not a digit counts 0.
template <std::size_t kUnits>
int32_t weighted_sum(Text t, const LaneWeights<kUnits>& weights) {
  return digit_value_sum(t.data(), weights);
}

// The digit value of a unit known to be a digit.
constexpr int32_t digit_at(Text t, std::size_t i) { return t[i] - u'0'; }

// The month field of a PESEL (positions 3-4, 00 to 99) as the birth month and the first year of
// its century: the month field modulo 20 and the century of the field divided by 20.
struct PeselMonth {
  int32_t month;
  int32_t century_year;
};
constexpr auto kPeselMonths = [] {
  std::array<PeselMonth, 100> months{};
  for (int32_t field = 0; field < 100; ++field) {
    months[field] = {field % 20, kPeselCenturyYear[field / 20]};
  }
  return months;
}();

// Four units read as one 64-bit word, to compare them with four equal units at once.
uint64_t four_units(const char16_t* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}
constexpr uint64_t kFourZeros = 0x0030'0030'0030'0030;

// A PESEL of eleven digits, the usual text, judged on its digit values: the steps of the
// general path below, which builds the birth date as a text, with the date taken as numbers.
int pesel_of_digits(Text t) {
  const PeselMonth& m = kPeselMonths[digit_at(t, 2) * 10 + digit_at(t, 3)];
  int32_t year = m.century_year + digit_at(t, 0) * 10 + digit_at(t, 1);
  int32_t day = digit_at(t, 4) * 10 + digit_at(t, 5);
  if (!accepted_date(day, m.month, year)) return 60005401;
  if (four_units(t.data() + 6) == kFourZeros) return 60005401;  // positions 7-10 add up to 0
  return kPeselCheckDigit[digit_run_sum(t.data(), kPeselWeights)] == digit_at(t, 10) ? 0 : 60005401;
}

// The REGON check of the weighted positions before `check_position` (from 1) against the unit
// there; a unit that is not a digit counts 0, as in a number text.
template <std::size_t kUnits>
bool regon_check(Text t, const LaneWeights<kUnits>& weights, std::size_t check_position) {
  return kRegonCheckDigit[weighted_sum(t, weights)] == digit_value(t, check_position);
}

// A REGON of nine or fourteen digits, the usual text, judged on its digit values alone. The
// sums read the units at the offsets the digit test read them, so those loads serve both.
int regon_of_digits(Text t) {
  bool valid = kRegonCheckDigit[digit_run_sum(t.data(), kRegon9Weights)] == digit_at(t, 8);
  if (t.size() == 14) {
    valid = valid && kRegonCheckDigit[digit_run_sum(t.data(), kRegon14Weights)] == digit_at(t, 13);
  }
  return valid ? 0 : 60005201;
}

// A REGON that is not nine or fourteen digits alone: a number text of another length, with
// spaces, or no number text. Kept out of line so that the usual text's path needs no frame.
[[gnu::noinline]] int regon_of_number_text(Text t) {
  const bool regon_length = t.size() == 9 || t.size() == 14;
  // A text of either length is known not to be digits alone: only the walk is left to test.
  if (int finding = regon_length ? number_text_walk(t) : f_KVTElemT_LICZBA(t)) return finding;
  if (!regon_length) return 60005201;
  if (!regon_check(t, kRegon9Weights, 9)) return 60005201;  // also the first nine of fourteen
  if (t.size() == 14 && !regon_check(t, kRegon14Weights, 14)) return 60005201;
  return 0;
}

// Positions `first` to `last` (from 1) are all digits.
bool digits_at(Text t, std::size_t first, std::size_t last) {
  for (std::size_t p = first; p <= last; ++p) {
    if (!is_digit(unit_at(t, p - 1))) return false;
  }
  return true;
}

// An identity card's leading series unit: neither a lower-case ASCII letter nor a digit.
bool series_unit(char16_t c) { return !(c >= u'a' && c <= u'z') && !is_digit(c); }

// A PESEL that is not eleven digits alone: the number text is tested, then the birth date built as
// a text. Kept out of line so that eleven digits take a path without a frame.
[[gnu::noinline]] int pesel_of_number_text(Text t) {
  if (int finding = f_KVTElemT_LICZBA(t)) return finding;
  // A shorter text has no eleventh position to check: it fails as a PESEL of a wrong length.
  if (t.size() < 11) return 60005401;
  int32_t month_field = part_value(t, 3, 4);
  int32_t century = month_field / 20;
  int32_t month = month_field % 20;
  if (month_field < 0 || century > 4 || month < 1 || month > 12) return 60005401;
  std::array<char16_t, 8> date{};  // DDMMRRRR
  date[0] = t[4];
  date[1] = t[5];
  date[2] = static_cast<char16_t>(u'0' + month / 10);
  date[3] = static_cast<char16_t>(u'0' + month % 10);
  date[4] = static_cast<char16_t>(u'0' + kPeselCenturyYear[century] / 1000);
  date[5] = static_cast<char16_t>(u'0' + kPeselCenturyYear[century] / 100 % 10);
  date[6] = t[0];
  date[7] = t[1];
  if (f_KVTElemT_DATA_DDMMRRRR(Text(date.data(), date.size())) != 0) return 60005401;
  if (digit_value(t, 7) + digit_value(t, 8) + digit_value(t, 9) + digit_value(t, 10) == 0) {
    return 60005401;
  }
  // Later units are not examined.
  return kPeselCheckDigit[weighted_sum(t, kPeselWeights)] == digit_value(t, 11) ? 0 : 60005401;
}

}  // namespace

int f_KVTElemT_PESEL(Text t) {
  if (t.size() == 11 && all_digits<11>(t.data())) return pesel_of_digits(t);
  return pesel_of_number_text(t);
}

int f_KVTElemT_REGON(Text t) {
  if ((t.size() == 9 && all_digits<9>(t.data())) || (t.size() == 14 && all_digits<14>(t.data()))) {
    return regon_of_digits(t);
  }
  return regon_of_number_text(t);
}

namespace {

// A NIP of ten digits alone, the usual text. Its weighted sum is 0 only when the first nine
// digits are zeros, so a sum of 0 fails both ten zeros and any other check digit after them.
int nip_of_digits(Text t) {
  int32_t sum = digit_run_sum(t.data(), kNipWeights);
  return sum != 0 && kNipCheckDigit[sum] == digit_at(t, 9) ? 0 : 60005101;
}

// A NIP that is not ten digits alone. Kept out of line so that ten digits take a path without a
// frame.
[[gnu::noinline]] int nip_of_number_text(Text t) {
  if (t.empty()) return 0;
  if (t.size() < 10) return 60005101;
  // Ten units are known not to be digits alone: only the walk is left to test.
  if (int finding = t.size() == 10 ? number_text_walk(t) : f_KVTElemT_LICZBA(t)) return finding;
  return kNipCheckDigit[weighted_sum(t, kNipWeights)] == digit_value(t, 10) ? 0 : 60005101;
}

}  // namespace

int f_KVTElemT_NIP(Text t) {
  if (t.size() == 10 && all_digits<10>(t.data())) return nip_of_digits(t);
  return nip_of_number_text(t);
}

int f_KVTElemT_NUSP(Text t) {
  if (t.size() != 10) return 1;  // not a finding code: the number has the wrong length
  // The units are not tested for being digits: a letter counts 0 at its position.
  if (weighted_sum(t, kNuspFirstWeights) % 10 != digit_value(t, 10)) return 60005001;
  if (weighted_sum(t, kNuspSecondWeights) % 10 != digit_value(t, 1)) return 60005001;
  return 0;
}

int f_KVTElemT_DOWOD_NOWY(Text t) {
  bool ok = t.size() == 9 && series_unit(t[0]) && series_unit(t[1]) && series_unit(t[2]) &&
            t[2] != u' ' && digits_at(t, 4, 9);
  return ok ? 0 : 61002201;
}

int f_KVTElemT_DOWOD_STARY(Text t) {
  bool ok = t.size() == 9 && series_unit(t[0]) && series_unit(t[1]) && digits_at(t, 3, 9);
  return ok ? 0 : 61002201;
}

int f_KVTElemT_DOWOD_NOWY_I_STARY(Text t) {
  return f_KVTElemT_DOWOD_NOWY(t) == 0 || f_KVTElemT_DOWOD_STARY(t) == 0 ? 0 : 61002201;
}

int f_KVTElemT_PASZPORT(Text t) {
  for (char16_t c : t) {
    if (!is_digit(c) && !is_letter(c)) return 60007301;
  }
  return 0;
}

int f_KVTTypAndIdentyfikator(Text type, Text identifier) {
  if (type == u"1") return f_KVTElemT_DOWOD_NOWY_I_STARY(identifier);
  if (type == u"2") return f_KVTElemT_PASZPORT(identifier);
  if (type == u"P") return f_KVTElemT_PESEL(identifier);
  if (type == u"N") return f_KVTElemT_NIP(identifier);
  return 1;
}

}  // namespace olv

// ---- exports ----------------------------------------------------------------------------------

int f_KVTElemT_PESEL(char16_t* t) { return olv::f_KVTElemT_PESEL(olv::text(t)); }
int f_KVTElemT_REGON(char16_t* t) { return olv::f_KVTElemT_REGON(olv::text(t)); }
int f_KVTElemT_NIP(char16_t* t) { return olv::f_KVTElemT_NIP(olv::text(t)); }
int f_KVTElemT_NUSP(char16_t* t) { return olv::f_KVTElemT_NUSP(olv::text(t)); }
int f_KVTElemT_DOWOD_NOWY(char16_t* t) { return olv::f_KVTElemT_DOWOD_NOWY(olv::text(t)); }
int f_KVTElemT_DOWOD_STARY(char16_t* t) { return olv::f_KVTElemT_DOWOD_STARY(olv::text(t)); }
int f_KVTElemT_DOWOD_NOWY_I_STARY(char16_t* t) {
  return olv::f_KVTElemT_DOWOD_NOWY_I_STARY(olv::text(t));
}
int f_KVTElemT_PASZPORT(char16_t* t) { return olv::f_KVTElemT_PASZPORT(olv::text(t)); }
int f_KVTTypAndIdentyfikator(char16_t* type, char16_t* identifier) {
  return olv::f_KVTTypAndIdentyfikator(olv::text(type), olv::text(identifier));
}
