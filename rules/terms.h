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

}  // namespace olv::terms
