// Tests of the dictionary service DLL as the system's COM finds it once regsvr32 has registered
// it: the registry entries, the factory and the instances, their identities and reference
// counts, a failure's error information, and when the DLL may be unloaded. Its answers from the
// sample database are the library DLL's tests (dll_boundary_test.cc).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "olvenir_p/runtime.h"
// The library's names come first: the system headers define S_OK and its kin as macros.
#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

namespace {

using Service = olvenir_p::IOlvenirDictionaryService;

const ::GUID& system_guid(const olvenir_p::GUID& id) { return reinterpret_cast<const ::GUID&>(id); }

// A value under the class's InprocServer32 key, in this program's view of the registry (the one
// a DLL of the same width registers in); empty when it is missing.
std::wstring registered(const wchar_t* name) {
  wchar_t id[40] = {}, value[1024] = {};
  StringFromGUID2(system_guid(olvenir_p::CLSID_OlvenirDictionaryService), id, 40);
  const std::wstring key = L"CLSID\\" + std::wstring(id) + L"\\InprocServer32";
  DWORD size = sizeof value;
  const LSTATUS status =
      RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size);
  return status == ERROR_SUCCESS ? value : L"";
}

class ServiceComTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override { CoUninitialize(); }

  Service* create() {
    void* object = nullptr;
    HRESULT hr = CoCreateInstance(system_guid(olvenir_p::CLSID_OlvenirDictionaryService), nullptr,
                                  CLSCTX_INPROC_SERVER,
                                  system_guid(olvenir_p::IID_IOlvenirDictionaryService), &object);
    EXPECT_EQ(hr, S_OK);
    return static_cast<Service*>(object);
  }
};

TEST_F(ServiceComTest, TheRegistryNamesTheDllBesideTheSampleDatabaseForEveryApartment) {
  std::wstring path = registered(nullptr);
  ASSERT_NE(path.find(L"\\olvenir_dictionary.dll"), std::wstring::npos) << path.size();
  EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(registered(L"ThreadingModel"), L"Both");
}

TEST_F(ServiceComTest, AFailedOperationLeavesItsDescriptionAsTheThreadsErrorInfo) {
  Service* service = create();
  ASSERT_NE(service, nullptr);
  // The texts as the service is handed them: new automation strings.
  BSTR texts[] = {SysAllocString(L"slU_KodTytNieNaFormularzu"), SysAllocString(L"RODZ_FORM"),
                  SysAllocString(L"KOD_TYT_UBEZ"), SysAllocString(L"0510")};
  auto text = [&](int i) { return reinterpret_cast<olvenir_p::BSTR>(texts[i]); };
  stWarunekY condition{text(2), 5, text(3)};
  olvenir_p::BSTR value = nullptr;
  EXPECT_EQ(service->LookupValueWhere(text(0), &condition, 1, text(1), &value), E_INVALIDARG);
  EXPECT_EQ(value, nullptr);
  for (BSTR t : texts) SysFreeString(t);
  IErrorInfo* info = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
  BSTR description = nullptr;
  EXPECT_EQ(info->GetDescription(&description), S_OK);
  EXPECT_NE(std::wstring(description).find(L"unknown condition operator 5"), std::wstring::npos);
  SysFreeString(description);
  info->Release();
  service->Release();
}

TEST_F(ServiceComTest, TheFactoryAndTheInstanceAnswerTheirInterfacesOnly) {
  // clang-format off
  // The interface, and the factory's and the instance's answer when asked for it.
  const std::tuple<const olvenir_p::IID*, HRESULT, HRESULT> rows[] = {
      {&olvenir_p::IID_IUnknown,                 S_OK,          S_OK},
      {&olvenir_p::IID_IClassFactory,            S_OK,          E_NOINTERFACE},
      {&olvenir_p::IID_IOlvenirDictionaryService, E_NOINTERFACE, S_OK},
  };
  // clang-format on
  void* factory_object = nullptr;
  ASSERT_EQ(CoGetClassObject(system_guid(olvenir_p::CLSID_OlvenirDictionaryService),
                             CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, &factory_object),
            S_OK);
  auto* factory = static_cast<olvenir_p::IClassFactory*>(factory_object);
  Service* service = create();
  ASSERT_NE(service, nullptr);
  for (const auto& [iid, from_factory, from_instance] : rows) {
    void* object = nullptr;
    EXPECT_EQ(factory->QueryInterface(*iid, &object), from_factory) << iid->data1;
    if (object) static_cast<olvenir_p::IUnknown*>(object)->Release();
    object = nullptr;
    EXPECT_EQ(service->QueryInterface(*iid, &object), from_instance) << iid->data1;
    // One identity: every interface of the instance is the instance's IUnknown.
    if (object) {
      EXPECT_EQ(object, static_cast<olvenir_p::IUnknown*>(service));
      static_cast<olvenir_p::IUnknown*>(object)->Release();
    }
  }
  void* aggregated = nullptr;
  EXPECT_EQ(factory->CreateInstance(service, olvenir_p::IID_IUnknown, &aggregated),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(aggregated, nullptr);
  EXPECT_EQ(service->AddRef(), 2u);
  EXPECT_EQ(service->Release(), 1u);
  EXPECT_EQ(service->Release(), 0u);
  factory->Release();
}

// The DLL's own entry points, called directly as the system calls them.
using GetClassObject = HRESULT(STDAPICALLTYPE*)(const ::GUID&, const ::GUID&, void**);
using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();

template <typename Function>
Function entry_point(HMODULE dll, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

TEST_F(ServiceComTest, TheDllMayBeUnloadedOnlyWhenNothingOfItsIsAliveOrLocked) {
  HMODULE dll = LoadLibraryW(registered(nullptr).c_str());
  ASSERT_NE(dll, nullptr);
  auto get_class_object = entry_point<GetClassObject>(dll, "DllGetClassObject");
  auto can_unload_now = entry_point<CanUnloadNow>(dll, "DllCanUnloadNow");
  ASSERT_NE(get_class_object, nullptr);
  ASSERT_NE(can_unload_now, nullptr);
  EXPECT_EQ(can_unload_now(), S_OK);

  void* object = nullptr;
  EXPECT_EQ(get_class_object(IID_IUnknown, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(object, nullptr);
  ASSERT_EQ(get_class_object(system_guid(olvenir_p::CLSID_OlvenirDictionaryService),
                             IID_IClassFactory, &object),
            S_OK);
  auto* factory = static_cast<olvenir_p::IClassFactory*>(object);
  EXPECT_EQ(can_unload_now(), S_FALSE);
  void* instance = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, olvenir_p::IID_IOlvenirDictionaryService, &instance),
            S_OK);
  factory->LockServer(TRUE);
  factory->Release();
  EXPECT_EQ(can_unload_now(), S_FALSE);  // the instance and the lock
  static_cast<Service*>(instance)->Release();
  EXPECT_EQ(can_unload_now(), S_FALSE);  // the lock
  ASSERT_EQ(get_class_object(system_guid(olvenir_p::CLSID_OlvenirDictionaryService),
                             IID_IClassFactory, &object),
            S_OK);
  factory = static_cast<olvenir_p::IClassFactory*>(object);
  factory->LockServer(FALSE);
  factory->Release();
  EXPECT_EQ(can_unload_now(), S_OK);
  FreeLibrary(dll);
}

}  // namespace
