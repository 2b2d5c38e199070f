// The benchmark binary: registers every family, then runs what the command line selects.
#include <benchmark/benchmark.h>

#include "bench/benchmarks.h"

int main(int argc, char** argv) {
  olv::bench::register_hot_benchmarks();
  olv::bench::register_pair_benchmarks();
  olv::bench::register_export_benchmarks();
#ifdef OLV_HAVE_TOOLS
  olv::bench::register_tools_benchmarks();
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
