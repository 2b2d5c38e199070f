// The WD rules: the form of one field (period, e-mail, names, numbers, identity numbers,
// telephone, bank account), reported with the general element codes.
#include <cstddef>

#include "dictionaries/service_query.h"
#include "elements/bank_account.h"
#include "platform/check_digits.h"
#include "rules/rules.h"
#include "rules/terms.h"

namespace olv {
using namespace olv::terms;

namespace {

// The units each character-set rule allows.
// clang-format off
bool given_name_char(char16_t c)    { return letter(c) || one_of(c, u"' -"); }
bool name_char(char16_t c)          { return letter(c) || is_digit(c) || f_KVTIsZnakKropkaKreskaOdstep(c) == 0 || f_KVTIsZnakSpecjalny(c) == 0; }
bool name_or_apostrophe(char16_t c) { return name_char(c) || c == u'\''; }
bool surname_char(char16_t c)       { return letter(c) || one_of(c, u" -'"); }
bool short_name_char(char16_t c)    { return letter(c) || one_of(c, u"-.() "); }
bool digit_or_space(char16_t c)     { return is_digit(c) || c == u' '; }
// clang-format on

bool signs_char(char16_t c) { return letter(c) || is_digit(c) || one_of(c, u"/ ,-"); }
bool separated_char(char16_t c) { return letter(c) || is_digit(c) || one_of(c, u"-/"); }
bool dash_part_char(char16_t c) { return letter(c) || is_digit(c) || c == u'-'; }

// A filled p1 with a unit that `allowed` does not allow.
template <typename Allowed>
bool filled_with_other_chars(Field p1, Allowed allowed) {
  return filled(p1) && !all_chars(p1, allowed);
}

}  // namespace

// Character-set rules.
// clang-format off
int WD0006_1(Field p1) { return code_when(filled_with_other_chars(p1, given_name_char),    60006401); }
int WD0009_1(Field p1) { return code_when(filled_with_other_chars(p1, name_char),          60006501); }
int WD0009_2(Field p1) { return code_when(filled_with_other_chars(p1, name_or_apostrophe), 60006501); }
int WD0010_1(Field p1) { return code_when(filled_with_other_chars(p1, surname_char),       60006601); }
int WD0011_1(Field p1) { return code_when(filled_with_other_chars(p1, short_name_char),    60006503); }
int WD0020_1(Field p1) { return code_when(filled_with_other_chars(p1, digit_or_space),     60003901); }
// clang-format on

// Number rules.
// clang-format off
int WD0005_1(Field p1) { return code_when(filled(p1) && !number_text(p1),                                            60006101); }
int WD0023_1(Field p1) { return code_when(!is_null(p1) && !number_text(p1),                                          60006201); }
int WD0012_1(Field p1) { return code_when(filled(p1) && !number_text(first_n_chars(p1)),                             60005901); }
int WD0012_2(Field p1) { return code_when(filled(p1) && (raw_length(p1) != 5 || !all_digits(p1)),                    60005902); }
int WD0013_1(Field p1) { return code_when(filled(p1) && !(equals(p1, u"X") || equals(p1, u"1") || equals(p1, u"0")), 60006001); }
// clang-format on

int WD0003_1(Field p1) {
  if (blank(p1)) return 0;
  if (trimmed_length(p1) != 6) return 60006201;                         // 1
  if (!all_digits(p1) || !number_text(p1)) return 60006201;             // 2
  if (!between(part_value(p1, 1, 2), 1, 12)) return 60005701;           // 3
  return code_when(f_KVTZakresRoku(chars_from(p1, 3)) != 0, 60006301);  // 4
}

// The e-mail test of the element type on the first n characters.
int WD0004_1(Field p1) { return blank(p1) ? 0 : f_KVTElemT_EMAIL(first_n_chars(p1)); }

// Slashes and dashes.

int WD0007_2(Field p1) {
  if (blank(p1)) return 0;
  return code_when(first_char(p1) == u'/' || !all_chars(p1, signs_char) || Text(p1).back() == u'/',
                   60007501);
}

int WD0008_1(Field p1) {
  if (blank(p1)) return 0;
  const Text w = first_n_chars(p1);
  return code_when(!all_chars(w, separated_char) || misplaced_separator(w), 60007701);
}

int WD0008_2(Field p1) {
  if (blank(p1)) return 0;
  const Text w = first_n_chars(p1);
  const std::size_t dash = w.find(u'-');
  const std::size_t k = dash == Text::npos ? 0 : dash + 1;  // 1
  const Text part = w.substr(k);
  if (w.back() == u'-' || unit_at(w, k) == u'-') return 60007702;  // 2
  if (!all_chars(part, dash_part_char)) return 60007702;           // 3
  return code_when(all_chars(part, [](char16_t c) { return c == u'-'; }) ||
                       all_chars(part, [](char16_t c) { return c == u'0'; }) ||
                       all_chars(part, letter),
                   60007702);  // 4, 5
}

// Identity numbers: the digits are the single-character values of the untouched text.

int WD0014_1(Field p1) {
  if (blank(p1)) return 0;
  if (trimmed_length(p1) != 10 || !number_text(p1) || equals(p1, u"0000000000")) return 60005101;
  return code_when(!check_digit_matches(p1, kNip), 60005101);
}

int WD0015_1(Field p1) {
  if (blank(p1)) return 0;
  if (trimmed_length(p1) != 11 || !number_text(p1)) return 60005401;  // 1
  return code_when(!pesel_digits_pass(p1), 60005401);                 // 2 to 5
}

int WD0016_1(Field p1) {
  if (blank(p1)) return 0;
  const std::size_t n = trimmed_length(p1);
  if (!number_text(p1) || (n != 9 && n != 14)) return 60005201;               // 1
  if (!check_digit_matches(p1, kRegon9)) return 60005201;                     // 2
  return code_when(n == 14 && !check_digit_matches(p1, kRegon14), 60005201);  // 3
}

// Bank account: the account-form check of the bank-account test; p2 is not read.
int WD0017_1(Field p1, Field) { return TestNrRachBank(p1, false); }

int WD0017_2(Field p1, Field p2, Field p3) { return is_exactly(p2, u"1") ? WD0017_1(p1, p3) : 0; }

// The telephone test of the element type on the first n characters.
int WD0018_1(Field p1) { return blank(p1) ? 0 : f_KVTElemT_NR_TELEFONU(first_n_chars(p1)); }

// The dictionary service judges the text; its answer is the result.
int WD0007_1(Field p1) { return service_rule_check(p1); }

}  // namespace olv
