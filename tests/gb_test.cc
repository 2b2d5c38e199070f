// Tests of the GB rules through the exports table.
#include "platform/clock.h"
#include "tests/rule_fields.h"
#include "tests/test_support.h"

namespace olv {
namespace {

using testing::expect_rule;
using testing::expect_rules;

TEST(GbTest, OrderOfTwoFullDates) {
  expect_rules({
      {"GB0001_1", {u"01012024", u"31122023"}, 64000101},
      {"GB0001_1", {u"01012024", u"01012024"}, 0},
      {"GB0001_1", {u"01012024", u""}, 0},
      {"GB0001_1", {u"31022024", u"01012020"}, 0},  // eight characters, not a date
      {"GB0007_1", {u"02012024", u"01012024"}, 64000701},
      {"GB0007_1", {u"01012024", u"01012024"}, 0},
      {"GB0005_1", {u"01012024", u"01012024"}, 64000501},
      {"GB0005_1", {u"31122023", u"01012024"}, 0},
      {"GB0006_1", {u"01012024", u"01012024"}, 64000601},
      {"GB0006_1", {u"31122023", u"01012024"}, 0},
      {"GB0006_2", {u"01012024", u"01012024"}, 64000602},
      {"GB0006_2", {u"31122023", u"01012024"}, 0},
      {"GB0006_3", {u"02012024", u"01012024"}, 64000603},
      {"GB0006_3", {u"31122023", u"01012024"}, 0},
      {"GB0006_5", {u"01012024", u"01012024"}, 64000604},
      {"GB0006_5", {u"31122023", u"01012024"}, 0},
      {"GB0033_1", {u"01012024", u"01012024"}, 64003301},
      {"GB0033_1", {u"01011850", u"01012000"}, 64003301},
      {"GB0033_1", {u"01011849", u"01012000"}, 0},  // year out of the element date's range
      {"GB0035_1", {u"31122023", u"01012024"}, 64003501},
      {"GB0035_1", {u"        ", u"01012024"}, 0},
      {"GB0035_1", {u" 1012024", u"01012024"}, 0},
  });
}

TEST(GbTest, OtherTwoDateRules) {
  expect_rule("GB0015_1", 64001501, {{u"01012024", u"01012024"}});
  expect_rule("GB0015_1", 0, {{u"31122023", u"01012024"}, {u"        ", u"01012024"}});
  expect_rule("GB0009_1", 0, {{u"01011999", u"31121998"}, {u"15032024", u"15032024"}});
  expect_rule("GB0009_1", 64000901, {{u"02011999", u"31121998"}});
  expect_rule("GB0009_1", 64000901,
              {{u"31121998", u"01011999"}});  // the allowed pair is one way round
  expect_rule("GB0022_2", 64002201, {{u"02012024", u"01012024"}});
  expect_rule("GB0022_2", 64002201, {{u"02011849", u"01011849"}});  // no year range here
  expect_rule("GB0022_2", 0, {{u"01012024", u"01012024"}, {u"32012024", u"01012024"}});
  expect_rule("GB0022_3", 64002203, {{u"01032024", u"29022024"}});
  expect_rule("GB0022_3", 0, {{u"28022024", u"29022024"}, {u"01032024", u"  "}});
}

TEST(GbTest, DateAgainstPeriodFallsBackOnToday) {
  set_today_for_testing({2024, 3, 15});
  expect_rule("GB0021_2", 64002101, {{u"15032024", u"022024"}});
  expect_rule("GB0021_2", 64002101, {{u"31022024", u"022024"}});  // p1 converts to today, March
  expect_rule("GB0021_2", 64002101, {{u"15042024", u"132024"}});  // p2 converts to today's month
  expect_rule("GB0021_2", 0, {{u"15032024", u"032024"}, {u"31012024", u"022024"}});
  expect_rule("GB0021_2", 0, {{u"31022024", u"032024"}});
  clear_today_for_testing();
}

TEST(GbTest, YearsAndPeriods) {
  expect_rule("GB0030_1", 64003001, {{u"2010", u"01012009"}, {u" 2010 ", u"01012009"}});
  expect_rule("GB0030_1", 0, {{u"2009", u"31122009"}, {u"20100", u"01012009"}});
  expect_rule("GB0030_2", 64003002, {{u"2009", u"30112009"}});
  expect_rule("GB0030_2", 0, {{u"2009", u"01122009"}, {u"2009", u"        "}});
  expect_rule("GB0029_1", 64002901, {{u"5", u"6"}});
  expect_rule("GB0029_1", 64002901, {{u"abc", u"1"}});  // a text without digits reads 0
  expect_rule("GB0029_1", 0, {{u"6", u" 6"}});
  expect_rule("GB0049_1", 64004901, {{u"012008", u"1"}});
  expect_rule("GB0049_1", 0, {{u"012008", u" 0 "}, {u"122007", u"1"}, {u"132008", u"1"}});
  expect_rule("GB0052_1", 0, {{u"012010", u"5", u"5", u"5"}, {u"122009", u"0", u"0", u"0.00"}});
  expect_rule("GB0052_1", 0, {{u"132009", u"1", u"1", u"1"}});
  expect_rule("GB0052_1", 64005201, {{u"122009", u"0", u"0", u"0.01"}});
  expect_rule("GB0052_1", 64005201, {{u"122009", u"1", u"", u""}});
  expect_rule("GB0042_1", 0, {u"2003"});
  expect_rule("GB0042_1", 64004201, {u"2002", u" 2003", u"20O3"});
  expect_rule("GB0051_1", 0, {u"2010"});
  expect_rule("GB0051_1", 64005101, {u"2009"});
}

TEST(GbTest, SexAgainstPesel) {
  expect_rule("GB0023_1", 64002301, {{u"K", u"44051401359"}});   // tenth digit 5: a man
  expect_rule("GB0023_1", 64002301, {{u" M", u"44051401359"}});  // compared untrimmed
  expect_rule("GB0023_1", 64002301, {{u"m", u"44051401359"}});   // and case-sensitively
  expect_rule("GB0023_1", 64002301, {{u"M", u"44051401468"}});
  expect_rule("GB0023_1", 0, {{u"M", u"44051401359"}, {u"", u"44051401359"}});
  expect_rule("GB0023_1", 0, {{u"K", u"4405140135"}, {u"K", u"44051401468"}});
}

TEST(GbTest, FormOfOneField) {
  expect_rule("GB0028_1", 0, {u" 123 "});
  expect_rule("GB0028_1", 64002801, {u"12a"});
  expect_rule("GB0041_1", 0, {u"01", u"39"});
  expect_rule("GB0041_1", 64004101, {u"40", u"00", u" 1"});
  expect_rule("GB0044_2", 60004301, {nullptr, u"", u"a b"});  // a space inside
  expect_rule("GB0044_2", 0, {u"ab"});
  expect_rule("GB0044_3", 64004401, {u"  ", nullptr});
  expect_rule("GB0044_3", 0, {u"x"});
  expect_rule("GB0050_1", 0, {u"001", u" 999 "});
  expect_rule("GB0050_1", 64005001, {u"000", u"12"});
  expect_rule("GB0053_1", 64005301, {u"PL", u"PL123"});
  expect_rule("GB0053_1", 0, {u"pl", u"P", u" PL"});
}

}  // namespace
}  // namespace olv
