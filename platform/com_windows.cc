// The component runtime access over the system's COM and automation strings (ole32, oleaut32).
#include <objbase.h>
#include <oleauto.h>

#include "platform/com.h"

namespace olv::com {
namespace {

// The library's identifiers and strings have the system's layout and units.
const ::GUID& system_guid(const olvenir_p::GUID& id) { return reinterpret_cast<const ::GUID&>(id); }
::BSTR system_string(olvenir_p::BSTR s) { return reinterpret_cast<::BSTR>(s); }
olvenir_p::BSTR library_string(::BSTR s) { return reinterpret_cast<olvenir_p::BSTR>(s); }

}  // namespace

olvenir_p::HRESULT initialize() { return CoInitialize(nullptr); }

void uninitialize() { CoUninitialize(); }

olvenir_p::HRESULT create_instance(const olvenir_p::CLSID& clsid, const olvenir_p::IID& iid,
                                   void** object) {
  return CoCreateInstance(system_guid(clsid), nullptr, CLSCTX_INPROC_SERVER, system_guid(iid),
                          object);
}

olvenir_p::BSTR alloc_string(const char16_t* text) {
  return library_string(SysAllocString(reinterpret_cast<const OLECHAR*>(text)));
}

olvenir_p::BSTR alloc_string(const char16_t* text, uint32_t length) {
  return library_string(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text), length));
}

uint32_t string_length(olvenir_p::BSTR string) { return SysStringLen(system_string(string)); }

void free_string(olvenir_p::BSTR string) { SysFreeString(system_string(string)); }

void clear_error_info() { SetErrorInfo(0, nullptr); }

olvenir_p::BSTR take_error_info() {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || !info) return nullptr;
  ::BSTR description = nullptr;
  if (FAILED(info->GetDescription(&description))) description = nullptr;
  info->Release();
  return library_string(description);
}

}  // namespace olv::com
