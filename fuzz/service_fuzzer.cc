// Fuzzes the reference dictionary service's five operations over the sample database, with
// hostile table, column and key texts (quotes, internal tables, lone surrogates, thousands of
// units), hostile conditions (unknown operators, negative counts, no array) and dates. Oracle:
// every operation answers S_OK, or the one failure its arguments call for, with its out-value
// set accordingly; a query that fails (a name reaching the SQL text) stops the run.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/export_calls.h"
#include "olvenir_p.h"
#include "platform/runtime_names.h"
#include "service/dictionary_service.h"
#include "service/sample_dictionary.h"

namespace {

using olv::harness::Pick;

// Names and values of the sample database, the names no lookup may reach, and texts that
// would change a query if a name were ever pasted into it unquoted.
constexpr std::u16string_view kWords[] = {u"slU_KodPokrew",
                                          u"STP_KODPOKREW",
                                          u"STP_WGOSPZOSUBEZP",
                                          u"STP_KOD_ST_NIEPEL",
                                          u"slU_KodTytNieNaFormularzu",
                                          u"KOD_TYT_UBEZ",
                                          u"PR_EM_RENT",
                                          u"RODZ_FORM",
                                          u"DATA_OD",
                                          u"DATA_DO",
                                          u"olv_codes",
                                          u"olv_meta",
                                          u"sqlite_schema",
                                          u"sqlite_master",
                                          u"dictionary",
                                          u"code",
                                          u"valid_from",
                                          u"valid_to",
                                          u"11",
                                          u"12",
                                          u"21",
                                          u"40",
                                          u"0411",
                                          u"0510",
                                          u"0570",
                                          u"RSA",
                                          u"RCA",
                                          u"011000",
                                          u"041100",
                                          u"057000",
                                          u"01R",
                                          u"020101",
                                          u"350",
                                          u"01012009",
                                          u"31122008",
                                          u"2009-01-01",
                                          u"20090101",
                                          u"012009",
                                          u"122008",
                                          u"00000000",
                                          u"99999999",
                                          u"2009-13-01",
                                          u"0000-00-00",
                                          u"32012009",
                                          u"000000",
                                          u"\"",
                                          u"\"\"",
                                          u"'",
                                          u"\" OR 1=1 --",
                                          u"slU_KodPokrew\" WHERE 1=1 --",
                                          u"x\"; DROP TABLE olv_codes; --",
                                          u"?1",
                                          u"*",
                                          u"%",
                                          u"_",
                                          u"SLU_KODPOKREW",
                                          u"stp_kodpokrew",
                                          u"slU_KodPokrew ",
                                          u" STP_KODPOKREW"};

// Draws every text from the words above, changed or framed at times, or hostile outright.
class ServiceSource final : public olv::harness::Source {
 public:
  ServiceSource(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  unsigned byte() { return at_ < size_ ? data_[at_++] : 0; }
  char16_t unit() { return static_cast<char16_t>(byte() | byte() << 8); }
  int32_t int32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | byte();
    return static_cast<int32_t>(v);
  }

 protected:
  Pick pick_text() override {
    scratch_.clear();
    const std::u16string_view word = kWords[byte() % std::size(kWords)];
    switch (byte() % 8) {
      case 0:
        return {true, {}};
      case 1:
        return {};
      case 2:  // a word with one unit changed or added: a lone surrogate, a quote, a null
        scratch_ = word;
        if (const std::size_t at = byte() % (scratch_.size() + 1); at < scratch_.size()) {
          scratch_[at] = unit();
        } else {
          scratch_.push_back(unit());
        }
        break;
      case 3:  // raw units
        for (unsigned n = byte() % 64; n > 0 && at_ < size_; --n) scratch_.push_back(unit());
        break;
      case 4:  // thousands of units
        scratch_.assign(1000 + unit() % 8000, byte() % 2 ? u'"' : u'1');
        break;
      case 5:  // two words joined
        scratch_ = word;
        scratch_ += kWords[byte() % std::size(kWords)];
        break;
      default:
        return {false, word};
    }
    return {false, scratch_};
  }

  // Condition operators and dictionary numbers: mostly the ones that exist, some that do not.
  int64_t pick_number() override {
    static constexpr int64_t kNumbers[] = {0, -2, 2, 0, -2, 2, 1, -1, 3, 127, -128, 10003, 10019};
    return kNumbers[byte() % std::size(kNumbers)];
  }
  int pick_list_length() override { return 0; }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  std::u16string scratch_;
};

[[noreturn]] void wrong(const char* operation, HRESULT hr, const char* what) {
  std::fprintf(stderr, "%s answered 0x%08X: %s\n", operation, static_cast<unsigned>(hr), what);
  std::abort();
}

// A lookup answers a text on success and nothing on failure.
void check_lookup(const char* operation, HRESULT hr, HRESULT expected, BSTR value) {
  if (hr != expected) wrong(operation, hr, "not the answer its arguments call for");
  if ((hr == S_OK) != (value != nullptr)) wrong(operation, hr, "value not set as the answer says");
  olvenir_SysFreeString(value);
}

IClassFactory* factory() {
  static IClassFactory* const f = olv::service::new_dictionary_factory(
      olv::service::SqliteDictionary::from_sql(olv::service::kSampleDictionarySql));
  return f;
}

// The answer a conditional lookup must give for its count and operators.
HRESULT expected_where(const stWarunekY* conditions, int32_t count) {
  if (count < 0) return E_INVALIDARG;
  if (count > 0 && !conditions) return E_POINTER;
  for (int32_t i = 0; i < count; ++i) {
    const int op = conditions[i].op;
    if (op != 0 && op != -2 && op != 2) return E_INVALIDARG;
  }
  return S_OK;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  void* object = nullptr;
  if (factory()->CreateInstance(nullptr, IID_IOlvenirDictionaryService, &object) != S_OK) {
    wrong("CreateInstance", E_FAIL, "no instance");
  }
  auto* service = static_cast<IOlvenirDictionaryService*>(object);
  ServiceSource source(data, size);
  // Several operations on one instance, as the library makes them for one query.
  for (int n = 0; n < 4 && n <= static_cast<int>(source.byte() % 4); ++n) {
    const bool no_out = source.byte() % 16 == 0;
    switch (source.byte() % 5) {
      case 0: {
        int64_t result = -1;
        const HRESULT hr = service->CheckRule(source.bstr(), no_out ? nullptr : &result);
        if (hr != (no_out ? E_POINTER : S_OK) || (!no_out && result != 0)) {
          wrong("CheckRule", hr, "not a pass");
        }
        break;
      }
      case 1: {
        int64_t result = -1;
        BSTR first = source.bstr();
        const HRESULT hr = service->CheckRulePair(first, source.bstr(), no_out ? nullptr : &result);
        if (hr != (no_out ? E_POINTER : S_OK) || (!no_out && result != 0)) {
          wrong("CheckRulePair", hr, "not a pass");
        }
        break;
      }
      case 2: {
        BSTR table = source.bstr();
        BSTR key_column = source.bstr();
        BSTR key = source.bstr();
        BSTR column = source.bstr();
        BSTR value = nullptr;
        const HRESULT hr =
            service->LookupValue(table, key_column, key, column, no_out ? nullptr : &value);
        check_lookup("LookupValue", hr, no_out ? E_POINTER : S_OK, value);
        break;
      }
      case 3: {
        BSTR table = source.bstr();
        stWarunekY* conditions = source.conditions();
        auto count = static_cast<int32_t>(source.number());
        if (source.byte() % 8 == 0) count = -1 - static_cast<int32_t>(source.byte());
        if (source.byte() % 16 == 0) conditions = nullptr;
        BSTR column = source.bstr();
        BSTR value = nullptr;
        const HRESULT hr =
            service->LookupValueWhere(table, conditions, count, column, no_out ? nullptr : &value);
        check_lookup("LookupValueWhere", hr, no_out ? E_POINTER : expected_where(conditions, count),
                     value);
        break;
      }
      default: {
        static constexpr int32_t kDictionaries[] = {10003, 10004, 10005, 10019, 10049, 0, -1};
        const int32_t number =
            source.byte() % 2 ? kDictionaries[source.byte() % 7] : source.int32();
        BSTR code = source.bstr();
        static constexpr int32_t kDates[] = {0,      -1,      20090101,  20081231,
                                             200901, 200812,  19990101,  99991231,
                                             999999, 1000000, INT32_MAX, INT32_MIN};
        const int32_t date = source.byte() % 2 ? kDates[source.byte() % 12] : source.int32();
        int16_t valid = -1;
        const HRESULT hr = service->CheckCode(number, code, date, no_out ? nullptr : &valid);
        if (hr != (no_out ? E_POINTER : S_OK) || (!no_out && valid != 0 && valid != 1)) {
          wrong("CheckCode", hr, "not a yes or no");
        }
        break;
      }
    }
  }
  service->Release();
  return 0;
}
