// The benchmarks' argument sources.
#include "bench/bench_support.h"

#include "fuzz/samples.h"

namespace olv::bench {

uint64_t SampleSource::next() {
  // splitmix64: cheap, and the same sequence on every machine.
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

harness::Pick SampleSource::pick_text() {
  const auto samples = harness::field_samples();
  if (next() % 3 == 0) return {false, samples[next() % harness::kBlankSamples]};
  return {false,
          samples[harness::kBlankSamples + next() % (samples.size() - harness::kBlankSamples)]};
}

int64_t SampleSource::pick_number() {
  const auto samples = harness::number_samples();
  return samples[next() % samples.size()];
}

LongSource::LongSource(std::size_t units) {
  texts_[0].assign(units, u'7');
  texts_[1].assign(units, u' ');
  texts_[1][units / 2] = u'1';
  texts_[2].assign(units, u'a');
}

harness::Pick LongSource::pick_text() { return {false, texts_[turn_++ % 3]}; }

bool skip_missing(benchmark::State& state, const void* function, const char* name) {
  if (function) return false;
  state.SkipWithError((std::string(name) + " is not exported").c_str());
  return true;
}

}  // namespace olv::bench
