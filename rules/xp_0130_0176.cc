// The XP rules 0130 to 0176: dictionary codes, kinship codes, title keys, field forms, groups.
#include <cstdint>

#include "dates/arithmetic.h"
#include "dates/date_forms.h"
#include "rules/rules.h"
#include "rules/terms.h"

namespace olv {
using namespace olv::terms;

namespace {

// The key of the title code and the one-character code (the two joined, cut to their first five
// units) is excluded at the reference: before October 2003 the four keys 012x1 are, from then on
// only "01201". The reference is a pure test worked out only for the three keys that depend on it.
template <typename BeforeOctober2003>
bool excluded_title(Text title, Text code, BeforeOctober2003 before_october_2003) {
  char16_t joined[5];
  const std::size_t n = title.copy(joined, 5);
  const Text key(joined, n + code.copy(joined + n, 5 - n));
  if (equals(key, u"01201")) return true;
  return equals_one_of(key, {u"01211", u"01221", u"01231"}) && before_october_2003();
}

// The period p (MMRRRR of trimmed length 6) lies before October 2003: a month 1 to 12 read from its
// first two characters and a year 1901 to 2199 from the third on. Any other p is not before.
bool period_before_october_2003(Text p) {
  if (trimmed_length(p) != 6) return false;
  const int32_t month = int_value(chars(p, 1, 2));
  const int32_t year = int_value(chars_from(p, 3));
  return between(month, 1, 12) && between(year, 1901, 2199) && year * 100 + month < 200310;
}

// The day before the date p (of 1 October 2003 when p is not a valid date) lies before October
// 2003. f_KVTDataMinus1 rewrites its text, so it steps a copy in a buffer of its own.
bool day_before_is_before_october_2003(Text p) {
  char16_t day[9] = {};
  (valid_date(p) ? p : Text(u"01102003")).copy(day, 8);
  return f_KVTDataMinus1(day) < 20031001;
}

// p1 is exactly "1", p2 is a two-character kinship code with a disability degree and p3 and p4 are
// valid dates: the common condition of the XP 0134 rules.
bool disabled_kin_with_dates(Field p1, Field p2, Field p3, Field p4) {
  return is_exactly(p1, u"1") && raw_length(p2) == 2 && kin_with_disability_degree(p2) &&
         valid_date(p3) && valid_date(p4);
}

// At least one of the groups of fields is complete: each of its fields is filled.
bool any_complete(std::initializer_list<std::initializer_list<Field>> groups) {
  return some(groups, all_filled);
}

// The period p when valid, else October 2003.
Text period_or_october_2003(Text p) { return valid_month(p) ? p : Text(u"102003"); }

// The date p when filled, valid and from 1 January 2005 on; else no date.
Text date_from_2005(Text p) {
  return filled(p) && valid_date(p) && date_value(p) >= 20050101 ? p : kNoDate;
}

}  // namespace

// Required fields.
// clang-format off
int XP0131_1(Field p1) { return code_when(blank(p1), 61013101); }
int XP0149_4(Field p1) { return code_when(blank(p1), 61014902); }  // 02 intended
// clang-format on

// Single codes against a dictionary. A valid date is always filled, so the earliest valid date of
// p2 alone with the fallback 1 January 2005 (XP0163_2) is the default date.
// clang-format off
int XP0130_1(Field p1)          { return code_when(filled(p1)              && fails_dictionary(10006, p1, kNoDate),                    61013001); }
int XP0138_1(Field p1)          { return code_when(first_char(p1) == u'0'  && fails_dictionary(10010, p1, kNoDate),                    61013801); }
int XP0138_2(Field p1)          { return code_when(filled(p1)              && fails_dictionary(10049, p1, kNoDate),                    61013802); }
int XP0159_2(Field p1)          { return code_when(filled(p1)              && fails_dictionary(10005, p1, kNoDate),                    61015902); }
int XP0162_2(Field p1, Field p2) { return code_when(trimmed_length(p1) == 3 && fails_dictionary(10019, p1, period_or_october_2003(p2)), 61016201); }
int XP0163_2(Field p1, Field p2) { return code_when(!empty(p1)              && fails_dictionary(10009, p1, default_date(p2)),           61016301); }
int XP0164_2(Field p1, Field p2) { return code_when(filled(p1)              && fails_dictionary(10008, p1, default_date(p2)),           61016401); }
int XP0165_2(Field p1, Field p2) { return code_when(filled(p1)              && fails_dictionary(10012, p1, default_date(p2)),           61016501); }
int XP0175_1(Field p1, Field p2) { return code_when(filled(p1)              && fails_dictionary(10013, p1, default_date(p2)),           61017501); }
int XP0167_1(Field p1, Field p2) { return code_when(filled(p1)              && fails_dictionary(10004, p1, date_from_2005(p2)),         61016703); }  // 03 intended
// clang-format on

// Character forms of one field.

int XP0136_1(Field p1) {
  return code_when(filled(p1) && !one_of(first_char(p1), u"AB0"), 61013601);
}

int XP0137_1(Field p1) {
  if (!one_of(first_char(p1), u"AB")) return 0;
  if (trimmed_length(p1) < 7) return 61013701;
  return code_when(!int_value_in(chars(p1, 6, 7), 1, 47), 61013701);
}

// An element code, 60008101, is intended.
int XP0150_2(Field p1) {
  return code_when(filled(p1) && !(n_digit_text(p1, 2) && int_value_in(p1, 1, 99)), 60008101);
}

// Two characters that hold white space are no month and pass; 61015103 is intended.
int XP0157_1(Field p1) {
  const Text head = chars(p1, 1, 2);
  return code_when(
      trimmed_length(p1) >= 2 && trimmed_length(head) == 2 && !int_value_in(head, 1, 12), 61015103);
}

int XP0161_1(Field p1) {
  return code_when(trimmed_length(p1) != 3 || contains(chars(p1, 1, 3), u" "), 61016101);
}

// An element code, 60004101, is intended.
int XP0148_1(Field p1, Field p2) {
  return code_when(!(n_digit_text(p1, 2) && n_digit_text(p2, 6)), 60004101);
}

int XP0176_1(Field p1) {
  if (blank(p1)) return 0;  // 1
  if (!equals_one_of(p1, {u"PL", u"RP"}) &&
      !begins_with_any(p1, {u"RZECZ", u"POLS", u"POLK", u"POLO", u"POLA"}))
    return 0;                                                                    // 2
  if (equals_one_of(p1, {u"POLSKIE", u"POLSKA", u"POLAK", u"POLKA"})) return 0;  // 3
  return 61017601;                                                               // 4
}

// Kinship codes.

// 61013201, variant 01 of the second rule, is intended.
int XP0132_2(Field p1, Field p2, Field p3) {
  return code_when(equals(p1, u"1") && filled(p2) && household_kin(p2) && blank(p3), 61013201);
}

int XP0134_2(Field p1, Field p2, Field p3, Field p4, Field p5) {
  return code_when(disabled_kin_with_dates(p1, p2, p3, p4) && aged_26_or_more(p4, p3) &&
                       !kin_degree_allows(p2, first_char(p5)),
                   61013401);
}

int XP0134_3(Field p1, Field p2, Field p3, Field p4, Field p5) {
  return code_when(disabled_kin_with_dates(p1, p2, p3, p4) && !older_than_26(p4, p3) &&
                       !aged_26_or_more(p4, p3) && empty(p5),
                   61013403);
}

int XP0134_4(Field p1, Field p2, Field p3) {
  return code_when(is_exactly(p1, u"1") && !kin_with_disability_degree(p2) && empty(p3), 61013404);
}

// Insurance title keys, each rule with its own reference before October 2003.

int XP0147_1(Field p1, Field p2, Field p3) {
  const auto before_october_2003 = [&] { return period_before_october_2003(p3); };
  return code_when(!blank(p1) && excluded_title(p1, p2, before_october_2003), 61014701);
}

int XP0147_3(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8) {
  const auto before_october_2003 = [&] {
    return earliest_before_october_2003({p1, p2, p3, p4, p5, p6});
  };
  return code_when(excluded_title(p7, p8, before_october_2003), 61014701);
}

int XP0147_5(Field p1, Field p2, Field p3) {
  const auto before_october_2003 = [&] { return day_before_is_before_october_2003(p1); };
  return code_when(excluded_title(p2, p3, before_october_2003), 61014701);
}

// The insurance title code of three fields: four, one and one digits (trimmed lengths 4, 1 and 1,
// then every unit of the three a digit, so a space inside gives the finding).
int XP0156_5(Field p1, Field p2, Field p3) {
  if (trimmed_length(p1) != 4 || trimmed_length(p2) != 1 || trimmed_length(p3) != 1)
    return 61015605;  // 1
  return code_when(!(all_digits(p1) && all_digits(p2) && all_digits(p3)),
                   61015605);  // 2
}

// Groups of fields that must be complete.

int XP0149_10(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8,
              Field p9, Field p10, Field p11, Field p12, Field p13, Field p14, Field p15, Field p16,
              Field p17, Field p18) {
  if (blank(p1)) return 0;
  if (blank(p2)) return 61014910;
  return code_when(
      !any_complete(
          {{p15, p3, p4, p5}, {p16, p6, p7, p8}, {p17, p9, p10, p11}, {p18, p12, p13, p14}}),
      61014910);
}

int XP0149_11(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8,
              Field p9, Field p10, Field p11, Field p12, Field p13, Field p14, Field p15, Field p16,
              Field p17, Field p18) {
  if (!all_filled({p1, p2})) return 0;
  return code_when(
      !any_complete(
          {{p3, p4, p5, p6}, {p7, p8, p9, p10}, {p11, p12, p13, p14}, {p15, p16, p17, p18}}),
      61014911);
}

int XP0149_12(Field p1, Field p2, Field p3, Field p4) {
  return code_when(filled(p1) && !all_filled({p2, p3, p4}), 61014912);
}

}  // namespace olv
