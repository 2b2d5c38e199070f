// The GB rules: the order of two dates, years and periods, sex against PESEL, one field's form.
#include <cstdint>

#include "dates/arithmetic.h"
#include "rules/rules.h"
#include "rules/terms.h"

namespace olv {
using namespace olv::terms;

namespace {

// A filled p that is not a year of four digits from `first_year` on.
bool filled_not_year_from(Text p, int first_year) {
  return filled(p) && (raw_length(p) != 4 || !all_digits(p) || int_value(p) < first_year);
}

}  // namespace

// Order of two full dates.
// clang-format off
int GB0001_1(Field p1, Field p2) { return code_when(full_date_after(p1, p2),        64000101); }
int GB0007_1(Field p1, Field p2) { return code_when(full_date_after(p1, p2),        64000701); }
int GB0005_1(Field p1, Field p2) { return code_when(full_date_on_or_after(p1, p2),  64000501); }
int GB0006_1(Field p1, Field p2) { return code_when(full_date_on_or_after(p1, p2),  64000601); }
int GB0006_2(Field p1, Field p2) { return code_when(full_date_on_or_after(p1, p2),  64000602); }
int GB0006_3(Field p1, Field p2) { return code_when(full_date_on_or_after(p1, p2),  64000603); }
int GB0006_5(Field p1, Field p2) { return code_when(full_date_on_or_after(p1, p2),  64000604); }  // 04 intended
int GB0033_1(Field p1, Field p2) { return code_when(full_date_on_or_before(p1, p2), 64003301); }
int GB0035_1(Field p1, Field p2) { return code_when(full_date_on_or_before(p1, p2), 64003501); }
// clang-format on

// Other two-date rules.

int GB0015_1(Field p1, Field p2) {
  return code_when(filled(p2) && filled(p1) && valid_element_date(p2) && valid_element_date(p1) &&
                       raw_date_number(p1) >= raw_date_number(p2),
                   64001501);
}

int GB0009_1(Field p1, Field p2) {
  if (!full_date(p1) || !full_date(p2)) return 0;
  // The turn of 1998 to 1999 is the one pair of differing dates allowed.
  if (raw_date_number(p2) == 19981231 && raw_date_number(p1) == 19990101) return 0;
  return code_when(raw_date_number(p1) != raw_date_number(p2), 64000901);
}

int GB0022_2(Field p1, Field p2) {
  return code_when(valid_date(p1) && valid_date(p2) && f_DateCmp(p1, p2) >= 1, 64002201);
}

// The texts are not validated: f_KVTRoznicaDni works on their positions' values.
int GB0022_3(Field p1, Field p2) {
  return code_when(filled(p1) && filled(p2) && f_KVTRoznicaDni(p2, p1) < 1, 64002203);
}

// An invalid p1 or p2 converts to today's date or month, as the conversions do; intended.
int GB0021_2(Field p1, Field p2) {
  if (blank(p1)) return 0;
  const int32_t month_of_date = date_value(p1) / 100;  // RRRRMM
  return code_when(month_value(p2) < month_of_date, 64002101);
}

// Year and period rules.

int GB0030_1(Field p1, Field p2) {
  return code_when(filled(p2) && trimmed_length(p1) == 4 && valid_element_date(p2) &&
                       int_value(chars_from(p2, 5)) < int_value(p1),
                   64003001);
}

int GB0030_2(Field p1, Field p2) {
  return code_when(trimmed_length(p1) == 4 && filled(p2) && valid_element_date(p2) &&
                       raw_date_number(p2) < int64_t{int_value(p1)} * 10000 + 1201,
                   64003002);
}

int GB0029_1(Field p1, Field p2) {
  return code_when(filled(p1) && filled(p2) && int_value(p1) < int_value(p2), 64002901);
}

// clang-format off
int GB0042_1(Field p1) { return code_when(filled_not_year_from(p1, 2003), 64004201); }
int GB0051_1(Field p1) { return code_when(filled_not_year_from(p1, 2010), 64005101); }
// clang-format on

int GB0049_1(Field p1, Field p2) {
  return code_when(
      valid_month(p1) && month_value(p1) / 100 >= 2008 && filled(p2) && !equals(p2, u"0"),
      64004901);
}

int GB0052_1(Field p1, Field p2, Field p3, Field p4) {
  if (!valid_month(p1) || month_value(p1) > 200912) return 0;  // 1
  if (filled(p2) && int_value(p2) != 0) return 64005201;       // 2
  if (filled(p3) && int_value(p3) != 0) return 64005201;       // 3
  if (filled(p4) && float_value(p4) != 0.0) return 64005201;   // 4
  return 0;                                                    // 5
}

// Sex against PESEL: an odd tenth digit is a man ("M"), an even one a woman ("K").
int GB0023_1(Field p1, Field p2) {
  if (trimmed_length(p2) != 11) return 0;                             // 1
  const int32_t d = char_value(p2, 10);                               // 2
  if (blank(p1)) return 0;                                            // 3
  if (d % 2 != 0) return code_when(!is_exactly(p1, u"M"), 64002301);  // 4
  return code_when(!is_exactly(p1, u"K"), 64002301);                  // 5
}

// Form of one field.
// clang-format off
int GB0028_1(Field p1) { return code_when(filled(p1) && !number_text(p1),                                                           64002801); }
int GB0041_1(Field p1) { return code_when(filled(p1) && (raw_length(p1) != 2 || !all_digits(p1) || !between(int_value(p1), 1, 39)), 64004101); }
int GB0044_2(Field p1) { return code_when(is_null(p1) || raw_length(p1) == 0 || contains(p1, u" "),                                 60004301); }  // general code intended
int GB0044_3(Field p1) { return code_when(blank(p1),                                                                                64004401); }
int GB0050_1(Field p1) { return code_when(filled(p1) && (trimmed_length(p1) != 3 || !between(int_value(p1), 1, 999)),               64005001); }
int GB0053_1(Field p1) { return code_when(trimmed_length(p1) >= 2 && begins_with_any(p1, {u"PL"}),                                 64005301); }
// clang-format on

}  // namespace olv
