// The words the rules are written in: one small function per word, each defined once,
// with its definition as its comment. pK (the K-th argument) is a field text.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "dates/amounts.h"
#include "dates/date_forms.h"
#include "elements/dispatcher.h"
#include "elements/general.h"
#include "frame/frame.h"
#include "platform/text.h"

namespace olv::terms {

// The finding code when the rule is violated, else 0: lets a table-shaped rule be one line.
constexpr int code_when(bool violated, int code) { return violated ? code : 0; }

// Blank: the trimmed text is empty (KVTDelSpacjeStrcmp of p and "" gives 0); null is blank.
inline bool blank(Text p) { return KVTDelSpacjeStrcmp(p, u"") == 0; }

// Filled: not blank.
inline bool filled(Text p) { return !blank(p); }

// Empty: the first unit is the terminating null (a text of spaces is not empty).
constexpr bool empty(Text p) { return p.empty(); }

// p equals a literal: the trimmed p and the trimmed literal are the same units.
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

// All of the fields are blank.
inline bool all_blank(std::initializer_list<Text> ps) {
  for (Text p : ps) {
    if (filled(p)) return false;
  }
  return true;
}

// All of the fields are filled.
inline bool all_filled(std::initializer_list<Text> ps) {
  for (Text p : ps) {
    if (blank(p)) return false;
  }
  return true;
}

// Any of the fields is blank.
inline bool any_blank(std::initializer_list<Text> ps) { return !all_filled(ps); }

// Any of the fields is filled.
inline bool any_filled(std::initializer_list<Text> ps) { return !all_blank(ps); }

// The fields are neither all blank nor all filled.
inline bool mixed_presence(std::initializer_list<Text> ps) { return !all_blank(ps) && !all_filled(ps); }

// ---- words added by the XP 0002-0098 and XB rules ----

// ---- words added by the XP 0130-0385 rules ----

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
  for (char16_t c : p) {
    if (!ok(c)) return false;
  }
  return true;
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
