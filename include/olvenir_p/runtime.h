/* The component runtime: automation strings, service registration, error information, and the
 * dictionary service interface that a service implements. */
#ifndef OLVENIR_P_RUNTIME_H
#define OLVENIR_P_RUNTIME_H

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

#include "olvenir_p/types.h"

/* Every name of the runtime is in namespace olvenir_p, out of the way of a host's own; only the
 * exported functions, prefixed olvenir_, are global. */
/* The interfaces' methods use the platform's component calling convention, so that on Windows
 * the declarations below are real component vtables. */
#if defined(_WIN32)
#define OLVENIR_P_COM_CALL __stdcall
#else
#define OLVENIR_P_COM_CALL
#endif

/* The system's headers define these names as macros; they are set aside while the names in
 * namespace olvenir_p are declared, and restored after. */
#if defined(_WIN32)
#pragma push_macro("S_OK")
#undef S_OK
#pragma push_macro("S_FALSE")
#undef S_FALSE
#pragma push_macro("E_NOTIMPL")
#undef E_NOTIMPL
#pragma push_macro("E_NOINTERFACE")
#undef E_NOINTERFACE
#pragma push_macro("E_POINTER")
#undef E_POINTER
#pragma push_macro("E_FAIL")
#undef E_FAIL
#pragma push_macro("E_OUTOFMEMORY")
#undef E_OUTOFMEMORY
#pragma push_macro("E_INVALIDARG")
#undef E_INVALIDARG
#pragma push_macro("CLASS_E_NOAGGREGATION")
#undef CLASS_E_NOAGGREGATION
#pragma push_macro("CLASS_E_CLASSNOTAVAILABLE")
#undef CLASS_E_CLASSNOTAVAILABLE
#pragma push_macro("REGDB_E_CLASSNOTREG")
#undef REGDB_E_CLASSNOTREG
#pragma push_macro("CO_E_NOTINITIALIZED")
#undef CO_E_NOTINITIALIZED
#pragma push_macro("CO_E_DLLNOTFOUND")
#undef CO_E_DLLNOTFOUND
#pragma push_macro("CO_E_ERRORINDLL")
#undef CO_E_ERRORINDLL
#endif

namespace olvenir_p {

/* ---- result values and identifiers ---- */

/* The result of a runtime or service call: negative values are failures. */
typedef int32_t HRESULT;

inline constexpr bool(SUCCEEDED)(HRESULT hr) { return hr >= 0; }
inline constexpr bool(FAILED)(HRESULT hr) { return hr < 0; }

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
inline constexpr HRESULT CO_E_NOTINITIALIZED = static_cast<HRESULT>(0x800401F0u);
inline constexpr HRESULT CO_E_DLLNOTFOUND = static_cast<HRESULT>(0x800401F8u);
inline constexpr HRESULT CO_E_ERRORINDLL = static_cast<HRESULT>(0x800401F9u);

/* A 128-bit class or interface identifier. */
struct GUID {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
};
typedef GUID IID;
typedef GUID CLSID;

inline constexpr bool operator==(const GUID& a, const GUID& b) {
  if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3) return false;
  for (int i = 0; i < 8; ++i) {
    if (a.data4[i] != b.data4[i]) return false;
  }
  return true;
}
inline constexpr bool operator!=(const GUID& a, const GUID& b) { return !(a == b); }

/* The base interface and the class factory keep their customary identifiers. */
inline constexpr IID IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IClassFactory = {
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

/* The dictionary service's class: {C788BDE2-1A68-45F6-B0F4-35021B3C492A}. */
inline constexpr CLSID CLSID_OlvenirDictionaryService = {
    0xC788BDE2, 0x1A68, 0x45F6, {0xB0, 0xF4, 0x35, 0x02, 0x1B, 0x3C, 0x49, 0x2A}};
/* The dictionary service interface: {7C5C38CF-74FF-454B-A9B0-19762A4AD3A9}. */
inline constexpr IID IID_IOlvenirDictionaryService = {
    0x7C5C38CF, 0x74FF, 0x454B, {0xA9, 0xB0, 0x19, 0x76, 0x2A, 0x4A, 0xD3, 0xA9}};

/* The only creation context there is: a server in the calling process. */
inline constexpr uint32_t CLSCTX_INPROC_SERVER = 1;

/* ---- interfaces ---- */

/* The base of every interface: identity and reference counting. */
struct IUnknown {
  virtual HRESULT OLVENIR_P_COM_CALL QueryInterface(const IID& iid, void** object) = 0;
  virtual uint32_t OLVENIR_P_COM_CALL AddRef() = 0;
  virtual uint32_t OLVENIR_P_COM_CALL Release() = 0;

 protected:
  ~IUnknown() = default;
};

/* Makes instances of one class. */
struct IClassFactory : IUnknown {
  /* `outer` must be null (no aggregation); writes the instance's `iid` interface. */
  virtual HRESULT OLVENIR_P_COM_CALL CreateInstance(IUnknown* outer, const IID& iid,
                                                    void** object) = 0;
  /* Not used by the library; a factory may answer S_OK. */
  virtual HRESULT OLVENIR_P_COM_CALL LockServer(int32_t lock) = 0;

 protected:
  ~IClassFactory() = default;
};

/* The dictionary service. Texts arrive as automation strings that the library owns for the
 * call (a null string is the empty text); a returned text is a new automation string that the
 * library releases. On failure an operation returns a failure HRESULT and may describe it with
 * olvenir_SetErrorInfo on the calling thread. */
struct IOlvenirDictionaryService : IUnknown {
  /* Judges one field text; the low 32 bits of `*result` are a rule's result code. */
  virtual HRESULT OLVENIR_P_COM_CALL CheckRule(BSTR field, int64_t* result) = 0;
  /* Judges two field texts; the low 32 bits of `*result` are a rule's result code. */
  virtual HRESULT OLVENIR_P_COM_CALL CheckRulePair(BSTR first, BSTR second, int64_t* result) = 0;
  /* The `column` value of the `dictionary` row whose `key_column` holds `key`; null or empty
   * when there is none. */
  virtual HRESULT OLVENIR_P_COM_CALL LookupValue(BSTR dictionary, BSTR key_column, BSTR key,
                                                 BSTR column, BSTR* value) = 0;
  /* The `column` value of a `dictionary` row meeting all `count` conditions; empty when none. */
  virtual HRESULT OLVENIR_P_COM_CALL LookupValueWhere(BSTR dictionary, stWarunekY* conditions,
                                                      int32_t count, BSTR column, BSTR* value) = 0;
  /* Nonzero in `*valid` when `code` belongs to dictionary `number` (10001 to 10056) on `date`
   * (RRRRMMDD or RRRRMM; 0 for no date). */
  virtual HRESULT OLVENIR_P_COM_CALL CheckCode(int32_t number, BSTR code, int32_t date,
                                               int16_t* valid) = 0;

 protected:
  ~IOlvenirDictionaryService() = default;
};

/* The entry point a service's shared object exports, unmangled, under the name
 * DllGetClassObject: writes the `iid` interface (normally IID_IClassFactory) of the factory of
 * class `clsid`, or fails with CLASS_E_CLASSNOTAVAILABLE. */
typedef HRESULT(OLVENIR_P_COM_CALL* olvenir_DllGetClassObject_fn)(const CLSID* clsid,
                                                                  const IID* iid, void** object);

/* ---- the library's exception ---- */

/* A failure reported by the dictionary service, or an automation string that could not be
 * allocated (E_OUTOFMEMORY); thrown out of the export that queried the service. */
class ServiceError : public std::exception {
 public:
  ServiceError(HRESULT result, std::u16string description, std::string message)
      : result_(result), description_(std::move(description)), message_(std::move(message)) {}
  /* The failure HRESULT. */
  HRESULT result() const noexcept { return result_; }
  /* The service's description of the failure; empty when it gave none. */
  const std::u16string& description() const noexcept { return description_; }
  /* The description in UTF-8, or the HRESULT in hexadecimal when there is no description. */
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  HRESULT result_;
  std::u16string description_;
  std::string message_;
};

}  // namespace olvenir_p

#if defined(_WIN32)
#pragma pop_macro("S_OK")
#pragma pop_macro("S_FALSE")
#pragma pop_macro("E_NOTIMPL")
#pragma pop_macro("E_NOINTERFACE")
#pragma pop_macro("E_POINTER")
#pragma pop_macro("E_FAIL")
#pragma pop_macro("E_OUTOFMEMORY")
#pragma pop_macro("E_INVALIDARG")
#pragma pop_macro("CLASS_E_NOAGGREGATION")
#pragma pop_macro("CLASS_E_CLASSNOTAVAILABLE")
#pragma pop_macro("REGDB_E_CLASSNOTREG")
#pragma pop_macro("CO_E_NOTINITIALIZED")
#pragma pop_macro("CO_E_DLLNOTFOUND")
#pragma pop_macro("CO_E_ERRORINDLL")
#endif

/* ---- exported functions ---- */

/* The library's own runtime; on Windows the system's serves instead. */
#if !defined(_WIN32)
extern "C" {

/* A new automation string holding a copy of the null-terminated text; null for a null text or
 * when memory runs out. */
olvenir_p::BSTR olvenir_SysAllocString(const char16_t* text);
/* A new automation string of `length` units copied from `text` (zero-filled when `text` is
 * null), terminated; null when memory runs out. */
olvenir_p::BSTR olvenir_SysAllocStringLen(const char16_t* text, uint32_t length);
/* The length in units of an automation string, read from its prefix; 0 for null. */
uint32_t olvenir_SysStringLen(olvenir_p::BSTR string);
/* Releases an automation string; null is ignored. */
void olvenir_SysFreeString(olvenir_p::BSTR string);

/* Initialises the runtime on the calling thread: S_OK the first time, S_FALSE when it is
 * already initialised; each call must be matched by olvenir_CoUninitialize. `reserved` is
 * ignored. */
olvenir_p::HRESULT olvenir_CoInitialize(void* reserved);
/* Undoes one olvenir_CoInitialize of the calling thread. */
void olvenir_CoUninitialize(void);
/* Creates an instance of a registered class and writes its `iid` interface; fails with
 * CO_E_NOTINITIALIZED on a thread that is not initialised and REGDB_E_CLASSNOTREG for a class
 * that is not registered. */
olvenir_p::HRESULT olvenir_CoCreateInstance(const olvenir_p::CLSID* clsid,
                                            olvenir_p::IUnknown* outer, uint32_t context,
                                            const olvenir_p::IID* iid, void** object);

/* Registers (or replaces) the factory of a class, living in the host's process; the runtime
 * holds a reference to it until the registration is replaced or revoked. */
olvenir_p::HRESULT olvenir_RegisterClassFactory(const olvenir_p::CLSID* clsid,
                                                olvenir_p::IClassFactory* factory);
/* Registers (or replaces) a class served by the shared object at `path`, which exports
 * DllGetClassObject; the object is loaded on the first creation and stays loaded. */
olvenir_p::HRESULT olvenir_RegisterServerPath(const olvenir_p::CLSID* clsid, const char* path);
/* Removes a class's registration: S_OK, or S_FALSE when it was not registered. Queries already
 * running finish with the registration they found. */
olvenir_p::HRESULT olvenir_RevokeClass(const olvenir_p::CLSID* clsid);

/* Sets the calling thread's error information to a copy of `description` (null clears it);
 * a service calls this before it returns a failure HRESULT. */
olvenir_p::HRESULT olvenir_SetErrorInfo(const char16_t* description);
/* Hands over and clears the calling thread's error information: S_OK with a new automation
 * string in `*description` that the caller releases, or S_FALSE with null when there is none. */
olvenir_p::HRESULT olvenir_GetErrorInfo(olvenir_p::BSTR* description);
}
#endif

#endif
