// The weighted sum of check-digit numbers.
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

}  // namespace
