// Tests of the WD rules through the exports table.
#include <string>
#include <vector>

#include "olvenir_p.h"
#include "platform/runtime_names.h"
#include "tests/fake_service.h"
#include "tests/rule_fields.h"

namespace olv::testing {
namespace {

TEST(WdTest, RuleRows) {
  expect_rule_rows({
      // Character sets; WD0006_1 unlike the first-name validator.
      {"WD0006_1", 60006401, {u"Anna1"}, {u"Anna Maria", u"O'Hara", u"Anna-Maria", u"\u0141ucja"}},
      {"WD0009_1", 60006501, {u"Firma@"}, {u"Firma & Syn \"X\" s.c., A/B_C\\D-1"}},
      {"WD0009_2", 60006501, {u"Firma@"}, {u"O'Brien 2"}},
      {"WD0010_1", 60006601, {u"Nowak1", u"Nowak."}, {u"Nowak-Kowalska"}},
      {"WD0011_1", 60006503, {u"Firma1"}, {u"Firma (PL)."}},
      {"WD0020_1", 60003901, {u"12.5"}, {u"12 34", u"   "}},
      // Numbers.
      {"WD0005_1", 60006101, {u"1 2"}, {u" 123 ", u"   "}},
      {"WD0023_1", 60006201, {u"-1"}, {nullptr, u""}},
      // Only the first n units are examined: " 1" of " 1a", one space of "   1"; a tab is no
      // space of a number.
      {"WD0012_1", 60005901, {u"1 2", u"1A", u"\t12"}, {u"12   ", u" 12", u"   1", u" 1a"}},
      {"WD0012_2", 60005902, {u"1234", u" 1234"}, {u"01234"}},
      {"WD0013_1", 60006001, {u"x", u"XX"}, {u"X", u" 1 ", u" "}},
      // The flag of WD0017_2 is compared exactly. The telephone number is the element's, its x
      // outside the first n characters.
      {"WD0017_2", 60007602, {u"abc|1|"}, {u"abc|0|", u"abc| 1|"}},
      {"WD0018_1", 60007901, {u"22+123", u"(22)(33)", u"-22"}, {u"+48 22 123-45-67", u" 12 x"}},
      // Slashes and dashes; the last unit of "AB/ " is the space.
      {"WD0007_2", 60007501, {u"/AB", u"AB/", u"AB.1"}, {u"AB/12 3,4-5", u"AB/ "}},
      // A period; the e-mail address is the element's, cut to the first n characters.
      {"WD0003_1", 60006301, {u"011849", u"012051"}, {u"012024", u"122050"}},
      {"WD0003_1", 60005701, {u"132024"}, {}},
      {"WD0003_1", 60006201, {u"01202A", u"01 2024", u"012024 "}, {}},
      {"WD0004_1", 60005301, {u" a@b.pl", u"a@b..pl", u"a.@b.pl"}, {u"a@b.pl", u"a@b.pl  ", u""}},
      // The PESEL's digits are the element's; the rule adds its length.
      {"WD0015_1", 60005401, {u"44051401358", u"022508012311"}, {u"02250801231", u" "}},
  });
  expect_rule("WD0008_1", 0, {u"AB-12/3", u"-AB", u"\u0141\u00d3D\u0179-1"});
  expect_rule("WD0008_1", 60007701, {u"AB--1", u"AB/-1", u"AB-  "});
  // Before the first dash nothing is examined; in " A-1-" the last dash lies outside the first n.
  expect_rule("WD0008_2", 0, {u"AB-123", u"A.B-1-2", u"AB-12 ", u" A-1-"});
  expect_rule("WD0008_2", 60007702,
              {u"AB-000", u"AB--1", u"AB-CDE", u"000", u"ABC", u"AB-", u"AB-1.2"});
  // Identity numbers; the weighted sum of 1234500070 leaves 10.
  expect_rule("WD0014_1", 60005101, {u"1234563219", u"0000000000", u"1234500070", u"123-563218"});
  expect_rule("WD0014_1", 0, {u"1234563218"});
  expect_rule("WD0016_1", 0, {u"123456785", u"12345678512347"});
  expect_rule("WD0016_1", 60005201, {u"123456784", u"12345678512348", u"1234567850", u"12345678a"});
  // Bank account: the form alone, not the check digits; 41 leading spaces are no account number.
  expect_rule("WD0017_1", 0,
              {u"39111122223333444455556666|", u"00111122223333444455556666|x", u"     |", u"~|",
               u"                                         x|"});
  expect_rule("WD0017_1", 60007602,
              {u"3911112222333344445555666|", u"   x|", u"\t|",
               u"                                        x|"});
  // The dictionary service rule without a service.
  expect_rule("WD0007_1", -1, {u"abc"});
}

using WdServiceTest = ServiceFixture;

// The field reaches the service untouched; the low 32 bits of its answer are the result.
TEST_F(WdServiceTest, DictionaryServiceRuleAnswers) {
  fake_.state.rule_result = 0x0000000700000000 + 60005301;
  expect_rule("WD0007_1", 60005301, {u" a b "});
  fake_.state.rule_result = -1;
  expect_rule("WD0007_1", -1, {u""});
  ASSERT_EQ(calls().size(), 2u);
  EXPECT_EQ(calls()[0].operation, "CheckRule");
  EXPECT_EQ(calls()[0].texts, std::vector<std::u16string>{u" a b "});
  fake_.state.failure = E_FAIL;
  EXPECT_THROW(::WD0007_1(u"x"), olvenir_p::ServiceError);
}

}  // namespace
}  // namespace olv::testing
