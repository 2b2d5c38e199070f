// The words the rules are written in: one small function per word, each defined once,
// with its definition as its comment. pK (the K-th argument) is a field text.
#pragma once

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

// p equals one of the literals (the trimmed comparison).
inline bool equals_any(Text p, std::initializer_list<Text> literals) {
  for (Text literal : literals) {
    if (equals(p, literal)) return true;
  }
  return false;
}

// The untouched p begins with one of the prefixes, unit by unit and case-sensitively.
constexpr bool begins_with_any(Text p, std::initializer_list<Text> prefixes) {
  for (Text prefix : prefixes) {
    if (p.substr(0, prefix.size()) == prefix) return true;
  }
  return false;
}

// Some field of the list satisfies `holds` (tested in order, stopping at the first).
template <typename Predicate>
bool any_field(std::initializer_list<Text> ps, Predicate holds) {
  for (Text p : ps) {
    if (holds(p)) return true;
  }
  return false;
}

// An n-digit text: exactly n units, all digits (so it is filled).
inline bool n_digit_text(Text p, std::size_t n) {
  return p.size() == n && f_KVTElemT_TylkoCyfry(p);
}

// A positive number: p is filled and its integer value is above 0.
inline bool positive_number(Text p) { return filled(p) && int_value(p) > 0; }

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

}  // namespace olv::terms
