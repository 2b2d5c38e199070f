// Validators of the identity numbers: PESEL, REGON, NIP, NUSP, identity cards, passports.
#include "elements/identity.h"

#include <algorithm>

#include "elements/general.h"
#include "olvenir_p.h"

namespace olv {
namespace {

// An identity card's leading series unit: neither a lower-case ASCII letter nor a digit.
bool series_unit(char16_t c) { return !(c >= u'a' && c <= u'z') && !is_digit(c); }

}  // namespace

int f_KVTElemT_PESEL(Text t) {
  if (int finding = f_KVTElemT_LICZBA(t)) return finding;  // 1
  // A shorter text has no eleventh position to check: it fails as a PESEL of a wrong length.
  if (t.size() < 11) return 60005401;
  return pesel_digits_pass(t) ? 0 : 60005401;  // 2 to 7
}

int f_KVTElemT_REGON(Text t) {
  if (int finding = f_KVTElemT_LICZBA(t)) return finding;                    // 1
  if (t.size() != 9 && t.size() != 14) return 60005201;                      // 2
  if (!check_digit_matches(t, kRegon9)) return 60005201;                     // 3
  if (t.size() == 14 && !check_digit_matches(t, kRegon14)) return 60005201;  // 4
  return 0;
}

int f_KVTElemT_NIP(Text t) {
  if (t.empty()) return 0;                                 // 1
  if (t.size() < 10) return 60005101;                      // 2
  if (int finding = f_KVTElemT_LICZBA(t)) return finding;  // 3
  if (t == Text(u"0000000000")) return 60005101;           // 4
  return check_digit_matches(t, kNip) ? 0 : 60005101;      // 5
}

// Digits alone pass the number test; their count is the text's length.
std::optional<WalkedAnswer> walked_REGON(const char16_t* p) {
  const auto walk = walk_digits<2>(p, 14, {&kRegon9, &kRegon14});
  if (!walk.alone) return std::nullopt;
  if (walk.digits != 9 && walk.digits != 14) return WalkedAnswer{walk.digits, 60005201};
  const bool nine = sum_passes(kRegon9, walk.sums[0], walked_value(p, 9));
  const bool fourteen = walk.digits == 9 || sum_passes(kRegon14, walk.sums[1], walked_value(p, 14));
  return WalkedAnswer{walk.digits, nine && fourteen ? 0 : 60005201};
}

std::optional<WalkedAnswer> walked_NIP(const char16_t* p) {
  const auto walk = walk_digits<1>(p, 10, {&kNip});
  if (!walk.alone) return std::nullopt;
  if (walk.digits == 0) return WalkedAnswer{0, 0};
  if (walk.digits < 10) return WalkedAnswer{walk.digits, 60005101};
  // No NIP weight is 0, so a sum of 0 and a check digit of 0 are ten zeros.
  const bool ten_zeros = walk.sums[0] == 0 && walked_value(p, 10) == 0;
  const bool passes = sum_passes(kNip, walk.sums[0], walked_value(p, 10));
  return WalkedAnswer{10, passes && !ten_zeros ? 0 : 60005101};
}

int f_KVTElemT_NUSP(Text t) {
  if (t.size() != 10) return 1;  // not a finding code: the number has the wrong length
  // The units are not tested for being digits: a letter counts 0 at its position.
  if (!check_digit_matches(t, kNuspFirst)) return 60005001;
  if (!check_digit_matches(t, kNuspSecond)) return 60005001;
  return 0;
}

int f_KVTElemT_DOWOD_NOWY(Text t) {
  bool ok = t.size() == 9 && series_unit(t[0]) && series_unit(t[1]) && series_unit(t[2]) &&
            t[2] != u' ' && only_digits(t.substr(3));
  return ok ? 0 : 61002201;
}

int f_KVTElemT_DOWOD_STARY(Text t) {
  bool ok = t.size() == 9 && series_unit(t[0]) && series_unit(t[1]) && only_digits(t.substr(2));
  return ok ? 0 : 61002201;
}

int f_KVTElemT_DOWOD_NOWY_I_STARY(Text t) {
  return f_KVTElemT_DOWOD_NOWY(t) == 0 || f_KVTElemT_DOWOD_STARY(t) == 0 ? 0 : 61002201;
}

int f_KVTElemT_PASZPORT(Text t) {
  const bool ok =
      std::all_of(t.begin(), t.end(), [](char16_t c) { return is_digit(c) || is_letter(c); });
  return ok ? 0 : 60007301;
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
int f_KVTElemT_REGON(char16_t* t) {
  if (auto walked = olv::walked_REGON(t)) return walked->answer;
  return olv::f_KVTElemT_REGON(olv::text(t));
}
int f_KVTElemT_NIP(char16_t* t) {
  if (auto walked = olv::walked_NIP(t)) return walked->answer;
  return olv::f_KVTElemT_NIP(olv::text(t));
}
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
