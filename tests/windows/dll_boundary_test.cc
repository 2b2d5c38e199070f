// The DLL as a Windows host meets it: loaded with LoadLibraryW and called through GetProcAddress
// by its exported names, decorated and plain, with wchar_t texts; its dictionary checks and
// lookups answered by the service DLL through the system's COM, with the service registered
// (service_tests.cmake runs those alone), and with no service to create. The Pascal host calls
// the dispatcher, the date numbers and the trimmed BSTR over the hosts' table of cases.
#include <gtest/gtest.h>
#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <tuple>

namespace {

using namespace std::string_literals;

// A decorated name with `$` for the pointer prefix: P in 32 bits, PE in 64 bits.
std::string for_this_architecture(std::string name) {
  for (std::size_t at; (at = name.find('$')) != std::string::npos;) {
    name.replace(at, 1, sizeof(void*) == 8 ? "PE" : "P");
  }
  return name;
}

using Call = std::function<long(FARPROC)>;

// An argument as the export takes it: a text as a writable wchar_t*, anything else as it is.
template <typename T>
struct Param {
  using type = T;
};
template <>
struct Param<std::wstring> {
  using type = wchar_t*;
};
wchar_t* pass(std::wstring& text) { return text.data(); }
template <typename T>
T pass(T value) {
  return value;
}

// A call of an export with these arguments, through the function type they make; void (*)() is
// the type every function pointer passes through.
template <typename... Args>
Call with(Args... args) {
  return [=](FARPROC f) mutable {
    using F = int (*)(typename Param<Args>::type...);
    return static_cast<long>(reinterpret_cast<F>(reinterpret_cast<void (*)()>(f))(pass(args)...));
  };
}

class DllBoundaryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { library_ = LoadLibraryW(OLV_DLL_PATH); }
  static void TearDownTestSuite() { FreeLibrary(library_); }
  static HMODULE library_;

  // Codes of service/sample_dictionary.sql each side of their validity (dates DDMMRRRR) with
  // their answers from the sample database, and the kinship table's value of "12", "1";
  // with no service every code is accepted and every value is "-1".
  static void expect_dictionary_answers(bool service) {
    ASSERT_NE(library_, nullptr);
    FARPROC check = GetProcAddress(library_, "fb_KVTKodSprawdzArkusze");
    auto lookup = reinterpret_cast<wchar_t* (*)(wchar_t*, wchar_t*, wchar_t*, wchar_t*)>(
        reinterpret_cast<void (*)()>(GetProcAddress(library_, "sl_DajWartoscZeSlownika")));
    ASSERT_TRUE(check && lookup);
    // clang-format off
    const std::tuple<int, std::wstring, std::wstring, int> rows[] = {
        {10019, L"350", L"01012009", 0},  {10019, L"350", L"31122008", -1},
        {10009, L"600", L"01012013", -1}, {10009, L"600", L"31122012", 0}};
    // clang-format on
    for (const auto& [number, code, date, want] : rows) {
      EXPECT_EQ(with(number, code, date)(check), service ? want : 0)
          << number << " on " << date.c_str();
    }
    std::wstring table = L"slU_KodPokrew", key_column = L"STP_KODPOKREW", key = L"12",
                 column = L"STP_WGOSPZOSUBEZP";
    wchar_t* value = lookup(table.data(), key_column.data(), key.data(), column.data());
    EXPECT_EQ(std::wstring(value ? value : L"(null)"), service ? L"1" : L"-1");
    SysFreeString(value);  // as the host frees it
  }
};

HMODULE DllBoundaryTest::library_ = nullptr;

TEST_F(DllBoundaryTest, TheRegisteredServiceAnswers) { expect_dictionary_answers(true); }

TEST_F(DllBoundaryTest, WithNoServiceTheLibrarysDefaultsAnswer) {
  expect_dictionary_answers(false);
}

TEST_F(DllBoundaryTest, ExportsAnswerByWindowsNamesOnly) {
  ASSERT_NE(library_, nullptr) << "LoadLibraryW failed: " << GetLastError();
  // clang-format off
  // The entry's name, the call and its answer.
  const std::tuple<const char*, Call, long> cases[] = {
      {"?f_KVTElemT_NIP@@YAH$A_W@Z",         with(L"1234563218"s), 0},
      {"?f_KVTElemT_NIP@@YAH$A_W@Z",         with(L"1234563219"s), 60005101},
      {"?isKVTdigit@@YAH_W@Z",               with(L'7'), 1},
      {"?isKVTdigit@@YAH_W@Z",               with(L'\x0660'), 0},
      {"?KVTDelSpacjeStrcmp@@YAH$A_W0@Z",    with(L"  X "s, L"X"s), 0},
      {"?KVTDelSpacjeStrcmp@@YAH$A_W0@Z",    with(L"a"s, L"A"s), 1},
      {"?f_DateCmp@@YAH$A_W0@Z",             with(L"01012024"s, L"02012024"s), -1},
      {"?f_KVTRoznicaDniDDMM@@YAH$A_W00@Z",  with(L"0301"s, L"0101"s, L"012024"s), 3},
      {"GB0022_2",                           with(L"02012024"s, L"01012024"s), 64002201},
      {"GB0022_2",                           with(L"01012024"s, L"01012024"s), 0},
      {"IsLowerPL",                          with(uint8_t{0xB1}, 0), 0},
      {"IsLowerPL",                          with(uint8_t{0xB1}, 1), 1},
      {"KVTGetCodePage",                     with(), 1},
  };
  // clang-format on
  for (const auto& [entry, call, want] : cases) {
    const std::string name = for_this_architecture(entry);
    FARPROC f = GetProcAddress(library_, name.c_str());
    if (!f) {
      ADD_FAILURE() << name << " is not exported";
      continue;
    }
    EXPECT_EQ(call(f), want) << name;
  }
  // The names that Linux exports and Windows must not: the library's own runtime, and the
  // standard-library string that Windows hosts cannot take.
  for (const char* name : {"olvenir_SysAllocString", "olvenir_CoCreateInstance",
                           "_Z12KVTDelSpacjeB5cxx11PDs", "KVTDelSpacje"}) {
    EXPECT_EQ(GetProcAddress(library_, name), nullptr) << name;
  }
}

}  // namespace
