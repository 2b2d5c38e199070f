// Benchmark pairs of a trick that stays: the plain version and the trick, timed in the same run.
#include <string>
#include <variant>
#include <vector>

#include "bench/bench_support.h"
#include "bench/benchmarks.h"
#include "tests/rule_twins.h"

namespace olv::bench {
namespace {

// A rule on the export benchmark's sample fields, its fields counted as the rule reads them
// (the export) or all of them first (the twin given views, as the exports counted them before):
// the pair of the counted field.
void counted_fields(benchmark::State& state, const char* name, bool as_read) {
  const testing::RuleTwins* rule = testing::rule_twins(name);
  const Export* row = find_export(name);
  if (skip_missing(state, rule && row ? reinterpret_cast<const void*>(row->address) : nullptr,
                   name)) {
    return;
  }
  SampleSource source(static_cast<uint64_t>(row - exports().data()) + 1);
  std::vector<std::vector<Arg>> args;
  std::vector<testing::RuleFields> calls(64);
  for (testing::RuleFields& call : calls) {
    call.fill(nullptr);
    const auto& drawn = args.emplace_back(source.arguments(*row));
    for (std::size_t k = 0; k < drawn.size(); ++k) {
      if (const auto* units = std::get_if<std::u16string>(&drawn[k])) call[k] = units->c_str();
    }
  }
  const auto call = as_read ? rule->counted_as_read : rule->counted_first;
  std::size_t i = 0;
  measure(state, [&] { benchmark::DoNotOptimize(call(calls[i++ & 63])); });
}

}  // namespace

void register_pair_benchmarks() {
  for (const char* rule :
       {"XP0149_10", "XP0149_11", "XB0063_1", "XB0061_1", "XP0147_3", "XP0147_1", "GP0004_1"}) {
    const std::string name = std::string("pair/counted_fields/") + rule;
    benchmark::RegisterBenchmark((name + "/all_first").c_str(), counted_fields, rule, false);
    benchmark::RegisterBenchmark((name + "/as_read").c_str(), counted_fields, rule, true);
  }
}

}  // namespace olv::bench
