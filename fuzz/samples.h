// Realistic field texts and numbers of declaration forms: the arguments the benchmarks use and the
// fuzzers' starting points.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace olv::harness {

// Valid and invalid identity numbers, account numbers, dates, amounts, codes, names, flags, and
// blank fields; the first kBlankSamples are blank.
std::span<const std::u16string_view> field_samples();
inline constexpr std::size_t kBlankSamples = 4;

// Element types, dictionary numbers, lengths, code pages, dates as numbers, and extremes.
std::span<const int64_t> number_samples();

}  // namespace olv::harness
