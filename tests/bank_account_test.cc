// Bank account numbers at the exports: the form tests, the check digits, the free form.
#include "elements/bank_account.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "olvenir_p.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;

constexpr char16_t kNrb[] = u"39111122223333444455556666";  // check digits 39 are right
constexpr char16_t kSpacedNrb[] = u"39 1111 2222 3333 4444 5555 6666";
constexpr char16_t kSpacedIban[] = u"PL39 1111 2222 3333 4444 5555 6666";

std::u16string operator""_s(const char16_t* s, std::size_t n) { return std::u16string(s, n); }

struct FormRow {
  std::u16string text;
  bool iban_or_nrb;
  bool nrb_form;
};

TEST(BankAccountTest, FormTests) {
  const FormRow rows[] = {
      {kNrb, true, true},
      {kSpacedNrb, true, true},
      {kSpacedNrb + u"   "_s, true, true},
      {u"39 11112222 3333 4444 5555 6666", false, false},    // a space too few
      {u"39  1111 2222 3333 4444 5555 6666", false, false},  // a space too many
      {u"39 1111 2222 3333 4444 5555 66 66", false, false},  // a space inside a group
      {u" "_s + kNrb, false, true},                          // the NRB window loses the last digit
      {u"3911112222333344445555666", false, true},
      {u"391111222233334444555566667", false, true},
      {u"PL"_s + kNrb, true, false},
      {kSpacedIban, true, false},
      {u"12"_s + kNrb, true, true},  // 28 digits: the country characters are not examined
      {u"#%39 1111 2222 3333 4444 5555 6666", true, false},
      {u"PL39 111122223333444455556666", false, false},
      {u"PL39 1111 2222 3333 4444 5555 66 66", true, false},  // past position 32: not compared
      {u"PL39 1111 2222 3333 4444 5555 666A", false, true},
      {kNrb + u"\t"_s, false, true},  // only spaces trail the account form
      {u"", false, true},
      {u"no account here", false, true},
      {u"\xD800" + std::u16string(kNrb).substr(1), false, true},
  };
  for (const FormRow& r : rows) {
    EXPECT_EQ(KVT_CzyRachBank_IBAN_lub_NRB(r.text.c_str()), r.iban_or_nrb) << utf8(r.text);
    EXPECT_EQ(KVT_CzyFormRachBank_NRB(r.text.c_str()), r.nrb_form) << utf8(r.text);
  }
  EXPECT_FALSE(KVT_CzyRachBank_IBAN_lub_NRB(nullptr));
  EXPECT_TRUE(KVT_CzyFormRachBank_NRB(nullptr));
}

// The working copy holds 39 units after the trailing spaces are cut; longer texts are false.
TEST(BankAccountTest, WorkingCopyLimit) {
  std::u16string padded = kNrb + std::u16string(1000, u' ');
  EXPECT_TRUE(KVT_CzyRachBank_IBAN_lub_NRB(padded.c_str()));
  EXPECT_TRUE(KVT_CzyFormRachBank_NRB(padded.c_str()));
  std::u16string split_last_group = u"PL39 1111 2222 3333 4444 5555 66";
  std::u16string fits = split_last_group + u"     66";  // 39 units
  std::u16string too_long = split_last_group + u"      66";
  EXPECT_TRUE(KVT_CzyRachBank_IBAN_lub_NRB(fits.c_str()));
  EXPECT_FALSE(KVT_CzyRachBank_IBAN_lub_NRB(too_long.c_str()));
  std::u16string spaced_with_note = kSpacedNrb + u" note"_s;
  EXPECT_TRUE(KVT_CzyFormRachBank_NRB(spaced_with_note.c_str()));
  EXPECT_FALSE(KVT_CzyFormRachBank_NRB((spaced_with_note + u" and more").c_str()));
  std::u16string huge(1'000'000, u'7');
  EXPECT_FALSE(KVT_CzyRachBank_IBAN_lub_NRB(huge.c_str()));
  EXPECT_FALSE(KVT_CzyFormRachBank_NRB(huge.c_str()));
  EXPECT_EQ(TestNrRachBank(huge.data(), true), 0);
}

// MOD 97-10 computed digit by digit on the rearranged text, independently of the weights.
int independent_check(const std::u16string& digits) {
  std::u16string r = digits.substr(2) + u"2521" + digits.substr(0, 2);
  int rem = 0;
  for (char16_t c : r) rem = (rem * 10 + (c - u'0')) % 97;
  return rem == 1 ? 0 : 62000401;
}

TEST(BankAccountTest, CheckDigits) {
  std::u16string nrb = kNrb;
  EXPECT_EQ(TestNrRachBank(nrb.data(), true), 0);
  for (std::size_t i = 0; i < nrb.size(); ++i) {
    std::u16string changed = nrb;
    changed[i] = static_cast<char16_t>(u'0' + (changed[i] - u'0' + 1) % 10);
    EXPECT_EQ(TestNrRachBank(changed.data(), true), 62000401) << utf8(changed);
  }
  std::mt19937 random(97);
  for (int n = 0; n < 2000; ++n) {
    std::u16string digits;
    for (int i = 0; i < 26; ++i) digits += static_cast<char16_t>(u'0' + random() % 10);
    EXPECT_EQ(TestNrRachBank(digits.data(), true), independent_check(digits)) << utf8(digits);
  }
  for (std::u16string t :
       {std::u16string(kSpacedNrb), u"PL"_s + kNrb, u"x" + nrb + u"y", nrb.substr(1), nrb + u"1",
        u"  "_s + u"00" + nrb.substr(2), std::u16string(), u"   "_s}) {
    EXPECT_EQ(TestNrRachBank(t.data(), true), 0) << utf8(t);
  }
  EXPECT_EQ(TestNrRachBank(nullptr, true), 0);
}

TEST(BankAccountTest, FlagFalseIsTheAccountForm) {
  const struct {
    std::u16string text;
    int want;
  } rows[] = {
      {u"", 0},
      {std::u16string(40, u' '), 0},
      {std::u16string(41, u' ') + u"x", 0},
      {std::u16string(40, u' ') + u"x", 60007602},
      {kSpacedIban, 0},
      {u"00" + std::u16string(kNrb).substr(2), 0},  // no check digits here
      {u"\t", 60007602},
      {u"abc", 60007602},
  };
  for (const auto& r : rows) {
    std::u16string t = r.text;
    EXPECT_EQ(TestNrRachBank(t.data(), false), r.want) << '"' << utf8(r.text) << '"';
  }
  EXPECT_EQ(TestNrRachBank(nullptr, false), 0);
  // Any non-zero byte is true.
  auto by_byte = reinterpret_cast<int (*)(char16_t*, unsigned char)>(
      reinterpret_cast<void (*)()>(&TestNrRachBank));
  std::u16string bad = u"00" + std::u16string(kNrb).substr(2);
  EXPECT_EQ(by_byte(bad.data(), 2), 62000401);
  EXPECT_EQ(by_byte(bad.data(), 0x80), 62000401);
  EXPECT_EQ(by_byte(bad.data(), 0), 0);
}

TEST(BankAccountTest, DecisionNumber) {
  const struct {
    const char16_t* first;
    const char16_t* second;
    int want;
  } rows[] = {
      {nullptr, u"", 0},         {u"", u"", 0},
      {u"S", u" ", 0},           {u"M", nullptr, 0},
      {u" S", u"", 62001502},    {u"S ", u"", 62001502},
      {u"s", u"", 62001502},     {u"X", u"  \t", 62001502},
      {u"X", nullptr, 62001502}, {u"   ", u"", 62001502},
      {u"X", u"1", 0},           {u"SM", u" 1 ", 0},
  };
  for (const auto& r : rows) {
    std::u16string a = r.first ? r.first : u"", b = r.second ? r.second : u"";
    EXPECT_EQ(TestNrRachBankNrDecyzji(r.first ? a.data() : nullptr, r.second ? b.data() : nullptr),
              r.want)
        << '"' << utf8(a) << "\", \"" << utf8(b) << '"';
  }
}

TEST(BankAccountTest, FreeForm) {
  const struct {
    std::u16string text;
    int want;
  } rows[] = {
      {u"12345678", 0},          {u"12-345678-AB/12", 0},       {u"12-45678", 0},
      {u"12345678-x", 0},        {u"12345678\u0104\u017B1", 0}, {u"1234567", 60007601},
      {u"12345678--", 60007601}, {u"12345678.", 60007601},      {u"12345678-/1", 60007601},
      {u"1234A678", 60007601},   {u"1-345678", 60007601},       {u"1234567-", 60007601},
      {u"12345678 1", 60007601}, {u"12345678_1", 60007601},     {u"12345678\xDC00", 60007601},
      {u"", 60007601},
  };
  for (const auto& r : rows) {
    std::u16string t = r.text;
    EXPECT_EQ(f_KVTElemT_NR_RACH_BANKOWEGO(t.data()), r.want) << utf8(r.text);
  }
  EXPECT_EQ(f_KVTElemT_NR_RACH_BANKOWEGO(nullptr), 60007601);
  std::u16string long_tail = u"12345678" + std::u16string(1'000'000, u'a');
  EXPECT_EQ(olv::f_KVTElemT_NR_RACH_BANKOWEGO(long_tail), 0);
}

}  // namespace
