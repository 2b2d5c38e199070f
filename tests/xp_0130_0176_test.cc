// Tests of the XP rules 0130 to 0176 through the exports table, with a fake dictionary service
// and with none registered (code checks then rest on their local format tests, lookups give "-1").
#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

#include "calls/calls.h"
#include "tests/fake_service.h"
#include "tests/rule_fields.h"

namespace olv::testing {
namespace {

// The 18 fields of XP0149_10 and XP0149_11: p1, p2, "a" in the fields numbered, spaces elsewhere.
std::vector<const char16_t*> fields(const char16_t* p1, const char16_t* p2,
                                    std::initializer_list<int> filled) {
  std::vector<const char16_t*> ps(18, u" ");
  ps[0] = p1;
  ps[1] = p2;
  for (int k : filled) ps[k - 1] = u"a";
  return ps;
}

TEST(Xp0130To0176Test, RuleRows) {
  // Required fields; codes failing their dictionary format. A code goes to its check untrimmed;
  // XP0138_1 is guarded by its first character alone, XP0162_2 by a trimmed length of 3; XP0159_2
  // needs only two digits first; spaces alone are still checked in XP0163_2.
  expect_rule("XP0149_4", 61014902, {u"  "});
  expect_rule("XP0165_2", 61016501, {u"1a|01012005"});
  expect_rule_rows({
      {"XP0131_1", 61013101, {u"", u" \t ", nullptr}, {u"x"}},
      {"XP0130_1", 61013001, {u"1a", u" 12"}, {u"12", u"   "}},
      {"XP0138_1", 61013801, {u"0A"}, {u"01", u"A1", u" 0A", nullptr}},
      {"XP0138_2", 61013802, {u"1 "}, {u""}},
      {"XP0159_2", 61015902, {u"1X"}, {u"12X", u" "}},
      {"XP0162_2", 61016201, {u"12A|", u" 12A |052004"}, {u"123|", u"12A4|"}},
      {"XP0163_2", 61016301, {u" |"}, {u"|", u"12|31022024"}},
      {"XP0164_2", 61016401, {u"1a|"}, {u" |"}},
      {"XP0175_1", 61017501, {u"1 2|"}, {u"\t|"}},
      {"XP0167_1", 61016703, {u"1a|31122004"}, {u"12|01012005", u"|01012005"}},
      // First characters: the untouched first one counts.
      {"XP0136_1", 61013601, {u" A", u"a"}, {u"A", u"0", u""}},
      // Digit forms: "-1" is read with its sign, "1A" as 1.
      {"XP0150_2", 60008101, {u"00", u"1", u" 1", u"100"}, {u"99", u"  "}},
      {"XP0157_1", 61015103, {u"00", u"13AB", u"-1"}, {u"07", u"1A", u"1 2", u" 13", u"1"}},
      {"XP0161_1", 61016101, {u"AB ", u" ABC", u"A B", u""}, {u"ABC", u"ABC  "}},
      {"XP0149_12", 61014912, {u"x|a| |c"}, {u"x|a|b|c", u"|||"}},
      {"XP0134_4", 61013404, {u"1|1a|", u"1||"}, {u"1|1a| ", u"1 |1a|", u"1|11|"}},
  });
  expect_rule("XP0148_1", 60004101, {u"1|123456", u"  |123456", u"1a|123456", u"12|12345 "});
  expect_rule("XP0148_1", 0, {u"12|123456"});
  // "1x" reads as 1; "A12345 " has seven units, six once trimmed; characters 6 and 7 of
  // "A     01" are " 0".
  expect_rule("XP0137_1", 0, {u"A000001", u"A00001x", u"D12", u" A12", nullptr});
  expect_rule("XP0137_1", 61013701, {u"A000000", u"A000048", u"A12", u"A12345 ", u"A     01"});
  expect_rule("XP0156_5", 61015605,
              {u"01 0|0|0", u" 0110|0|0", u"0110|0 |0", u"011|0|0", u"011A|0|0", u"0110|0|"});
  expect_rule("XP0156_5", 0, {u"0110|0|0"});
  // Citizenship text: the full forms compare trimmed, the five-character prefixes on the untouched
  // text; "RZEC" is shorter than a prefix.
  expect_rule("XP0176_1", 0,
              {u"POLSKA", u"POLKA ", u"RZEC", u" POLSKI", u"polski", u"P L", u"NIEMCY", u""});
  expect_rule("XP0176_1", 61017601, {u"POLSKI", u"POLAND", u" PL ", u"RZECZPOSPOLITA", u"POLO"});
  // Kinship codes with no service: the lookup answers "-1", not a household member, a disability
  // degree column that is not empty and begins with '-'. 26 on the day counts; p1 is exactly "1".
  expect_rule("XP0132_2", 0, {u"1|11|"});
  expect_rule("XP0134_2", 61013401, {u"1|11|15032016|15031990|X", u"1|11|16032016|15031990|"});
  expect_rule(
      "XP0134_2", 0,
      {u"1|11|15032016|15031990|-", u"1|11|14032016|15031990|X", u" 1|11|15032016|15031990|X",
       u"1|111|15032016|15031990|X", u"1|11|15032016|32031990|X", u"1|11||15031990|X"});
  expect_rule("XP0134_3", 61013403, {u"1|11|14032016|15031990|"});
  expect_rule(
      "XP0134_3", 0,
      {u"1|11|14032016|15031990| ", u"1|11|15032016|15031990|", u"1|1a|14032016|15031990|"});
  // Title key against a period: the title code and its key are joined, then cut to five; a month
  // of 13 is not before, nor is a blank title code.
  expect_rule("XP0147_1", 61014701,
              {u"0121|1|092003", u"0123|1|012003", u"0121|1|091901", u"0120|1|", u"012|01|102003",
               u"01201|9|102003"});
  expect_rule("XP0147_1", 0,
              {u"0121|1|102003", u"0121|1|132003", u"0121|1|091900", u"0121|1|", u"0120 |1|102003",
               u"0120|0|092003", u" |01201|092003"});
  // Title key against dates; the day before 1 October is 30 September, and the fallback's too.
  expect_rule("XP0147_3", 61014701,
              {u"||||||0120|1", u"30092003||||||0121|1", u"01102003|||||15082003|0122|1"});
  expect_rule("XP0147_3", 0,
              {u"||||||0121|1", u"01102003|||||15082003|0131|1", u"01102003|32092003|||||0121|1"});
  expect_rule("XP0147_5", 61014701, {u"01102003|0121|1", u"|0121|1", u"01012004|0120|1"});
  expect_rule("XP0147_5", 0, {u"02102003|0121|1", u"01012004|0121|1"});
  // Groups that must be complete; p15 leads group 1.
  expect_rule("XP0149_10", 61014910,
              {fields(u"x", u"", {3, 4, 5, 15}), fields(u"x", u"y", {3, 4, 5, 16, 17, 18})});
  expect_rule("XP0149_10", 0,
              {fields(u"", u"", {}), fields(u"x", u"y", {3, 4, 5, 15}),
               fields(u"x", u"y", {12, 13, 14, 18})});
  expect_rule("XP0149_11", 0, {fields(u"x", u"", {}), fields(u"x", u"y", {15, 16, 17, 18})});
  expect_rule("XP0149_11", 61014911, {fields(u"x", u"y", {3, 4, 5, 7, 8, 10})});
}

using Xp0130To0176ServiceTest = ServiceFixture;

TEST_F(Xp0130To0176ServiceTest, WithTheDictionary) {
  fake_.state.codes = {u"12", u"123"};
  expect_rule("XP0138_1", 61013801, {u"01"});
  expect_rule("XP0159_2", 0, {u"12"});
  expect_rule("XP0162_2", 61016201, {u"124|"});
  expect_rule("XP0175_1", 0, {u"123|"});
  // Kinship rows by code: "11" lives in the household, "21" has an empty degree column, "22" and
  // "23" the degrees 2 and space; "99" has no row.
  fake_.state.answers = {{u"11", u"1"}, {u"12", u"0"}, {u"21", u""}, {u"22", u"2"}, {u"23", u" "}};
  expect_rule("XP0134_2", 61013401, {u"1|22|15032016|15031990|3", u"1|23|15032016|15031990|3"});
  expect_rule("XP0134_2", 0, {u"1|22|15032016|15031990|2", u"1|21|15032016|15031990|3"});
  expect_rule_rows({
      {"XP0132_2", 61013201, {u"1|11|", u" 1 |11| "}, {u"1|12|"}},
      {"XP0130_1", 61013001, {u"13"}, {u"12"}},
      {"XP0134_3", 61013403, {u"1|22|14032016|15031990|"}, {u"1|21|14032016|15031990|"}},
      {"XP0134_4", 61013404, {u"1|21|", u"1|99|"}, {u"1|22|", u"1|23|"}},
  });
  // The dictionary number and the dictionary date each rule's code check goes with.
  const std::tuple<const char*, int, std::vector<std::pair<const char16_t*, int>>> cases[] = {
      {"XP0130_1", 10006, {{u"1", 0}}},
      {"XP0138_1", 10010, {{u"0", 0}}},
      {"XP0138_2", 10049, {{u"1", 0}}},
      {"XP0159_2", 10005, {{u"12", 0}}},
      {"XP0162_2", 10019, {{u"123|052004", 200405}, {u"123|132004", 200310}}},
      {"XP0163_2", 10009, {{u"1|15032024", 20240315}, {u"1|", 20050101}}},
      {"XP0164_2", 10008, {{u"1|31022024", 20050101}}},
      {"XP0165_2", 10012, {{u"1|15032024", 20240315}}},
      {"XP0175_1", 10013, {{u"1|  ", 20050101}}},
      {"XP0167_1", 10004, {{u"1|01012005", 20050101}, {u"1|31122004", 0}}},
  };
  std::vector<std::u16string> store;
  for (const auto& [rule, number, dates] : cases) {
    for (auto [call, date] : dates) {
      call_rule(*find_export(rule), call_fields(call, store).data());
      ASSERT_FALSE(calls().empty()) << rule;
      EXPECT_EQ(calls().back().number, number) << rule;
      EXPECT_EQ(calls().back().date, date) << rule << "(\"" << utf8(call) << "\")";
    }
  }
}

}  // namespace
}  // namespace olv::testing
