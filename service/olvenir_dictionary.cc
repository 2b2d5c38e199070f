// olvenir-dictionary: builds dictionary databases for the reference service.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "service/import.h"
#include "service/sqlite_dictionary.h"
#include "tools/options.h"

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 2;

constexpr char kUsage[] =
    "usage: olvenir-dictionary import [--encoding ENC] DB FILE.csv...\n"
    "                                 add or replace code lists and value tables\n"
    "       olvenir-dictionary build DB FILE.sql   create DB from SQL text\n"
    "options:\n"
    "  --encoding ENC   the CSV files' encoding when not UTF-8 (cp1250, iso-8859-2...)\n"
    "  -h, --help       this text\n"
    "  --version        the version\n"
    "DB is replaced only when the whole build succeeded; a fault leaves it as it was.\n"
    "Exit status: 0 done, 2 usage error or bad input (every fault is listed).\n";

struct Command {
  bool help = false;
  bool version = false;
  std::string encoding;
  std::vector<std::string> words;  // the command, the database, the files
};

// Reads the command line; false with `error` set on a usage error.
bool parse(const std::vector<std::string>& args, Command& c, std::string& error) {
  bool options_end = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string a = args[i];
    if (options_end || a.size() < 2 || a[0] != '-') {
      c.words.push_back(a);
      continue;
    }
    std::string value;
    const bool has_value = olv::split_long_option(a, value);
    if (a == "--") {
      options_end = true;
    } else if ((a == "-h" || a == "--help") && !has_value) {
      c.help = true;
    } else if (a == "--version" && !has_value) {
      c.version = true;
    } else if (a == "--encoding") {
      if (!has_value) {
        if (++i == args.size()) return error = "--encoding takes an encoding", false;
        value = args[i];
      }
      c.encoding = value;
    } else {
      error = "unknown option " + args[i];
      return false;
    }
  }
  if (c.help || c.version) return true;
  if (c.words.empty()) return error = "no command (import or build)", false;
  const std::string& command = c.words[0];
  if (command != "import" && command != "build")
    return error = "unknown command " + command + " (import or build)", false;
  if (c.words.size() < 3) return error = command + " takes a database and a file", false;
  if (command == "build" && c.words.size() != 3) return error = "build takes one SQL file", false;
  if (command == "build" && !c.encoding.empty()) return error = "--encoding is for import", false;
  return true;
}

void print_prefixed(const std::string& message) {
  std::istringstream lines(message);
  for (std::string line; std::getline(lines, line);)
    std::cerr << "olvenir-dictionary: " << line << '\n';
}

int run(const Command& c) {
  if (c.help) {
    std::cout << kUsage;
  } else if (c.version) {
    std::cout << "olvenir-dictionary " OLV_VERSION "\n";
  } else if (c.words[0] == "import") {
    olv::service::import_csv(c.words[1], {c.words.begin() + 2, c.words.end()}, {c.encoding});
  } else {
    std::ifstream in(c.words[2], std::ios::binary);
    if (!in)
      throw olv::service::DictionaryError("cannot read " + c.words[2] + ": " + std::strerror(errno),
                                          true);
    std::ostringstream sql;
    sql << in.rdbuf();
    olv::service::build_from_sql(c.words[1], sql.str());
  }
  return kDone;
}

}  // namespace

int main(int argc, char** argv) {
  Command command;
  std::string error;
  if (!parse({argv + 1, argv + argc}, command, error)) {
    std::cerr << "olvenir-dictionary: " << error << "\nTry 'olvenir-dictionary --help'.\n";
    return kFailed;
  }
  int status = kDone;
  try {
    status = run(command);
  } catch (const std::exception& e) {
    print_prefixed(e.what());
    status = kFailed;
  }
  if (!std::cout.flush()) {
    std::cerr << "olvenir-dictionary: cannot write the output: " << std::strerror(errno) << '\n';
    return kFailed;
  }
  return status;
}
