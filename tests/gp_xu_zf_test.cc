// Tests of the GP, XU and ZF rules through the exports table.
#include "platform/clock.h"
#include "tests/rule_fields.h"
#include "tests/test_support.h"

namespace olv {
namespace {

using testing::expect_rule;
using testing::expect_rules;

// The rules that read today's date see 15 March 2024.
class GpXuZfTest : public ::testing::Test {
 protected:
  void SetUp() override { set_today_for_testing({2024, 3, 15}); }
  void TearDown() override { clear_today_for_testing(); }
};

TEST_F(GpXuZfTest, PresenceAndLength) {
  expect_rule("GP0014_1", 60004301, {u"", nullptr});
  expect_rule("GP0014_1", 0, {u"x"});
  expect_rule("GP0039_1", 0, {u" 01012024 "});
  expect_rule("GP0039_1", 60004301, {u"0101202"});
  expect_rule("GP0039_2", 0, {u" 01012024 "});
  expect_rule("GP0039_2", 60004301, {u""});
  expect_rules({
      {"GP0015_1", {u"S", u""}, 0},
      {"GP0015_1", {u"M", u"  "}, 0},
      {"GP0015_1", {u" S", u""}, 62001502},  // compared exactly
      {"GP0015_1", {u"   ", u""}, 62001502},
      {"GP0015_1", {u"X", u"1"}, 0},
      {"GP0015_1", {nullptr, u""}, 0},
  });
}

TEST_F(GpXuZfTest, BankAccounts) {
  expect_rule("GP0004_1", 0,
              {u"39111122223333444455556666", u"39 1111 2222 3333 4444 5555 6666",
               u"PL39111122223333444455556666",
               u"3911112222333344445555666"});  // 25 digits: the test does not apply
  expect_rule("GP0004_1", 62000401, {u"39111122223333444455556667"});
  expect_rule("GP0005_1", 0, {u"39111122223333444455556666", u"3911112222333344445555666"});
  expect_rule("GP0005_1", 62000501, {u"39 11112222333344445555 6666"});
}

TEST_F(GpXuZfTest, DatesAgainstLimitsAndToday) {
  expect_rule("GP0003_1", 62000301, {u"16032024"});
  expect_rule("GP0003_1", 0, {u"15032024", u"31022025"});
  expect_rule("GP0040_2", 0, {u"01011999", u"        "});
  expect_rule("GP0040_2", 62004002, {u"31121998"});
  expect_rule("GP0040_3", 0, {u"31121998", u"01011849"});
  expect_rule("GP0040_3", 62004003, {u"30121998"});
  expect_rule("GP0040_4", 0, {u"31122008", u"        "});
  expect_rule("GP0040_4", 62004005, {u"01012009"});
  expect_rule("GP0040_5", 62004006, {u"31122008"});
  expect_rule("GP0040_5", 0, {u"01012009", u"31022008"});  // converts to today, 2024
  set_today_for_testing({2008, 6, 1});
  expect_rule("GP0040_5", 62004006, {u"31022008"});
}

TEST_F(GpXuZfTest, TwoDates) {
  expect_rules({
      {"GP0002_2", {u"15032024", u"15032024"}, 0},
      {"GP0002_2", {u"16032024", u"15032024"}, 62000202},
      {"GP0002_2", {u"        ", u"15032024"}, 0},
      {"GP0002_2", {u"32032024", u"15032024"}, 0},
      {"GP0013_2", {u"15032024", u"15032024"}, 62001302},
      {"GP0013_2", {u"14032024", u"15032024"}, 0},
      {"GP0013_2", {u"16032024", u"        "}, 0},
  });
}

TEST_F(GpXuZfTest, BirthDateInPesel) {
  expect_rules({
      {"GP0009_1", {u"08072002", u"02270801233"}, 0},
      {"GP0009_1", {u"09072002", u"02270801233"}, 62000901},
      {"GP0009_1", {u"08072002", u"022708"}, 0},
      {"GP0009_1", {u"08072002", u"02270"}, 0},
      {"GP0009_1", {u"15011884", u"84811501239"}, 0},
      {"GP0009_1", {u"        ", u"02270801233"}, 62000901},
      {"GP0009_1", {u"31022002", u"02270801233"}, 0},
  });
}

TEST_F(GpXuZfTest, EqualPairWithQualifyingCode) {
  expect_rules({
      {"XU0005", {u"A", u" A ", u"D"}, 69000501},
      {"XU0005", {u"A", u"A", u" X "}, 69000501},
      {"XU0005", {u"A", u"A", u" x"}, 0},
      {"XU0005", {u"A", u"A", u"P"}, 0},
      {"XU0005", {u"A", u"B", u"D"}, 0},
      {"XU0005", {u" ", u"", u"D"}, 0},
      {"XU0006", {u"A", u"A", u"P"}, 69000601},
      {"XU0006", {u"a", u"A", u"P"}, 0},
  });
}

TEST_F(GpXuZfTest, Amounts) {
  expect_rules({
      {"ZF0001_2", {u"0.01", u""}, 66000102},
      {"ZF0001_2", {u"1", u"0.0"}, 66000102},
      {"ZF0001_2", {u"1", u"abc"}, 66000102},
      {"ZF0001_2", {u"1", nullptr}, 66000102},
      {"ZF0001_2", {u"1", u"0.001"}, 0},
      {"ZF0001_2", {u"", u""}, 0},
      {"ZF0001_2", {u"-5", u"0"}, 0},
  });
}

}  // namespace
}  // namespace olv
