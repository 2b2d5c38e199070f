// The component runtime: automation strings, initialisation, registration and creation, error
// information.
#include "platform/runtime.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <tuple>

#include "platform/runtime_names.h"
#include "tests/fake_service.h"
#include "tests/test_support.h"

namespace {

using olv::testing::ScopedFakeService;

// A string carries its byte length before its units and is counted while it lives. One of a
// length keeps embedded nulls (zeros without a text) and its terminator; a length whose bytes do
// not fit the 32-bit prefix cannot be allocated.
TEST(RuntimeTest, StringsOfATextOrALength) {
  const int64_t before = olv::live_strings();
  for (const std::u16string_view text : {u"", u"a", u"zażółć"}) {
    BSTR s = olvenir_SysAllocString(text.data());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(olv::live_strings(), before + 1);
    uint32_t prefix;
    std::memcpy(&prefix, reinterpret_cast<const char*>(s) - 4, 4);
    EXPECT_EQ(prefix, text.size() * 2) << olv::testing::utf8(text);
    EXPECT_EQ(olvenir_SysStringLen(s), text.size());
    EXPECT_EQ(std::u16string(s), text);
    olvenir_SysFreeString(s);
  }
  const std::tuple<const char16_t*, uint32_t, std::u16string> rows[] = {
      {u"a\0bcd", 3, {u"a\0b\0", 4}},
      {nullptr, 4, {u"\0\0\0\0\0", 5}},
      {nullptr, 0x80000000u, {}},
      {nullptr, UINT32_MAX, {}}};
  for (const auto& [text, length, want] : rows) {
    BSTR s = olvenir_SysAllocStringLen(text, length);
    EXPECT_EQ(s ? std::u16string(s, length + 1) : u"", want) << length;
    EXPECT_EQ(olvenir_SysStringLen(s), s ? length : 0u);
    olvenir_SysFreeString(s);
  }
  EXPECT_EQ(olvenir_SysAllocString(nullptr), nullptr);
  EXPECT_EQ(olv::live_strings(), before);
}

TEST(RuntimeTest, InitialisationIsCountedPerThread) {
  EXPECT_EQ(olv::initialisation_depth(), 0);
  EXPECT_EQ(olvenir_CoInitialize(nullptr), S_OK);
  EXPECT_EQ(olvenir_CoInitialize(nullptr), S_FALSE);
  EXPECT_EQ(olv::initialisation_depth(), 2);
  std::thread([] { EXPECT_EQ(olv::initialisation_depth(), 0); }).join();
  olvenir_CoUninitialize();
  olvenir_CoUninitialize();
  olvenir_CoUninitialize();  // one too many is ignored
  EXPECT_EQ(olv::initialisation_depth(), 0);
}

HRESULT create(void** object, const IID& iid = IID_IOlvenirDictionaryService,
               IUnknown* outer = nullptr, uint32_t context = CLSCTX_INPROC_SERVER) {
  return olvenir_CoCreateInstance(&CLSID_OlvenirDictionaryService, outer, context, &iid, object);
}

TEST(RuntimeTest, CreationFailures) {
  void* object = reinterpret_cast<void*>(1);
  EXPECT_EQ(create(&object), CO_E_NOTINITIALIZED);
  EXPECT_EQ(object, nullptr);
  olvenir_CoInitialize(nullptr);
  EXPECT_EQ(create(&object), REGDB_E_CLASSNOTREG);  // nothing is registered by default
  {
    ScopedFakeService fake;
    EXPECT_EQ(create(&object, IID_IOlvenirDictionaryService, nullptr, 4), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(create(&object, IID_IOlvenirDictionaryService, &fake.factory), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(create(&object, IID_IClassFactory), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    fake.state.refuse_creation = true;
    EXPECT_EQ(create(&object), E_FAIL);
    EXPECT_EQ(fake.state.live, 0);
  }
  EXPECT_EQ(create(nullptr), E_POINTER);
  olvenir_CoUninitialize();
}

TEST(RuntimeTest, RegistrationIsReplacedAndRevoked) {
  ScopedFakeService first;
  ScopedFakeService second;  // replaces the first registration
  EXPECT_EQ(first.factory.references, 0u);
  EXPECT_EQ(second.factory.references, 1u);
  olvenir_CoInitialize(nullptr);
  void* object = nullptr;
  ASSERT_EQ(create(&object), S_OK);
  static_cast<IUnknown*>(object)->Release();
  EXPECT_EQ(first.state.created, 0);
  EXPECT_EQ(second.state.created, 1);
  EXPECT_EQ(olvenir_RevokeClass(&CLSID_OlvenirDictionaryService), S_OK);
  EXPECT_EQ(olvenir_RevokeClass(&CLSID_OlvenirDictionaryService), S_FALSE);
  EXPECT_EQ(second.factory.references, 0u);
  EXPECT_EQ(create(&object), REGDB_E_CLASSNOTREG);
  olvenir_CoUninitialize();
  EXPECT_EQ(olvenir_RegisterClassFactory(nullptr, &first.factory), E_INVALIDARG);
  EXPECT_EQ(olvenir_RegisterServerPath(&CLSID_OlvenirDictionaryService, ""), E_INVALIDARG);
}

TEST(RuntimeTest, ErrorInformationIsHandedOverOncePerThread) {
  BSTR description = reinterpret_cast<BSTR>(1);
  EXPECT_EQ(olvenir_GetErrorInfo(&description), S_FALSE);
  EXPECT_EQ(description, nullptr);
  EXPECT_EQ(olvenir_SetErrorInfo(u"first"), S_OK);
  EXPECT_EQ(olvenir_SetErrorInfo(u"brak słownika"), S_OK);
  std::thread([] {
    BSTR other = nullptr;
    EXPECT_EQ(olvenir_GetErrorInfo(&other), S_FALSE);
    olvenir_SetErrorInfo(u"left behind when the thread ends");
  }).join();
  ASSERT_EQ(olvenir_GetErrorInfo(&description), S_OK);
  EXPECT_EQ(std::u16string(description), u"brak słownika");
  olvenir_SysFreeString(description);
  EXPECT_EQ(olvenir_GetErrorInfo(&description), S_FALSE);
  olvenir_SetErrorInfo(u"cleared");
  olvenir_SetErrorInfo(nullptr);
  EXPECT_EQ(olvenir_GetErrorInfo(&description), S_FALSE);
  EXPECT_EQ(olvenir_GetErrorInfo(nullptr), E_POINTER);
}

}  // namespace
