// The built shared library exports exactly the rows of the exports table, each under its
// exact symbol.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>

#include "exports/registry.h"

namespace {

std::set<std::string> expected_symbols() {
  std::ifstream in(OLV_EXPECTED_SYMBOLS);
  std::set<std::string> symbols;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) symbols.insert(line);
  }
  return symbols;
}

// The defined symbols of the library's dynamic table, as nm reads them.
std::set<std::string> dynamic_symbols() {
  std::set<std::string> symbols;
  std::string command = std::string("nm -D --defined-only --format=posix '") + OLV_LIBRARY_PATH + "'";
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

TEST(ExportsTest, EveryRowIsFoundUnderItsSymbol) {
  void* library = dlopen(OLV_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  for (const olv::Export& row : olv::exports()) {
    EXPECT_NE(dlsym(library, row.symbol), nullptr) << row.name << " as " << row.symbol;
  }
  dlclose(library);
}

TEST(ExportsTest, DynamicTableHoldsExactlyTheTable) {
  std::set<std::string> expected = expected_symbols();
  ASSERT_EQ(expected.size(), olv::exports().size()) << "a symbol is listed twice";
  EXPECT_EQ(dynamic_symbols(), expected);
}

TEST(ExportsTest, SymbolsAreUnique) {
  std::set<std::string> seen;
  for (const olv::Export& row : olv::exports()) {
    EXPECT_TRUE(seen.insert(row.symbol).second) << row.symbol;
  }
}

}  // namespace
