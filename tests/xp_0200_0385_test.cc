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
  expect_rules({
      {"XP0211_1", {u"", u"1", u"1", u"1", u"1"}, 61021101},
      {"XP0211_1", {nullptr, nullptr, nullptr, nullptr, nullptr}, 61021101},
      {"XP0211_1", {u"0", u"", u"", u"", u""}, 0},
      {"XP0211_1", {u"2", u"", u"", u"", u""}, 61021101},
      {"XP0211_1", {u"-1", u" ", u"", u"", u""}, 61021101},
      {"XP0211_1", {u"2", u"", u"", u"", u"x"}, 0},
      {"XP0211_1", {u"0", u"", u"0", u"", u""}, 0},
      {"XP0211_1", {u"0", u"", u"-3", u"", u""}, 0},
      {"XP0211_1", {u"0", u"", u"", u"", u"3"}, 61021101},
      {"XP0211_1", {u"abc", u"", u"1", u"", u""}, 61021101},  // no digits read as 0
      {"XP0215_1", {u"1", u"1"}, 61021501},
      {"XP0215_1", {u" 5", u"2x"}, 61021501},
      {"XP0215_1", {u"0", u"1"}, 0},
      {"XP0215_1", {u"1", u"0"}, 0},
  });
}

TEST_F(Xp0200To0385Test, TitleCodeBeforeJuly2008) {
  expect_rules({
      {"XP0218_1", {u"0113", u"30062008"}, 61021801},
      {"XP0218_1", {u" 0213 ", u"01011999"}, 61021801},
      {"XP0218_1", {u"0113", u"01072008"}, 0},
      {"XP0218_1", {u"0113", u"01012009"}, 0},
      {"XP0218_1", {u"0513", u"31122008"}, 0},
      {"XP0218_1", {u"0513", u"30062009"}, 0},
      {"XP0218_1", {u"0513", u"31072007"}, 61021801},
      {"XP0218_1", {u"0113", u"31022008"}, 0},
      {"XP0218_1", {u"0114", u"30062008"}, 0},
  });
}

TEST_F(Xp0200To0385Test, PeriodsAndDates) {
  set_today_for_testing({2026, 12, 6});
  expect_rules({
      {"XP0219_1", {u"122007", u"01072008", u"0"}, 0},
      {"XP0219_1", {u"122007", u"01072008", u" 0 "}, 0},
      {"XP0219_1", {u"122007", u"01072008", u"00"}, 61021901},
      {"XP0219_1", {u"122007", u"01072008", u""}, 0},
      {"XP0219_1", {u"012008", u"01072008", u"00"}, 0},
      {"XP0219_1", {u"122007", u"30062008", u"1"}, 0},
      {"XP0219_1", {u"122007", u"", u"1"}, 61021901},  // an invalid date converts to today
      {"XP0219_1", {u"", u"01072008", u"1"}, 0},       // an invalid period to this month
      {"XP0220_2", {u"102006", u"1"}, 61022002},
      {"XP0220_2", {u"102006", u"-3"}, 61022002},
      {"XP0220_2", {u"092006", u"1"}, 0},
      {"XP0220_2", {u"102006", u"0"}, 0},
      {"XP0220_3", {u"122009", u"5", u"5", u"5", u"5"}, 0},
      {"XP0220_3", {u"012010", u"", u"", u"5", u""}, 61022001},
      {"XP0220_3", {u"012010", u"0", u"x", u"", u" "}, 0},
      {"XP0220_3", {u"", u"", u"", u"", u"-1"}, 61022001},
  });
  set_today_for_testing({2007, 5, 1});
  expect_rules({
      {"XP0219_1", {u"", u"01072008", u"1"}, 61021901},
      {"XP0220_2", {u"", u"1"}, 61022002},
      {"XP0220_3", {u"", u"1", u"", u"", u""}, 0},
  });
}

TEST_F(Xp0200To0385Test, PeselAndCitizenship) {
  expect_rules({
      {"XP0382_1", {u"", u""}, 61038201},
      {"XP0382_1", {nullptr, nullptr}, 61038201},
      {"XP0382_1", {u"44051401359", u""}, 0},
      {"XP0382_1", {u"44051401358", u" PL "}, 61038201},
      {"XP0382_1", {u"", u"POLKA"}, 61038201},
      {"XP0382_1", {u"", u"RP"}, 0},
      {"XP0382_1", {u"", u"NIEMIECKIE"}, 0},
      {"XP0382_1", {u"", u"polskie"}, 0},
  });
}

TEST_F(Xp0200To0385Test, DigitFields) {
  expect_rules({
      {"XP0384_1", {u"123", u"1234"}, 0},
      {"XP0384_1", {u"12", u"1234"}, 61038401},
      {"XP0384_1", {u"   ", u"1234"}, 61038401},
      {"XP0384_1", {u"123", u"123a"}, 61038401},
      {"XP0384_1", {u"123", u" 123"}, 61038401},
  });
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
  expect_rules({
      {"XP0385_2", {u"2010", u"", u"", u"", u"", u"", u"", u"", u"x"}, 0},
  });
}

}  // namespace
}  // namespace olv
