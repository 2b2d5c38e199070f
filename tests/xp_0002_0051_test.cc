// Tests of the XP rules 0002 to 0051 through the call layer.
#include <gtest/gtest.h>

#include "tests/fake_service.h"
#include "tests/rule_fields.h"
#include "tests/test_support.h"

namespace olv {
namespace {

using testing::expect_rule;
using testing::expect_rule_rows;
using testing::expect_rules;
using testing::fields;

TEST(XpRules0002To0051, PresenceRulesTrimAndTakeNullAsBlank) {
  expect_rule_rows({
      {"XP0012_2", 61001202, {u"|x", u"x| \t", u"~|x"}, {u"x|y"}},
      {"XP0019_1", 61001901, {u"x|y"}, {u"  |x", u"x|~"}},
      {"XP0020_1", 61002001, {u"a|b|c| "}, {u"\t|| |~", u"a|b|c|d"}},
      {"XP0021_2", 61002101, {u"|||d"}, {u"a|b|c|d"}},
      {"XP0024_1", 61002401, {u"|x", u"x|~"}, {u" |", u"a|b"}},
      {"XP0029_1", 61002901, {u"x||  ", u"|y|~"}, {u"||", u"x||z"}},
  });
}

TEST(XpRules0002To0051, EmptyIsUntrimmedBlankIsTrimmed) {
  expect_rule_rows({
      {"XP0025_1", 61002501, {u"| ", u"a|"}, {u" | ", u"|"}},
      {"XP0026_1", 61002601, {u"a|", u"|b"}, {u"| ", u"a| ", u"a|b"}},
  });
}

TEST(XpRules0002To0051, LengthAndCodeLists) {
  expect_rule("XP0002_1", 0, {u" 12345678 ", u"1234 567"});
  expect_rule("XP0002_1", 61000201, {u"1234567", u"123456789", nullptr});
  expect_rule("XP0027_1", 61002701, {u"1010", u"1011", u"1020", u" 3000 ", u"5000"});
  expect_rule("XP0027_1", 0, {u"10100", u"1012", u""});
}

TEST(XpRules0002To0051, IdentifierByTypeReadsTheTypeUntrimmed) {
  expect_rule("XP0017_2", 0, {u"|", u"R|123456785", u"R |123456785", u"N|1234563218", u"2|AB12"});
  expect_rule("XP0017_2", 61001701,
              {u"R|123456786", u"R|", u" R|123456785", u"2|AB-1", u"X|1", u"|x"});
}

TEST(XpRules0002To0051, NumbersReadAsTheRuntimeReadsThem) {
  expect_rule("XP0032_1", 0, {u"a|b|0|0.0", u"a|b|0|x", u"a|b|1|5", u"|b|0|5"});
  expect_rule("XP0032_1", 61003201, {u"a|b|0|0.5", u"a|b|abc|5"});
  expect_rule("XP0046_1", 0, {u" 212|10000|2", u"212|10002|0", u"212|-10002|-2", u"213|10002|2"});
  expect_rule("XP0046_1", 61004601, {u"212|10002|2", u"212|5001|1"});
  expect_rule("XP0049_1", 61004901,
              {fields(13, {{2, u"0"}, {10, u"0"}, {11, u"5"}, {12, u"0"}, {13, u"x"}})});
  expect_rule("XP0049_1", 61004901, {fields(13, {{11, u"5"}, {12, u"abc"}, {13, u"x"}})});
  expect_rule("XP0049_1", 61004901, {fields(13, {{2, u"9000000000"}, {13, u"x"}})});
  expect_rule("XP0049_1", 0, {fields(13, {{11, u"5"}, {12, u"4294967296"}, {13, u"x"}})});
  expect_rule("XP0049_1", 0, {fields(13, {{11, u"5"}, {12, u"0"}})});
  expect_rule("XP0049_1", 0, {fields(13, {{1, u"y"}, {11, u"5"}, {13, u"x"}})});
  expect_rule("XP0049_1", 0, {fields(13, {{2, u"-3"}, {11, u"0"}, {13, u"x"}})});
  expect_rule("XP0050_1", 61005001, {fields(7, {{1, u"1"}, {3, u"x"}, {7, u"0"}})});
  expect_rule("XP0050_1", 61005001, {fields(7, {{2, u"3"}, {3, u"x"}, {7, u"abc"}})});
  expect_rule("XP0050_1", 0, {fields(7, {{1, u"1"}, {3, u" "}, {7, u"0"}})});
  expect_rule("XP0050_1", 0, {fields(7, {{1, u"0"}, {3, u"x"}, {7, u"0"}})});
  expect_rule("XP0050_1", 0, {fields(7, {{1, u"1"}, {3, u"x"}, {7, u"1"}})});
  expect_rule("XP0050_2", 61005002, {fields(7, {{3, u"1"}, {2, u"x"}, {7, u"0"}})});
  expect_rule("XP0050_2", 0, {fields(7, {{2, u"5"}, {7, u"0"}})});
  expect_rule("XP0050_2", 0, {fields(7, {{1, u"1"}, {3, u"x"}, {7, u"0"}})});
}

TEST(XpRules0002To0051, CutOffMonthsAndDates) {
  expect_rule("XP0051_2", 61005102, {fields(7, {{1, u"30092003"}, {7, u"4"}})});
  expect_rule("XP0051_2", 61005102, {fields(7, {{1, u"15102003"}, {6, u"30092003"}, {7, u"41"}})});
  expect_rule("XP0051_2", 0, {fields(7, {{1, u"01102003"}, {7, u"4"}})});
  expect_rule("XP0051_2", 0, {fields(7, {{1, nullptr}, {2, u"30092003"}, {7, u"4"}})});
  expect_rule("XP0051_2", 0, {fields(7, {{1, u"30092003"}, {7, u" "}})});
  expect_rule("XP0051_2", 0, {fields(7, {{1, u"30092003"}, {7, u" 4"}})});
  expect_rule("XP0051_2", 0, {u"x|x|x|x|x|x|4"});
  expect_rule_rows({
      {"XP0005_1", 61050001, {u"042003|1"}, {u"032003|1", u"132003|1", u"042003|0"}},
      {"XP0051_1", 61005101, {u"092003|4x"}, {u"102003|4", u"092003| 4", u"132003|4"}},
      {"XP0051_4", 61005102, {u"30092003|4"}, {u"01102003|4", u"30092003| 4", u"x|4"}},
  });
}

TEST(XpRules0002To0051, IdentificationAlternatives) {
  expect_rules({
      // With no dictionary service a one-digit document type is accepted.
      {"XP0003_1", {u"", u"a", u"b", u"", u"1", u"D1"}, 0},
      {"XP0003_1", {u"", u"a", u"b", u"", u"A", u"D1"}, 61000301},
      {"XP0003_1", {u"", u"a", u"b", u"", u"12", u"D1"}, 61000301},
      {"XP0003_1", {u"", u"a", u"b", u"", u" 1", u"D1"}, 61000301},
      {"XP0003_1", {u"", u"a", u"", u"", u"1", u"D1"}, 61000301},
      {"XP0003_1", {u"12345678901", u"a", u"b", u"", u"", u""}, 0},
      {"XP0003_1", {u"12345678901", u"a", u"", u"", u"", u""}, 61000301},
      {"XP0003_1", {u"", u"a", u"b", u"1234567890", u"", u""}, 0},
      {"XP0003_1", {u"           ", u"a", u"b", u"", u"", u""}, 61000301},
      {"XP0003_3", {u"           ", u"a", u"b", u"", u"", u""}, 0},
      {"XP0003_1", {u"", u"a", u"b", u"          ", u"", u""}, 61000301},
      {"XP0003_3", {u"", u"a", u"b", u"          ", u"", u""}, 0},
      {"XP0003_3", {u"", u"a", u"b", u" 123456789", u"", u""}, 0},
      {"XP0003_3", {u"", u"a", u"b", u"", u"", u""}, 61000303},
      {"XP0009_1", fields(13, {}), 0},
      {"XP0009_1", fields(13, {{1, u"x"}}), 61000901},
      {"XP0009_1", fields(13, {{7, u"x"}, {8, u"12345678901"}, {9, u"a"}, {10, u"b"}}), 0},
      {"XP0009_1", fields(13, {{2, u"x"}, {11, u"1234567890"}, {9, u"a"}, {10, u"b"}}), 0},
      {"XP0009_1", fields(13, {{2, u"x"}, {12, u"1"}, {13, u"D"}, {9, u"a"}, {10, u"b"}}), 0},
      {"XP0009_1", fields(13, {{2, u"x"}, {8, u"12345678901"}, {9, u"a"}}), 61000901},
      {"XP0003_6", {u"12345678901", u"a", u"b", u"", u""}, 0},
      {"XP0003_6", {u"", u"a", u"b", u"c", u"d"}, 0},
      {"XP0003_6", {u"", u"a", u"b", u"c", u""}, 61000301},
      {"XP0003_6", {u"1234567890", u"a", u"b", u"", u""}, 61000301},
      {"XP0003_4", {u"", u"12345678901", u"a", u"b", u"", u"", u""}, 0},
      {"XP0003_4", {u" 2 ", u"", u"a", u"b", u"", u"", u"1234567890"}, 0},
      {"XP0003_4", {u"1", u"", u"a", u"b", u"", u"", u"1234567890"}, 61000304},
      {"XP0003_4", {u"", u"", u"a", u"b", u"c", u"d", u""}, 0},
  });
}

TEST(XpRules0002To0051, DocumentTypeIsAskedOnlyWhenNoNumberCompletes) {
  testing::ScopedFakeService fake;
  fake.state.codes = {u"1"};
  expect_rule("XP0003_1", 0, {u"12345678901|a|b||1|D1"});
  expect_rule("XP0003_3", 0, {u"|a|b|1234567890|2|D1"});
  EXPECT_TRUE(fake.state.taken().empty());
  expect_rule("XP0003_1", 0, {u"|a|b||1|D1"});
  expect_rule("XP0003_1", 61000301, {u"|a|b||2|D1"});
  expect_rule("XP0009_1", 61000901,
              {fields(13, {{1, u"x"}, {9, u"a"}, {10, u"b"}, {12, u"2"}, {13, u"D"}})});
  EXPECT_EQ(fake.state.taken().size(), 3u);
}

TEST(XpRules0002To0051, IdentifierWithoutSpacesWalksAFixedWindow) {
  expect_rule("XP0003_5", 61000301,
              {u"a|b|N|12345678901", u"a||P|12345678901", u"a|b|P| 12345678901"});
  // Only U+0020 leaves the copy: a leading tab shifts the window and stays in it.
  expect_rule("XP0003_5", 61000301,
              {u"a|b|P|\t12345678901", u"a|b|P|1234567890", u"a|b|P|1234567890123456789012345"});
  // 22 units without a space: trimmed it would be 11, but it does not fit the working copy.
  expect_rule("XP0003_5", 61000301, {u"a|b|P|\t\t\t\t\t\t\t\t\t12345678901\t\t\t\t\t\t\t\t\t\tX"});
  expect_rule("XP0003_5", 0,
              {u"a|b| N|x", u"a|b|X|x", u"a|b|P|12345678901   ", u"a|b|P|123 456 78901",
               u"a|b|P|12345678901\t"});
}

TEST(XpRules0002To0051, ServiceRuleWithoutServiceGivesMinusOne) {
  expect_rule("XP0022_2", -1, {u"a|b", u"~|~"});
}

TEST(XpRules0002To0051, ServiceRuleHandsOverBothFieldsInOrder) {
  testing::ScopedFakeService fake;
  fake.state.rule_result = 0x700000000LL + 61002201;
  expect_rules({{"XP0022_2", {u" a", u"b "}, 61002201}});
  const std::vector<testing::ServiceCall> calls = fake.state.taken();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].operation, "CheckRulePair");
  EXPECT_EQ(calls[0].texts, (std::vector<std::u16string>{u" a", u"b "}));
}

}  // namespace
}  // namespace olv
