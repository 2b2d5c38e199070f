// A dictionary service for the tests: records every call as it arrives, counts its live
// instances, answers from small tables written in each test, and can refuse creation or fail.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "olvenir_p/runtime.h"
#include "platform/com.h"
#include "platform/runtime.h"
#include "platform/runtime_names.h"
#include "service/runtime_access.h"
#if defined(_WIN32)
#include "tests/windows/com_registration.h"
#endif

namespace olv::testing {

// One call as the service saw it.
struct ServiceCall {
  std::string operation;
  std::vector<std::u16string> texts;  // text arguments in order; a null string as "<null>"
  int32_t number = 0;                 // the dictionary number of a code check
  int32_t date = 0;                   // the dictionary date of a code check
  bool initialised = false;           // the calling thread's runtime was initialised
};

inline std::u16string recorded(BSTR s) { return s ? std::u16string(s) : u"<null>"; }

// Answers `iid` with `self` when it is IUnknown or the object's own interface `own`.
template <typename T>
HRESULT query(T* self, const IID& own, const IID& iid, void** object) {
  const bool known = iid == IID_IUnknown || iid == own;
  *object = known ? self : nullptr;
  if (known) self->AddRef();
  return known ? S_OK : E_NOINTERFACE;
}

struct FakeServiceState {
  std::mutex mutex;
  std::vector<ServiceCall> calls;
  std::atomic<int> live{0};
  std::atomic<int> created{0};
  bool refuse_creation = false;
  HRESULT failure = S_OK;                 // returned by every operation when a failure
  const char16_t* description = nullptr;  // left as error information with the failure
  std::set<std::u16string> codes;         // codes the code check accepts
  int64_t rule_result = 0;                // the out-value of both rule checks
  // Lookup answers by key (value lookup) or by the second condition's value (conditional).
  std::map<std::u16string, std::u16string> answers;

  std::vector<ServiceCall> taken() {
    std::lock_guard<std::mutex> lock(mutex);
    return calls;
  }
};

// Starts with no reference: the factory's QueryInterface takes the first.
class FakeService final : public IOlvenirDictionaryService {
 public:
  explicit FakeService(FakeServiceState& state) : state_(state) {
    ++state_.live;
    ++state_.created;
  }

  HRESULT OLVENIR_P_COM_CALL QueryInterface(const IID& iid, void** object) override {
    return query(this, IID_IOlvenirDictionaryService, iid, object);
  }
  uint32_t OLVENIR_P_COM_CALL AddRef() override { return ++references_; }
  uint32_t OLVENIR_P_COM_CALL Release() override {
    const uint32_t left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT OLVENIR_P_COM_CALL CheckRule(BSTR field, int64_t* result) override {
    record({"CheckRule", {recorded(field)}});
    return answer([&] { *result = state_.rule_result; });
  }
  HRESULT OLVENIR_P_COM_CALL CheckRulePair(BSTR first, BSTR second, int64_t* result) override {
    record({"CheckRulePair", {recorded(first), recorded(second)}});
    return answer([&] { *result = state_.rule_result; });
  }
  HRESULT OLVENIR_P_COM_CALL LookupValue(BSTR dictionary, BSTR key_column, BSTR key, BSTR column,
                                         BSTR* value) override {
    record({"LookupValue",
            {recorded(dictionary), recorded(key_column), recorded(key), recorded(column)}});
    return answer([&] {
      auto it = state_.answers.find(recorded(key));
      *value = it == state_.answers.end() ? nullptr : com::alloc_string(it->second.c_str());
    });
  }
  HRESULT OLVENIR_P_COM_CALL LookupValueWhere(BSTR dictionary, stWarunekY* conditions,
                                              int32_t count, BSTR column, BSTR* value) override {
    ServiceCall call{"LookupValueWhere", {recorded(dictionary), recorded(column)}};
    for (int32_t i = 0; i < count; ++i) {
      call.texts.push_back(recorded(conditions[i].column));
      const std::string op = std::to_string(conditions[i].op);
      call.texts.push_back(std::u16string(op.begin(), op.end()));
      call.texts.push_back(recorded(conditions[i].value));
    }
    record(call);
    return answer([&] {
      auto it =
          count >= 2 ? state_.answers.find(recorded(conditions[1].value)) : state_.answers.end();
      *value = com::alloc_string(it == state_.answers.end() ? u"" : it->second.c_str());
    });
  }
  HRESULT OLVENIR_P_COM_CALL CheckCode(int32_t number, BSTR code, int32_t date,
                                       int16_t* valid) override {
    record({.operation = "CheckCode", .texts = {recorded(code)}, .number = number, .date = date});
    return answer([&] { *valid = state_.codes.count(recorded(code)) ? -1 : 0; });
  }

 private:
  ~FakeService() { --state_.live; }

  void record(ServiceCall call) {
#if !defined(_WIN32)
    call.initialised = olvenir_CoInitialize(nullptr) == S_FALSE;
    olvenir_CoUninitialize();
#endif
    std::lock_guard<std::mutex> lock(state_.mutex);
    state_.calls.push_back(std::move(call));
  }
  template <typename F>
  HRESULT answer(F write) {
    if (FAILED(state_.failure)) {
      if (state_.description) olv::service::set_error_description(state_.description);
      return state_.failure;
    }
    write();
    return S_OK;
  }

  FakeServiceState& state_;
  std::atomic<uint32_t> references_{0};
};

class FakeFactory final : public IClassFactory {
 public:
  explicit FakeFactory(FakeServiceState& state) : state_(state) {}
  HRESULT OLVENIR_P_COM_CALL QueryInterface(const IID& iid, void** object) override {
    return query(this, IID_IClassFactory, iid, object);
  }
  // The factory lives in the test's scope; the counts only show that references balance.
  uint32_t OLVENIR_P_COM_CALL AddRef() override { return ++references; }
  uint32_t OLVENIR_P_COM_CALL Release() override { return --references; }
  HRESULT OLVENIR_P_COM_CALL CreateInstance(IUnknown* outer, const IID& iid,
                                            void** object) override {
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (state_.refuse_creation) return E_FAIL;
    FakeService* service = new FakeService(state_);
    service->AddRef();
    HRESULT hr = service->QueryInterface(iid, object);
    service->Release();
    return hr;
  }
  HRESULT OLVENIR_P_COM_CALL LockServer(int32_t) override { return S_OK; }

  std::atomic<uint32_t> references{0};

 private:
  FakeServiceState& state_;
};

#if !defined(_WIN32)
// The library's runtime holds one registration a class, which needs no cookie.
inline uint32_t register_factory(const CLSID& clsid, IClassFactory* factory) {
  return olvenir_RegisterClassFactory(&clsid, factory);
}
inline void revoke_factory(uint32_t) { olvenir_RevokeClass(&CLSID_OlvenirDictionaryService); }
#endif

// Registers a fake service as the dictionary service for one test's scope: with the library's
// runtime, or on Windows with the system's COM on the test's thread.
class ScopedFakeService {
 public:
  ScopedFakeService() : cookie_(register_factory(CLSID_OlvenirDictionaryService, &factory)) {}
  ~ScopedFakeService() { revoke_factory(cookie_); }

  FakeServiceState state;  // holds a mutex: the scope cannot be copied
  FakeFactory factory{state};

 private:
  uint32_t cookie_;
};

// A fixture with a fake service registered that checks, after each test, that no instance,
// string or initialisation outlived the queries.
class ServiceFixture : public ::testing::Test {
 protected:
#if !defined(_WIN32)
  void SetUp() override { strings_before_ = olv::live_strings(); }
#endif
  void TearDown() override {
    EXPECT_EQ(fake_.state.live, 0) << "a service instance outlived its query";
#if !defined(_WIN32)
    EXPECT_EQ(olv::live_strings(), strings_before_) << "a string outlived its query";
    EXPECT_EQ(olv::initialisation_depth(), 0) << "the thread's initialisation was not undone";
#endif
  }
  std::vector<ServiceCall> calls() { return fake_.state.taken(); }

  ScopedFakeService fake_;
  int64_t strings_before_ = 0;
};

}  // namespace olv::testing
