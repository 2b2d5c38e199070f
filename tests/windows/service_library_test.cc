// Tests of the library DLL's dictionary checks and lookups as a Windows host calls them by name,
// answered by the service DLL through the system's COM: with the service registered, and with
// no service to create (not registered, or its database missing).
#include <gtest/gtest.h>
#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <string>
#include <tuple>

namespace {

using CodeCheck = int (*)(int, wchar_t*, wchar_t*);
using Lookup = wchar_t* (*)(wchar_t*, wchar_t*, wchar_t*, wchar_t*);

template <typename Function>
Function entry_point(HMODULE dll, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

// clang-format off
// Codes of service/sample_dictionary.sql each side of their validity: the dictionary, the code,
// the date (DDMMRRRR), the answer with the sample database and the answer when no service can be
// created, which accepts a code the service would refuse.
const std::tuple<int, const wchar_t*, const wchar_t*, int, int> kCodeRows[] = {
    {10019, L"350", L"01012009",  0,  0},
    {10019, L"350", L"31122008", -1,  0},
    {10009, L"600", L"01012013", -1,  0},
    {10009, L"600", L"31122012",  0,  0},
};
// clang-format on

class ServiceLibraryTest : public testing::Test {
 protected:
  void SetUp() override {
    dll_ = LoadLibraryW(OLV_LIBRARY_PATH);
    ASSERT_NE(dll_, nullptr);
    check_ = entry_point<CodeCheck>(dll_, "fb_KVTKodSprawdzArkusze");
    lookup_ = entry_point<Lookup>(dll_, "sl_DajWartoscZeSlownika");
    ASSERT_NE(check_, nullptr);
    ASSERT_NE(lookup_, nullptr);
  }
  void TearDown() override { FreeLibrary(dll_); }

  int check(int number, std::wstring code, std::wstring date) {
    return check_(number, code.data(), date.data());
  }
  // The blood-group table's value for a key; the host frees the answer with SysFreeString.
  std::wstring lookup(const wchar_t* key) {
    std::wstring dictionary = L"slU_KodPokrew", key_column = L"STP_KODPOKREW", k = key,
                 column = L"STP_WGOSPZOSUBEZP";
    wchar_t* value = lookup_(dictionary.data(), key_column.data(), k.data(), column.data());
    std::wstring text = value ? value : L"(null)";
    SysFreeString(value);
    return text;
  }

 private:
  HMODULE dll_ = nullptr;
  CodeCheck check_ = nullptr;
  Lookup lookup_ = nullptr;
};

TEST_F(ServiceLibraryTest, TheRegisteredServiceAnswers) {
  for (const auto& [number, code, date, registered, no_service] : kCodeRows) {
    EXPECT_EQ(check(number, code, date), registered) << number << " on " << date;
  }
  EXPECT_EQ(lookup(L"12"), L"1");
}

TEST_F(ServiceLibraryTest, WithNoServiceTheLibrarysDefaultsAnswer) {
  for (const auto& [number, code, date, registered, no_service] : kCodeRows) {
    EXPECT_EQ(check(number, code, date), no_service) << number << " on " << date;
  }
  EXPECT_EQ(lookup(L"12"), L"-1");
}

}  // namespace
