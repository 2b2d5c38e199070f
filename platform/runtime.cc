// The small component runtime: automation strings, per-thread initialisation, class
// registration and creation, and the error information of a failed call.
#include "platform/runtime.h"

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <vector>

#include "platform/runtime_names.h"

namespace olv {
namespace {

// ---- automation strings ----------------------------------------------------------------------

// A string is one block: a 32-bit byte length, the units, a terminating null unit. The BSTR
// points at the first unit, so the prefix sits just before it.
constexpr std::size_t kPrefix = sizeof(uint32_t);
constexpr uint32_t kMaxUnits = (UINT32_MAX - kPrefix - sizeof(char16_t)) / sizeof(char16_t);

std::atomic<int64_t> g_live_strings{0};

BSTR allocate_string(const char16_t* units, std::size_t length) {
  if (length > kMaxUnits) return nullptr;
  const auto bytes = static_cast<uint32_t>(length * sizeof(char16_t));
  auto* block = static_cast<unsigned char*>(std::malloc(kPrefix + bytes + sizeof(char16_t)));
  if (!block) return nullptr;
  std::memcpy(block, &bytes, kPrefix);
  auto* string = reinterpret_cast<char16_t*>(block + kPrefix);
  if (units) {
    std::memcpy(string, units, bytes);
  } else {
    std::memset(string, 0, bytes);
  }
  string[length] = u'\0';
  g_live_strings.fetch_add(1, std::memory_order_relaxed);
  return string;
}

unsigned char* block_of(BSTR string) { return reinterpret_cast<unsigned char*>(string) - kPrefix; }

// ---- per-thread state ------------------------------------------------------------------------

thread_local int t_depth = 0;

// The error information of the thread's last failed call; freed when the thread ends.
struct ErrorSlot {
  BSTR description = nullptr;
  ~ErrorSlot() { olvenir_SysFreeString(description); }
};
thread_local ErrorSlot t_error;

// ---- registrations ---------------------------------------------------------------------------

// One registered class: a host factory (a held reference) or the path of a shared object.
struct Registration {
  CLSID clsid;
  IClassFactory* factory = nullptr;
  std::string path;
  std::mutex load_mutex;
  olvenir_DllGetClassObject_fn entry = nullptr;

  ~Registration() {
    if (factory) factory->Release();
  }
  explicit Registration(const CLSID& id) : clsid(id) {}
};

// A query copies the registration it finds under the lock and then works without it, so a
// replacement or revocation never pulls a factory from under a running creation.
struct Registry {
  std::mutex mutex;
  std::vector<std::shared_ptr<Registration>> entries;
};

// Never destroyed: a host's factories may already be gone when static destructors run.
Registry& registry() {
  static Registry* const instance = new Registry;
  return *instance;
}

std::shared_ptr<Registration> find_registration(const CLSID& clsid) {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  const auto it = std::find_if(r.entries.begin(), r.entries.end(),
                               [&](const auto& e) { return e->clsid == clsid; });
  return it == r.entries.end() ? nullptr : *it;
}

// Installs `entry` in place of any registration of its class; null revokes.
HRESULT replace_registration(const CLSID& clsid, std::shared_ptr<Registration> entry) {
  std::shared_ptr<Registration> old;
  {
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const auto it = std::find_if(r.entries.begin(), r.entries.end(),
                                 [&](const auto& e) { return e->clsid == clsid; });
    if (it != r.entries.end()) {
      old = std::move(*it);
      if (entry) {
        *it = std::move(entry);
      } else {
        r.entries.erase(it);
      }
    } else if (entry) {
      r.entries.push_back(std::move(entry));
    }
  }
  // `old` is released here, outside the lock: its factory's Release may call back in.
  return old ? S_OK : S_FALSE;
}

// Registers a host factory (taking a reference) or a shared object's path for the class, in place
// of any registration of it.
HRESULT register_class(const CLSID& clsid, IClassFactory* factory, const char* path) {
  try {
    auto entry = std::make_shared<Registration>(clsid);
    entry->path = path;
    if (factory) factory->AddRef();
    entry->factory = factory;
    replace_registration(clsid, std::move(entry));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

// A new reference to the class's factory: the host's, or the shared object's, which is loaded on
// the first creation. A loaded object stays loaded: instances made from it may still run on
// other threads.
HRESULT factory_of(Registration& reg, IClassFactory*& factory) {
  if (reg.factory) {
    factory = reg.factory;
    factory->AddRef();
    return S_OK;
  }
  std::unique_lock<std::mutex> lock(reg.load_mutex);
  if (!reg.entry) {
    void* module = dlopen(reg.path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) return CO_E_DLLNOTFOUND;
    void* symbol = dlsym(module, "DllGetClassObject");
    if (!symbol) {
      dlclose(module);
      return CO_E_ERRORINDLL;
    }
    reg.entry = reinterpret_cast<olvenir_DllGetClassObject_fn>(symbol);
  }
  lock.unlock();
  void* object = nullptr;
  HRESULT hr = reg.entry(&reg.clsid, &IID_IClassFactory, &object);
  if (FAILED(hr)) return hr;
  if (!object) return E_POINTER;
  factory = static_cast<IClassFactory*>(object);
  return S_OK;
}

}  // namespace

int initialisation_depth() { return t_depth; }

int64_t live_strings() { return g_live_strings.load(std::memory_order_relaxed); }

}  // namespace olv

// ---- exports ----

extern "C" {

BSTR olvenir_SysAllocString(const char16_t* text) {
  return text ? olv::allocate_string(text, std::char_traits<char16_t>::length(text)) : nullptr;
}

BSTR olvenir_SysAllocStringLen(const char16_t* text, uint32_t length) {
  return olv::allocate_string(text, length);
}

uint32_t olvenir_SysStringLen(BSTR string) {
  if (!string) return 0;
  uint32_t bytes;
  std::memcpy(&bytes, olv::block_of(string), olv::kPrefix);
  return bytes / sizeof(char16_t);
}

void olvenir_SysFreeString(BSTR string) {
  if (!string) return;
  olv::g_live_strings.fetch_sub(1, std::memory_order_relaxed);
  std::free(olv::block_of(string));
}

HRESULT olvenir_CoInitialize(void*) { return ++olv::t_depth == 1 ? S_OK : S_FALSE; }

void olvenir_CoUninitialize(void) {
  if (olv::t_depth > 0) --olv::t_depth;
}

HRESULT olvenir_CoCreateInstance(const CLSID* clsid, IUnknown* outer, uint32_t context,
                                 const IID* iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!clsid || !iid) return E_INVALIDARG;
  if (olv::t_depth == 0) return CO_E_NOTINITIALIZED;
  if (outer) return CLASS_E_NOAGGREGATION;
  if (!(context & CLSCTX_INPROC_SERVER)) return REGDB_E_CLASSNOTREG;
  std::shared_ptr<olv::Registration> reg = olv::find_registration(*clsid);
  if (!reg) return REGDB_E_CLASSNOTREG;
  IClassFactory* factory = nullptr;
  HRESULT hr = olv::factory_of(*reg, factory);
  if (FAILED(hr)) return hr;
  hr = factory->CreateInstance(nullptr, *iid, object);
  factory->Release();
  if (FAILED(hr)) *object = nullptr;
  return hr;
}

HRESULT olvenir_RegisterClassFactory(const CLSID* clsid, IClassFactory* factory) {
  if (!clsid || !factory) return E_INVALIDARG;
  return olv::register_class(*clsid, factory, "");
}

HRESULT olvenir_RegisterServerPath(const CLSID* clsid, const char* path) {
  if (!clsid || !path || !*path) return E_INVALIDARG;
  return olv::register_class(*clsid, nullptr, path);
}

HRESULT olvenir_RevokeClass(const CLSID* clsid) {
  if (!clsid) return E_INVALIDARG;
  return olv::replace_registration(*clsid, nullptr);
}

HRESULT olvenir_SetErrorInfo(const char16_t* description) {
  BSTR copy = olvenir_SysAllocString(description);  // null for no description
  if (description && !copy) return E_OUTOFMEMORY;
  olvenir_SysFreeString(olv::t_error.description);
  olv::t_error.description = copy;
  return S_OK;
}

HRESULT olvenir_GetErrorInfo(BSTR* description) {
  if (!description) return E_POINTER;
  *description = olv::t_error.description;
  olv::t_error.description = nullptr;
  return *description ? S_OK : S_FALSE;
}
}
