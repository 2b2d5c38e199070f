// Tests of the XP rules 0002 to 0051 through the call layer.
#include "tests/fake_service.h"
#include "tests/rule_fields.h"

namespace olv::testing {
namespace {

TEST(XpRules0002To0051, RuleRows) {
  // Presence rules trim and take null as blank; empty is untrimmed, blank is trimmed.
  expect_rule_rows({
      {"XP0012_2", 61001202, {u"|x", u"x| \t", u"~|x"}, {u"x|y"}},
      {"XP0019_1", 61001901, {u"x|y"}, {u"  |x", u"x|~"}},
      {"XP0020_1", 61002001, {u"a|b|c| "}, {u"\t|| |~", u"a|b|c|d"}},
      {"XP0021_2", 61002101, {u"|||d"}, {u"a|b|c|d"}},
      {"XP0024_1", 61002401, {u"|x", u"x|~"}, {u" |", u"a|b"}},
      {"XP0029_1", 61002901, {u"x||  ", u"|y|~"}, {u"||", u"x||z"}},
      {"XP0025_1", 61002501, {u"| ", u"a|"}, {u" | ", u"|"}},
      {"XP0026_1", 61002601, {u"a|", u"|b"}, {u"| ", u"a| ", u"a|b"}},
      // Length and code lists.
      {"XP0002_1", 61000201, {u"1234567", u"123456789", nullptr}, {u" 12345678 ", u"1234 567"}},
      // Cut-off months and dates.
      {"XP0005_1", 61050001, {u"042003|1"}, {u"032003|1", u"132003|1", u"042003|0"}},
      {"XP0051_1", 61005101, {u"092003|4x"}, {u"102003|4", u"092003| 4", u"132003|4"}},
      {"XP0051_4", 61005102, {u"30092003|4"}, {u"01102003|4", u"30092003| 4", u"x|4"}},
      {"XP0050_2", 61005002, {u"|x|1||||0"}, {u"|5|||||0", u"1||x||||0"}},
  });
  expect_rule("XP0027_1", 61002701, {u"1010", u"1011", u"1020", u" 3000 ", u"5000"});
  expect_rule("XP0027_1", 0, {u"10100", u"1012", u""});
  expect_rule("XP0051_2", 61005102, {u"30092003||||||4", u"15102003|||||30092003|41"});
  expect_rule("XP0051_2", 0,
              {u"01102003||||||4", u"~|30092003|||||4", u"30092003|||||| ", u"30092003|||||| 4",
               u"x|x|x|x|x|x|4"});
  // An identifier by type reads the type untrimmed.
  expect_rule("XP0017_2", 0, {u"|", u"R|123456785", u"R |123456785", u"N|1234563218", u"2|AB12"});
  expect_rule("XP0017_2", 61001701,
              {u"R|123456786", u"R|", u" R|123456785", u"2|AB-1", u"X|1", u"|x"});
  // Numbers read as the runtime reads them.
  expect_rule("XP0032_1", 0, {u"a|b|0|0.0", u"a|b|0|x", u"a|b|1|5", u"|b|0|5"});
  expect_rule("XP0032_1", 61003201, {u"a|b|0|0.5", u"a|b|abc|5"});
  expect_rule("XP0046_1", 0, {u" 212|10000|2", u"212|10002|0", u"212|-10002|-2", u"213|10002|2"});
  expect_rule("XP0046_1", 61004601, {u"212|10002|2", u"212|5001|1"});
  expect_rule("XP0049_1", 61004901,
              {u"|0||||||||0|5|0|x", u"||||||||||5|abc|x", u"|9000000000|||||||||||x"});
  expect_rule(
      "XP0049_1", 0,
      {u"||||||||||5|4294967296|x", u"||||||||||5|0|", u"y||||||||||5||x", u"|-3|||||||||0||x"});
  expect_rule("XP0050_1", 61005001, {u"1||x||||0", u"|3|x||||abc"});
  expect_rule("XP0050_1", 0, {u"1|| ||||0", u"0||x||||0", u"1||x||||1"});
  // Identification alternatives; with no dictionary service a one-digit document type passes.
  expect_rule("XP0003_1", 61000301,
              {u"|a|b||A|D1", u"|a|b||12|D1", u"|a|b|| 1|D1", u"|a|||1|D1", u"12345678901|a||||",
               u"           |a|b|||", u"|a|b|          ||"});
  expect_rule("XP0003_1", 0, {u"|a|b||1|D1", u"12345678901|a|b|||", u"|a|b|1234567890||"});
  expect_rule("XP0003_3", 61000303, {u"|a|b|||"});
  expect_rule("XP0003_3", 0, {u"           |a|b|||", u"|a|b|          ||", u"|a|b| 123456789||"});
  expect_rule("XP0009_1", 61000901, {u"x||||||||||||", u"|x||||||12345678901|a||||"});
  expect_rule("XP0009_1", 0,
              {u"||||||||||||", u"||||||x|12345678901|a|b|||", u"|x|||||||a|b|1234567890||",
               u"|x|||||||a|b||1|D"});
  expect_rule("XP0003_6", 61000301, {u"|a|b|c|", u"1234567890|a|b||"});
  expect_rule("XP0003_6", 0, {u"12345678901|a|b||", u"|a|b|c|d"});
  expect_rule("XP0003_4", 61000304, {u"1||a|b|||1234567890"});
  expect_rule("XP0003_4", 0, {u"|12345678901|a|b|||", u" 2 ||a|b|||1234567890", u"||a|b|c|d|"});
  // An identifier without spaces walks a fixed window. Only U+0020 leaves the copy: a leading tab
  // shifts the window and stays in it. 22 units without a space would be 11 trimmed, but do not
  // fit the working copy.
  expect_rule("XP0003_5", 61000301,
              {u"a|b|N|12345678901", u"a||P|12345678901", u"a|b|P| 12345678901",
               u"a|b|P|\t12345678901", u"a|b|P|1234567890", u"a|b|P|1234567890123456789012345",
               u"a|b|P|\t\t\t\t\t\t\t\t\t12345678901\t\t\t\t\t\t\t\t\t\tX"});
  expect_rule("XP0003_5", 0,
              {u"a|b| N|x", u"a|b|X|x", u"a|b|P|12345678901   ", u"a|b|P|123 456 78901",
               u"a|b|P|12345678901\t"});
  // A service rule without the service gives -1.
  expect_rule("XP0022_2", -1, {u"a|b", u"~|~"});
}

using XpRules0002To0051ServiceTest = ServiceFixture;

TEST_F(XpRules0002To0051ServiceTest, DocumentTypeIsAskedOnlyWhenNoNumberCompletes) {
  fake_.state.codes = {u"1"};
  expect_rule("XP0003_1", 0, {u"12345678901|a|b||1|D1"});
  expect_rule("XP0003_3", 0, {u"|a|b|1234567890|2|D1"});
  EXPECT_TRUE(calls().empty());
  expect_rule("XP0003_1", 0, {u"|a|b||1|D1"});
  expect_rule("XP0003_1", 61000301, {u"|a|b||2|D1"});
  expect_rule("XP0009_1", 61000901, {u"x||||||||a|b||2|D"});
  EXPECT_EQ(calls().size(), 3u);
}

TEST_F(XpRules0002To0051ServiceTest, ServiceRuleHandsOverBothFieldsInOrder) {
  fake_.state.rule_result = 0x700000000LL + 61002201;
  expect_rule("XP0022_2", 61002201, {u" a|b "});
  ASSERT_EQ(calls().size(), 1u);
  EXPECT_EQ(calls()[0].operation, "CheckRulePair");
  EXPECT_EQ(calls()[0].texts, (std::vector<std::u16string>{u" a", u"b "}));
}

}  // namespace
}  // namespace olv::testing
