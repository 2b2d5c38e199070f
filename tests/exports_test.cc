// The shared library as a host meets it: exactly the table's symbols in its dynamic table (this
// binary links every one of them through the call layer), and a service's failure thrown out of
// the library as olvenir_p::ServiceError.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
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
  const std::string command =
      std::string("nm -D --defined-only --format=posix '") + OLV_LIBRARY_PATH + "' | cut -d' ' -f1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string names;
  for (char part[4096]; pipe && std::fgets(part, sizeof part, pipe);) names += part;
  if (pipe) pclose(pipe);
  std::istringstream words(names);
  return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
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
