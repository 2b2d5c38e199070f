// The DLL as a Windows host meets it: loaded with LoadLibraryW and called through GetProcAddress
// by its exported names, decorated and plain, with wchar_t texts. The Pascal host calls the
// dispatcher, the date numbers and the trimmed BSTR over the hosts' table of cases, and
// service_library_test.cc the dictionary queries through the system's COM.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A decorated name with `$` for the pointer prefix: P in 32 bits, PE in 64 bits.
std::string for_this_architecture(std::string name) {
  for (std::size_t at; (at = name.find('$')) != std::string::npos;) {
    name.replace(at, 1, sizeof(void*) == 8 ? "PE" : "P");
  }
  return name;
}

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

Call unit(wchar_t c) {
  return [=](FARPROC f) { return call_as<int (*)(wchar_t)>(f, c); };
}

Call byte_in_code_page(unsigned char c, int code_page) {
  return [=](FARPROC f) { return call_as<int (*)(unsigned char, int)>(f, c, code_page); };
}

Call no_arguments() {
  return [](FARPROC f) { return call_as<int (*)()>(f); };
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
      {"?f_KVTElemT_NIP@@YAH$A_W@Z",         texts({L"1234563218"}), 0},
      {"?f_KVTElemT_NIP@@YAH$A_W@Z",         texts({L"1234563219"}), 60005101},
      {"?isKVTdigit@@YAH_W@Z",               unit(L'7'), 1},
      {"?isKVTdigit@@YAH_W@Z",               unit(L'\x0660'), 0},
      {"?KVTDelSpacjeStrcmp@@YAH$A_W0@Z",    texts({L"  X ", L"X"}), 0},
      {"?KVTDelSpacjeStrcmp@@YAH$A_W0@Z",    texts({L"a", L"A"}), 1},
      {"?f_DateCmp@@YAH$A_W0@Z",             texts({L"01012024", L"02012024"}), -1},
      {"?f_KVTRoznicaDniDDMM@@YAH$A_W00@Z",  texts({L"0301", L"0101", L"012024"}), 3},
      {"GB0022_2",                           texts({L"02012024", L"01012024"}), 64002201},
      {"GB0022_2",                           texts({L"01012024", L"01012024"}), 0},
      {"IsLowerPL",                          byte_in_code_page(0xB1, 0), 0},
      {"IsLowerPL",                          byte_in_code_page(0xB1, 1), 1},
      {"KVTGetCodePage",                     no_arguments(), 1},
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
