// The weighted sum of check-digit numbers.
#include "platform/check_digits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

using olv::Text;

TEST(CheckDigitsTest, WeightedSumReadsEachUnitOnItsOwn) {
  // PESEL weights 1, 3, 7, 9, 1, 3, 7, 9, 1, 3; the eleventh position has none. A space counts 0,
  // and so does any other unit that is no digit, a fullwidth digit too.
  const std::pair<Text, int32_t> rows[] = {
      {u"", 0},         {u"1", 1},      {u"11", 4},           {u" 1", 3},
      {u"a1-1", 3 + 9}, {u"\uFF11", 0}, {u"11111111119", 44}, {u"999999999999999", 9 * 44},
  };
  for (auto [text, want] : rows) EXPECT_EQ(olv::weighted_sum(text, olv::kPesel), want) << want;
}

}  // namespace
