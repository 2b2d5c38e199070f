// Bank account numbers at the exports: the form tests, the check digits, the free form.
#include "elements/bank_account.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "olvenir_p.h"
#include "tests/rule_fields.h"

namespace {

using olv::testing::expect_texts;
using olv::testing::utf8;
using S = std::u16string;

const S kNrb = u"39111122223333444455556666";  // check digits 39 are right
const S kBadNrb = u"00" + kNrb.substr(2);
const S kSpacedNrb = u"39 1111 2222 3333 4444 5555 6666";

TEST(BankAccountTest, FormTestsAndTheirWorkingCopy) {
  // A space too few, too many or inside a group fails both tests; trailing spaces are cut first.
  // The NRB window of " " + NRB loses the last digit; of 28 digits the country characters are not
  // examined; past position 32 nothing is compared; only spaces trail the account form.
  const std::tuple<bool, bool, std::vector<S>> groups[] = {
      {true, true, {kNrb, kSpacedNrb, u"12" + kNrb, kNrb + S(1000, u' ')}},
      {false,
       false,
       {u"39 11112222 3333 4444 5555 6666", u"39  1111 2222 3333 4444 5555 6666",
        u"39 1111 2222 3333 4444 5555 66 66", u"PL39 111122223333444455556666",
        S(1'000'000, u'7')}},
      {true, false, {u"PL" + kNrb, u"PL" + kSpacedNrb, u"PL39 1111 2222 3333 4444 5555 66 66"}},
      {false,
       true,
       {u" " + kNrb, kNrb.substr(1), u"PL39 1111 2222 3333 4444 5555 666A", kNrb + u"\t", u"",
        u"\xD800" + kNrb.substr(1)}},
  };
  for (const auto& [iban_or_nrb, nrb_form, texts] : groups) {
    for (const S& text : texts) {
      EXPECT_EQ(KVT_CzyRachBank_IBAN_lub_NRB(text.c_str()), iban_or_nrb) << utf8(text);
      EXPECT_EQ(KVT_CzyFormRachBank_NRB(text.c_str()), nrb_form) << utf8(text);
    }
  }
  EXPECT_FALSE(KVT_CzyRachBank_IBAN_lub_NRB(nullptr));
  EXPECT_TRUE(KVT_CzyFormRachBank_NRB(nullptr));
  // The working copy holds 39 units after what trails the number is cut; longer texts are false.
  S split = u"PL39 1111 2222 3333 4444 5555 66";
  EXPECT_TRUE(KVT_CzyRachBank_IBAN_lub_NRB((split + u"     66").c_str()));  // 39 units
  EXPECT_FALSE(KVT_CzyRachBank_IBAN_lub_NRB((split + u"      66").c_str()));
  EXPECT_TRUE(KVT_CzyFormRachBank_NRB((kSpacedNrb + u" note").c_str()));
  EXPECT_FALSE(KVT_CzyFormRachBank_NRB((kSpacedNrb + u" note and more").c_str()));
}

// MOD 97-10 computed digit by digit on the rearranged text, independently of the weights.
int independent_check(const S& digits) {
  int rem = 0;
  for (char16_t c : digits.substr(2) + u"2521" + digits.substr(0, 2)) {
    rem = (rem * 10 + (c - u'0')) % 97;
  }
  return rem == 1 ? 0 : 62000401;
}

TEST(BankAccountTest, CheckDigits) {
  std::mt19937 random(97);
  for (int n = 0; n < 2000; ++n) {
    S digits;
    for (int i = 0; i < 26; ++i) digits += static_cast<char16_t>(u'0' + random() % 10);
    EXPECT_EQ(TestNrRachBank(digits.data(), true), independent_check(digits)) << utf8(digits);
    // Trailing white space keeps the 26 digits alone in the window.
    S trailing = digits + u"\t ";
    EXPECT_EQ(TestNrRachBank(trailing.data(), true), independent_check(digits)) << utf8(trailing);
    // A leading space, '/' or ':' (the units next to the digits) leaves 25 digits in the window.
    for (char16_t near : {u' ', u'/', u':'}) {
      S broken = digits;
      broken[n % 26] = near;
      EXPECT_EQ(TestNrRachBank(broken.data(), true), 0) << utf8(broken);
    }
  }
  // Applies to exactly 26 digits within the trimmed length, whatever stands between them.
  for (S t : {kNrb, kSpacedNrb, u"PL" + kNrb, u"x" + kNrb + u"y", kBadNrb.substr(1), kBadNrb + u"1",
              u"  " + kBadNrb, S(), S(u"   "), S(1'000'000, u'7')}) {
    EXPECT_EQ(TestNrRachBank(t.data(), true), 0) << utf8(t);
  }
  EXPECT_EQ(TestNrRachBank(nullptr, true), 0);
  // Any non-zero byte is true.
  auto by_byte = reinterpret_cast<int (*)(char16_t*, unsigned char)>(
      reinterpret_cast<void (*)()>(&TestNrRachBank));
  S bad = kBadNrb;
  EXPECT_EQ(by_byte(bad.data(), 2), 62000401);
  EXPECT_EQ(by_byte(bad.data(), 0x80), 62000401);
  EXPECT_EQ(by_byte(bad.data(), 0), 0);
}

TEST(BankAccountTest, FreeForm) {
  expect_texts("NR_RACH_BANKOWEGO", f_KVTElemT_NR_RACH_BANKOWEGO, 0,
               {u"12345678", u"12-345678-AB/12", u"12-45678", u"12345678-x",
                u"12345678\u0104\u017B1", u"12345678" + S(1'000'000, u'a')});
  expect_texts("NR_RACH_BANKOWEGO", f_KVTElemT_NR_RACH_BANKOWEGO, 60007601,
               {u"1234567", u"12345678--", u"12345678.", u"12345678-/1", u"1234A678", u"1-345678",
                u"1234567-", u"12345678 1", u"12345678_1", u"12345678\xDC00", u""});
  EXPECT_EQ(f_KVTElemT_NR_RACH_BANKOWEGO(nullptr), 60007601);
}

}  // namespace
