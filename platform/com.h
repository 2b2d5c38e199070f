// The component runtime as the library reaches it: the system's on Windows, the library's own
// (platform/runtime.cc) elsewhere. Only the dictionary service query uses it.
#pragma once

#include <cstdint>

#include "olvenir_p/runtime.h"

namespace olv::com {

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

}  // namespace olv::com
