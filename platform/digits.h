// Digit runs of a fixed length, tested and weighted eight units at a time.
//
// The identity numbers, bank accounts and dates are texts of a known length made of digits; their
// checks test every unit and most of them form a weighted sum. Eight UTF-16 units fill one 128-bit
// vector (SSE2 on x86-64, written with the vector types of GCC and Clang), so a run of up to
// sixteen digits is two loads, two subtractions and two comparisons. A run that is not a multiple
// of eight is covered by loads that overlap: the last load ends at the run's last unit, so nothing
// past the run is ever read. Each function reads exactly the first kUnits units of its text,
// which the caller has made sure are there.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace olv {
namespace digits_detail {

using Lanes = uint16_t __attribute__((vector_size(16)));
constexpr std::size_t kLanes = 8;

template <typename T>
inline Lanes load(const T* p) {
  static_assert(sizeof(T) == sizeof(uint16_t));
  Lanes v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

constexpr Lanes splat(uint16_t v) { return Lanes{v, v, v, v, v, v, v, v}; }

// The digit values of eight units; units below '0' wrap round to large values.
inline Lanes digit_values(const char16_t* p) { return load(p) - splat(u'0'); }

// The lanes of eight units that are digits, all bits set; 0 for any other unit. Units below '0'
// wrap round to large values, so one unsigned comparison (a saturating subtraction on SSE2)
// tells the ten digits.
inline Lanes digit_lanes(Lanes units) {
  return reinterpret_cast<Lanes>(units - splat(u'0') <= splat(9));
}
inline Lanes digit_lanes(const char16_t* p) { return digit_lanes(load(p)); }

// The first four and the last four of four to eight units, overlapping, as one vector.
inline Lanes first_and_last_four(const char16_t* p, std::size_t units) {
  uint64_t words[2];
  std::memcpy(&words[0], p, sizeof words[0]);
  std::memcpy(&words[1], p + units - 4, sizeof words[1]);
  Lanes v;
  std::memcpy(&v, words, sizeof v);
  return v;
}

// Two bits per lane, in lane order, each set when its lane is all ones: one instruction on
// SSE2 (pmovmskb), lane by lane elsewhere.
inline uint32_t lane_bits(Lanes mask) {
#if defined(__SSE2__)
  return static_cast<uint32_t>(_mm_movemask_epi8(reinterpret_cast<__m128i>(mask)));
#else
  uint32_t bits = 0;
  for (std::size_t i = 0; i < kLanes; ++i) bits |= (mask[i] != 0 ? 3u : 0u) << (2 * i);
  return bits;
#endif
}
constexpr uint32_t kAllLanes = 0xFFFF;

// The first lane of eight units that is not a digit, or 8 for none.
inline std::size_t first_other_lane(const char16_t* p) {
  return static_cast<std::size_t>(__builtin_ctz(~lane_bits(digit_lanes(p)) | (1u << 16))) / 2;
}

// Weighted sums of digit lanes. SSE2 multiplies 16-bit lanes and adds neighbouring products into
// 32-bit lanes in one instruction (pmaddwd); elsewhere the products stay in 16-bit lanes, which
// the weights' layout keeps below 65536.
#if defined(__SSE2__)
using Products = __m128i;
inline Products products(Lanes digits, Lanes weights) {
  return _mm_madd_epi16(reinterpret_cast<__m128i>(digits), reinterpret_cast<__m128i>(weights));
}
inline Products plus(Products a, Products b) { return _mm_add_epi32(a, b); }
inline int32_t products_sum(Products p) {
  p = _mm_add_epi32(p, _mm_shuffle_epi32(p, _MM_SHUFFLE(1, 0, 3, 2)));
  p = _mm_add_epi32(p, _mm_shuffle_epi32(p, _MM_SHUFFLE(2, 3, 0, 1)));
  return _mm_cvtsi128_si32(p);
}
#else
using Products = Lanes;
inline Products products(Lanes digits, Lanes weights) { return digits * weights; }
inline Products plus(Products a, Products b) { return a + b; }
// The sum of all lanes; every lane, and the sum, below 65536. The multiplication adds the four
// 16-bit lanes of a 64-bit half into its top lane.
inline int32_t products_sum(Products p) {
  uint64_t half[2];
  std::memcpy(half, &p, sizeof half);
  return static_cast<int32_t>(((half[0] + half[1]) * 0x0001000100010001u) >> 48);
}
#endif

constexpr std::size_t loads(std::size_t units) { return (units + kLanes - 1) / kLanes; }

// Where load i of a run of `units` units begins: every eighth unit, the last load moved back so
// that it ends with the run.
constexpr std::size_t load_offset(std::size_t units, std::size_t i) {
  return i * kLanes + kLanes <= units ? i * kLanes : units - kLanes;
}

}  // namespace digits_detail

// The weights of a run of kUnits digits laid out per load: a unit that two overlapping loads
// cover is weighted in the first of them only.
template <std::size_t kUnits>
struct LaneWeights {
  static_assert(kUnits >= digits_detail::kLanes);
  uint16_t lanes[digits_detail::loads(kUnits) * digits_detail::kLanes];
};

// The lane layout of one weight per unit (0 for a unit outside the sum). A weighted sum must stay
// below 65536 in every lane: at most 9 times the weights of the units a lane covers, summed.
template <std::size_t kUnits>
constexpr LaneWeights<kUnits> lane_weights(const std::array<uint16_t, kUnits>& weights) {
  using namespace digits_detail;
  LaneWeights<kUnits> out{};
  for (std::size_t unit = 0, load = 0; unit < kUnits; ++unit) {
    while (unit >= load_offset(kUnits, load) + kLanes) ++load;
    out.lanes[load * kLanes + (unit - load_offset(kUnits, load))] = weights[unit];
  }
  return out;
}

// The largest weighted sum a run of digits reaches under these weights.
template <std::size_t kUnits>
constexpr int32_t max_sum(const LaneWeights<kUnits>& weights) {
  int32_t sum = 0;
  for (uint16_t w : weights.lanes) sum += 9 * w;
  return sum;
}

// The check digit of every weighted sum from 0 to kMaxSum, or -1 where no digit passes: a check
// becomes one lookup in place of a division.
template <int32_t kMaxSum>
using CheckDigits = std::array<int8_t, kMaxSum + 1>;
template <int32_t kMaxSum, typename Rule>
constexpr CheckDigits<kMaxSum> check_digits(Rule rule) {
  CheckDigits<kMaxSum> digits{};
  for (int32_t sum = 0; sum <= kMaxSum; ++sum) digits[sum] = static_cast<int8_t>(rule(sum));
  return digits;
}

// Each of the first kUnits units is one of '0' to '9'. Runs shorter than eight units (at least
// four) are tested as two overlapping words of four in one vector.
template <std::size_t kUnits>
bool all_digits(const char16_t* p) {
  using namespace digits_detail;
  static_assert(kUnits >= 4);
  if constexpr (kUnits < kLanes) {
    return lane_bits(digit_lanes(first_and_last_four(p, kUnits))) == kAllLanes;
  } else {
    Lanes digit = splat(0xFFFF);
    for (std::size_t i = 0; i < loads(kUnits); ++i) {
      digit &= digit_lanes(p + load_offset(kUnits, i));
    }
    return lane_bits(digit) == kAllLanes;
  }
}

// Each of the `units` units at p is a digit, whatever their count: blocks of eight and a last
// block that ends with the text are tested together, with one branch at the end.
inline bool all_digits(const char16_t* p, std::size_t units) {
  using namespace digits_detail;
  if (units < 4) {
    for (std::size_t i = 0; i < units; ++i) {
      if (static_cast<uint16_t>(p[i] - u'0') > 9) return false;
    }
    return true;
  }
  if (units < kLanes) return lane_bits(digit_lanes(first_and_last_four(p, units))) == kAllLanes;
  Lanes digit = digit_lanes(p + units - kLanes);
  for (std::size_t i = 0; i + kLanes <= units; i += kLanes) digit &= digit_lanes(p + i);
  return lane_bits(digit) == kAllLanes;
}

// The count of digits that the `units` units at p begin with, whatever their count. Whole
// blocks of eight are tested at once; the rest by a last block that ends with the text and
// overlaps units already known to be digits.
inline std::size_t leading_digits(const char16_t* p, std::size_t units) {
  using namespace digits_detail;
  std::size_t i = 0;
  for (; i + kLanes <= units; i += kLanes) {
    if (std::size_t lane = first_other_lane(p + i); lane < kLanes) return i + lane;
  }
  if (i == units) return i;
  if (units >= kLanes) return units - kLanes + first_other_lane(p + units - kLanes);
  while (i < units && static_cast<uint16_t>(p[i] - u'0') <= 9) ++i;
  return i;
}

namespace digits_detail {

// The weighted sum of the lanes that `values` makes of each load of a run. Below 65536, as the
// weights' layout keeps every sum: saying so lets the remainders taken of it be unsigned.
template <std::size_t kUnits, typename Values>
int32_t weighted_lane_sum(const char16_t* p, const LaneWeights<kUnits>& weights, Values values) {
  Products sum{};
  for (std::size_t i = 0; i < loads(kUnits); ++i) {
    sum = plus(sum, products(values(p + load_offset(kUnits, i)), load(weights.lanes + i * kLanes)));
  }
  return static_cast<uint16_t>(products_sum(sum));
}

}  // namespace digits_detail

// The weighted sum of the first kUnits units, which are all digits.
template <std::size_t kUnits>
int32_t digit_run_sum(const char16_t* p, const LaneWeights<kUnits>& weights) {
  using namespace digits_detail;
  return weighted_lane_sum(p, weights, [](const char16_t* q) { return digit_values(q); });
}

// The weighted sum of the digit values of the first kUnits units; a unit that is not a digit
// counts 0, as a space does in a number text.
template <std::size_t kUnits>
int32_t digit_value_sum(const char16_t* p, const LaneWeights<kUnits>& weights) {
  using namespace digits_detail;
  return weighted_lane_sum(p, weights, [](const char16_t* q) {
    Lanes d = digit_values(q);
    return d & reinterpret_cast<Lanes>(d <= splat(9));
  });
}

}  // namespace olv
