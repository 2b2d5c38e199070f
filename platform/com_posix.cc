// The component runtime access over the library's own runtime (platform/runtime.cc).
#include "platform/com.h"
#include "platform/runtime_names.h"

namespace olv::com {

HRESULT initialize() { return olvenir_CoInitialize(nullptr); }

void uninitialize() { olvenir_CoUninitialize(); }

HRESULT create_instance(const CLSID& clsid, const IID& iid, void** object) {
  return olvenir_CoCreateInstance(&clsid, nullptr, CLSCTX_INPROC_SERVER, &iid, object);
}

BSTR alloc_string(const char16_t* text) { return olvenir_SysAllocString(text); }

BSTR alloc_string(const char16_t* text, uint32_t length) {
  return olvenir_SysAllocStringLen(text, length);
}

uint32_t string_length(BSTR string) { return olvenir_SysStringLen(string); }

void free_string(BSTR string) { olvenir_SysFreeString(string); }

void clear_error_info() { olvenir_SetErrorInfo(nullptr); }

BSTR take_error_info() {
  BSTR description = nullptr;
  olvenir_GetErrorInfo(&description);
  return description;
}

}  // namespace olv::com
