// The DLL as a Windows host meets it: loaded with LoadLibraryW and called through GetProcAddress
// by its exported names, decorated and plain, with wchar_t texts; its dictionary queries answered
// by a service registered with the system's COM.

// First: the system headers below define S_OK and its kin as macros.
#include <gtest/gtest.h>
#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "olvenir_p/runtime.h"

namespace {

// A decorated name with `$` for the pointer prefix: P in 32 bits, PE in 64 bits.
std::string for_this_architecture(const char* name) {
  std::string out;
  for (const char* c = name; *c; ++c) {
    if (*c == '$') {
      out += sizeof(void*) == 8 ? "PE" : "P";
    } else {
      out += *c;
    }
  }
  return out;
}

// The host's own writable copy of a text, as a form field's buffer.
struct Field {
  explicit Field(const wchar_t* text) : buffer(text) {}
  wchar_t* get() { return buffer.data(); }
  std::wstring buffer;
};

using Call = std::function<long(FARPROC)>;

// An export's address as its own type; void (*)() is the type every function pointer passes
// through.
template <typename F>
F as(FARPROC f) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(f));
}

template <typename F, typename... Args>
long call_as(FARPROC f, Args... args) {
  return static_cast<long>(as<F>(f)(args...));
}

Call texts(std::initializer_list<const wchar_t*> args) {
  std::vector<std::wstring> copies(args.begin(), args.end());
  return [copies](FARPROC f) mutable {
    switch (copies.size()) {
      case 1:
        return call_as<int (*)(wchar_t*)>(f, copies[0].data());
      case 2:
        return call_as<int (*)(wchar_t*, wchar_t*)>(f, copies[0].data(), copies[1].data());
      default:
        return call_as<int (*)(wchar_t*, wchar_t*, wchar_t*)>(f, copies[0].data(), copies[1].data(),
                                                              copies[2].data());
    }
  };
}

Call element(short type, const wchar_t* text, int length) {
  return [=](FARPROC f) {
    Field field(text);
    return call_as<int (*)(short, wchar_t*, int)>(f, type, field.get(), length);
  };
}

Call unit(wchar_t c) {
  return [=](FARPROC f) { return call_as<int (*)(wchar_t)>(f, c); };
}

Call date_number(const wchar_t* text) {
  return [=](FARPROC f) { return call_as<long (*)(const wchar_t*)>(f, text); };
}

Call byte_in_code_page(unsigned char c, int code_page) {
  return [=](FARPROC f) { return call_as<int (*)(unsigned char, int)>(f, c, code_page); };
}

Call no_arguments() {
  return [](FARPROC f) { return call_as<int (*)()>(f); };
}

// KVTDelSpacjeBSTR: 1 when the returned string is `want` (its length prefix too), else 0; the
// string is released as a host releases it.
Call trimmed_is(const wchar_t* text, const wchar_t* want) {
  return [=](FARPROC f) {
    Field field(text);
    BSTR s = as<BSTR (*)(wchar_t*)>(f)(field.get());
    const bool same = s && SysStringLen(s) == wcslen(want) && wcscmp(s, want) == 0;
    SysFreeString(s);
    return same ? 1L : 0L;
  };
}

// sl_DajWartoscZeSlownika's answer as UTF-16 code units summed, 0 for null; the string released.
Call looked_up_sum() {
  return [](FARPROC f) {
    Field dictionary(L"d"), key_column(L"k"), key(L"1"), column(L"c");
    BSTR s = as<BSTR (*)(wchar_t*, wchar_t*, wchar_t*, wchar_t*)>(f)(
        dictionary.get(), key_column.get(), key.get(), column.get());
    long sum = 0;
    for (UINT i = 0; s && i < SysStringLen(s); ++i) sum += s[i];
    SysFreeString(s);
    return sum;
  };
}

// A dictionary service in the test's own process: a rule check that answers a code for "x" in
// its high and low halves, and a lookup that answers "ok".
class Service final : public olvenir_p::IOlvenirDictionaryService {
 public:
  olvenir_p::HRESULT OLVENIR_P_COM_CALL QueryInterface(const olvenir_p::IID& iid,
                                                       void** object) override {
    if (iid == olvenir_p::IID_IUnknown || iid == olvenir_p::IID_IOlvenirDictionaryService) {
      *object = this;
      AddRef();
      return 0;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  uint32_t OLVENIR_P_COM_CALL AddRef() override { return ++references; }
  uint32_t OLVENIR_P_COM_CALL Release() override { return --references; }
  olvenir_p::HRESULT OLVENIR_P_COM_CALL CheckRule(olvenir_p::BSTR field, int64_t* result) override {
    *result = field && wcscmp(field, L"x") == 0 ? 0x700000000LL + 60005301 : 0;
    return 0;
  }
  olvenir_p::HRESULT OLVENIR_P_COM_CALL CheckRulePair(olvenir_p::BSTR, olvenir_p::BSTR,
                                                      int64_t*) override {
    return E_NOTIMPL;
  }
  olvenir_p::HRESULT OLVENIR_P_COM_CALL LookupValue(olvenir_p::BSTR, olvenir_p::BSTR,
                                                    olvenir_p::BSTR, olvenir_p::BSTR,
                                                    olvenir_p::BSTR* value) override {
    *value = SysAllocString(L"ok");
    return 0;
  }
  olvenir_p::HRESULT OLVENIR_P_COM_CALL LookupValueWhere(olvenir_p::BSTR, stWarunekY*, int32_t,
                                                         olvenir_p::BSTR,
                                                         olvenir_p::BSTR*) override {
    return E_NOTIMPL;
  }
  olvenir_p::HRESULT OLVENIR_P_COM_CALL CheckCode(int32_t, olvenir_p::BSTR, int32_t,
                                                  int16_t*) override {
    return E_NOTIMPL;
  }
  uint32_t references = 0;
};

class Factory final : public olvenir_p::IClassFactory {
 public:
  olvenir_p::HRESULT OLVENIR_P_COM_CALL QueryInterface(const olvenir_p::IID& iid,
                                                       void** object) override {
    if (iid == olvenir_p::IID_IUnknown || iid == olvenir_p::IID_IClassFactory) {
      *object = this;
      return 0;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  uint32_t OLVENIR_P_COM_CALL AddRef() override { return 2; }
  uint32_t OLVENIR_P_COM_CALL Release() override { return 1; }
  olvenir_p::HRESULT OLVENIR_P_COM_CALL CreateInstance(olvenir_p::IUnknown* outer,
                                                       const olvenir_p::IID& iid,
                                                       void** object) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    return service.QueryInterface(iid, object);
  }
  olvenir_p::HRESULT OLVENIR_P_COM_CALL LockServer(int32_t) override { return 0; }
  Service service;
};

struct BoundaryCase {
  const char* name;
  Call call;
  long want;
};

class DllBoundaryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { library_ = LoadLibraryW(OLV_DLL_PATH); }
  static void TearDownTestSuite() { FreeLibrary(library_); }
  static HMODULE library_;
};

HMODULE DllBoundaryTest::library_ = nullptr;

TEST_F(DllBoundaryTest, ExportsAnswerByName) {
  ASSERT_NE(library_, nullptr) << "LoadLibraryW failed: " << GetLastError();
  // clang-format off
  const BoundaryCase cases[] = {
      {"?f_KVTElem@@YAHF$A_WH@Z",            element(121, L"44051401359", 11), 0},
      {"?f_KVTElem@@YAHF$A_WH@Z",            element(121, L"44051401358", 11), 60005401},
      {"?f_KVTElem@@YAHF$A_WH@Z",            element(121, L"440514013590", 11), 60004001},
      {"?f_KVTElemT_NIP@@YAH$A_W@Z",         texts({L"1234563218"}), 0},
      {"?f_KVTElemT_NIP@@YAH$A_W@Z",         texts({L"1234563219"}), 60005101},
      {"?isKVTdigit@@YAH_W@Z",               unit(L'7'), 1},
      {"?isKVTdigit@@YAH_W@Z",               unit(L'\x0660'), 0},
      {"?KVTDelSpacjeStrcmp@@YAH$A_W0@Z",    texts({L"  X ", L"X"}), 0},
      {"?KVTDelSpacjeStrcmp@@YAH$A_W0@Z",    texts({L"a", L"A"}), 1},
      {"?DataStr2Long@@YAJ$B_W@Z",           date_number(L"15032024"), 20240315},
      {"?DataStr2Long@@YAJ$B_W@Z",           date_number(L"1503202"), -1},
      {"?f_DateCmp@@YAH$A_W0@Z",             texts({L"01012024", L"02012024"}), -1},
      {"?f_KVTRoznicaDniDDMM@@YAH$A_W00@Z",  texts({L"0301", L"0101", L"012024"}), 3},
      {"GB0022_2",                           texts({L"02012024", L"01012024"}), 64002201},
      {"GB0022_2",                           texts({L"01012024", L"01012024"}), 0},
      {"IsLowerPL",                          byte_in_code_page(0xB1, 0), 0},
      {"IsLowerPL",                          byte_in_code_page(0xB1, 1), 1},
      {"KVTGetCodePage",                     no_arguments(), 1},
      {"KVTDelSpacjeBSTR",                   trimmed_is(L"\t x \n", L"x"), 1},
      {"KVTDelSpacjeBSTR",                   trimmed_is(L"  a  b  ", L"a  b"), 1},
      {"KVTDelSpacjeBSTR",                   trimmed_is(L" \t ", L""), 1},
  };
  // clang-format on
  for (const BoundaryCase& c : cases) {
    const std::string name = for_this_architecture(c.name);
    FARPROC f = GetProcAddress(library_, name.c_str());
    if (!f) {
      ADD_FAILURE() << name << " is not exported";
      continue;
    }
    EXPECT_EQ(c.call(f), c.want) << name;
  }
}

// The names that Linux exports and Windows must not: the library's own runtime, and the
// standard-library string that Windows hosts cannot take.
TEST_F(DllBoundaryTest, LinuxOnlyNamesAreAbsent) {
  ASSERT_NE(library_, nullptr);
  for (const char* name : {"olvenir_SysAllocString", "olvenir_CoCreateInstance",
                           "_Z12KVTDelSpacjeB5cxx11PDs", "KVTDelSpacje"}) {
    EXPECT_EQ(GetProcAddress(library_, name), nullptr) << name;
  }
}

struct ServiceCase {
  const char* name;
  Call call;
  long without_service;
  long with_service;
};

// The queries go through the system's COM: no class registered, then the test's own factory
// registered for in-process creation; every instance is released after its query.
TEST_F(DllBoundaryTest, DictionaryQueriesUseTheSystemsComponentRuntime) {
  ASSERT_NE(library_, nullptr);
  // clang-format off
  const ServiceCase cases[] = {
      {"WD0007_1",                 texts({L"x"}),   -1,             60005301},
      {"WD0007_1",                 texts({L"y"}),   -1,             0},
      {"sl_DajWartoscZeSlownika",  looked_up_sum(), L'-' + L'1',    L'o' + L'k'},
  };
  // clang-format on
  ASSERT_EQ(CoInitialize(nullptr), S_OK);
  for (const ServiceCase& c : cases) {
    EXPECT_EQ(c.call(GetProcAddress(library_, c.name)), c.without_service) << c.name;
  }
  Factory factory;
  DWORD cookie = 0;
  const ::CLSID& clsid =
      reinterpret_cast<const ::CLSID&>(olvenir_p::CLSID_OlvenirDictionaryService);
  ASSERT_EQ(CoRegisterClassObject(clsid, reinterpret_cast<::IUnknown*>(&factory),
                                  CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie),
            S_OK);
  for (const ServiceCase& c : cases) {
    EXPECT_EQ(c.call(GetProcAddress(library_, c.name)), c.with_service) << c.name;
  }
  EXPECT_EQ(factory.service.references, 0u) << "a service instance outlived its query";
  CoRevokeClassObject(cookie);
  CoUninitialize();
}

}  // namespace
