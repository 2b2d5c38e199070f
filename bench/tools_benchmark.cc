// Benchmarks of the tools: the checker's batch mode, in JSON lines per second, and a code check
// through the component runtime answered by the SQLite reference service.
#include <sstream>
#include <string>

#include "bench/bench_support.h"
#include "bench/benchmarks.h"
#include "olvenir_p.h"
#include "platform/runtime_names.h"
#include "service/dictionary_service.h"
#include "service/sample_dictionary.h"
#include "tools/checker.h"

namespace olv::bench {
namespace {

// A field-by-field mix as a host's batch sends it: identity numbers, dates, accounts, trimming,
// rules with filled and blank fields, and dictionary checks; valid and invalid alike.
constexpr const char* kRequests[] = {
    R"({"fn": "f_KVTElem", "args": [121, "44051401359", 11]})",
    R"({"fn": "f_KVTElem", "args": [121, "44051401358", 11]})",
    R"({"fn": "f_KVTElem", "args": [117, "5261040828", 13]})",
    R"({"fn": "f_KVTElemT_PESEL", "args": ["02270803628"]})",
    R"({"fn": "f_KVTElemT_NIP", "args": ["1234563218"]})",
    R"({"fn": "sl_PoprawnaData_DDMMRRRR", "args": ["29022024"]})",
    R"({"fn": "sl_PoprawnaData_DDMMRRRR", "args": ["30022024"]})",
    R"({"fn": "GP0004_1", "args": ["61109010140000071219812874"]})",
    R"({"fn": "KVTDelSpacje", "args": ["  Kowalski  "]})",
    R"({"fn": "XP0012_2", "args": ["", "x"]})",
    R"({"fn": "XP0012_2", "args": ["1", "x"]})",
    R"({"fn": "GB0022_2", "args": ["01022024", "01012024"]})",
    R"({"fn": "fb_KVTKodSprawdzArkusze", "args": [10019, "350", "15062010"]})",
    R"({"fn": "fb_KVTKodPokrewienstwa", "args": ["12", 1, 32]})",
    R"({"fn": "f_KVTElem", "args": [122, "123456785", 14], "id": 17})",
    R"({"fn": "sl_PoprawnaData_MMRRRR", "args": ["032024"]})",
};
constexpr std::size_t kBatchLines = 4096;

// The sample dictionary registered for the benchmark's life, as the checker registers it.
class SampleRegistration {
 public:
  SampleRegistration() {
    IClassFactory* f = service::new_dictionary_factory(
        service::SqliteDictionary::from_sql(service::kSampleDictionarySql));
    olvenir_RegisterClassFactory(&CLSID_OlvenirDictionaryService, f);
    f->Release();
  }
  ~SampleRegistration() { olvenir_RevokeClass(&CLSID_OlvenirDictionaryService); }
  SampleRegistration(const SampleRegistration&) = delete;
  SampleRegistration& operator=(const SampleRegistration&) = delete;
};

void checker_batch(benchmark::State& state) {
  SampleRegistration registration;
  std::string batch;
  for (std::size_t i = 0; i < kBatchLines; ++i) {
    batch += kRequests[i % std::size(kRequests)];
    batch += '\n';
  }
  Options options;
  options.mode = Mode::kBatch;
  std::string replies;
  for (auto _ : state) {
    std::istringstream in(batch);
    std::ostringstream out;
    std::ostringstream err;
    CheckerStreams io{in, out, err, false};
    benchmark::DoNotOptimize(run_checker(options, io));
    replies = out.str();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kBatchLines));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * batch.size()));
}

// Creation of the service instance, one code check in SQLite, release: a valid code, a code
// outside its validity, an unknown code, a month date. The overload with a date number always
// asks the service (the others answer some dictionaries without it).
void sqlite_code_check(benchmark::State& state) {
  SampleRegistration registration;
  const std::u16string codes[] = {u"011000", u"041100", u"999999", u"057000"};
  const int dates[] = {20090101, 20090101, 0, 201001};
  std::size_t i = 0;
  measure(state, [&] {
    benchmark::DoNotOptimize(fb_KVTKodSprawdzArkusze(10003, codes[i & 3].c_str(), dates[i & 3]));
    ++i;
  });
}

}  // namespace

void register_tools_benchmarks() {
  benchmark::RegisterBenchmark("tools/checker_batch", checker_batch)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("tools/dictionary_code_check/sqlite_service", sqlite_code_check);
}

}  // namespace olv::bench
