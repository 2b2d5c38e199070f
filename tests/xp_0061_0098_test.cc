// Tests of the XP rules 0061 to 0098 through the call layer.
#include "olvenir_p.h"
#include "tests/rule_fields.h"

namespace olv::testing {
namespace {

TEST(XpRules0061To0098, RuleRows) {
  // Presence rules.
  expect_rule_rows({
      {"XP0061_1", 61006101, {u"x| "}, {u" |", u"x|y"}},
      {"XP0072_1", 61007201, {u"||z", u"x|~|"}, {u"x|y|z", u"||"}},
      {"XP0073_2", 61007302, {u"x|\t"}, {u"|", u"x|y"}},
      {"XP0076_1", 61007601, {u"|", u"x|"}, {u"x|y"}},
      {"XP0088_1", 61008801, {u"~|y"}, {u"x|y"}},
      {"XP0092_1", 61009201, {u" |~"}, {u"|y"}},
      {"XP0094_1", 61009401, {u"x|y"}, {u"|y"}},
      {"XP0095_2", 61009502, {u"||z"}, {u"|y|z", u"x||"}},
      {"XP0095_3", 61009503, {u" "}, {u"x"}},
      {"XP0095_4", 61009504, {u"~"}, {u"x"}},
      // Group rules accept the leading group first.
      {"XP0093_7", 61009307, {u"a|||", u"|||"}, {u"a|b|c|", u"a|||d"}},
      {"XP0093_9", 61009309, {u"a|b|||"}, {u"a|b|c|d|", u"a|b|||e"}},
      {"XP0093_8", 61009308, {u"a|||||||"}, {u"|||||||", u"|b||||||h", u"a|b|c|||||"}},
      {"XP0093_10", 61009308, {u"a|||||||"}, {u"|||||||", u"|b||||||h"}},
      {"XP0093_15", 61009315, {u"|b||d"}, {u"|||", u"a|b|c|", u"a|||d"}},
      // Group rules with two leading fields.
      {"XP0093_14", 61009314, {u"|b|||||y|g|", u"f|b||||y|||"}, {u"|b|||||y||g"}},
      {"XP0093_16", 61009313, {u"|||||||||t"}, {u"|||||||||", u"|b||x|||||g|"}},
  });
  expect_rule("XP0093_12", 61009312, {u"|b|||||z|g|", u"f|||x|||||"});
  expect_rule("XP0093_12", 0, {u"||||||||", u"|b||||y||g|", u"f|b||x|||||"});
  // Two identifications by trimmed length.
  expect_rule(
      "XP0098_4", 0,
      {u" 1234567890 ||z", u"|123456789|z", u"|12345678901234|z", u"1234567890|123456789|"});
  expect_rule("XP0098_4", 61009801, {u"123456789012||z", u"|1234567890|z", u"1234567890||"});
  expect_rule("XP0098_7", 0,
              {u"|||d|d||e|e", u"abcdefghij||a b c d e f|||||", u"|123456789||||s||",
               u"||12345678901||||e|e", u"1234567890|||d|d|||"});
  expect_rule("XP0098_7", 61009801, {u"|||d|d||e|", u"||12345678901|||s||"});
  expect_rule("XP0096_2", 61009601, {u"F||||d|d||e|"});
  expect_rule("XP0096_2", 0,
              {u"F||||d|d||e|e", u"F|||12345678901||||e|e", u"F|1234567890|||||s||", u" F||||||||",
               u"~||||||||"});
  expect_rule("XP0097_1", 0,
              {u"P||12345678901234|z", u"P|1234567890||z", u"F|||", u"p|||", u"~|||"});
  expect_rule("XP0097_1", 61009701, {u"P|1234567890||"});
}

// The identification rules against their list of pairs, written out here, for every presence of
// the eight fields: each identifier present, blank or of another length, each further field
// filled or blank. Both rules must read every pair, whichever fields they read first.
TEST(XpRules0061To0098, TwoIdentificationsForEveryPresence) {
  const char16_t* const kI10[] = {u"1234567890", u"", u"123456789"};
  const char16_t* const kI9[] = {u"123456789", u" 12345678901234 ", u"", u"1234567890"};
  const char16_t* const kI11[] = {u"12345678901", u" "};
  const char16_t* const kField[] = {u"x", u""};
  for (int i10 = 0; i10 < 3; ++i10) {
    for (int i9 = 0; i9 < 4; ++i9) {
      for (int i11 = 0; i11 < 2; ++i11) {
        for (int others = 0; others < 32; ++others) {
          auto filled = [&](int bit) { return (others >> bit & 1) == 0; };
          const bool b10 = i10 == 0, b9 = i9 < 2, b11 = i11 == 0;
          const bool d = filled(0) && filled(1), s = filled(2), e = filled(3) && filled(4);
          const bool two = (b10 && b9) || (b10 && b11) || (b10 && d) || (b9 && b11) || (b9 && d) ||
                           (b11 && d) || (b10 && s) || (b9 && s) || (b11 && e);
          const bool any_blank = !d || !e;
          auto f = [&](int bit) { return kField[filled(bit) ? 0 : 1]; };
          SCOPED_TRACE(::testing::Message() << i10 << ' ' << i9 << ' ' << i11 << ' ' << others);
          ASSERT_EQ(XP0098_7(kI10[i10], kI9[i9], kI11[i11], f(0), f(1), f(2), f(3), f(4)),
                    !two && any_blank ? 61009801 : 0);
          // XP0096_2 takes its second further pair the other way round.
          ASSERT_EQ(XP0096_2(u"F", kI10[i10], kI9[i9], kI11[i11], f(0), f(1), f(2), f(4), f(3)),
                    !two && any_blank ? 61009601 : 0);
        }
      }
    }
  }
}

}  // namespace
}  // namespace olv::testing
