// Tests of the XB rules through the call layer.
#include <initializer_list>
#include <utility>
#include <vector>

#include "tests/rule_fields.h"

namespace olv::testing {
namespace {

// `n` fields holding `fill`, with the listed 1-based positions set.
std::vector<const char16_t*> same(int n, std::initializer_list<std::pair<int, const char16_t*>> set,
                                  const char16_t* fill = u"v") {
  std::vector<const char16_t*> args(n, fill);
  for (auto [k, t] : set) args[k - 1] = t;
  return args;
}

TEST(XbRules, RuleRows) {
  // Presence rules.
  expect_rule_rows({
      {"XB0001_1", 63000101, {u" 0111 |x|", u"0110|~|z"}, {u"0110|y|z", u"0112||"}},
      {"XB0004_1", 63000401, {u"a||c|d", u"a|b|| "}, {u"a|b||d", u"|||"}},
      {"XB0005_1", 63000501, {u"a|||d"}, {u"a|||", u"a|b|c|"}},
      {"XB0082_2", 63008202, {u"||z", u"x||"}, {u"||", u"|y|z"}},
      {"XB0023_1", 63002301, {u" 2| 1234567890 "}, {u"2|123456789", u"3|1234567890"}},
      // Untrimmed and null texts; whole number ranges.
      {"XB0002_1", 63000201, {u"|P"}, {u"  |P", u"| P", u"~|P", u"|~"}},
      {"XB0085_1", 63008501, {u"0430|39"}, {u"0430|45", u"0431|39"}},
  });
  expect_rule("XB0081_1", 0, {u"|||||", u"| |x|||", u"a|b|c|d||"});
  expect_rule("XB0081_1", 63008101, {u"a| a ||||", u"||||z|z", u" |  |x|||"});
  expect_rule("XB0083_1", 0, {u"0|0|0", u"0|1|1", u"x|-4|", u"~|1|0", u"1|~|0"});
  expect_rule("XB0083_1", 63008301, {u"0|0|5", u"2|0|0"});
  expect_rule("XB0084_1", 63008401, {u"0431|39", u"0430|50", u"0430|x"});
  expect_rule("XB0084_1", 0, {u"0431|40", u" 0430|49", u"0430| ", u"0432|1"});
  // Unchanged groups end at the first unequal pair.
  expect_rule("XB0061_1", 63006101, {same(18, {}, u""), same(18, {{1, u" v "}})});
  expect_rule("XB0061_1", 0, {same(18, {{18, u"w"}}), same(18, {{9, u"V"}})});
  expect_rule("XB0060_1", 63006001, {same(14, {}), same(14, {{13, u""}, {14, u" "}})});
  expect_rule("XB0060_1", 0, {same(14, {{14, u""}}), same(14, {{12, u"w"}})});
  expect_rule("XB0060_2", 63006002, {same(10, {}), same(10, {{5, u""}, {10, nullptr}})});
  expect_rule("XB0060_2", 0, {same(10, {{8, u"w"}})});
  // Dropped values unless a value changed.
  expect_rule("XB0062_1", 63006201, {same(14, {{4, u""}}), same(14, {{14, u" "}})});
  expect_rule("XB0062_1", 0, {same(14, {{6, u""}}), same(14, {{8, u""}})});
  expect_rule("XB0062_1", 0, {same(14, {{2, u"w"}, {4, u""}})});
  expect_rule("XB0062_1", 0, {same(14, {{13, u""}, {14, u"new"}, {4, u""}}), same(14, {})});
  expect_rule("XB0063_1", 63006301, {same(18, {{2, u""}}), same(18, {{18, u""}})});
  expect_rule("XB0063_1", 0, {same(18, {{10, u""}}), same(18, {{12, u""}})});
  expect_rule("XB0063_1", 0, {same(18, {{12, u"w"}, {2, u""}}), same(18, {}, u"")});
}

}  // namespace
}  // namespace olv::testing
