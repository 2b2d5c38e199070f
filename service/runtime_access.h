// The runtime calls the service makes: automation strings for its answers, the thread's error
// description, and the process-wide registration of a factory. On Windows they are the system's
// (runtime_access_windows.cc); elsewhere the library's own runtime serves them.
#pragma once

#include <cstdint>

#include "olvenir_p.h"

namespace olv::service {

// A new automation string of `length` units copied from `text`; null when memory runs out.
olvenir_p::BSTR new_automation_string(const char16_t* text, uint32_t length);

// Sets the calling thread's error information to `description`.
void set_error_description(const char16_t* description);

// Makes `factory` (which the registration holds a reference to) the one that creates the
// dictionary class in this process, in place of any registered before.
void register_factory(olvenir_p::IClassFactory* factory);

// Removes the registration of register_factory, when there is one.
void revoke_factory();

#if !defined(_WIN32)
inline olvenir_p::BSTR new_automation_string(const char16_t* text, uint32_t length) {
  return olvenir_SysAllocStringLen(text, length);
}

inline void set_error_description(const char16_t* description) {
  olvenir_SetErrorInfo(description);
}

inline void register_factory(olvenir_p::IClassFactory* factory) {
  olvenir_RegisterClassFactory(&olvenir_p::CLSID_OlvenirDictionaryService, factory);
}

inline void revoke_factory() { olvenir_RevokeClass(&olvenir_p::CLSID_OlvenirDictionaryService); }
#endif

}  // namespace olv::service
