// Tests of the XP rules 0200 to 0385 through the exports table; "today" comes from the clock seam.
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "tests/rule_fields.h"
#include "tests/test_support.h"

namespace olv {
namespace {

using testing::expect_rule;
using testing::expect_rules;

class Xp0200To0385Test : public ::testing::Test {
 protected:
  void TearDown() override { clear_today_for_testing(); }
};

TEST_F(Xp0200To0385Test, CountsAndNumbers) {
  expect_rule("XP0200_2", 61020002, {u"", u" \t", nullptr});
  expect_rule("XP0200_2", 0, {u"x"});
  expect_rule("XP0211_1", 61021101, {{u"", u"1", u"1", u"1", u"1"}});
  expect_rule("XP0211_1", 61021101, {{nullptr, nullptr, nullptr, nullptr, nullptr}});
  expect_rule("XP0211_1", 61021101, {{u"2", u"", u"", u"", u""}, {u"-1", u" ", u"", u"", u""}});
  expect_rule("XP0211_1", 61021101, {{u"0", u"", u"", u"", u"3"}});
  expect_rule("XP0211_1", 61021101, {{u"abc", u"", u"1", u"", u""}});  // no digits read as 0
  expect_rule("XP0211_1", 0, {{u"0", u"", u"", u"", u""}, {u"2", u"", u"", u"", u"x"}});
  expect_rule("XP0211_1", 0, {{u"0", u"", u"0", u"", u""}, {u"0", u"", u"-3", u"", u""}});
  expect_rule("XP0215_1", 61021501, {{u"1", u"1"}, {u" 5", u"2x"}});
  expect_rule("XP0215_1", 0, {{u"0", u"1"}, {u"1", u"0"}});
}

TEST_F(Xp0200To0385Test, TitleCodeBeforeJuly2008) {
  expect_rule("XP0218_1", 61021801, {{u"0113", u"30062008"}, {u" 0213 ", u"01011999"}});
  expect_rule("XP0218_1", 61021801, {{u"0513", u"31072007"}});
  expect_rule("XP0218_1", 0, {{u"0113", u"01072008"}, {u"0113", u"01012009"}});
  expect_rule("XP0218_1", 0, {{u"0513", u"31122008"}, {u"0513", u"30062009"}});
  expect_rule("XP0218_1", 0, {{u"0113", u"31022008"}, {u"0114", u"30062008"}});
}

TEST_F(Xp0200To0385Test, PeriodsAndDates) {
  set_today_for_testing({2026, 12, 6});
  expect_rule("XP0219_1", 0, {{u"122007", u"01072008", u"0"}, {u"122007", u"01072008", u" 0 "}});
  expect_rule("XP0219_1", 0, {{u"122007", u"01072008", u""}, {u"012008", u"01072008", u"00"}});
  expect_rule("XP0219_1", 0, {{u"122007", u"30062008", u"1"}});
  expect_rule("XP0219_1", 0, {{u"", u"01072008", u"1"}});  // an invalid period to this month
  expect_rule("XP0219_1", 61021901, {{u"122007", u"01072008", u"00"}});
  expect_rule("XP0219_1", 61021901, {{u"122007", u"", u"1"}});  // an invalid date converts to today
  expect_rule("XP0220_2", 61022002, {{u"102006", u"1"}, {u"102006", u"-3"}});
  expect_rule("XP0220_2", 0, {{u"092006", u"1"}, {u"102006", u"0"}});
  expect_rule("XP0220_3", 0, {{u"122009", u"5", u"5", u"5", u"5"}});
  expect_rule("XP0220_3", 0, {{u"012010", u"0", u"x", u"", u" "}});
  expect_rule("XP0220_3", 61022001, {{u"012010", u"", u"", u"5", u""}});
  expect_rule("XP0220_3", 61022001, {{u"", u"", u"", u"", u"-1"}});
  set_today_for_testing({2007, 5, 1});
  expect_rule("XP0219_1", 61021901, {{u"", u"01072008", u"1"}});
  expect_rule("XP0220_2", 61022002, {{u"", u"1"}});
  expect_rule("XP0220_3", 0, {{u"", u"1", u"", u"", u""}});
}

TEST_F(Xp0200To0385Test, PeselAndCitizenship) {
  expect_rule("XP0382_1", 61038201, {{u"", u""}, {nullptr, nullptr}, {u"44051401358", u" PL "}});
  expect_rule("XP0382_1", 61038201, {{u"", u"POLKA"}});
  expect_rule("XP0382_1", 0, {{u"44051401359", u""}, {u"", u"RP"}, {u"", u"NIEMIECKIE"}});
  expect_rule("XP0382_1", 0, {{u"", u"polskie"}});
}

TEST_F(Xp0200To0385Test, DigitFields) {
  expect_rule("XP0384_1", 0, {{u"123", u"1234"}});
  expect_rule("XP0384_1", 61038401, {{u"12", u"1234"}, {u"   ", u"1234"}, {u"123", u"123a"}});
  expect_rule("XP0384_1", 61038401, {{u"123", u" 123"}});
}

TEST_F(Xp0200To0385Test, YearsOfDates) {
  set_today_for_testing({2026, 12, 6});
  expect_rules({
      {"XP0385_1", {u"01012009", u"2010", u"", u"", u"", u"", u"", u"", u""}, 0},
      {"XP0385_1", {u"01012010", u"2011", u"", u"", u"", u"", u"", u"", u""}, 61038501},
      {"XP0385_1", {u"", u" 2011", u"", u"", u"", u"", u"", u"", u"31122012"}, 61038501},
      {"XP0385_1", {u"", u"2011", u"31122011", u"", u"", u"", u"", u"", u"  "}, 0},
      {"XP0385_1", {u"", u"2011", u"3112201", u"", u"", u"", u"", u"", u""}, 61038501},
      {"XP0385_1", {u"", u"2026", u"3112201", u"", u"", u"", u"", u"", u""}, 0},  // today's year
      {"XP0385_2", {u"2010", u"01012009", u"31122010", u"", u"", u"", u"", u"", u""}, 0},
      {"XP0385_2", {u"2010", u"31122008", u"", u"", u"", u"", u"", u"", u""}, 61038502},
      {"XP0385_2", {u" 2010 ", u"", u"", u"", u"", u"", u"", u"", u"01012011"}, 61038502},
      {"XP0385_2", {u"2010", u"", u"", u"", u"", u"", u"", u"", u"x"}, 61038502},
      {"XP0385_2", {u"2011", u"31122008", u"", u"", u"", u"", u"", u"", u""}, 0},
  });
  set_today_for_testing({2010, 3, 1});
  expect_rule("XP0385_2", 0, {{u"2010", u"", u"", u"", u"", u"", u"", u"", u"x"}});
}

}  // namespace
}  // namespace olv
