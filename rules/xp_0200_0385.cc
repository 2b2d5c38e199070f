// The XP rules 0200 to 0385: counts and numbers, title codes and dates, PESEL and citizenship,
// years of dates.
#include <cstdint>

#include "rules/rules.h"
#include "rules/terms.h"

namespace olv {
using namespace olv::terms;

int XP0200_2(Field p1) { return code_when(blank(p1), 61020002); }

int XP0211_1(Field p1, Field p2, Field p3, Field p4, Field p5) {
  if (blank(p1)) return 61021101;                                                   // 1
  if (int_value(p1) != 0) return code_when(all_blank({p2, p3, p4, p5}), 61021101);  // 2
  return code_when(any_int_positive({p2, p3, p4, p5}), 61021101);                   // 3
}

int XP0215_1(Field p1, Field p2) {
  return code_when(filled(p1) && filled(p2) && int_value(p1) >= 1 && int_value(p2) > 0, 61021501);
}

int XP0218_1(Field p1, Field p2) {
  if (!equals_one_of(p1, {u"0113", u"0213", u"0513"})) return 0;  // 1
  if (!valid_date(p2)) return 0;                                  // 2
  const int32_t year = date_year(p2);                             // 3
  const int32_t month = date_month(p2);                           // 3
  if (year >= 2008 && month >= 7) return 0;                       // 3
  return code_when(year < 2009, 61021801);                        // 3
}

// An invalid period converts to the current month and an invalid date to today; intended.
int XP0219_1(Field p1, Field p2, Field p3) {
  if (month_value(p1) > 200712 || date_value(p2) < 20080701) return 0;
  if (blank(p3)) return 0;
  return code_when(!equals(p3, u"0"), 61021901);
}

// An invalid period converts to the current month; intended, as in XP0220_3.
int XP0220_2(Field p1, Field p2) {
  if (month_value(p1) < 200610) return 0;
  return code_when(nonzero_number(p2), 61022002);
}

// 61022001, the code of the first variant, is intended.
int XP0220_3(Field p1, Field p2, Field p3, Field p4, Field p5) {
  if (month_value(p1) < 200913) return 0;
  return code_when(some({p2, p3, p4, p5}, nonzero_number), 61022001);
}

int XP0382_1(Field p1, Field p2) {
  if (filled(p1) && valid_pesel(p1)) return 0;  // 1
  return code_when(
      equals_one_of(p2, {u"POLSKIE", u"POLSKA", u"POLAK", u"POLKA", u"PL"}) || blank(p2),
      61038201);  // 2, 3
}

int XP0384_1(Field p1, Field p2) {
  return code_when(!(n_digit_text(p1, 3) && n_digit_text(p2, 4)), 61038401);
}

// A filled date that is not valid has today's year; intended, as in XP0385_2.
int XP0385_1(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8,
             Field p9) {
  const int32_t year = int_value(p2);  // 1
  if (year < 2011) return 0;           // 1
  const auto of_another_year = [year](Text date) {
    return filled(date) && date_year(date) != year;
  };
  return code_when(some({p1, p3, p4, p5, p6, p7, p8, p9}, of_another_year), 61038501);  // 2, 3
}

int XP0385_2(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8,
             Field p9) {
  if (!equals(p1, u"2010")) return 0;  // 1
  const auto outside_2009_2010 = [](Text date) {
    return filled(date) && !between(date_year(date), 2009, 2010);
  };
  return code_when(some({p2, p3, p4, p5, p6, p7, p8, p9}, outside_2009_2010),
                   61038502);  // 2, 3
}

}  // namespace olv
