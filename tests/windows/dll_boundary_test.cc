// The DLL as a Windows host meets it: loaded with LoadLibraryW and called through GetProcAddress
// by its exported names, decorated and plain, with wchar_t texts. The Pascal host calls the
// dispatcher, the date numbers and the trimmed BSTR over the hosts' table of cases, and
// service_library_test.cc the dictionary queries through the system's COM.
#include <gtest/gtest.h>
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
};

HMODULE DllBoundaryTest::library_ = nullptr;

TEST_F(DllBoundaryTest, ExportsAnswerByName) {
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

}  // namespace
