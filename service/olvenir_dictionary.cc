// olvenir-dictionary: builds dictionary databases for the reference service.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "service/import.h"
#include "service/sqlite_dictionary.h"

namespace {

constexpr char kUsage[] =
    "usage: olvenir-dictionary import DB FILE.csv...   add or replace code lists and value tables\n"
    "       olvenir-dictionary build DB FILE.sql       create DB from SQL text\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 3 || (args[0] != "import" && args[0] != "build") ||
      (args[0] == "build" && args.size() != 3)) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    if (args[0] == "import") {
      olv::service::import_csv(args[1], {args.begin() + 2, args.end()});
    } else {
      std::ifstream in(args[2], std::ios::binary);
      if (!in) throw olv::service::DictionaryError("cannot read " + args[2], true);
      std::ostringstream sql;
      sql << in.rdbuf();
      olv::service::build_from_sql(args[1], sql.str());
    }
    olv::service::SqliteDictionary::open_file(args[1]);  // the result must be a valid database
  } catch (const std::exception& e) {
    std::cerr << "olvenir-dictionary: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
