// Tests of the XP rules 0200 to 0385 through the exports table; "today" comes from the clock seam.
#include "platform/clock.h"
#include "tests/rule_fields.h"

namespace olv::testing {
namespace {

// Texts without digits read as 0. An invalid date converts to today, an invalid period to this
// month; a date of an invalid year is taken in today's year.
TEST(Xp0200To0385Test, RuleRows) {
  expect_rule("XP0211_1", 61021101,
              {u"|1|1|1|1", u"~|~|~|~|~", u"2||||", u"-1| |||", u"0||||3", u"abc||1||"});
  expect_rule("XP0211_1", 0, {u"0||||", u"2||||x", u"0||0||", u"0||-3||"});
  expect_rule("XP0218_1", 61021801, {u"0113|30062008", u" 0213 |01011999", u"0513|31072007"});
  expect_rule("XP0218_1", 0,
              {u"0113|01072008", u"0113|01012009", u"0513|31122008", u"0513|30062009",
               u"0113|31022008", u"0114|30062008"});
  expect_rule("XP0382_1", 61038201, {u"|", u"~|~", u"44051401358| PL ", u"|POLKA"});
  expect_rule("XP0382_1", 0, {u"44051401359|", u"|RP", u"|NIEMIECKIE", u"|polskie"});
  expect_rule_rows({
      {"XP0200_2", 61020002, {u"", u" \t", nullptr}, {u"x"}},
      {"XP0215_1", 61021501, {u"1|1", u" 5|2x"}, {u"0|1", u"1|0"}},
      {"XP0384_1", 61038401, {u"12|1234", u"   |1234", u"123|123a", u"123| 123"}, {u"123|1234"}},
  });
  set_today_for_testing({2026, 12, 6});
  expect_rule("XP0219_1", 61021901, {u"122007|01072008|00", u"122007||1"});
  expect_rule("XP0219_1", 0,
              {u"122007|01072008|0", u"122007|01072008| 0 ", u"122007|01072008|",
               u"012008|01072008|00", u"122007|30062008|1", u"|01072008|1"});
  expect_rule("XP0385_1", 0,
              {u"01012009|2010|||||||", u"|2011|31122011||||||  ", u"|2026|3112201||||||"});
  expect_rule("XP0385_1", 61038501,
              {u"01012010|2011|||||||", u"| 2011|||||||31122012", u"|2011|3112201||||||"});
  expect_rule("XP0385_2", 0, {u"2010|01012009|31122010||||||", u"2011|31122008|||||||"});
  expect_rule("XP0385_2", 61038502,
              {u"2010|31122008|||||||", u" 2010 ||||||||01012011", u"2010||||||||x"});
  expect_rule_rows({
      {"XP0220_2", 61022002, {u"102006|1", u"102006|-3"}, {u"092006|1", u"102006|0"}},
      {"XP0220_3", 61022001, {u"012010|||5|", u"||||-1"}, {u"122009|5|5|5|5", u"012010|0|x|| "}},
  });
  set_today_for_testing({2007, 5, 1});
  expect_rule("XP0219_1", 61021901, {u"|01072008|1"});
  expect_rule("XP0220_2", 61022002, {u"|1"});
  expect_rule("XP0220_3", 0, {u"|1|||"});
  set_today_for_testing({2010, 3, 1});
  expect_rule("XP0385_2", 0, {u"2010||||||||x"});
  clear_today_for_testing();
}

}  // namespace
}  // namespace olv::testing
