// Check-digit numbers and the PESEL month table, against definitions written here.
#include "platform/check_digits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using olv::Text;
using S = std::u16string;

// Random digit texts from a fixed seed.
struct Digits {
  uint64_t state;
  S next(std::size_t n) {
    S s;
    for (std::size_t i = 0; i < n; ++i) {
      state = state * 6364136223846793005u + 1442695040888963407u;
      s += static_cast<char16_t>(u'0' + (state >> 33) % 10);
    }
    return s;
  }
};

// The NRB rule as the account's 30 digits read as one number: digits 3-26, "2521", digits 1-2,
// which must leave 1 modulo 97.
bool nrb_leaves_one(const S& d) {
  const S r = d.substr(2) + u"2521" + d.substr(0, 2);
  int remainder = 0;
  for (char16_t c : r) remainder = (remainder * 10 + (c - u'0')) % 97;
  return remainder == 1;
}

TEST(CheckDigitsTest, NrbWeightsReadTheThirtyDigitsAsOneNumber) {
  Digits digits{7};
  for (int n = 0; n < 20000; ++n) {
    S account = digits.next(26);
    // Half of them given the check digits that pass: 98 - (the number with 00) mod 97.
    if (n % 2 == 0) {
      account[0] = account[1] = u'0';
      for (int check = 0; check < 100 && !nrb_leaves_one(account); ++check) {
        account[0] = static_cast<char16_t>(u'0' + check / 10);
        account[1] = static_cast<char16_t>(u'0' + check % 10);
      }
    }
    ASSERT_EQ(olv::check_digit_matches(account, olv::kNrb), nrb_leaves_one(account)) << n;
  }
}

TEST(CheckDigitsTest, EachReadingOfTheSum) {
  struct Row {
    const olv::CheckDigitNumber& number;
    int32_t sum;
    int32_t want;
  };
  // clang-format off
  const Row rows[] = {
      {olv::kPesel, 0, 0},   {olv::kPesel, 10, 0},  {olv::kPesel, 13, 7},  {olv::kPesel, 219, 1},
      {olv::kRegon9, 0, 0},  {olv::kRegon9, 10, 0}, {olv::kRegon9, 21, 0}, {olv::kRegon9, 23, 1},
      {olv::kNip, 0, 0},     {olv::kNip, 10, -1},   {olv::kNip, 21, -1},   {olv::kNip, 20, 9},
      {olv::kNuspFirst, 17, 7}, {olv::kNuspSecond, 30, 0},
      {olv::kNrb, 1, -1},  // the NRB has no check position
  };
  // clang-format on
  for (const Row& row : rows) {
    EXPECT_EQ(olv::check_digit(row.number, row.sum), row.want) << row.sum;
  }
}

TEST(CheckDigitsTest, WeightedSumReadsEachUnitOnItsOwn) {
  struct Row {
    Text text;
    int32_t want;
  };
  // PESEL weights 1, 3, 7, 9, 1, 3, 7, 9, 1, 3; the eleventh position has none.
  const Row rows[] = {
      {u"", 0},
      {u"1", 1},
      {u"11", 4},
      {u" 1", 3},            // a space counts 0
      {u"a1-1", 3 + 9},      // so does any other unit that is no digit
      {u"\uFF11", 0},        // a fullwidth digit is no digit
      {u"11111111119", 44},  // the check position is outside the sum
      {u"999999999999999", 9 * 44},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(olv::weighted_sum(row.text, olv::kPesel), row.want) << row.want;
  }
}

TEST(CheckDigitsTest, CheckPositionsPastTheEndCountZero) {
  struct Row {
    Text text;
    const olv::CheckDigitNumber& number;
    bool want;
  };
  const Row rows[] = {
      {u"", olv::kPesel, true},    // sum 0, check 0, position 11 absent: 0
      {u"1", olv::kPesel, false},  // sum 1 wants 9
      {u"123456785", olv::kRegon9, true},
      {u"123456786", olv::kRegon9, false},
      {u"12345678512347", olv::kRegon14, true},
      {u"5261040828", olv::kNip, true},
      {u"000000003", olv::kNip, false},  // remainder 10: no check digit
      {u"0000000030", olv::kNip, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(olv::check_digit_matches(row.text, row.number), row.want) << row.text.size();
  }
}

TEST(CheckDigitsTest, PeselMonthFieldsOfEveryCentury) {
  const int32_t first_years[] = {1900, 2000, 2100, 2200, 1800};
  for (int32_t field = -5; field < 110; ++field) {
    const olv::PeselMonth m = olv::pesel_month(field);
    const bool known = field >= 0 && field < 100;
    EXPECT_EQ(m.century_year, known ? first_years[field / 20] : 0) << field;
    if (known) {
      EXPECT_EQ(m.month, field % 20) << field;
    }
    const bool month = known && field % 20 >= 1 && field % 20 <= 12;
    EXPECT_EQ(olv::pesel_month_field(field), month) << field;
  }
}

}  // namespace
