// The identity-number validators at the exports: PESEL, REGON, NIP, NUSP, cards, passports.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "olvenir_p.h"
#include "tests/rule_fields.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;
using S = std::u16string;

using olv::testing::expect_texts;

// A PESEL with the check digit computed independently of the library.
S pesel(const char* first_ten) {
  static const int kWeights[] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
  int sum = 0;
  for (int i = 0; i < 10; ++i) sum += kWeights[i] * (first_ten[i] - '0');
  S out(first_ten, first_ten + 10);
  out += static_cast<char16_t>(u'0' + (10 - sum % 10) % 10);
  return out;
}

// PESEL: month fields 27 (2002) and 81 (1884); 29 February 2024 and 2000 but not 2023 and 1900;
// 1850 but not 1849; 2050 but not 2051, nor 2102; 30 February; positions 7-10 adding up to 0.
TEST(IdentityTest, EachNumberAndCard) {
  expect_texts(
      "PESEL", f_KVTElemT_PESEL, 0,
      {u"44051401359", u"44051401359 ", u"440514013599", pesel("0227080001"), pesel("8481150001"),
       pesel("2422290001"), pesel("0022290001"), pesel("5081010001"), pesel("5032010001")});
  expect_texts("PESEL", f_KVTElemT_PESEL, 60005401,
               {u"44051401350", u" 4405140135", u"4405140135", u"", u"           ",
                pesel("2322290001"), pesel("0002290001"), pesel("4981010001"), pesel("5132010001"),
                pesel("0241010001"), pesel("4413010001"), pesel("4420010001"), pesel("4440010001"),
                pesel("4493010001"), pesel("4402300001"), pesel("4405140000")});
  expect_texts("PESEL", f_KVTElemT_PESEL, 60005901, {u"4405140135A", u"440514 0135"});
  // REGON.
  expect_texts("REGON", f_KVTElemT_REGON, 0,
               {u"123456785", u"         ", u"12345678512347", u"000000000", u"100000050"});
  expect_texts("REGON", f_KVTElemT_REGON, 60005201,
               {u"123456786", u"", u"1234567890", u"12345678512348", u"12345678612347",
                u"12345678 ", u"100000051"});  // remainder 10 checks as 0
  expect_texts("REGON", f_KVTElemT_REGON, 60005901, {u"12345678A"});
  // NIP: the weighted sum of 1000000000 modulo 11 is 6.
  expect_texts("NIP", f_KVTElemT_NIP, 0, {u"1234563218", u"0000000000 ", u"", u"12345632189"});
  expect_texts("NIP", f_KVTElemT_NIP, 60005101,
               {u"1234563219", u"0000000000", u"123456321", u"1000000000"});
  expect_texts("NIP", f_KVTElemT_NIP, 60005901, {u"123-456-32-18"});
  // NUSP: the first sum fails in the first three (for 1234567890 it is 1+14+9+20+35+18+35+56+27 =
  // 215, 5, not 0); 0100000007 holds it and fails the second.
  expect_texts("NUSP", f_KVTElemT_NUSP, 1, {u"123456789", u"12345678901", u""});
  expect_texts("NUSP", f_KVTElemT_NUSP, 60005001,
               {u"1234567890", u"3000000001", u"1246813578", u"0100000007"});
  expect_texts("NUSP", f_KVTElemT_NUSP, 0, {u"0000000000", u"A000000000", u"1246813577"});
  // Identity cards.
  expect_texts("DOWOD_NOWY_I_STARY", f_KVTElemT_DOWOD_NOWY_I_STARY, 0,
               {u"ABC123456", u"AB1234567", u"ĄŁ#123456"});
  expect_texts("DOWOD_NOWY_I_STARY", f_KVTElemT_DOWOD_NOWY_I_STARY, 61002201,
               {u"aBC123456", u"AbC123456", u"ABc123456", u"AB 123456", u"ABC12345", u"ABC1234567",
                u"1BC123456", u"ABC12345X"});
  expect_texts("DOWOD_NOWY", f_KVTElemT_DOWOD_NOWY, {{u"ABC123456", 0}, {u"AB1234567", 61002201}});
  expect_texts("DOWOD_STARY", f_KVTElemT_DOWOD_STARY,
               {{u"AB1234567", 0}, {u"ABC123456", 61002201}});
  // Passport.
  expect_texts("PASZPORT", f_KVTElemT_PASZPORT, 0, {u"", u"EA1234567", u"ŻA12"});
  expect_texts("PASZPORT", f_KVTElemT_PASZPORT, 60007301, {u"EA 123", u"EA-1"});
  const std::tuple<S, S, int> rows[] = {{u"1", u"ABC123456", 0},          {u"1", u"abc", 61002201},
                                        {u"2", u"EA 1", 60007301},        {u"P", u"44051401359", 0},
                                        {u"P", u"4405140135x", 60005901}, {u"N", u"1234563218", 0},
                                        {u"N", u"1234563219", 60005101},  {u"p", u"44051401359", 1},
                                        {u"1 ", u"ABC123456", 1},         {u"", u"", 1},
                                        {u"R", u"123456785", 1}};
  for (auto [type, id, want] : rows) {
    EXPECT_EQ(f_KVTTypAndIdentyfikator(type.data(), id.data()), want)
        << utf8(type) << ", " << utf8(id);
  }
}

// The verdicts computed independently of the library. REGON: both sums modulo 11, 10 as 0. NIP:
// the sum modulo 11 is the tenth digit, and ten zeros fail.
int regon_verdict(const S& digits) {
  static const int k9[] = {8, 9, 2, 3, 4, 5, 6, 7};
  static const int k14[] = {2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8};
  auto check = [&](const int* weights, std::size_t n) {
    int sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += weights[i] * (digits[i] - u'0');
    return sum % 11 % 10 == digits[n] - u'0';
  };
  bool valid = check(k9, 8) && (digits.size() == 9 || check(k14, 13));
  return valid ? 0 : 60005201;
}

int nip_verdict(const S& nip) {
  static const int kWeights[] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
  int sum = 0;
  for (int i = 0; i < 9; ++i) sum += kWeights[i] * (nip[i] - u'0');
  return nip != u"0000000000" && sum % 11 == nip[9] - u'0' ? 0 : 60005101;
}

// Random numbers, half of them given the check digits that pass where some do (each check
// position in turn), and every run of nine zeros, against the verdicts.
TEST(IdentityTest, RegonAndNipOfDigitsAgreeWithTheRules) {
  using Verdict = int (*)(const S&);
  const std::tuple<int (*)(char16_t*), Verdict, std::size_t, std::vector<std::size_t>> kinds[] = {
      {f_KVTElemT_REGON, regon_verdict, 9, {9}},
      {f_KVTElemT_REGON, regon_verdict, 14, {9, 14}},
      {f_KVTElemT_NIP, nip_verdict, 10, {10}}};
  std::mt19937 random(12345);
  for (const auto& [check, verdict, units, ends] : kinds) {
    for (int n = 0; n < 20000; ++n) {
      S text;
      for (std::size_t i = 0; i < units; ++i) text += static_cast<char16_t>(u'0' + random() % 10);
      for (std::size_t end : ends) {
        for (char16_t c = u'0'; n % 2 == 0 && c <= u'9' && verdict(text.substr(0, end)) != 0; ++c) {
          text[end - 1] = c;
        }
      }
      ASSERT_EQ(check(text.data()), verdict(text)) << utf8(text);
    }
  }
  for (char16_t tenth = u'0'; tenth <= u'9'; ++tenth) {
    S nip = S(u"000000000") + tenth;
    ASSERT_EQ(f_KVTElemT_NIP(nip.data()), nip_verdict(nip)) << utf8(nip);
  }
}

}  // namespace
