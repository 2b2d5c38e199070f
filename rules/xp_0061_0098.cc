// XP rules 0061 to 0098: presence, group completeness and the identification of a party.
#include "rules/rules.h"
#include "rules/terms.h"

namespace olv {
using namespace olv::terms;

namespace {

// The shape of the group rules of 0093: 0 at once when the leading group is accepted, else the
// code when one of the demanded fields is blank.
constexpr int unless_accepted(bool accepted_at_once, bool demanded_blank, int code) {
  return code_when(!accepted_at_once && demanded_blank, code);
}

// The procedure of XP0093_12, _14 and _16 over a first field F, a second first field G, a common
// field B and two alternative fields X and Y (X tested before Y).
int led_group(std::initializer_list<Field> all, Field f, Field g, Field b, Field x, Field y,
              int code) {
  if (all_blank(all)) return 0;                                      // 1
  if (filled(f) && filled(b) && (filled(x) || filled(y))) return 0;  // 2
  if (filled(g) && filled(b) && (filled(x) || filled(y))) return 0;  // 3
  return code;                                                       // 4
}

// Two of three present: I10 and I9, I10 and the further field, I9 and the further field.
bool two_of_three(Text i10, Text i9, Text further) {
  return (id10(i10) && id9_or_14(i9)) || (id10(i10) && filled(further)) ||
         (id9_or_14(i9) && filled(further));
}

// The procedure of XP0096_2 and XP0098_7: 0 at the first complete pair of identifications, tried
// in the order of the rule; failing them, the code unless both pairs D and E are filled (together
// they count as an identification of their own).
int two_identifications(Field i10, Field i9, Field i11, Field d1, Field d2, Field s, Field e1,
                        Field e2, int code) {
  const bool by_i10 = id10(i10), by_i9 = id9_or_14(i9), by_i11 = id11(i11);
  const bool by_d = all_filled({d1, d2});
  if (by_i10 && by_i9) return 0;                        // 1
  if (by_i10 && by_i11) return 0;                       // 1
  if (by_i10 && by_d) return 0;                         // 1
  if (by_i9 && by_i11) return 0;                        // 1
  if (by_i9 && by_d) return 0;                          // 1
  if (by_i11 && by_d) return 0;                         // 1
  if (by_i10 && filled(s)) return 0;                    // 1
  if (by_i9 && filled(s)) return 0;                     // 1
  if (by_i11 && all_filled({e1, e2})) return 0;         // 1
  return code_when(any_blank({d1, d2, e1, e2}), code);  // 2
}

}  // namespace

// clang-format off
int XP0061_1(Field p1, Field p2)          { return code_when(filled(p1) && blank(p2), 61006101); }
int XP0072_1(Field p1, Field p2, Field p3) { return code_when(any_filled({p1, p3}) && blank(p2), 61007201); }
int XP0073_2(Field p1, Field p2)          { return code_when(exactly_one_blank(p1, p2), 61007302); }
int XP0076_1(Field p1, Field p2)          { return code_when(blank(p1) || blank(p2), 61007601); }
int XP0088_1(Field p1, Field p2)          { return code_when(blank(p1) || blank(p2), 61008801); }
int XP0092_1(Field p1, Field p2)          { return code_when(blank(p1) && blank(p2), 61009201); }
int XP0094_1(Field p1, Field p2)          { return code_when(filled(p2) && filled(p1), 61009401); }
int XP0095_2(Field p1, Field p2, Field p3) { return code_when(blank(p1) && (blank(p2) || blank(p3)), 61009502); }
int XP0095_3(Field p1)                   { return code_when(blank(p1), 61009503); }
int XP0095_4(Field p1)                   { return code_when(blank(p1), 61009504); }
// clang-format on

int XP0093_7(Field p1, Field p2, Field p3, Field p4) {
  return unless_accepted(all_filled({p1, p2, p3}), any_blank({p1, p4}), 61009307);
}
int XP0093_9(Field p1, Field p2, Field p3, Field p4, Field p5) {
  return unless_accepted(all_filled({p1, p2, p3, p4}), any_blank({p1, p2, p5}), 61009309);
}
int XP0093_8(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8) {
  return unless_accepted(all_blank({p1, p2, p3, p4, p5, p6, p7, p8}) || all_filled({p1, p2, p3}),
                         any_blank({p2, p8}), 61009308);
}
// Two exports of one relation: the code of XP0093_8 (61009308) is intended.
int XP0093_10(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8) {
  return XP0093_8(p1, p2, p3, p4, p5, p6, p7, p8);
}
int XP0093_15(Field p1, Field p2, Field p3, Field p4) {
  return unless_accepted(all_blank({p1, p2, p3, p4}) || all_filled({p1, p2, p3}),
                         any_blank({p1, p4}), 61009315);
}

int XP0093_12(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8,
              Field p9) {
  return led_group({p1, p2, p3, p4, p5, p6, p7, p8, p9}, p1, p8, p2, p4, p6, 61009312);
}
int XP0093_14(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8,
              Field p9) {
  return led_group({p1, p2, p3, p4, p5, p6, p7, p8, p9}, p1, p9, p2, p4, p7, 61009314);
}
// 61009313 is intended: XP0093_16 differs from XP0093_14 by its tenth field and this code.
int XP0093_16(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8,
              Field p9, Field p10) {
  return led_group({p1, p2, p3, p4, p5, p6, p7, p8, p9, p10}, p1, p9, p2, p4, p7, 61009313);
}

// The identification rules: XP0098_4 and XP0098_7 share 61009801 and XP0096_2 answers with
// variant 01, intended.
int XP0098_7(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8) {
  return two_identifications(p1, p2, p3, p4, p5, p6, p7, p8, 61009801);
}

int XP0096_2(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8,
             Field p9) {
  if (first_char(p1) != u'F') return 0;                                  // 1
  return two_identifications(p2, p3, p4, p5, p6, p7, p9, p8, 61009601);  // 2
}

int XP0097_1(Field p1, Field p2, Field p3, Field p4) {
  if (first_char(p1) != u'P') return 0;    // 1
  if (two_of_three(p2, p3, p4)) return 0;  // 2
  return 61009701;                         // 3
}

int XP0098_4(Field p1, Field p2, Field p3) {
  return code_when(!two_of_three(p1, p2, p3), 61009801);
}

}  // namespace olv
