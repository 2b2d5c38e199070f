// One benchmark per row of the exports table with sample arguments, and one per row with texts
// of a thousand and of a million units, which shows the cost growing linearly with the length.
#include <string>

#include "bench/bench_support.h"
#include "bench/benchmarks.h"

namespace olv::bench {
namespace {

// Enough prepared calls per row to mix filled and blank, valid and invalid arguments.
constexpr std::size_t kSampleCalls = 64;

void sample_arguments(benchmark::State& state, std::size_t index) {
  const Export& row = exports()[index];
  SampleSource source(index + 1);
  const auto calls = harness::row_callers()[index].prepare(row, source, kSampleCalls);
  std::size_t i = 0;
  measure(state, [&] { benchmark::DoNotOptimize(calls->run(i++)); });
}

void long_texts(benchmark::State& state, std::size_t index) {
  const Export& row = exports()[index];
  const auto units = static_cast<std::size_t>(state.range(0));
  LongSource source(units);
  const auto calls = harness::row_callers()[index].prepare(row, source, 1);
  measure(state, [&] { benchmark::DoNotOptimize(calls->run(0)); });
  state.counters["s_per_unit"] =
      benchmark::Counter(static_cast<double>(units), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

}  // namespace

void register_export_benchmarks() {
  const auto table = exports();
  const auto callers = harness::row_callers();
  for (std::size_t i = 0; i < table.size() && i < callers.size(); ++i) {
    if (!callers[i].supported) continue;
    const std::string name = table[i].name;
    benchmark::RegisterBenchmark(("export/" + name).c_str(), sample_arguments, i);
    if (!callers[i].takes_text) continue;
    benchmark::RegisterBenchmark(("long_text/" + name).c_str(), long_texts, i)
        ->Arg(1000)
        ->Arg(1000000)
        ->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace olv::bench
