// The service's runtime calls on Windows: the system's automation strings, error information and
// class registration.
#include "service/runtime_access.h"
// The library's names come first: the system headers define S_OK and its kin as macros.
#include <objbase.h>
#include <oleauto.h>

namespace olv::service {
namespace {

// The registration made by register_factory; the thread that made it keeps COM initialised
// until it is revoked, as the system requires of a registering thread.
DWORD registration = 0;
// Whether register_factory's initialisation succeeded and is owed an uninitialisation.
bool initialized = false;

}  // namespace

olvenir_p::BSTR new_automation_string(const char16_t* text, uint32_t length) {
  return reinterpret_cast<olvenir_p::BSTR>(
      SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text), length));
}

void set_error_description(const char16_t* description) {
  ICreateErrorInfo* created = nullptr;
  if (FAILED(CreateErrorInfo(&created))) return;
  created->SetDescription(const_cast<LPOLESTR>(reinterpret_cast<const OLECHAR*>(description)));
  IErrorInfo* info = nullptr;
  if (SUCCEEDED(created->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
    SetErrorInfo(0, info);
    info->Release();
  }
  created->Release();
}

void register_factory(olvenir_p::IClassFactory* factory) {
  revoke_factory();
  initialized = SUCCEEDED(CoInitialize(nullptr));
  if (FAILED(CoRegisterClassObject(
          reinterpret_cast<const ::GUID&>(olvenir_p::CLSID_OlvenirDictionaryService),
          reinterpret_cast<::IUnknown*>(factory), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
          &registration))) {
    registration = 0;
    revoke_factory();
  }
}

void revoke_factory() {
  if (registration) CoRevokeClassObject(registration);
  registration = 0;
  if (initialized) CoUninitialize();
  initialized = false;
}

}  // namespace olv::service
