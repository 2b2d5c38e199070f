// Validators of the identity numbers: PESEL, REGON, NIP, NUSP, identity cards, passports.
#include "elements/identity.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "dates/date_forms.h"
#include "elements/general.h"
#include "olvenir_p.h"
#include "platform/char_class.h"

namespace olv {
namespace {

// The value of positions `from` to `to` (counted from 1) read together as an integer; a
// position past the end reads as nothing.
int32_t value(Text t, std::size_t from, std::size_t to) {
  if (from > t.size()) return 0;
  return to_int32(t.substr(from - 1, to - from + 1));
}

// The weighted sum of the values of positions 1 to N, one weight per position.
template <std::size_t N>
int32_t weighted_sum(Text t, const std::array<int32_t, N>& weights) {
  int32_t sum = 0;
  for (std::size_t i = 0; i < N; ++i) sum += weights[i] * value(t, i + 1, i + 1);
  return sum;
}

// clang-format off
// Check-digit weights of the public registers, one per position from position 1.
constexpr std::array<int32_t, 10> kPeselWeights  = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
constexpr std::array<int32_t, 8>  kRegon9Weights = {8, 9, 2, 3, 4, 5, 6, 7};
constexpr std::array<int32_t, 13> kRegon14Weights = {2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8};
constexpr std::array<int32_t, 9>  kNipWeights    = {6, 5, 7, 2, 3, 4, 5, 6, 7};
constexpr std::array<int32_t, 9>  kNuspWeights1  = {1, 7, 3, 5, 7, 3, 5, 7, 3};
constexpr std::array<int32_t, 9>  kNuspWeights2  = {1, 3, 5, 7, 1, 3, 5, 7, 3};
// The PESEL month field carries the century: MM / 20 selects it, MM % 20 is the month.
constexpr char16_t kPeselCentury[5][2] = {{u'1', u'9'}, {u'2', u'0'}, {u'2', u'1'},
                                          {u'2', u'2'}, {u'1', u'8'}};
// clang-format on

// The REGON check value: the sum modulo 11, with 10 counting as 0.
int32_t regon_check(int32_t sum) { return sum % 11 == 10 ? 0 : sum % 11; }

// Positions 1 to `n` of a card number are series characters: no lower-case ASCII letter and
// no digit; the rest are digits.
bool card_form(Text t, std::size_t n) {
  if (t.size() != 9) return false;
  auto series = [](char16_t c) { return !(c >= u'a' && c <= u'z') && !is_digit(c); };
  return std::all_of(t.begin(), t.begin() + n, series) &&
         std::all_of(t.begin() + n, t.end(), is_digit);
}

}  // namespace

int f_KVTElemT_PESEL(Text t) {
  if (int r = f_KVTElemT_LICZBA(t); r != 0) return r;  // 1
  // A text shorter than 11 has no eleventh position to check; it is answered as a wrong PESEL,
  // as the PESEL field rule answers any length other than 11.
  if (t.size() < 11) return 60005401;
  int32_t mm = value(t, 3, 4);  // 2
  if (mm % 20 < 1 || mm % 20 > 12) return 60005401;
  int32_t month = mm % 20;
  const char16_t* century = kPeselCentury[mm / 20];
  const char16_t date[8] = {
      t[4], t[5], char16_t(u'0' + month / 10), char16_t(u'0' + month % 10), century[0], century[1],
      t[0], t[1]};                                                    // 3
  if (f_KVTElemT_DATA_DDMMRRRR(Text(date, 8)) != 0) return 60005401;  // 4
  if (value(t, 7, 7) + value(t, 8, 8) + value(t, 9, 9) + value(t, 10, 10) == 0) {
    return 60005401;  // 5
  }
  int32_t r = weighted_sum(t, kPeselWeights) % 10;  // 6
  if (value(t, 11, 11) != (r == 0 ? 0 : 10 - r)) return 60005401;
  return 0;  // 7
}

int f_KVTElemT_REGON(Text t) {
  if (int r = f_KVTElemT_LICZBA(t); r != 0) return r;
  if (t.size() != 9 && t.size() != 14) return 60005201;
  if (value(t, 9, 9) != regon_check(weighted_sum(t, kRegon9Weights))) return 60005201;
  if (t.size() == 14 && value(t, 14, 14) != regon_check(weighted_sum(t, kRegon14Weights))) {
    return 60005201;
  }
  return 0;
}

int f_KVTElemT_NIP(Text t) {
  if (t.empty()) return 0;
  if (t.size() < 10) return 60005101;
  if (int r = f_KVTElemT_LICZBA(t); r != 0) return r;
  if (t == u"0000000000") return 60005101;
  int32_t r = weighted_sum(t, kNipWeights) % 11;
  return r != 10 && r == value(t, 10, 10) ? 0 : 60005101;
}

int f_KVTElemT_NUSP(Text t) {
  if (t.size() != 10) return 1;  // a wrong length is no finding of its own
  // Neither sum tests for digits: any other character counts 0 at its position.
  if (weighted_sum(t, kNuspWeights1) % 10 != value(t, 10, 10)) return 60005001;
  if (weighted_sum(t, kNuspWeights2) % 10 != value(t, 1, 1)) return 60005001;
  return 0;
}

int f_KVTElemT_DOWOD_NOWY(Text t) { return card_form(t, 3) && t[2] != u' ' ? 0 : 61002201; }

int f_KVTElemT_DOWOD_STARY(Text t) { return card_form(t, 2) ? 0 : 61002201; }

int f_KVTElemT_DOWOD_NOWY_I_STARY(Text t) {
  return f_KVTElemT_DOWOD_NOWY(t) == 0 || f_KVTElemT_DOWOD_STARY(t) == 0 ? 0 : 61002201;
}

int f_KVTElemT_PASZPORT(Text t) {
  return std::all_of(t.begin(), t.end(), [](char16_t c) { return is_digit(c) || is_letter(c); })
             ? 0
             : 60007301;
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
