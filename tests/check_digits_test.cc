// The weighted sum of check-digit numbers and the PESEL month table.
#include "platform/check_digits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using olv::Text;

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
