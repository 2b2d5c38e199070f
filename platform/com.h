// The component runtime as the library reaches it: the system's on Windows
// (platform/com_windows.cc), the library's own exported runtime (platform/runtime.cc) elsewhere.
// The call layer uses it too, over the shared library's exports.
#pragma once

#include <cstdint>

#include "olvenir_p/runtime.h"

namespace olv::com {

#if defined(_WIN32)

// Initialises the runtime on the calling thread; each call is matched by uninitialize().
olvenir_p::HRESULT initialize();
void uninitialize();
// Creates an in-process instance of `clsid` and writes its `iid` interface.
olvenir_p::HRESULT create_instance(const olvenir_p::CLSID& clsid, const olvenir_p::IID& iid,
                                   void** object);

// Automation strings: null when memory runs out.
olvenir_p::BSTR alloc_string(const char16_t* text);
olvenir_p::BSTR alloc_string(const char16_t* text, uint32_t length);
uint32_t string_length(olvenir_p::BSTR string);
void free_string(olvenir_p::BSTR string);

// Forgets the calling thread's error information.
void clear_error_info();
// The calling thread's error description as a new string that the caller frees, cleared; null
// when there is none.
olvenir_p::BSTR take_error_info();

#else

inline olvenir_p::HRESULT initialize() { return olvenir_CoInitialize(nullptr); }
inline void uninitialize() { olvenir_CoUninitialize(); }
inline olvenir_p::HRESULT create_instance(const olvenir_p::CLSID& clsid, const olvenir_p::IID& iid,
                                          void** object) {
  return olvenir_CoCreateInstance(&clsid, nullptr, olvenir_p::CLSCTX_INPROC_SERVER, &iid, object);
}

inline olvenir_p::BSTR alloc_string(const char16_t* text) { return olvenir_SysAllocString(text); }
inline olvenir_p::BSTR alloc_string(const char16_t* text, uint32_t length) {
  return olvenir_SysAllocStringLen(text, length);
}
inline uint32_t string_length(olvenir_p::BSTR string) { return olvenir_SysStringLen(string); }
inline void free_string(olvenir_p::BSTR string) { olvenir_SysFreeString(string); }

inline void clear_error_info() { olvenir_SetErrorInfo(nullptr); }
inline olvenir_p::BSTR take_error_info() {
  olvenir_p::BSTR description = nullptr;
  olvenir_GetErrorInfo(&description);
  return description;
}

#endif

}  // namespace olv::com
