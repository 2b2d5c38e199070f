// Tests of the GP, XU and ZF rules through the exports table.
#include "platform/clock.h"
#include "tests/rule_fields.h"

namespace olv::testing {
namespace {

// The rules that read today's date see 15 March 2024. GP0015_1 compares exactly, a null first
// field as empty; GP0004_1 does not apply to 25 digits; an invalid date converts to today, in 2024.
TEST(GpXuZfTest, RuleRows) {
  set_today_for_testing({2024, 3, 15});
  expect_rule_rows({
      {"GP0014_1", 60004301, {u"", nullptr}, {u"x"}},
      {"GP0039_1", 60004301, {u"0101202"}, {u" 01012024 "}},
      {"GP0039_2", 60004301, {u""}, {u" 01012024 "}},
      {"GP0003_1", 62000301, {u"16032024"}, {u"15032024", u"31022025"}},
      {"GP0040_2", 62004002, {u"31121998"}, {u"01011999", u"        "}},
      {"GP0040_3", 62004003, {u"30121998"}, {u"31121998", u"01011849"}},
      {"GP0040_4", 62004005, {u"01012009"}, {u"31122008", u"        "}},
      {"GP0040_5", 62004006, {u"31122008"}, {u"01012009", u"31022008"}},
      {"GP0013_2", 62001302, {u"15032024|15032024"}, {u"14032024|15032024", u"16032024|        "}},
      {"XU0005", 69000501, {u"A| A |D", u"A|A| X "}, {u"A|A| x", u"A|A|P", u"A|B|D", u" ||D"}},
      {"XU0006", 69000601, {u"A|A|P"}, {u"a|A|P"}},
      {"ZF0001_2", 66000102, {u"0.01|", u"1|0.0", u"1|abc", u"1|~"}, {u"1|0.001", u"|", u"-5|0"}},
  });
  expect_rule("GP0015_1", 62001502, {u" S|", u"s|", u"   |~", u"X|\t"});
  expect_rule("GP0015_1", 0, {u"S|", u"M|~", u"X|1", u"~|", u"|", u"SM| 1 "});
  expect_rule("GP0004_1", 0,
              {u"39111122223333444455556666", u"39 1111 2222 3333 4444 5555 6666",
               u"PL39111122223333444455556666", u"3911112222333344445555666"});
  expect_rule("GP0004_1", 62000401, {u"39111122223333444455556667"});
  expect_rule("GP0005_1", 0, {u"39111122223333444455556666", u"3911112222333344445555666"});
  expect_rule("GP0005_1", 62000501, {u"39 11112222333344445555 6666"});
  expect_rule("GP0002_2", 0, {u"15032024|15032024", u"        |15032024", u"32032024|15032024"});
  expect_rule("GP0002_2", 62000202, {u"16032024|15032024"});
  expect_rule("GP0009_1", 0,
              {u"08072002|02270801233", u"08072002|022708", u"08072002|02270",
               u"15011884|84811501239", u"31022002|02270801233"});
  expect_rule("GP0009_1", 62000901, {u"09072002|02270801233", u"        |02270801233"});
  set_today_for_testing({2008, 6, 1});
  expect_rule("GP0040_5", 62004006, {u"31022008"});
  clear_today_for_testing();
}

}  // namespace
}  // namespace olv::testing
