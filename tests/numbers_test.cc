// The runtime's readings of UTF-16 texts as numbers: integers, doubles (the 64-bit reading is
// tested through its one export, in the amounts' tests) and the weighted sums of check digits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/check_digits.h"
#include "platform/text.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;
template <typename T>
using Groups = std::pair<T, std::vector<const char16_t*>>;

TEST(NumbersTest, Int32ReadingAndScanning) {
  const Groups<int32_t> groups[] = {{12, {u"12", u"12 34", u"0000000000012"}},
                                    {-42, {u"  \t\n-42x"}},
                                    {7, {u"+7"}},
                                    {3, {u"\u00A03"}},
                                    {1, {u"1.9"}},
                                    {INT32_MAX, {u"2147483647", u"2147483648"}},
                                    {INT32_MIN, {u"-2147483648", u"-99999999999999"}},
                                    {0, {u"", u"- 7", u"abc", u"\u0663", u"++1"}}};
  for (const auto& [want, texts] : groups) {
    for (const char16_t* t : texts) EXPECT_EQ(olv::to_int32(t), want) << utf8(t);
  }
  olv::Text rest = u"01032024";
  int32_t a = 0, b = 0, c = 0;
  ASSERT_TRUE(olv::scan_int(rest, 2, a) && olv::scan_int(rest, 2, b) && olv::scan_int(rest, 4, c));
  EXPECT_EQ(std::tuple(a, b, c), std::tuple(1, 3, 2024));
  EXPECT_FALSE(olv::scan_int(rest, 2, a));
  rest = u" 5x";
  EXPECT_TRUE(olv::scan_int(rest, 2, a) && a == 5);
  EXPECT_FALSE(olv::scan_int(rest, 2, a));
  EXPECT_EQ(rest, u"x");
  rest = u"-12";
  EXPECT_TRUE(olv::scan_int(rest, 2, a) && a == -1);  // the sign counts toward the width
  rest = u"-";
  EXPECT_FALSE(olv::scan_int(rest, 2, a));
}

// Exact answers: 2^53 + 1 lies halfway between two doubles, so a non-zero digit far behind it
// rounds up and a text that ends there rounds to the even neighbour.
TEST(NumbersTest, DoubleReading) {
  const Groups<double> groups[] = {
      {1.5, {u" 1.5"}},
      {0.5, {u".5"}},
      {5.0, {u"5."}},
      {0.01, {u"1E-2"}},
      {1.0, {u"1e", u"1e+", u"1,5"}},
      {1.2345678901234568e59, {u"123456789012345678901234567890123456789012345678901234567890"}},
      {1e-49, {u"0.0000000000000000000000000000000000000000000000001"}},
      {0.0, {u"", u"abc", u"inf", u"nan", u"0x10", u".", u"-.", u"1e-999999999"}},
      {9007199254740992.0,
       {u"9007199254740993", u"9007199254740993.000000000000000000000000000000"}},
      {9007199254740994.0,
       {u"9007199254740993.000000000000000000000000000001",
        u"90071992547409930000000000000000000000000001e-28"}},
      {-9007199254740994.0, {u"-0.90071992547409930000000000000000000000000001e16"}}};
  for (const auto& [want, texts] : groups) {
    for (const char16_t* t : texts) EXPECT_EQ(olv::to_double(t), want) << utf8(t);
  }
  EXPECT_TRUE(std::isinf(olv::to_double(u"1e999999999")));
}

// Short decimals are read by one exact multiplication or division; the answer must be the C
// library's, bit for bit, on both sides of the limits of that shortcut (15 digits, 10^22).
TEST(NumbersTest, DoubleReadingMatchesTheCLibrary) {
  std::mt19937 random(15022);
  std::uniform_int_distribution<int> digits(1, 18), digit(0, 9), point(0, 20), exponent(-30, 30);
  for (int round = 0; round < 20000; ++round) {
    std::string ascii = round % 3 == 0 ? "-" : "";
    const int n = digits(random), at = point(random);
    for (int i = 0; i < n; ++i) {
      if (i == at) ascii += '.';
      ascii += static_cast<char>('0' + digit(random));
    }
    if (round % 2 == 0) ascii += "e" + std::to_string(exponent(random));
    const std::u16string text(ascii.begin(), ascii.end());
    const double want = std::strtod(ascii.c_str(), nullptr);
    const double got = olv::to_double(text);
    ASSERT_EQ(std::memcmp(&got, &want, sizeof got), 0) << ascii << ": " << got << " " << want;
  }
}

TEST(CheckDigitsTest, WeightedSumReadsEachUnitOnItsOwn) {
  // PESEL weights 1, 3, 7, 9, 1, 3, 7, 9, 1, 3; the eleventh position has none. A space counts 0,
  // and so does any other unit that is no digit, a fullwidth digit too.
  const std::pair<olv::Text, int32_t> rows[] = {
      {u"", 0},         {u"1", 1},      {u"11", 4},           {u" 1", 3},
      {u"a1-1", 3 + 9}, {u"\uFF11", 0}, {u"11111111119", 44}, {u"999999999999999", 9 * 44},
  };
  for (auto [text, want] : rows) EXPECT_EQ(olv::weighted_sum(text, olv::kPesel), want) << want;
}

}  // namespace
