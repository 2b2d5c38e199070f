// The identity and reference counting that every dictionary service written for the tests shares.
#pragma once

#include <atomic>
#include <cstdint>

#include "olvenir_p/runtime.h"
#include "platform/runtime_names.h"

namespace olv::testing {

// Starts with no reference: the factory's QueryInterface takes the first.
class ServiceBase : public IOlvenirDictionaryService {
 public:
  HRESULT OLVENIR_P_COM_CALL QueryInterface(const IID& iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IOlvenirDictionaryService) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  uint32_t OLVENIR_P_COM_CALL AddRef() override { return ++references_; }
  uint32_t OLVENIR_P_COM_CALL Release() override {
    const uint32_t left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~ServiceBase() = default;

 private:
  std::atomic<uint32_t> references_{0};
};

}  // namespace olv::testing
