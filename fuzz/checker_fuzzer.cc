// Fuzzes the checker's batch mode: the input is a batch of JSON lines, answered with the
// sample dictionary registered. Oracle: one JSON object per input line, numbered in order,
// each with either an error or a result, every integer result one its export may give, and an
// exit status that agrees with the answers.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "olvenir_p.h"
#include "platform/runtime_names.h"
#include "service/dictionary_service.h"
#include "service/sample_dictionary.h"
#include "tools/checker.h"
#include "tools/typed_exports.h"

namespace {

using json = nlohmann::ordered_json;

[[noreturn]] void wrong(std::size_t line, const std::string& what, std::string_view reply) {
  std::fprintf(stderr, "answer %zu: %s\n%.*s\n", line, what.c_str(), static_cast<int>(reply.size()),
               reply.data());
  std::abort();
}

// The sample dictionary stays registered for the life of the process, as in the checker.
void register_sample_dictionary() {
  static const bool registered = [] {
    IClassFactory* f = olv::service::new_dictionary_factory(
        olv::service::SqliteDictionary::from_sql(olv::service::kSampleDictionarySql));
    olvenir_RegisterClassFactory(&CLSID_OlvenirDictionaryService, f);
    f->Release();
    return true;
  }();
  (void)registered;
}

// The numbers of the lines std::getline reads from the text that are not blank, which the
// batch answers (a last line without its newline counts too).
std::vector<std::size_t> answered_lines(std::string_view text) {
  std::vector<std::size_t> numbers;
  std::size_t number = 0;
  while (!text.empty()) {
    std::size_t end = std::min(text.find('\n'), text.size());
    ++number;
    if (!olv::is_blank_line(text.substr(0, end))) numbers.push_back(number);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return numbers;
}

// Checks one reply; returns the least exit status it calls for.
int check_reply(std::size_t number, std::string_view text) {
  json reply;
  try {
    reply = json::parse(text);
  } catch (const json::exception&) {
    wrong(number, "not JSON", text);
  }
  if (!reply.is_object() || reply.value("line", std::size_t{0}) != number) {
    wrong(number, "not an object with its line number", text);
  }
  if (reply.contains("error") == reply.contains("result")) {
    wrong(number, "not exactly one of error and result", text);
  }
  if (reply.contains("error")) return olv::kUsageOrInputError;
  const olv::TypedExport* row = olv::find_typed_export(reply.value("fn", std::string()));
  if (!row) wrong(number, "a result of no export", text);
  const json& result = reply["result"];
  if (row->result == olv::ResultKind::kInt && result.is_number_integer() &&
      !olv::allowed_result(olv::answering_row(*row), result.get<int64_t>())) {
    wrong(number, "a result its export may not give", text);
  }
  return reply.value("finding", false) ? olv::kFindings : olv::kAllPassed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  register_sample_dictionary();
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  olv::CheckerStreams io{in, out, err, false};
  olv::Options options;
  options.mode = olv::Mode::kBatch;
  const int status = olv::run_checker(options, io);

  const std::string replies = out.str();
  std::string_view rest = replies;
  const std::vector<std::size_t> numbers = answered_lines(input);
  std::size_t answers = 0;
  int expected_status = olv::kAllPassed;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::size_t number = answers < numbers.size() ? numbers[answers] : 0;
    if (end == std::string_view::npos) wrong(number, "an answer without its newline", rest);
    expected_status = std::max(expected_status, check_reply(number, rest.substr(0, end)));
    rest.remove_prefix(end + 1);
    ++answers;
  }
  if (answers != numbers.size()) {
    std::fprintf(stderr, "%zu answers to %zu lines\n", answers, numbers.size());
    std::abort();
  }
  if (status != expected_status) {
    std::fprintf(stderr, "exit status %d, the answers call for %d\n", status, expected_status);
    std::abort();
  }
  return 0;
}
