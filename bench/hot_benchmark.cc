// Hand-written benchmarks of the hot paths a host calls for every field: the element dispatcher
// with the identity numbers, the NRB check digits, the date validators and trimming; and the
// throughput of one thread against two.
#include <array>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/benchmarks.h"
#include "olvenir_p.h"

// The dictionary benchmark uses the tests' fake service, which comes with the component runtime.
#if __has_include("tests/fake_service.h")
#include "tests/fake_service.h"
#define OLV_HAVE_FAKE_SERVICE 1
#endif

namespace olv::bench {
namespace {

// Four texts per benchmark, valid and invalid, cycled; writable because the host's are.
struct Texts {
  explicit Texts(std::array<std::u16string, 4> t) : units(std::move(t)) {}
  char16_t* operator[](std::size_t i) { return units[i & 3].data(); }
  std::array<std::u16string, 4> units;
};

using Dispatcher = int(short, char16_t*, int);
using OneText = int(const char16_t*);

void element(benchmark::State& state, short type, int max_length, Texts texts) {
  auto* f_KVTElem = export_function<Dispatcher>("f_KVTElem");
  if (skip_missing(state, reinterpret_cast<const void*>(f_KVTElem), "f_KVTElem")) return;
  std::size_t i = 0;
  measure(state, [&] { benchmark::DoNotOptimize(f_KVTElem(type, texts[i++], max_length)); });
}

void one_text(benchmark::State& state, const char* name, Texts texts) {
  auto* check = export_function<OneText>(name);
  if (skip_missing(state, reinterpret_cast<const void*>(check), name)) return;
  std::size_t i = 0;
  measure(state, [&] { benchmark::DoNotOptimize(check(texts[i++])); });
}

void trimmed_compare(benchmark::State& state) {
  Texts a({u"  12 ", u"abc", u"", u"T"});
  Texts b({u"12", u"abd", u"   ", u"T"});
  std::size_t i = 0;
  measure(state, [&] {
    benchmark::DoNotOptimize(KVTDelSpacjeStrcmp(a[i], b[i]));
    ++i;
  });
}

void trim(benchmark::State& state) {
  Texts texts({u"  Kowalski ", u"44051401359", u"\t", u" Spółka Akcyjna Budowlana  "});
  std::size_t i = 0;
  measure(state, [&] { benchmark::DoNotOptimize(KVTDelSpacje(texts[i++])); });
}

#ifdef OLV_HAVE_FAKE_SERVICE
// A code check through the component runtime: initialisation, creation of the in-process fake
// service, one call, release.
void dictionary_code_check(benchmark::State& state) {
  olv::testing::ScopedFakeService service;
  service.state.codes = {u"A1"};
  Texts codes({u"A1", u"B2", u"A1", u"C3"});
  std::size_t i = 0;
  measure(state, [&] {
    benchmark::DoNotOptimize(fb_KVTKodSprawdz(10024, codes[i++], 0));
    // The fake records each call; dropping the record keeps its memory out of the loop's cost.
    if ((i & 1023) == 0) {
      state.PauseTiming();
      service.state.calls.clear();
      state.ResumeTiming();
    }
  });
}
#endif

// The validators and rules a host runs for a field, on one thread or on two at once.
void threads(benchmark::State& state) {
  auto* f_KVTElem = export_function<Dispatcher>("f_KVTElem");
  std::vector<std::unique_ptr<harness::Calls>> rules;
  SampleSource source(static_cast<uint64_t>(state.thread_index()) + 7);
  const auto table = exports();
  for (std::size_t r = 0; r < table.size(); ++r) {
    if (table[r].kind == ExportKind::kRule) {
      rules.push_back(harness::row_callers()[r].prepare(table[r], source, 4));
    }
  }
  Texts pesel({u"44051401359", u"02270803624", u"44051401358", u"4405140135"});
  Texts fields({u"  12 ", u"abc", u"", u"T"});
  std::size_t i = 0;
  for (auto _ : state) {
    if (f_KVTElem) benchmark::DoNotOptimize(f_KVTElem(121, pesel[i], 11));
    benchmark::DoNotOptimize(KVTDelSpacjeStrcmp(fields[i], fields[i + 1]));
    if (!rules.empty()) benchmark::DoNotOptimize(rules[i % rules.size()]->run(i));
    ++i;
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

}  // namespace

void register_hot_benchmarks() {
  // clang-format off
  benchmark::RegisterBenchmark("hot/f_KVTElem/PESEL", element, 121, 11,
      Texts({u"44051401359", u"02270803624", u"44051401358", u"4405140135"}));
  benchmark::RegisterBenchmark("hot/f_KVTElem/NIP", element, 117, 13,
      Texts({u"5261040828", u"526-104-08-28", u"5261040827", u"1234563218"}));
  benchmark::RegisterBenchmark("hot/f_KVTElem/REGON9", element, 122, 14,
      Texts({u"123456785", u"192598184", u"123456786", u"12345678"}));
  benchmark::RegisterBenchmark("hot/f_KVTElem/REGON14", element, 122, 14,
      Texts({u"12345678512347", u"23511332857188", u"12345678512348", u"1234567851234X"}));
  benchmark::RegisterBenchmark("hot/GP0004_1", one_text, "GP0004_1",
      Texts({u"61109010140000071219812874", u"27114020040000300201355387",
             u"61109010140000071219812875", u"6110901014000007121981287"}));
  benchmark::RegisterBenchmark("hot/f_KVTElemT_NR_RACH_BANKOWEGO", one_text,
      "f_KVTElemT_NR_RACH_BANKOWEGO",
      Texts({u"61109010140000071219812874", u"PL61109010140000071219812874",
             u"61109010140000071219812875", u"DE89370400440532013000"}));
  for (const char* name : {"sl_PoprawnaData_DDMMRRRR", "f_KVTElemT_DATA_DDMMRRRR",
                           "f_KVTElemT_DATA_DDMMRRRRNN", "f_KVTElemT_NNMMRRRR_RAP"}) {
    benchmark::RegisterBenchmark((std::string("hot/") + name).c_str(), one_text, name,
        Texts({u"15032024", u"29022024", u"29022023", u"1503202401"}));
  }
  for (const char* name : {"sl_PoprawnaData_MMRRRR", "f_KVTElemT_DATA_MMRRRR"}) {
    benchmark::RegisterBenchmark((std::string("hot/") + name).c_str(), one_text, name,
        Texts({u"032024", u"122050", u"132024", u"03202"}));
  }
  for (const char* name : {"sl_PoprawnaData_DDMM", "f_KVTElemT_DATA_DDMM"}) {
    benchmark::RegisterBenchmark((std::string("hot/") + name).c_str(), one_text, name,
        Texts({u"1503", u"2902", u"3102", u"150"}));
  }
  // clang-format on
  benchmark::RegisterBenchmark("hot/KVTDelSpacjeStrcmp", trimmed_compare);
  benchmark::RegisterBenchmark("hot/KVTDelSpacje", trim);
#ifdef OLV_HAVE_FAKE_SERVICE
  benchmark::RegisterBenchmark("hot/dictionary_code_check/fake_service", dictionary_code_check);
#endif
  benchmark::RegisterBenchmark("threads/field_mix", threads)->Threads(1)->Threads(2)->UseRealTime();
}

}  // namespace olv::bench
