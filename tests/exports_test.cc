// The shared library as a host meets it: exactly the table's symbols in its dynamic table (this
// binary links every one of them through the call layer), every export answering hostile
// arguments with one of its listed results, and a service's failure thrown out of the library as
// olvenir_p::ServiceError.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "calls/calls.h"
#include "olvenir_p.h"
#include "tests/service_base.h"

namespace olv {
namespace {

std::set<std::string> expected_symbols() {
  std::ifstream in(OLV_EXPECTED_SYMBOLS);
  std::set<std::string> symbols;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) symbols.insert(line);
  }
  return symbols;
}

// The defined symbols of the library's dynamic table, as nm reads them.
std::set<std::string> dynamic_symbols() {
  std::set<std::string> symbols;
  std::string command =
      std::string("nm -D --defined-only --format=posix '") + OLV_LIBRARY_PATH + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return symbols;
  char line[4096];
  while (std::fgets(line, sizeof line, pipe)) {
    std::string entry(line);
    std::string name = entry.substr(0, entry.find(' '));
    if (!name.empty()) symbols.insert(name);
  }
  pclose(pipe);
  return symbols;
}

TEST(ExportsTest, DynamicTableHoldsExactlyTheTable) {
  std::set<std::string> expected = expected_symbols();
  ASSERT_EQ(expected.size(), exports().size()) << "a symbol is listed twice";
  EXPECT_EQ(dynamic_symbols(), expected);
}

// Hostile arguments of every kind; argument i of variant v takes entry v + i of its kind's list,
// so every row meets every entry in some position.
const std::u16string kLong(5000, u'9');
const std::vector<Arg> kTexts = {
    Arg(),
    Arg(u""),
    Arg(u"   \t"),
    Arg(kLong),
    Arg(u"\xD800"),
    Arg(u"\uFFFF\u00A0"),
    Arg(u"31022024"),
    Arg(u"0121"),
    Arg(u"-0x7fffffff"),
    Arg(u"44051401359"),
    Arg(u"\u0105\u017C"),
    Arg(u"1,5e308"),
};
const int64_t kNumbers[] = {0, -1, 1, INT64_MIN, INT64_MAX, INT32_MIN, INT32_MAX, 10019, 121, 255};

// A number as a host's cast into the parameter's type would give it.
int64_t wrapped(ParamKind kind, int64_t n) {
  switch (kind) {
    case ParamKind::kInt:
    case ParamKind::kIntOut:
      return static_cast<int32_t>(n);
    case ParamKind::kUnsigned:
      return static_cast<uint32_t>(n);
    case ParamKind::kShort:
      return static_cast<int16_t>(n);
    case ParamKind::kByte:
      return static_cast<uint8_t>(n);
    case ParamKind::kChar:
      return static_cast<uint16_t>(n);
    case ParamKind::kBool:
      return n & 1;
    default:
      return n;
  }
}

Arg hostile(ParamKind kind, std::size_t k) {
  const Arg& text = kTexts[k % kTexts.size()];
  const int64_t number = wrapped(kind, kNumbers[k % std::size(kNumbers)]);
  switch (kind) {
    case ParamKind::kText:
    case ParamKind::kMutableText:
      return text;
    case ParamKind::kTextList:
      if (k % 3 == 0) return Arg();
      return std::vector<OptionalText>{std::nullopt, u"", kLong, u"01012024"};
    case ParamKind::kIntOut:
      return k % 2 ? Arg() : Arg(number);
    case ParamKind::kConditions:
      if (k % 3 == 0) return Arg();
      return std::vector<Condition>{{u"KOD", 0, std::nullopt}, {std::nullopt, 127, kLong}};
    case ParamKind::kCodeTable: {
      if (k % 3 == 0) return Arg();
      std::vector<CodeGroup> groups(10);
      groups[k % 10].codes = {{std::nullopt, INT32_MIN, INT32_MAX, u""}, {kLong, 0, -1, {}}};
      groups[0].children.resize(1);
      return groups;
    }
    case ParamKind::kBstr:
    case ParamKind::kOpaque:
      return Arg();
    default:
      return number;
  }
}

// The component runtime's entry points are a calling protocol (pairs that must balance, strings
// that are taken over), not checks; the runtime's own tests call them.
bool is_runtime(const Export& row) { return std::string_view(row.name).starts_with("olvenir_"); }

TEST(ExportsTest, EveryExportAnswersHostileArgumentsWithAListedResult) {
  const int code_page = KVTGetCodePage();
  for (const Export& row : exports()) {
    if (is_runtime(row)) continue;
    for (std::size_t v = 0; v < kTexts.size(); ++v) {
      std::vector<Arg> args;
      for (std::size_t i = 0; i < row.params.size(); ++i) {
        args.push_back(hostile(row.params[i], v + i));
        // A count follows its conditions, and never says more than were given.
        if (i > 0 && row.params[i - 1] == ParamKind::kConditions) {
          const auto* given = std::get_if<std::vector<Condition>>(&args[i - 1]);
          args[i] = int64_t(given ? given->size() : 0);
        }
      }
      if (row.variadic) {
        for (std::size_t i = 0; i < v % 4; ++i) args.push_back(hostile(ParamKind::kText, v + i));
      }
      const Outcome o = row.call(args);
      ASSERT_EQ(o.error, "") << row.name << " variant " << v;
      if (o.kind == ResultKind::kInt || o.kind == ResultKind::kBool) {
        EXPECT_TRUE(allowed_result(row, o.number))
            << row.name << " variant " << v << " answered " << o.number;
      }
    }
  }
  KVTSetCodePage(code_page);
}

// A service that fails every operation, describing the failure first.
class FailingService final : public testing::ServiceBase {
 public:
  HRESULT CheckRule(BSTR, int64_t*) override { return fail(); }
  HRESULT CheckRulePair(BSTR, BSTR, int64_t*) override { return fail(); }
  HRESULT LookupValue(BSTR, BSTR, BSTR, BSTR, BSTR*) override { return fail(); }
  HRESULT LookupValueWhere(BSTR, stWarunekY*, int32_t, BSTR, BSTR*) override { return fail(); }
  HRESULT CheckCode(int32_t, BSTR, int32_t, int16_t*) override { return fail(); }

 private:
  static HRESULT fail() {
    olvenir_SetErrorInfo(u"the dictionary is closed");
    return E_FAIL;
  }
};

class FailingFactory final : public IClassFactory {
 public:
  HRESULT QueryInterface(const IID& iid, void** object) override {
    *object = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  uint32_t AddRef() override { return 2; }
  uint32_t Release() override { return 1; }
  HRESULT CreateInstance(IUnknown*, const IID& iid, void** object) override {
    auto* service = new FailingService;
    service->AddRef();
    const HRESULT hr = service->QueryInterface(iid, object);
    service->Release();
    return hr;
  }
  HRESULT LockServer(int32_t) override { return S_OK; }
};

TEST(ExportsTest, AServiceFailureLeavesTheLibraryAsServiceError) {
  FailingFactory factory;
  ASSERT_EQ(olvenir_RegisterClassFactory(&CLSID_OlvenirDictionaryService, &factory), S_OK);
  try {
    WD0007_1(u"x");
    ADD_FAILURE() << "no exception";
  } catch (const olvenir_p::ServiceError& e) {
    EXPECT_EQ(e.result(), E_FAIL);
    EXPECT_EQ(e.description(), u"the dictionary is closed");
    EXPECT_STREQ(e.what(), "the dictionary is closed");
  }
  // Called by name, the failure is the call's error.
  EXPECT_EQ(find_export("WD0007_1")->call({{u"x"}}).error,
            "the call failed: the dictionary is closed");
  olvenir_RevokeClass(&CLSID_OlvenirDictionaryService);
}

}  // namespace
}  // namespace olv
