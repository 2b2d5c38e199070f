// A dictionary service in a shared object of its own, loaded by the runtime from its path: it
// accepts the code "42" in every dictionary and judges a rule by the length of its text.
#include <atomic>

#include "olvenir_p/runtime.h"
#include "platform/runtime_names.h"
#include "tests/service_base.h"

namespace {

std::atomic<int> g_live{0};

class Service final : public olv::testing::ServiceBase {
 public:
  Service() { ++g_live; }
  HRESULT CheckRule(BSTR field, int64_t* result) override {
    *result = length(field);
    return S_OK;
  }
  HRESULT CheckRulePair(BSTR first, BSTR second, int64_t* result) override {
    *result = length(first) * 100 + length(second);
    return S_OK;
  }
  HRESULT LookupValue(BSTR, BSTR, BSTR, BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT LookupValueWhere(BSTR, stWarunekY*, int32_t, BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT CheckCode(int32_t, BSTR code, int32_t, int16_t* valid) override {
    *valid = code && code[0] == u'4' && code[1] == u'2' && code[2] == u'\0';
    return S_OK;
  }

 private:
  ~Service() { --g_live; }
  static int64_t length(BSTR s) {
    int64_t n = 0;
    while (s && s[n]) ++n;
    return n;
  }
};

class Factory final : public IClassFactory {
 public:
  HRESULT QueryInterface(const IID& iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  uint32_t AddRef() override { return 2; }
  uint32_t Release() override { return 1; }
  HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) override {
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    Service* service = new Service;
    service->AddRef();
    HRESULT hr = service->QueryInterface(iid, object);
    service->Release();
    return hr;
  }
  HRESULT LockServer(int32_t) override { return S_OK; }
};

Factory g_factory;

}  // namespace

extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(const CLSID* clsid,
                                                                            const IID* iid,
                                                                            void** object) {
  *object = nullptr;
  if (*clsid != CLSID_OlvenirDictionaryService) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(*iid, object);
}

// The service's instances alive now, for the test that loads it.
extern "C" __attribute__((visibility("default"))) int olv_test_service_live() { return g_live; }
