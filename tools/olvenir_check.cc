// olvenir-check: calls any export by name, alone or in a JSON Lines batch, with a dictionary
// service over the embedded sample database, the user's database, or none.
#include <unistd.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime_names.h"
#include "service/dictionary_service.h"
#include "tools/checker.h"

namespace {

// Registers the chosen dictionary for the life of the program; revoked when it ends.
class DictionaryRegistration {
 public:
  explicit DictionaryRegistration(const olv::Options& options) {
    using olv::service::SqliteDictionary;
    switch (options.dictionary) {
      case olv::DictionaryChoice::kNone:
        return;
      case olv::DictionaryChoice::kSample:
        olv::service::register_dictionary(olv::service::dictionary_named("sample"));
        break;
      case olv::DictionaryChoice::kFile:
        olv::service::register_dictionary(SqliteDictionary::open_file(options.dictionary_file));
        break;
    }
    registered_ = true;
  }
  ~DictionaryRegistration() {
    if (registered_) olv::service::register_dictionary(nullptr);
  }
  DictionaryRegistration(const DictionaryRegistration&) = delete;
  DictionaryRegistration& operator=(const DictionaryRegistration&) = delete;

 private:
  bool registered_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  olv::Options options;
  std::string error;
  if (!olv::parse_options({argv + 1, argv + argc}, options, error)) {
    std::cerr << "olvenir-check: " << error << '\n' << olv::kTryHelp;
    return olv::kUsageOrInputError;
  }
  bool queries = options.mode == olv::Mode::kCall || options.mode == olv::Mode::kBatch ||
                 options.mode == olv::Mode::kEach;
  std::unique_ptr<DictionaryRegistration> registration;
  try {
    if (queries) registration = std::make_unique<DictionaryRegistration>(options);
  } catch (const std::exception& e) {
    std::cerr << "olvenir-check: dictionary: " << e.what() << '\n';
    return olv::kUsageOrInputError;
  }
  if (queries && options.dictionary == olv::DictionaryChoice::kSample)
    std::cerr << olv::kSampleNote;
  olv::CheckerStreams io{std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
  return olv::run_checker(options, io);
}
