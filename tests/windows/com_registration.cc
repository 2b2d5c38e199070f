// The tests' service registration over the system's COM (ole32, oleaut32).
#include "tests/windows/com_registration.h"

#include <objbase.h>

namespace olv::testing {

uint32_t register_factory(const olvenir_p::CLSID& clsid, olvenir_p::IClassFactory* factory) {
  CoInitialize(nullptr);
  DWORD cookie = 0;
  CoRegisterClassObject(reinterpret_cast<const ::GUID&>(clsid),
                        reinterpret_cast<::IUnknown*>(factory), CLSCTX_INPROC_SERVER,
                        REGCLS_MULTIPLEUSE, &cookie);
  return cookie;
}

void revoke_factory(uint32_t cookie) {
  CoRevokeClassObject(cookie);
  CoUninitialize();
}

}  // namespace olv::testing
