// The command-line checker: its options, one call by name, the list, the explanations and the
// JSON Lines batch.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "tools/messages.h"

namespace olv {

// The checker's exit statuses.
inline constexpr int kAllPassed = 0;
inline constexpr int kFindings = 1;
inline constexpr int kUsageOrInputError = 2;

enum class Mode { kCall, kList, kExplain, kBatch, kHelp };
enum class DictionaryChoice { kSample, kFile, kNone };

struct Options {
  Mode mode = Mode::kHelp;
  std::string name;                // kCall: the export
  std::vector<std::string> words;  // kCall: its arguments; kExplain: the codes
  std::string batch_file;          // kBatch: empty or "-" for standard input
  DictionaryChoice dictionary = DictionaryChoice::kSample;
  std::string dictionary_file;
  Language language = Language::kEnglish;
};

// Reads the command line (without the program name); false with `error` set on a usage error.
bool parse_options(const std::vector<std::string>& args, Options& options, std::string& error);

struct CheckerStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool progress;  // show batch progress on `err` (it is a terminal)
};

// Runs the mode; returns the exit status.
int run_checker(const Options& options, CheckerStreams& io);

// The usage text.
std::string usage();

// True when the outcome is a finding: a nonzero integer answer or a false bool answer of an
// export whose answers are codes (a value such as a date number is never a finding).
bool is_finding(const TypedExport& row, const Outcome& outcome);

// One JSON Lines request answered as one JSON object (its 1-based line number included).
// `status` is raised to kFindings or kUsageOrInputError as the line calls for.
std::string answer_line(const std::string& line, std::size_t number, Language lang, int& status);

}  // namespace olv
