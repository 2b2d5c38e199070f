// The words the rules are written in: one small function per word, each defined once,
// with its definition as its comment. pK (the K-th argument) is a field text.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "dates/amounts.h"
#include "dates/arithmetic.h"
#include "dates/date_forms.h"
#include "dictionaries/dictionaries.h"
#include "elements/dispatcher.h"
#include "elements/general.h"
#include "elements/identity.h"
#include "frame/frame.h"
#include "platform/text.h"
#include "rules/field.h"

namespace olv::terms {

// The finding code when the rule is violated, else 0: lets a table-shaped rule be one line.
constexpr int code_when(bool violated, int code) { return violated ? code : 0; }

// Blank: the trimmed text is empty (KVTDelSpacjeStrcmp of p and "" gives 0); null is blank.
inline bool blank(Text p) { return all_white_space(p); }

// Filled: not blank.
inline bool filled(Text p) { return !blank(p); }

// Empty: the first unit is the terminating null (a text of spaces is not empty).
constexpr bool empty(Text p) { return p.empty(); }

// p equals a literal (or another field): the trimmed texts are the same units.
inline bool equals(Text p, Text literal) { return KVTDelSpacjeStrcmp(p, literal) == 0; }

// p is exactly a literal: the untrimmed units are the same.
constexpr bool is_exactly(Text p, Text literal) { return p == literal; }

// The first unit of the untrimmed text; the terminator (0) for an empty text.
constexpr char16_t first_char(Text p) { return unit_at(p, 0); }

// The number of units of the trimmed text.
inline std::size_t trimmed_length(Text p) { return KVTDelSpacje(p).size(); }

// Integer value: the text read by the runtime's wide-text-to-long (0 when no digit leads).
inline int32_t int_value(Text p) { return to_int32(p); }

// 64-bit value: the text read by bw_GetSafeAtol64 (0 for an empty amount).
inline int64_t int64_value(Text p) { return bw_GetSafeAtol64(p); }

// Floating value: the text read by the runtime's wide-text-to-double.
inline double float_value(Text p) { return to_double(p); }

// An N-character number: f_KVTIsZnakAndLenght of p and N gives 0.
inline bool n_char_number(Text p, int n) { return f_KVTIsZnakAndLenght(p, n) == 0; }

// A valid document type: fb_KVTPoleRodzajDokumentu of p gives 0.
inline bool valid_document_type(Text p) { return fb_KVTPoleRodzajDokumentu(p) == 0; }

// A valid date: sl_PoprawnaData_DDMMRRRR of p gives 0.
inline bool valid_date(Text p) { return sl_PoprawnaData_DDMMRRRR(p) == 0; }

// Date value: RRRRMMDD of a valid DDMMRRRR text (sl_PrzeksztalcDate_DDMMRRRR).
inline int32_t date_value(Text p) { return sl_PrzeksztalcDate_DDMMRRRR(p); }

// A valid month: sl_PoprawnaData_MMRRRR of p gives 0.
inline bool valid_month(Text p) { return sl_PoprawnaData_MMRRRR(p) == 0; }

// Month value: RRRRMM of a valid MMRRRR text (sl_PrzeksztalcDate_MMRRRR).
inline int32_t month_value(Text p) { return sl_PrzeksztalcDate_MMRRRR(p); }

// Some item of the list passes the test; the walk ends at the first that does.
template <typename Item, typename Test>
constexpr bool some(std::initializer_list<Item> items, Test test) {
  return std::any_of(items.begin(), items.end(), test);
}

// All of the fields are blank.
inline bool all_blank(std::initializer_list<Field> ps) { return !some(ps, filled); }

// All of the fields are filled.
inline bool all_filled(std::initializer_list<Field> ps) { return !some(ps, blank); }

// Any of the fields is blank.
inline bool any_blank(std::initializer_list<Field> ps) { return !all_filled(ps); }

// Any of the fields is filled.
inline bool any_filled(std::initializer_list<Field> ps) { return !all_blank(ps); }

// The fields are neither all blank nor all filled.
inline bool mixed_presence(std::initializer_list<Field> ps) {
  return !all_blank(ps) && !all_filled(ps);
}

// ---- words added by the XP 0002-0098 and XB rules ----

// p equals one of the literals (trimmed comparison), tried in the order given.
inline bool equals_one_of(Text p, std::initializer_list<Text> literals) {
  return some(literals, [p](Text literal) { return equals(p, literal); });
}

// Exactly one of the two fields is blank.
inline bool exactly_one_blank(Text a, Text b) { return blank(a) != blank(b); }

// Exactly one of the two texts is empty (untrimmed: a text of spaces is present).
inline bool exactly_one_empty(Text a, Text b) { return empty(a) != empty(b); }

// A filled N-character number: filled, and an N-character number.
inline bool filled_n_char_number(Text p, int n) { return filled(p) && n_char_number(p, n); }

// A document given: the type is filled and a valid document type, and its number is filled.
inline bool document_given(Text type, Text number) {
  return filled(type) && valid_document_type(type) && filled(number);
}

// Some field's integer value is 1 or more.
inline bool any_int_positive(std::initializer_list<Field> ps) {
  return some(ps, [](Text p) { return int_value(p) >= 1; });
}

// Some field's 64-bit value is greater than 0.
inline bool any_int64_positive(std::initializer_list<Field> ps) {
  return some(ps, [](Text p) { return int64_value(p) > 0; });
}

// The integer value lies from low to high, both included.
inline bool int_value_in(Text p, int32_t low, int32_t high) {
  int32_t v = int_value(p);
  return v >= low && v <= high;
}

// A month before a limit RRRRMM: a valid month whose month value is below the limit.
inline bool month_before(Text p, int32_t limit) { return valid_month(p) && month_value(p) < limit; }

// A month from a limit RRRRMM on: a valid month whose month value is the limit or later.
inline bool month_from(Text p, int32_t limit) { return valid_month(p) && month_value(p) >= limit; }

// A 10-character identifier: trimmed length exactly 10 (only the length counts).
inline bool id10(Text p) { return trimmed_length(p) == 10; }

// A 9-or-14-character identifier: trimmed length exactly 9 or exactly 14.
inline bool id9_or_14(Text p) { return trimmed_length(p) == 9 || trimmed_length(p) == 14; }

// An 11-character identifier: trimmed length exactly 11.
inline bool id11(Text p) { return trimmed_length(p) == 11; }

// A pair: the same field in two versions, the first and the second.
struct Pair {
  Field first;
  Field second;
};

// The pair is equal: the trimmed versions are the same units (two blank texts are equal).
inline bool equal(const Pair& pair) { return equals(pair.first, pair.second); }

// The pair is changed: the second version is filled and not equal to the first.
inline bool changed(const Pair& pair) { return filled(pair.second) && !equal(pair); }

// The pair is dropped: the second version is blank while the first is filled.
inline bool dropped(const Pair& pair) { return blank(pair.second) && filled(pair.first); }

// Every pair is equal; the walk ends at the first unequal pair.
inline bool all_equal(std::initializer_list<Pair> pairs) {
  return !some(pairs, [](const Pair& pair) { return !equal(pair); });
}

// Some pair is changed; the walk ends at the first changed pair.
inline bool any_changed(std::initializer_list<Pair> pairs) { return some(pairs, changed); }

// Some pair is dropped; the walk ends at the first dropped pair.
inline bool any_dropped(std::initializer_list<Pair> pairs) { return some(pairs, dropped); }

// The same present value: neither text is empty (untrimmed) and the two are equal (trimmed).
inline bool same_present_value(Text a, Text b) { return !empty(a) && !empty(b) && equals(a, b); }

// The earliest valid date of the list (1 October 2003 when none is valid) lies before October
// 2003. A null field ends the list, as a null pointer ends the exported list.
inline bool earliest_before_october_2003(std::initializer_list<Text> dates) {
  return date_value(sl_NajwczesniejszaData(u"01102003", dates)) < 20031001;
}

// ---- words added by the XP 0130-0385 rules ----

// An n-digit text: exactly n units, all digits (so it is filled).
inline bool n_digit_text(Text p, std::size_t n) {
  return p.size() == n && f_KVTElemT_TylkoCyfry(p);
}

// A non-zero number: p is filled and its integer value is not 0.
inline bool nonzero_number(Text p) { return filled(p) && int_value(p) != 0; }

// A valid PESEL: f_KVTElemT_PESEL accepts p.
inline bool valid_pesel(Text p) { return f_KVTElemT_PESEL(p) == 0; }

// The year of a date: its date value divided by 10000 (today's year for an invalid date).
inline int32_t date_year(Text p) { return date_value(p) / 10000; }

// The month of a date: its date value modulo 10000, divided by 100.
inline int32_t date_month(Text p) { return date_value(p) % 10000 / 100; }

// Aged 26 or more: on the date `on` the person born on `birth` has reached the 26th birthday
// (KVTMaWiecejRowno26lat gives 0).
inline bool aged_26_or_more(Text birth, Text on) { return KVTMaWiecejRowno26lat(birth, on) == 0; }

// Older than 26: the date `on` falls after the 26th birthday of the person born on `birth`
// (KVTMaWiecejNiz26lat gives 0).
inline bool older_than_26(Text birth, Text on) { return KVTMaWiecejNiz26lat(birth, on) == 0; }

// No date: the null date text that checks a code without a date.
inline constexpr Text kNoDate{};

// The code fails the check of dictionary `number` at the date text (or kNoDate):
// fb_KVTKodSprawdzArkusze gives a non-zero value.
inline bool fails_dictionary(int number, Text code, Text date) {
  return fb_KVTKodSprawdzArkusze(number, code, date) != 0;
}

// The default date of a dictionary check: p when filled and a valid date, else 1 January 2005.
inline Text default_date(Text p) { return filled(p) && valid_date(p) ? p : Text(u"01012005"); }

// Household kin: the kinship code's row marks a member of the insured's household
// (fb_KVTKodPokrewienstwa with kind 1 and a space gives 0).
inline bool household_kin(Text code) { return fb_KVTKodPokrewienstwa(code, 1, u' ') == 0; }

// Kin with a disability degree: the kinship code's disability-degree column begins with a space
// or is not empty (fb_KVTKodPokrewienstwaJest with kind 3 and a space gives 0).
inline bool kin_with_disability_degree(Text code) {
  return fb_KVTKodPokrewienstwaJest(code, 3, u' ') == 0;
}

// The kinship code's disability degree allows ch: its disability-degree column begins with ch or
// is empty (fb_KVTKodPokrewienstwa with kind 3 and ch gives 0).
inline bool kin_degree_allows(Text code, char16_t ch) {
  return fb_KVTKodPokrewienstwa(code, 3, ch) == 0;
}

// ---- words added by the GB, WD, GP, XU and ZF rules ----

// Raw length: the number of units of the untouched text.
constexpr std::size_t raw_length(Text p) { return p.size(); }

// Characters first to last (counted from 1) of the untouched text, cut at its end.
constexpr Text chars(Text p, std::size_t first, std::size_t last) {
  return p.substr(first - 1 < p.size() ? first - 1 : p.size(), last - first + 1);
}

// The untouched text from character `first` (counted from 1) on; empty past its end.
constexpr Text chars_from(Text p, std::size_t first) { return chars(p, first, p.size()); }

// Single-character value: character i read alone as an integer (a non-digit reads 0); the
// value of characters i to j is the date forms' part_value.
inline int32_t char_value(Text p, std::size_t i) { return part_value(p, i, i); }

// The first n characters: units 1 to n of the untouched text, n being its trimmed length.
inline Text first_n_chars(Text p) { return p.substr(0, trimmed_length(p)); }

// p holds the unit sequence `part` somewhere.
constexpr bool contains(Text p, Text part) { return p.find(part) != Text::npos; }

// The unit c is one of the units of `set`.
constexpr bool one_of(char16_t c, Text set) { return set.find(c) != Text::npos; }

// Every unit of p passes `ok` (true for an empty text).
template <typename Predicate>
constexpr bool all_chars(Text p, Predicate ok) {
  return std::all_of(p.begin(), p.end(), ok);
}

// lo <= v <= hi.
constexpr bool between(int64_t v, int64_t lo, int64_t hi) { return lo <= v && v <= hi; }

// A letter: f_KVTElemT_LITERA accepts the unit (the wide letter test).
inline bool letter(char16_t c) { return f_KVTElemT_LITERA(c) == 0; }

// All digits: f_KVTElemT_TylkoCyfry (at least one unit, each '0' to '9').
inline bool all_digits(Text p) { return f_KVTElemT_TylkoCyfry(p); }

// A number text: f_KVTElemT_LICZBA accepts p (spaces, digits, spaces; empty and all spaces too).
inline bool number_text(Text p) { return f_KVTElemT_LICZBA(p) == 0; }

// A valid element date: f_KVTElemT_DATA_DDMMRRRR accepts p (eight spaces included).
inline bool valid_element_date(Text p) { return f_KVTElemT_DATA_DDMMRRRR(p) == 0; }

// A full date: trimmed length 8 and a valid element date.
inline bool full_date(Text p) { return trimmed_length(p) == 8 && valid_element_date(p); }

// Raw date number: RRRRMMDD read from the positions of an 8-unit text by atod, unvalidated
// (0 for any other length).
inline int32_t raw_date_number(Text p) { return atod(p); }

// Both are full dates and a's raw date number is greater than b's (a after b).
inline bool full_date_after(Text a, Text b) {
  return full_date(a) && full_date(b) && raw_date_number(a) > raw_date_number(b);
}

// Both are full dates and a's raw date number is at least b's (a on or after b).
inline bool full_date_on_or_after(Text a, Text b) {
  return full_date(a) && full_date(b) && raw_date_number(a) >= raw_date_number(b);
}

// Both are full dates and a's raw date number is at most b's (a on or before b).
inline bool full_date_on_or_before(Text a, Text b) {
  return full_date(a) && full_date(b) && raw_date_number(a) <= raw_date_number(b);
}

// Both are filled and they are equal after trimming.
inline bool filled_and_equal(Text a, Text b) { return filled(a) && filled(b) && equals(a, b); }

}  // namespace olv::terms
