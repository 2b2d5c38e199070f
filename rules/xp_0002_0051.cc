// XP rules 0002 to 0051: presence, identification, cut-off months and dates, zero amounts.
#include "dictionaries/service_query.h"
#include "elements/identity.h"
#include "rules/rules.h"
#include "rules/terms.h"

namespace olv {
using namespace olv::terms;

namespace {

// One identification of rules 0003 and 0009 is complete: the 11-character number, then the
// 10-character number, then the document, each with both further fields filled. The number
// tests come in already decided (the rules differ in whether they test for blank first); the
// document type is asked only when no number alternative is complete, as it queries the
// dictionary. The fields are tested as the host passed them: their presence needs no count of
// their units.
bool one_identification_complete(bool by_11, bool by_10, Text further1, Text further2,
                                 Text document_type, Text document_number) {
  const bool further_filled = all_filled({further1, further2});
  if (by_11 && further_filled) return true;
  if (by_10 && further_filled) return true;
  return document_given(document_type, document_number) && further_filled;
}

// The identifier of XP0003_5 without its spaces has 11 characters after trimming. The copy walks
// the untrimmed text for as many units as its trimmed length, so leading white space shifts the
// window; it keeps every unit but U+0020 in a working copy of 19 units. A copy that would not
// fit cannot be an 11-character identifier, and the answer is no.
bool eleven_without_spaces(Text identifier) {
  constexpr std::size_t kCapacity = 19;
  char16_t copy[kCapacity];
  std::size_t length = 0;
  const std::size_t window = trimmed_length(identifier);
  for (std::size_t i = 0; i < window; ++i) {
    if (identifier[i] == u' ') continue;
    if (length == kCapacity) return false;
    copy[length++] = identifier[i];
  }
  return trimmed_length(Text(copy, length)) == 11;
}

}  // namespace

// clang-format off
int XP0012_2(Field p1, Field p2)                   { return code_when(blank(p1) || blank(p2), 61001202); }
int XP0019_1(Field p1, Field p2)                   { return code_when(filled(p1) && filled(p2), 61001901); }
int XP0020_1(Field p1, Field p2, Field p3, Field p4) { return code_when(mixed_presence({p1, p2, p3, p4}), 61002001); }
int XP0021_2(Field p1, Field p2, Field p3, Field p4) { return code_when(mixed_presence({p1, p2, p3, p4}), 61002101); }
int XP0024_1(Field p1, Field p2)                   { return code_when(exactly_one_blank(p1, p2), 61002401); }
int XP0029_1(Field p1, Field p2, Field p3)          { return code_when(any_filled({p1, p2}) && blank(p3), 61002901); }
// clang-format on

int XP0025_1(Field p1, Field p2) { return code_when(exactly_one_empty(p1, p2), 61002501); }

int XP0026_1(Field p1, Field p2) {
  if (blank(p1) && blank(p2)) return 0;                   // 1
  return code_when(exactly_one_empty(p1, p2), 61002601);  // 2
}

int XP0002_1(Field p1) { return code_when(trimmed_length(p1) != 8, 61000201); }

int XP0027_1(Field p1) {
  return code_when(equals_one_of(p1, {u"1010", u"1011", u"1020", u"3000", u"5000"}), 61002701);
}

int XP0017_2(Field p1, Field p2) {
  if (empty(p1) && empty(p2)) return 0;                                               // 1
  if (first_char(p1) == u'R') return code_when(f_KVTElemT_REGON(p2) != 0, 61001701);  // 2
  return code_when(f_KVTTypAndIdentyfikator(p1, p2) != 0, 61001701);                  // 3
}

int XP0032_1(Field p1, Field p2, Field p3, Field p4) {
  if (any_blank({p1, p2, p3, p4}) || int_value(p3) != 0) return 0;
  return code_when(float_value(p4) != 0.0, 61003201);
}

int XP0046_1(Field p1, Field p2, Field p3) {
  if (!equals(p1, u"212") || int_value(p3) < 1) return 0;
  return code_when(int_value(p2) / int_value(p3) > 5000, 61004601);
}

// 61050001 (rule number 0500 in the code) is intended.
int XP0005_1(Field p1, Field p2) {
  return code_when(int_value(p2) >= 1 && month_from(p1, 200304), 61050001);
}

int XP0051_1(Field p1, Field p2) {
  return code_when(filled(p2) && first_char(p2) == u'4' && month_before(p1, 200310), 61005101);
}

int XP0051_2(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7) {
  if (blank(p7)) return 0;                                                             // 1
  if (first_char(p7) != u'4') return 0;                                                // 3
  return code_when(earliest_before_october_2003({p1, p2, p3, p4, p5, p6}), 61005102);  // 2, 4
}

// Shares the code of XP0051_2 on purpose: it is the same test for one date.
int XP0051_4(Field p1, Field p2) {
  if (first_char(p2) != u'4') return 0;
  return code_when(earliest_before_october_2003({p1}), 61005102);
}

int XP0049_1(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8,
             Field p9, Field p10, Field p11, Field p12, Field p13) {
  if (!(blank(p1) && filled(p13))) return 0;                                      // 1
  if (!any_int64_positive({p2, p3, p4, p5, p6, p7, p8, p9, p10, p11})) return 0;  // 2
  return code_when(int64_value(p12) == 0, 61004901);                              // 3
}

int XP0050_1(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7) {
  if (blank(p3)) return 0;
  if (!any_int_positive({p1, p4, p5, p2, p6})) return 0;
  return code_when(int_value(p7) == 0, 61005001);
}

int XP0050_2(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7) {
  if (blank(p2)) return 0;
  if (!any_int_positive({p1, p3, p4, p5, p6})) return 0;
  return code_when(int_value(p7) == 0, 61005002);
}

// XP0003_1 tests each identifier for blank before its N-character test; XP0003_3 and XP0009_1 do
// not, so an identifier of spaces alone passes there.
int XP0003_1(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6) {
  return code_when(!one_identification_complete(filled_n_char_number(p1, 11),
                                                filled_n_char_number(p4, 10), p2, p3, p5, p6),
                   61000301);
}

int XP0003_3(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6) {
  return code_when(
      !one_identification_complete(n_char_number(p1, 11), n_char_number(p4, 10), p2, p3, p5, p6),
      61000303);
}

int XP0009_1(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7, Field p8,
             Field p9, Field p10, Field p11, Field p12, Field p13) {
  if (all_blank({p1, p2, p3, p4, p5, p6, p7})) return 0;  // 1
  return code_when(!one_identification_complete(n_char_number(p8, 11), n_char_number(p11, 10), p9,
                                                p10, p12, p13),
                   61000901);  // 2
}

// XP0003_5 and XP0003_6 answer with the code of XP0003_1: intended.
int XP0003_6(Field p1, Field p2, Field p3, Field p4, Field p5) {
  if (all_filled({p2, p3, p1}) && n_char_number(p1, 11)) return 0;  // 1
  return code_when(any_blank({p2, p3, p4, p5}), 61000301);          // 2
}

int XP0003_4(Field p1, Field p2, Field p3, Field p4, Field p5, Field p6, Field p7) {
  if (all_filled({p3, p4, p2}) && n_char_number(p2, 11)) return 0;                      // 1
  if (equals(p1, u"2") && all_filled({p3, p4, p7}) && n_char_number(p7, 10)) return 0;  // 2
  return code_when(any_blank({p5, p6, p3, p4}), 61000304);                              // 3
}

int XP0003_5(Field p1, Field p2, Field p3, Field p4) {
  if (any_blank({p1, p2, p3, p4})) return 61000301;                                  // 1
  if (is_exactly(p3, u"N")) return 61000301;                                         // 2
  if (is_exactly(p3, u"P")) return code_when(!eleven_without_spaces(p4), 61000301);  // 3
  return 0;                                                                          // 4
}

// The dictionary service decides this rule; -1 when it cannot be created.
int XP0022_2(Field p1, Field p2) { return service_rule_check(p1, p2); }

}  // namespace olv
