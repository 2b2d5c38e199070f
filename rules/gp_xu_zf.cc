// The GP, XU and ZF rules: presence, bank accounts, dates against limits, today or each
// other, equal pairs under a qualifying code, and amounts.
#include <cstdint>

#include "dates/arithmetic.h"
#include "elements/bank_account.h"
#include "platform/clock.h"
#include "rules/rules.h"
#include "rules/terms.h"

namespace olv {
using namespace olv::terms;

// Field presence and length.
// clang-format off
int GP0014_1(Field p1)          { return code_when(blank(p1),               60004301); }  // general code intended
int GP0039_1(Field p1)          { return code_when(trimmed_length(p1) != 8, 60004301); }  // general code intended
int GP0015_1(Field p1, Field p2) { return TestNrRachBankNrDecyzji(p1, p2); }
// clang-format on

// Bank accounts: the NRB form test and the NRB check digits.
int GP0005_1(Field p1) { return code_when(!KVT_CzyFormRachBank_NRB(p1), 62000501); }
int GP0004_1(Field p1) {
  if (auto walked = walked_nrb_check_digits(p1.uncounted_pointer())) return *walked;
  return TestNrRachBank(p1, true);
}

// Dates against fixed limits or today.
// clang-format off
int GP0003_1(Field p1) { return code_when(filled(p1) && valid_date(p1) && date_value(p1) > today_number(),                                    62000301); }
int GP0040_2(Field p1) { return code_when(filled(p1) && valid_element_date(p1) && !equals(p1, u"01011999") && f_DateCmp(p1, u"01011999") < 0, 62004002); }
int GP0040_3(Field p1) { return code_when(filled(p1) && valid_element_date(p1) && f_DateCmp(p1, u"31121998") < 0,                             62004003); }
int GP0040_4(Field p1) { return code_when(valid_element_date(p1) && raw_date_number(p1) >= 1 && raw_date_number(p1) > 20081231,               62004005); }  // 05 intended
int GP0040_5(Field p1) { return code_when(trimmed_length(p1) > 0 && date_value(p1) / 10000 < 2009,                                            62004006); }  // 06 intended
// clang-format on
// GP0040_5 lets an invalid date pass while today's year is 2009 or later: the conversion
// turns it into today's date; intended.

// Two dates.
int GP0002_2(Field p1, Field p2) {
  return code_when(filled(p1) && valid_element_date(p1) && filled(p2) && valid_element_date(p2) &&
                       raw_date_number(p1) > raw_date_number(p2),
                   62000202);
}

int GP0013_2(Field p1, Field p2) { return code_when(full_date_on_or_after(p1, p2), 62001302); }

// The birth date in the PESEL p2 must be the date p1. The texts RRRRMMDD of a valid p1 (its year
// has no leading zero) and of the PESEL's date number are the same when the numbers are; eight
// spaces in p1 differ from any date.
int GP0009_1(Field p1, Field p2) {
  if (!valid_element_date(p1)) return 0;                                              // 1
  if (trimmed_length(p2) < 6) return 0;                                               // 2
  return code_when(blank(p1) || raw_date_number(p1) != f_PeselToDate(p2), 62000901);  // 3, 4
}

// Equal pair with a qualifying code.
// clang-format off
int XU0005(Field p1, Field p2, Field p3) { return code_when(filled_and_equal(p1, p2) && (equals(p3, u"D") || equals(p3, u"S") || equals(p3, u"X")), 69000501); }
int XU0006(Field p1, Field p2, Field p3) { return code_when(filled_and_equal(p1, p2) && equals(p3, u"P"),                                           69000601); }
// clang-format on

// Amounts: a positive p1 needs a non-zero p2.
int ZF0001_2(Field p1, Field p2) {
  if (float_value(p1) <= 0.0) return 0;
  return code_when(float_value(p2) == 0.0, 66000102);
}

}  // namespace olv
