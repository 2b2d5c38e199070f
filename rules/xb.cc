// XB rules: presence by code, two versions of one group of fields, ranges of whole numbers.
#include "rules/rules.h"
#include "rules/terms.h"

namespace olv {
using namespace olv::terms;

// clang-format off
int XB0001_1(Field p1, Field p2, Field p3)          { return code_when(equals_one_of(p1, {u"0110", u"0111"}) && (blank(p2) || blank(p3)), 63000101); }
int XB0004_1(Field p1, Field p2, Field p3, Field p4) { return code_when(filled(p1) && (blank(p2) || (blank(p4) && blank(p3))), 63000401); }
int XB0005_1(Field p1, Field p2, Field p3, Field p4) { return code_when(filled(p1) && any_filled({p3, p4}) && blank(p2), 63000501); }
int XB0082_2(Field p1, Field p2, Field p3)          { return code_when((filled(p3) && all_blank({p1, p2})) || (blank(p3) && any_filled({p1, p2})), 63008202); }
int XB0023_1(Field p1, Field p2)                   { return code_when(equals(p1, u"2") && trimmed_length(p2) > 9, 63002301); }
// clang-format on

int XB0002_1(Field p1, Field p2) {
  if (is_null(p1) || is_null(p2) || first_char(p2) != u'P') return 0;
  return code_when(empty(p1), 63000201);
}

int XB0083_1(Field p1, Field p2, Field p3) {
  if (is_null(p1) || is_null(p2)) return 0;
  if (!any_int_positive({p1, p2})) return code_when(int_value(p3) >= 1, 63008301);
  return code_when(int_value(p3) < 1, 63008301);
}

int XB0084_1(Field p1, Field p2) {
  if (!equals_one_of(p1, {u"0430", u"0431"})) return 0;
  return code_when(filled(p2) && !int_value_in(p2, 40, 49), 63008401);
}

int XB0085_1(Field p1, Field p2) {
  if (!equals(p1, u"0430")) return 0;
  return code_when(filled(p2) && !int_value_in(p2, 40, 49), 63008501);
}

// The pair walks, lined up like their tables: the pairs in the order compared.
// clang-format off

// The second version repeats the first: every pair equal, the walk ends at the first unequal one.
int XB0060_1(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8, Field p9,
             Field p10, Field p11, Field p12, Field p13, Field p14) {
  return code_when(all_equal({{p1, p7}, {p2, p8}, {p13, p14}, {p3, p9}, {p4, p10}, {p5, p11}, {p6, p12}}), 63006001);
}

int XB0060_2(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8, Field p9,
             Field p10) {
  return code_when(all_equal({{p1, p6}, {p2, p7}, {p4, p9}, {p3, p8}, {p5, p10}}), 63006002);
}

int XB0061_1(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8, Field p9,
             Field p10, Field p11, Field p12, Field p13, Field p14, Field p15, Field p16, Field p17,
             Field p18) {
  return code_when(all_equal({{p1, p10}, {p2, p11}, {p3, p12}, {p4, p13}, {p5, p14}, {p6, p15}, {p7, p16}, {p8, p17}, {p9, p18}}), 63006101);
}

// Dropped values: a changed pair makes the rule pass; otherwise a dropped pair of the second
// list is the finding. The pairs left out of the second list may be dropped freely.
int XB0062_1(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8, Field p9,
             Field p10, Field p11, Field p12, Field p13, Field p14) {
  if (any_changed({{p1, p2}, {p3, p4}, {p7, p8}, {p5, p6}, {p9, p10}, {p11, p12}, {p13, p14}})) return 0;  // 1
  return code_when(any_dropped({{p3, p4}, {p1, p2}, {p9, p10}, {p11, p12}, {p13, p14}}), 63006201);         // 2
}

int XB0063_1(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8, Field p9,
             Field p10, Field p11, Field p12, Field p13, Field p14, Field p15, Field p16, Field p17,
             Field p18) {
  if (any_changed({{p1, p2}, {p5, p6}, {p3, p4}, {p11, p12}, {p9, p10}, {p7, p8}, {p13, p14}, {p15, p16}, {p17, p18}})) return 0;  // 1
  return code_when(any_dropped({{p3, p4}, {p1, p2}, {p5, p6}, {p7, p8}, {p13, p14}, {p15, p16}, {p17, p18}}), 63006301);         // 2
}

// clang-format on

// Values that must differ: the presence test is untrimmed while the comparison trims, so two
// texts of spaces alone are the same present value.
int XB0081_1(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6) {
  if (all_blank({p1, p2, p3, p4, p5, p6})) return 0;  // 1
  if (same_present_value(p1, p2)) return 63008101;    // 2
  if (same_present_value(p3, p4)) return 63008101;    // 3
  if (same_present_value(p5, p6)) return 63008101;    // 3
  return 0;                                           // 4
}

}  // namespace olv
