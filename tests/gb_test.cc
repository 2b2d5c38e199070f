// Tests of the GB rules through the exports table.
#include "platform/clock.h"
#include "tests/rule_fields.h"
#include "tests/test_support.h"

namespace olv {
namespace {

using testing::expect_rule;
using testing::expect_rule_rows;

TEST(GbTest, RuleRows) {
  // Order of two full dates.
  expect_rule("GB0001_1", 64000101, {u"01012024|31122023"});
  expect_rule(
      "GB0001_1", 0,
      {u"01012024|01012024", u"01012024|", u"31022024|01012020"});  // eight characters, not a date
  expect_rule_rows({
      {"GB0007_1", 64000701, {u"02012024|01012024"}, {u"01012024|01012024"}},
      {"GB0005_1", 64000501, {u"01012024|01012024"}, {u"31122023|01012024"}},
      {"GB0006_1", 64000601, {u"01012024|01012024"}, {u"31122023|01012024"}},
      {"GB0006_2", 64000602, {u"01012024|01012024"}, {u"31122023|01012024"}},
      {"GB0006_3", 64000603, {u"02012024|01012024"}, {u"31122023|01012024"}},
      {"GB0006_5", 64000604, {u"01012024|01012024"}, {u"31122023|01012024"}},
      // year out of the element date's range
      {"GB0033_1", 64003301, {u"01012024|01012024", u"01011850|01012000"}, {u"01011849|01012000"}},
      {"GB0035_1", 64003501, {u"31122023|01012024"}, {u"        |01012024", u" 1012024|01012024"}},
  });
  // Other two date rules.
  expect_rule("GB0009_1", 64000901,
              {u"02011999|31121998", u"31121998|01011999"});  // the allowed pair is one way round
  expect_rule("GB0009_1", 0, {u"01011999|31121998", u"15032024|15032024"});
  expect_rule("GB0022_2", 64002201,
              {u"02012024|01012024", u"02011849|01011849"});  // no year range here
  expect_rule("GB0022_2", 0, {u"01012024|01012024", u"32012024|01012024"});
  expect_rule_rows({
      {"GB0015_1", 64001501, {u"01012024|01012024"}, {u"31122023|01012024", u"        |01012024"}},
      {"GB0022_3", 64002203, {u"01032024|29022024"}, {u"28022024|29022024", u"01032024|  "}},
  });
  // Date against period falls back on today.
  set_today_for_testing({2024, 3, 15});
  // An invalid p1 converts to today, March; an invalid p2 to today's month.
  expect_rule("GB0021_2", 64002101, {u"15032024|022024", u"31022024|022024", u"15042024|132024"});
  expect_rule("GB0021_2", 0, {u"15032024|032024", u"31012024|022024", u"31022024|032024"});
  clear_today_for_testing();
  // Years and periods.
  expect_rule("GB0030_1", 64003001, {u"2010|01012009", u" 2010 |01012009"});
  expect_rule("GB0030_1", 0, {u"2009|31122009", u"20100|01012009"});
  expect_rule("GB0052_1", 64005201, {u"122009|0|0|0.01", u"122009|1||"});
  expect_rule("GB0052_1", 0, {u"012010|5|5|5", u"122009|0|0|0.00", u"132009|1|1|1"});
  expect_rule_rows({
      {"GB0030_2", 64003002, {u"2009|30112009"}, {u"2009|01122009", u"2009|        "}},
      // a text without digits reads 0
      {"GB0029_1", 64002901, {u"5|6", u"abc|1"}, {u"6| 6"}},
      {"GB0049_1", 64004901, {u"012008|1"}, {u"012008| 0 ", u"122007|1", u"132008|1"}},
      {"GB0042_1", 64004201, {u"2002", u" 2003", u"20O3"}, {u"2003"}},
      {"GB0051_1", 64005101, {u"2009"}, {u"2010"}},
  });
  // Sex against PESEL.
  // The tenth digit 5 is a man's; the sex is compared untrimmed and case-sensitively.
  expect_rule("GB0023_1", 64002301,
              {u"K|44051401359", u" M|44051401359", u"m|44051401359", u"M|44051401468"});
  expect_rule("GB0023_1", 0,
              {u"M|44051401359", u"|44051401359", u"K|4405140135", u"K|44051401468"});
  // Form of one field.
  expect_rule_rows({
      {"GB0028_1", 64002801, {u"12a"}, {u" 123 "}},
      {"GB0041_1", 64004101, {u"40", u"00", u" 1"}, {u"01", u"39"}},
      // a space inside
      {"GB0044_2", 60004301, {nullptr, u"", u"a b"}, {u"ab"}},
      {"GB0044_3", 64004401, {u"  ", nullptr}, {u"x"}},
      {"GB0050_1", 64005001, {u"000", u"12"}, {u"001", u" 999 "}},
      {"GB0053_1", 64005301, {u"PL", u"PL123"}, {u"pl", u"P", u" PL"}},
  });
}

}  // namespace
}  // namespace olv
