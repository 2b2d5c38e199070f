// The shared library as a host meets it: exactly the table's symbols in its dynamic table (this
// binary links every one of them through the call layer), and a service's failure thrown out of
// the library as olvenir_p::ServiceError.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "calls/calls.h"
#include "olvenir_p.h"
#include "tests/fake_service.h"

namespace olv {
namespace {

std::set<std::string> expected_symbols() {
  std::ifstream in(OLV_EXPECTED_SYMBOLS);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The defined symbols of the library's dynamic table, as nm reads them.
std::set<std::string> dynamic_symbols() {
  std::set<std::string> symbols;
  std::string command =
      std::string("nm -D --defined-only --format=posix '") + OLV_LIBRARY_PATH + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return symbols;
  char line[4096];
  while (std::fgets(line, sizeof line, pipe)) {
    std::string entry(line);
    std::string name = entry.substr(0, entry.find(' '));
    if (!name.empty()) symbols.insert(name);
  }
  pclose(pipe);
  return symbols;
}

TEST(ExportsTest, DynamicTableHoldsExactlyTheTable) {
  std::set<std::string> expected = expected_symbols();
  ASSERT_EQ(expected.size(), exports().size()) << "a symbol is listed twice";
  EXPECT_EQ(dynamic_symbols(), expected);
}

// The service's description of its failure, or without one the failure's number; error
// information left on the thread before the query is not taken for the failure's.
TEST(ExportsTest, AServiceFailureLeavesTheLibraryAsServiceError) {
  const std::tuple<HRESULT, const char16_t*, std::string> cases[] = {
      {E_FAIL, u"the dictionary is closed", "the dictionary is closed"},
      {static_cast<HRESULT>(0x80041234u), u"słownik niedostępny", "słownik niedostępny"},
      {E_FAIL, nullptr, "dictionary service failure 0x80004005"},
  };
  testing::ScopedFakeService fake;
  for (const auto& [failure, description, what] : cases) {
    fake.state.failure = failure;
    fake.state.description = description;
    olvenir_SetErrorInfo(u"stale");
    try {
      WD0007_1(u"x");
      ADD_FAILURE() << "no exception for " << what;
    } catch (const olvenir_p::ServiceError& e) {
      EXPECT_EQ(e.result(), failure) << what;
      EXPECT_EQ(e.description(), description ? description : u"") << what;
      EXPECT_EQ(e.what(), what);
    }
    // Called by name, the failure is the call's error.
    EXPECT_EQ(find_export("WD0007_1")->call({{u"x"}}).error, "the call failed: " + what);
  }
}

}  // namespace
}  // namespace olv
