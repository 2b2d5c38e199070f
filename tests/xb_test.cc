// Tests of the XB rules through the call layer.
#include <gtest/gtest.h>

#include "tests/rule_fields.h"
#include "tests/test_support.h"

namespace olv {
namespace {

using testing::expect_rule;
using testing::fields;

// `n` fields all holding "v", with the listed positions set.
std::vector<const char16_t*> same(int n,
                                  std::initializer_list<std::pair<int, const char16_t*>> set) {
  return testing::fields_of(u"v", n, set);
}

TEST(XbRules, PresenceRules) {
  expect_rule("XB0001_1", 63000101, {{u" 0111 ", u"x", u""}, {u"0110", nullptr, u"z"}});
  expect_rule("XB0001_1", 0, {{u"0110", u"y", u"z"}, {u"0112", u"", u""}});
  expect_rule("XB0004_1", 63000401, {{u"a", u"", u"c", u"d"}, {u"a", u"b", u"", u" "}});
  expect_rule("XB0004_1", 0, {{u"a", u"b", u"", u"d"}, {u"", u"", u"", u""}});
  expect_rule("XB0005_1", 63000501, {{u"a", u"", u"", u"d"}});
  expect_rule("XB0005_1", 0, {{u"a", u"", u"", u""}, {u"a", u"b", u"c", u""}});
  expect_rule("XB0082_2", 0, {{u"", u"", u""}, {u"", u"y", u"z"}});
  expect_rule("XB0082_2", 63008202, {{u"", u"", u"z"}, {u"x", u"", u""}});
  expect_rule("XB0023_1", 0, {{u"2", u"123456789"}, {u"3", u"1234567890"}});
  expect_rule("XB0023_1", 63002301, {{u" 2", u" 1234567890 "}});
}

TEST(XbRules, UntrimmedAndNullTexts) {
  expect_rule("XB0002_1", 63000201, {{u"", u"P"}});
  expect_rule("XB0002_1", 0, {{u"  ", u"P"}, {u"", u" P"}, {nullptr, u"P"}, {u"", nullptr}});
  expect_rule("XB0081_1", 0, {fields(6, {}), fields(6, {{2, u" "}, {3, u"x"}})});
  expect_rule("XB0081_1", 0, {fields(6, {{1, u"a"}, {2, u"b"}, {3, u"c"}, {4, u"d"}})});
  expect_rule("XB0081_1", 63008101, {fields(6, {{1, u"a"}, {2, u" a "}})});
  expect_rule("XB0081_1", 63008101, {fields(6, {{5, u"z"}, {6, u"z"}})});
  expect_rule("XB0081_1", 63008101, {fields(6, {{1, u" "}, {2, u"  "}, {3, u"x"}})});
}

TEST(XbRules, WholeNumberRanges) {
  expect_rule("XB0083_1", 0, {{u"0", u"0", u"0"}, {u"0", u"1", u"1"}, {u"x", u"-4", u""}});
  expect_rule("XB0083_1", 0, {{nullptr, u"1", u"0"}, {u"1", nullptr, u"0"}});
  expect_rule("XB0083_1", 63008301, {{u"0", u"0", u"5"}, {u"2", u"0", u"0"}});
  expect_rule("XB0084_1", 63008401, {{u"0431", u"39"}, {u"0430", u"50"}, {u"0430", u"x"}});
  expect_rule("XB0084_1", 0, {{u"0431", u"40"}, {u" 0430", u"49"}, {u"0430", u" "}});
  expect_rule("XB0084_1", 0, {{u"0432", u"1"}});
  expect_rule("XB0085_1", 63008501, {{u"0430", u"39"}});
  expect_rule("XB0085_1", 0, {{u"0430", u"45"}, {u"0431", u"39"}});
}

TEST(XbRules, UnchangedGroupsEndAtTheFirstUnequalPair) {
  expect_rule("XB0061_1", 63006101, {fields(18, {}), same(18, {{1, u" v "}})});
  expect_rule("XB0061_1", 0, {same(18, {{18, u"w"}}), same(18, {{9, u"V"}})});
  expect_rule("XB0060_1", 63006001, {same(14, {}), same(14, {{13, u""}, {14, u" "}})});
  expect_rule("XB0060_1", 0, {same(14, {{14, u""}}), same(14, {{12, u"w"}})});
  expect_rule("XB0060_2", 63006002, {same(10, {}), same(10, {{5, u""}, {10, nullptr}})});
  expect_rule("XB0060_2", 0, {same(10, {{8, u"w"}})});
}

TEST(XbRules, DroppedValuesUnlessAValueChanged) {
  expect_rule("XB0062_1", 63006201, {same(14, {{4, u""}}), same(14, {{14, u" "}})});
  expect_rule("XB0062_1", 0, {same(14, {{6, u""}}), same(14, {{8, u""}})});
  expect_rule("XB0062_1", 0, {same(14, {{2, u"w"}, {4, u""}})});
  expect_rule("XB0062_1", 0, {same(14, {{13, u""}, {14, u"new"}, {4, u""}}), same(14, {})});
  expect_rule("XB0063_1", 63006301, {same(18, {{2, u""}}), same(18, {{18, u""}})});
  expect_rule("XB0063_1", 0, {same(18, {{10, u""}}), same(18, {{12, u""}})});
  expect_rule("XB0063_1", 0, {same(18, {{12, u"w"}, {2, u""}}), fields(18, {})});
}

}  // namespace
}  // namespace olv
