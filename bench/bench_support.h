// Argument sources of the benchmarks and the lookup of an export's function by name.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "calls/calls.h"
#include "fuzz/export_calls.h"

namespace olv::bench {

// Realistic arguments: sample field texts, about a third of them blank, and sample numbers; a
// fixed seed per benchmark, so every run measures the same calls.
class SampleSource final : public harness::Source {
 public:
  explicit SampleSource(uint64_t seed) : state_(seed) {}

 protected:
  harness::Pick pick_text() override;
  int64_t pick_number() override;
  int pick_list_length() override { return 1 + static_cast<int>(next() % 3); }

 private:
  uint64_t next();
  uint64_t state_;
};

// Every text `units` long, of digits, white space or letters in turn; sample numbers.
class LongSource final : public harness::Source {
 public:
  explicit LongSource(std::size_t units);

 protected:
  harness::Pick pick_text() override;
  int64_t pick_number() override { return 11; }
  int pick_list_length() override { return 2; }

 private:
  std::u16string texts_[3];
  std::size_t turn_ = 0;
};

// The function of the export `name` as type F, or null when there is no such export.
template <typename F>
F* export_function(const char* name) {
  const Export* row = find_export(name);
  return row ? reinterpret_cast<F*>(row->address) : nullptr;
}

// Times `call` over the loop and reports the heap allocations per call as "allocs_per_call".
template <typename Call>
void measure(benchmark::State& state, Call&& call);

// Stops a benchmark whose export is missing.
bool skip_missing(benchmark::State& state, const void* function, const char* name);

}  // namespace olv::bench

#include "bench/alloc_counter.h"

template <typename Call>
void olv::bench::measure(benchmark::State& state, Call&& call) {
  const uint64_t before = allocations();
  for (auto _ : state) call();
  state.counters["allocs_per_call"] = benchmark::Counter(
      static_cast<double>(allocations() - before), benchmark::Counter::kAvgIterations);
}
