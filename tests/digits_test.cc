// Digit runs tested and weighted eight units at a time, against a unit-by-unit reading.
#include "platform/digits.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace {

// Every unit value at every position of the run, the others digits: the run passes exactly when
// the unit is one of '0' to '9', and a unit just past the run is never looked at.
template <std::size_t kUnits>
void expect_every_unit_tested() {
  std::u16string run(kUnits + 1, u'7');
  for (std::size_t position = 0; position <= kUnits; ++position) {
    for (uint32_t unit = 0; unit <= 0xFFFF; ++unit) {
      run[position] = static_cast<char16_t>(unit);
      bool digit = unit >= u'0' && unit <= u'9';
      bool want = position == kUnits || digit;
      if (olv::all_digits<kUnits>(run.data()) != want) {
        ADD_FAILURE() << kUnits << " units, position " << position << ", unit " << unit;
        return;
      }
    }
    run[position] = u'7';
  }
}

TEST(DigitsTest, EveryUnitAtEveryPositionIsTested) {
  expect_every_unit_tested<4>();
  expect_every_unit_tested<6>();
  expect_every_unit_tested<7>();
  expect_every_unit_tested<8>();
  expect_every_unit_tested<9>();
  expect_every_unit_tested<11>();
  expect_every_unit_tested<14>();
  expect_every_unit_tested<26>();
}

// Texts of every length to 40 with one other unit at each position, or none: the count of
// leading digits ends exactly there, whichever block or tail holds it, and the run is all
// digits only without it.
TEST(DigitsTest, LeadingDigitsEndAtTheFirstOtherUnit) {
  for (std::size_t length = 0; length <= 40; ++length) {
    for (std::size_t other = 0; other <= length; ++other) {
      for (char16_t unit : {u'/', u':', u' ', u'\0', u'\u0660', u'\uFFFF'}) {
        std::u16string run(length, u'5');
        if (other < length) run[other] = unit;
        ASSERT_EQ(olv::leading_digits(run.data(), length), other)
            << "length " << length << ", other unit at " << other;
        ASSERT_EQ(olv::all_digits(run.data(), length), other == length)
            << "length " << length << ", other unit at " << other;
      }
    }
  }
}

// Random digits, some other units among them, and weights of 0 to 99: the sum over the
// overlapping loads counts every unit once, as the plain sum does, and a non-digit as 0.
template <std::size_t kUnits>
void expect_sums_as_plain(std::mt19937& random) {
  static const char16_t kOthers[] = {u' ',  u'/',      u':',      u'A',
                                     u'\0', u'\u0660', u'\uFF10', u'\uFFFF'};
  std::uniform_int_distribution<int> digit(0, 9), weight(0, 99), other(0, 15);
  for (int round = 0; round < 2000; ++round) {
    const bool digits_only = round % 2 == 0;
    std::array<uint16_t, kUnits> weights{};
    std::u16string run;
    int32_t want = 0;
    for (std::size_t i = 0; i < kUnits; ++i) {
      weights[i] = static_cast<uint16_t>(weight(random));
      if (int o = other(random); !digits_only && o < 8) {
        run += kOthers[o];
        continue;
      }
      int d = digit(random);
      run += static_cast<char16_t>(u'0' + d);
      want += weights[i] * d;
    }
    auto lanes = olv::lane_weights(weights);
    ASSERT_EQ(olv::digit_value_sum(run.data(), lanes), want) << kUnits;
    if (digits_only) {
      ASSERT_EQ(olv::digit_run_sum(run.data(), lanes), want) << kUnits;
    }
  }
}

TEST(DigitsTest, WeightedSumsCountEveryUnitOnce) {
  std::mt19937 random(20261206);
  expect_sums_as_plain<8>(random);
  expect_sums_as_plain<9>(random);
  expect_sums_as_plain<10>(random);
  expect_sums_as_plain<13>(random);
  expect_sums_as_plain<16>(random);
  expect_sums_as_plain<26>(random);
}

}  // namespace
