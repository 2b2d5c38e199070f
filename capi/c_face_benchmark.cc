// Each `olv_` name beside the C++ export it wraps, both through the shared libraries as a host
// links them; and the C calls by name over the same inputs.
#include <benchmark/benchmark.h>

#include "calls/calls.h"
#include "olvenir_p.h"
#include "olvenir_p_c.h"

namespace {

char16_t pesel[] = u"44051401359";
char16_t nip[] = u"1234563218";

void BM_f_KVTElem(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(f_KVTElem(121, pesel, 11));
}
void BM_olv_f_KVTElem(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(olv_f_KVTElem(121, pesel, 11));
}
void BM_f_KVTElemT_NIP(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(f_KVTElemT_NIP(nip));
}
void BM_olv_f_KVTElemT_NIP(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(olv_f_KVTElemT_NIP(nip));
}

olv_arg int_arg(int64_t n) {
  olv_arg a{};
  a.type = OLV_ARG_INT;
  a.number = n;
  return a;
}

void BM_olv_call_direct_f_KVTElem(benchmark::State& state) {
  olv_arg args[3] = {int_arg(121), {}, int_arg(11)};
  args[1].type = OLV_ARG_TEXT;
  args[1].text = {pesel, 11};
  const olv_export* row = olv_find_export("f_KVTElem");
  int64_t answer = 0;
  for (auto _ : state) benchmark::DoNotOptimize(olv_call_direct(row, args, 3, &answer));
}
void BM_olv_call_f_KVTElem(benchmark::State& state) {
  olv_arg args[3] = {int_arg(121), {}, int_arg(11)};
  args[1].type = OLV_ARG_TEXT;
  args[1].text = {pesel, 11};
  const olv_export* row = olv_find_export("f_KVTElem");
  for (auto _ : state) olv_outcome_free(olv_call(row, args, 3));
}

// The general path alone, the plain side of the direct calls' pair: arguments converted to the
// call layer's form and called through it, as a call by name did before the direct calls.
void BM_general_path_f_KVTElem(benchmark::State& state) {
  const olv::Export* row = olv::find_export("f_KVTElem");
  for (auto _ : state) {
    const std::vector<olv::Arg> args{int64_t{121}, std::u16string(pesel), int64_t{11}};
    benchmark::DoNotOptimize(row->call(args).number);
  }
}

BENCHMARK(BM_f_KVTElem);
BENCHMARK(BM_olv_f_KVTElem);
BENCHMARK(BM_f_KVTElemT_NIP);
BENCHMARK(BM_olv_f_KVTElemT_NIP);
BENCHMARK(BM_olv_call_direct_f_KVTElem);
BENCHMARK(BM_olv_call_f_KVTElem);
BENCHMARK(BM_general_path_f_KVTElem);

}  // namespace

BENCHMARK_MAIN();
