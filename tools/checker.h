// The command-line checker: its options, one call by name, the list, the explanations and the
// JSON Lines batch.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "tools/messages.h"

namespace olv {

// The checker's exit statuses.
inline constexpr int kAllPassed = 0;
inline constexpr int kFindings = 1;
inline constexpr int kUsageOrInputError = 2;

enum class Mode { kCall, kList, kExplain, kBatch, kEach, kHelp, kVersion };
// What --list shows.
enum class Listing { kExports, kTypes };
enum class DictionaryChoice { kSample, kFile, kNone };

// The word of an --each argument that each input value takes the place of.
inline constexpr std::string_view kEachValue = "{}";

struct Options {
  Mode mode = Mode::kHelp;
  std::string name;                      // kCall, kEach: the export
  std::vector<std::string> words;        // kCall, kEach: its arguments; kExplain: the codes
  std::vector<std::string> batch_files;  // kBatch: none, or "-", for standard input
  std::string input_file;                // kEach: empty or "-" for standard input
  bool json = false;                     // kList: JSON Lines
  Listing listing = Listing::kExports;   // kList: what it lists
  bool markdown = false;                 // kList of types: the docs' table
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

// Runs the mode; returns the exit status. A failed write of the results ends the run with
// kUsageOrInputError.
int run_checker(const Options& options, CheckerStreams& io);

// The usage text.
std::string usage();

// The short note on a usage error.
inline constexpr char kTryHelp[] = "Try 'olvenir-check --help'.\n";

// The note on standard error when dictionary answers come from the embedded sample.
inline constexpr char kSampleNote[] =
    "olvenir-check: dictionary answers come from the embedded SAMPLE dictionary (a few "
    "illustrative codes, not the official lists); --dictionary FILE uses your own\n";

// True for a batch line with nothing but white space, which is skipped.
bool is_blank_line(std::string_view line);

// True when the outcome is a finding: a nonzero integer answer or a false bool answer of an
// export whose answers are codes (a value such as a date number is never a finding).
bool is_finding(const TypedExport& row, const Outcome& outcome);

// One JSON Lines request answered as one JSON object (its 1-based line number included).
// `status` is raised to kFindings or kUsageOrInputError as the line calls for. Faults are
// named in the words of the request, not of the JSON reader.
std::string answer_line(const std::string& line, std::size_t number, Language lang, int& status);

}  // namespace olv
