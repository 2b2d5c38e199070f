// The shared library as a host meets it: exactly the table's symbols in its dynamic table (this
// binary links every one of them through the call layer), and a service's failure thrown out of
// the library as olvenir_p::ServiceError.
#include <gtest/gtest.h>

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
