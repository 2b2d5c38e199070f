// Tests of the WD rules through the exports table.
#include <string>
#include <vector>

#include "olvenir_p.h"
#include "platform/runtime_names.h"
#include "tests/fake_service.h"
#include "tests/test_support.h"

namespace olv {
namespace {

using testing::expect_rules;

TEST(WdTest, CharacterSets) {
  expect_rules({
      {"WD0006_1", {u"Anna Maria"}, 0},
      {"WD0006_1", {u"O'Hara"}, 0},
      {"WD0006_1", {u"Anna-Maria"}, 0},  // unlike the first-name validator
      {"WD0006_1", {u"\u0141ucja"}, 0},
      {"WD0006_1", {u"Anna1"}, 60006401},
      {"WD0009_1", {u"Firma & Syn \"X\" s.c., A/B_C\\D-1"}, 0},
      {"WD0009_1", {u"Firma@"}, 60006501},
      {"WD0009_2", {u"O'Brien 2"}, 0},
      {"WD0009_2", {u"Firma@"}, 60006501},
      {"WD0010_1", {u"Nowak-Kowalska"}, 0},
      {"WD0010_1", {u"Nowak1"}, 60006601},
      {"WD0010_1", {u"Nowak."}, 60006601},
      {"WD0011_1", {u"Firma (PL)."}, 0},
      {"WD0011_1", {u"Firma1"}, 60006503},
      {"WD0020_1", {u"12 34"}, 0},
      {"WD0020_1", {u"12.5"}, 60003901},
      {"WD0020_1", {u"   "}, 0},
  });
}

TEST(WdTest, Numbers) {
  expect_rules({
      {"WD0005_1", {u" 123 "}, 0},
      {"WD0005_1", {u"1 2"}, 60006101},
      {"WD0005_1", {u"   "}, 0},
      {"WD0023_1", {nullptr}, 0},
      {"WD0023_1", {u""}, 0},
      {"WD0023_1", {u"-1"}, 60006201},
      {"WD0012_1", {u"12   "}, 0},
      {"WD0012_1", {u" 12"}, 0},   // examined: the space and 1
      {"WD0012_1", {u"   1"}, 0},  // examined: one space
      {"WD0012_1", {u" 1a"}, 0},   // examined: the space and 1
      {"WD0012_1", {u"1 2"}, 60005901},
      {"WD0012_1", {u"1A"}, 60005901},
      {"WD0012_1", {u"\t12"}, 60005901},  // a tab is no space of a number
      {"WD0012_2", {u"01234"}, 0},
      {"WD0012_2", {u"1234"}, 60005902},
      {"WD0012_2", {u" 1234"}, 60005902},
      {"WD0013_1", {u"X"}, 0},
      {"WD0013_1", {u" 1 "}, 0},
      {"WD0013_1", {u"x"}, 60006001},
      {"WD0013_1", {u"XX"}, 60006001},
      {"WD0013_1", {u" "}, 0},
  });
}

TEST(WdTest, Period) {
  expect_rules({
      {"WD0003_1", {u"012024"}, 0},
      {"WD0003_1", {u"132024"}, 60005701},
      {"WD0003_1", {u"011849"}, 60006301},
      {"WD0003_1", {u"122050"}, 0},
      {"WD0003_1", {u"012051"}, 60006301},
      {"WD0003_1", {u"01202A"}, 60006201},
      {"WD0003_1", {u"01 2024"}, 60006201},
      {"WD0003_1", {u"012024 "}, 60006201},
  });
}

TEST(WdTest, EmailAddress) {
  expect_rules({
      {"WD0004_1", {u"a@b.pl"}, 0},
      {"WD0004_1", {u"a_1-x@b"}, 0},
      {"WD0004_1", {u"a@b.pl  "}, 0},
      {"WD0004_1", {u" a@b.pl"}, 60005301},
      {"WD0004_1", {u"a@b..pl"}, 60005301},
      {"WD0004_1", {u"a.@b.pl"}, 60005301},
      {"WD0004_1", {u"a@.pl"}, 60005301},
      {"WD0004_1", {u"a@b@c.pl"}, 60005301},
      {"WD0004_1", {u"a@b.pl."}, 60005301},
      {"WD0004_1", {u"a@"}, 60005301},
      {"WD0004_1", {u"\u0105@b.pl"}, 60005301},
  });
}

TEST(WdTest, SlashesAndDashes) {
  expect_rules({
      {"WD0007_2", {u"AB/12 3,4-5"}, 0},
      {"WD0007_2", {u"/AB"}, 60007501},
      {"WD0007_2", {u"AB/"}, 60007501},
      {"WD0007_2", {u"AB/ "}, 0},  // the last unit is the space
      {"WD0007_2", {u"AB.1"}, 60007501},
      {"WD0008_1", {u"AB-12/3"}, 0},
      {"WD0008_1", {u"-AB"}, 0},
      {"WD0008_1", {u"\u0141\u00d3D\u0179-1"}, 0},
      {"WD0008_1", {u"AB--1"}, 60007701},
      {"WD0008_1", {u"AB/-1"}, 60007701},
      {"WD0008_1", {u"AB-  "}, 60007701},
      {"WD0008_2", {u"AB-123"}, 0},
      {"WD0008_2", {u"A.B-1-2"}, 0},  // before the first dash nothing is examined
      {"WD0008_2", {u"AB-12 "}, 0},
      {"WD0008_2", {u" A-1-"}, 0},  // the last dash lies outside the first n characters
      {"WD0008_2", {u"AB-000"}, 60007702},
      {"WD0008_2", {u"AB--1"}, 60007702},
      {"WD0008_2", {u"AB-CDE"}, 60007702},
      {"WD0008_2", {u"000"}, 60007702},
      {"WD0008_2", {u"ABC"}, 60007702},
      {"WD0008_2", {u"AB-"}, 60007702},
      {"WD0008_2", {u"AB-1.2"}, 60007702},
  });
}

TEST(WdTest, IdentityNumbers) {
  expect_rules({
      {"WD0014_1", {u"1234563218"}, 0},
      {"WD0014_1", {u"1234563219"}, 60005101},
      {"WD0014_1", {u"0000000000"}, 60005101},
      {"WD0014_1", {u"1234500070"}, 60005101},  // weighted sum leaves 10
      {"WD0014_1", {u"123-563218"}, 60005101},
      {"WD0015_1", {u"02250801231"}, 0},  // May 2002
      {"WD0015_1", {u"50811501234"}, 0},  // January 1850
      {"WD0015_1", {u"44051401358"}, 60005401},
      {"WD0015_1", {u"02130801236"}, 60005401},
      {"WD0015_1", {u"02930101231"}, 60005401},
      {"WD0015_1", {u"49811501238"}, 60005401},  // 1849 is out of range
      {"WD0015_1", {u"02222901233"}, 60005401},  // 29 February 2002
      {"WD0015_1", {u"04222901237"}, 0},
      {"WD0015_1", {u"90010100009"}, 60005401},  // serial 0000
      {"WD0015_1", {u"0225080123"}, 60005401},
      {"WD0016_1", {u"123456785"}, 0},
      {"WD0016_1", {u"123456784"}, 60005201},
      {"WD0016_1", {u"12345678512347"}, 0},
      {"WD0016_1", {u"12345678512348"}, 60005201},
      {"WD0016_1", {u"1234567850"}, 60005201},
      {"WD0016_1", {u"12345678a"}, 60005201},
  });
}

TEST(WdTest, BankAccount) {
  expect_rules({
      {"WD0017_1", {u"39111122223333444455556666", u""}, 0},
      {"WD0017_1", {u"PL39111122223333444455556666", u"x"}, 0},
      {"WD0017_1", {u"3911112222333344445555666", u""}, 60007602},
      {"WD0017_1", {u"     ", u""}, 0},
      {"WD0017_1", {u"                                         x", u""}, 0},  // 41 spaces
      {"WD0017_1", {u"   x", u""}, 60007602},
      {"WD0017_2", {u"abc", u"1", u""}, 60007602},
      {"WD0017_2", {u"abc", u"0", u""}, 0},
      {"WD0017_2", {u"abc", u" 1", u""}, 0},  // the flag is compared exactly
  });
}

TEST(WdTest, TelephoneNumber) {
  expect_rules({
      {"WD0018_1", {u"+48 22 123-45-67"}, 0},
      {"WD0018_1", {u"(22) 1234567"}, 0},
      {"WD0018_1", {u"(2)-3"}, 0},
      {"WD0018_1", {u" 12 x"}, 0},  // the x lies outside the first n characters
      {"WD0018_1", {u"22+123"}, 60007901},
      {"WD0018_1", {u"() 123"}, 60007901},
      {"WD0018_1", {u"( ) 123"}, 60007901},
      {"WD0018_1", {u"(22 123"}, 60007901},
      {"WD0018_1", {u")22( 1"}, 60007901},
      {"WD0018_1", {u"(22)(33)"}, 60007901},
      {"WD0018_1", {u"22 - 123"}, 60007901},
      {"WD0018_1", {u"123-"}, 60007901},
      {"WD0018_1", {u"-22"}, 60007901},
  });
}

TEST(WdTest, DictionaryServiceRuleWithoutService) { expect_rules({{"WD0007_1", {u"abc"}, -1}}); }

using WdServiceTest = testing::ServiceFixture;

// The field reaches the service untouched; the low 32 bits of its answer are the result.
TEST_F(WdServiceTest, DictionaryServiceRuleAnswers) {
  fake_.state.rule_result = 0x0000000700000000 + 60005301;
  expect_rules({{"WD0007_1", {u" a b "}, 60005301}});
  fake_.state.rule_result = -1;
  expect_rules({{"WD0007_1", {u""}, -1}});
  ASSERT_EQ(calls().size(), 2u);
  EXPECT_EQ(calls()[0].operation, "CheckRule");
  EXPECT_EQ(calls()[0].texts, std::vector<std::u16string>{u" a b "});
  fake_.state.failure = E_FAIL;
  EXPECT_THROW(::WD0007_1(u"x"), olvenir_p::ServiceError);
}

}  // namespace
}  // namespace olv
