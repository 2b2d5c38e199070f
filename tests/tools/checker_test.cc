// Tests of the checker: options, batch lines in and out (bad lines among them), exit
// statuses, and the built program end to end on the embedded sample dictionary.
#include "tools/checker.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <sstream>
#include <tuple>

#include "tests/tools/scratch_folder.h"
#include "tools/messages.h"
#include "tools/typed_exports.h"

namespace olv {
namespace {

using enum Mode;
using enum DictionaryChoice;

TEST(CheckerTest, ParseOptions) {
  // clang-format off
  // The arguments taken, the mode, the dictionary and the batch's files; then arguments refused.
  using Words = std::vector<std::string>;
  const std::tuple<Words, Mode, DictionaryChoice, Words> cases[] = {
      {{"--list"}, kList, kSample, {}},
      {{"--list", "--json"}, kList, kSample, {}},
      {{"--batch"}, kBatch, kSample, {}},
      {{"--batch", "f.jsonl", "--no-dictionary"}, kBatch, kNone, {"f.jsonl"}},
      {{"--batch", "a", "--lang=pl", "b", "-", "--", "--c"}, kBatch, kSample,
       {"a", "b", "-", "--c"}},
      {{"--batch=a", "b"}, kBatch, kSample, {"a", "b"}},
      {{"--dictionary", "d.db", "KVTDelSpacje", "--x"}, kCall, kFile, {}},
      {{"--dictionary=d.db", "KVTDelSpacje", "x"}, kCall, kFile, {}},
      {{"--", "--odd"}, kCall, kSample, {}},
      {{"--explain", "60005401"}, kExplain, kSample, {}},
      {{"-h"}, kHelp, kSample, {}},
      {{"--version"}, kVersion, kSample, {}},
      {{"--each", "f_KVTElem", "121", "{}", "11"}, kEach, kSample, {}},
      {{"--input=v.txt", "--each", "KVTIsNotEmpty", "{}"}, kEach, kSample, {}},
  };
  const Words refused[] = {
      {"--each", "f_KVTElem", "121", "x", "11"}, {"--each", "KVTDelSpacjeStrcmp", "{}", "{}"},
      {"--each"}, {"--input", "v.txt", "KVTIsNotEmpty", "x"}, {"--json", "--batch"},
      {"--explain"}, {"--explain", "--lang", "en"}, {"--list", "--batch"}, {"--version", "--list"},
      {"--list=yes"}, {"--dictionary", "d.db", "--no-dictionary", "--list"},
      {"--lang", "de", "--list"}, {"--frobnicate"}, {"-x", "KVTIsNotEmpty"}, {}, {"--list", "extra"},
  };
  // clang-format on
  for (const auto& [args, mode, dictionary, files] : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    Options o;
    std::string error;
    ASSERT_TRUE(parse_options(args, o, error)) << error;
    EXPECT_EQ(o.mode, mode);
    EXPECT_EQ(o.dictionary, dictionary);
    EXPECT_EQ(o.batch_files, files);
  }
  for (const Words& args : refused) {
    Options o;
    std::string error;
    EXPECT_FALSE(parse_options(args, o, error)) << ::testing::PrintToString(args);
  }
}

TEST(CheckerTest, AnswerLineNamesTheProblem) {
  constexpr int kError = kUsageOrInputError;
  // clang-format off
  // The request line, a part of the answer and the status it leaves.
  const std::tuple<std::string, std::string, int> cases[] = {
      {R"({"fn": "KVTDelSpacje", "args": [" a "]})", R"("result":"a")", kAllPassed},
      {R"({"fn": "KVTIsNotEmpty", "args": [null]})", R"("finding":true)", kFindings},
      {R"({"fn": "f_KVTIsZnakSpecjalny", "args": [65]})", R"("result":60007501,"finding":true)",
       kFindings},
      {R"({"fn": "KVTGetCodePage", "args": []})", R"("result")", kAllPassed},  // a value
      {R"({"id": "r7", "fn": "KVTIsNotEmpty", "args": ["x"]})", R"("id":"r7")", kAllPassed},
      {"{\"fn\": \"KVTDelSpacje\", \"args\": [\"a\"]}\r", R"("result":"a")", kAllPassed},
      {R"({"fn": "KVTDelSpacje", "args": ["\u00e9"]})", "\"result\":\"\xC3\xA9\"", kAllPassed},
      {"not json", R"(not JSON at column 2; a request reads {\"fn\")", kError},
      {"", "an empty line", kError},
      {R"({"fn": "KVTDelSpacje", "args": [")" "\xFF" R"("]})", "text that is not UTF-8 at column",
       kError},
      {R"({"fn": "KVTDelSpacje", "args": ["\ud800"]})", "an unpaired surrogate", kError},
      {R"({"fn": "KVTDelSpacje", "args": ["a)" "\t" R"(b"]})", "a control character inside a text",
       kError},
      {R"({"fn": "KVTDelSpacje", "args": ["a")", "the line ends before the request does", kError},
      {R"({"fn": "XB0084_1", "args": [{"units": [5e5296]}]})", "a number too large", kError},
      {R"(["KVTDelSpacje"])", "a request is a JSON object", kError},
      {R"({"args": []})", R"(\"fn\" must be the export's name)", kError},
      {R"({"fn": "XX9999_9", "args": []})", R"(no export named \"XX9999_9\" (see --list))", kError},
      {R"({"fn": "KVTDelSpacje", "args": "a"})", R"(\"args\" must be a list)", kError},
      {R"({"fn": "KVTDelSpacje", "args": []})", "takes 1 argument, given 0", kError},
      {R"({"fn": "IsLowerPL", "args": ["a", 0]})", "argument 1: expected an integer", kError},
  };
  // clang-format on
  for (const auto& [line, want, want_status] : cases) {
    int status = kAllPassed;
    std::string answer = answer_line(line, 3, Language::kEnglish, status);
    EXPECT_NE(answer.find(want), std::string::npos) << line << " -> " << answer;
    EXPECT_EQ(answer.find("json.exception"), std::string::npos) << answer;
    EXPECT_EQ(answer.rfind("{\"line\":3", 0), 0u) << answer;
    EXPECT_EQ(status, want_status) << line;
  }
}

int run(const std::vector<std::string>& args, const std::string& in, std::string& out,
        std::string* err = nullptr) {
  Options o;
  std::string error;
  if (!parse_options(args, o, error)) return -1;
  std::istringstream input(in);
  std::ostringstream output, errors;
  CheckerStreams io{input, output, errors, false};
  int status = run_checker(o, io);
  out = output.str();
  if (err) *err = errors.str();
  return status;
}

TEST(CheckerTest, BatchAnswersEveryLineButBlankOnesInOrderAndSumsUp) {
  std::string in =
      "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"x\"]}\n"
      "garbage\n"
      " \t\r\n"
      "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"\"]}\n"
      "{\"fn\": \"missing\"}\n"
      "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"y\"]}";  // no final line end
  std::string out, err;
  EXPECT_EQ(run({"--batch"}, in, out, &err), kUsageOrInputError);
  std::istringstream lines(out);
  std::string line;
  std::vector<std::size_t> numbers;
  while (std::getline(lines, line)) {
    numbers.push_back(std::stoul(line.substr(line.find(':') + 1)));
    EXPECT_EQ(line.rfind("{\"line\":" + std::to_string(numbers.back()) + ",", 0), 0u) << line;
  }
  EXPECT_EQ(numbers, (std::vector<std::size_t>{1, 2, 4, 5, 6}));
  EXPECT_EQ(err, "olvenir-check: 5 lines, 1 finding, 2 errors\n");
}

// --explain answers each code in turn, a code that is not the library's among them.
TEST(CheckerTest, ExplainTakesSeveralCodes) {
  const std::string xp0005 = "61050001: " + explain_code(61050001, Language::kEnglish) + "\n";
  const std::string gp0040 = "62004005: " + explain_code(62004005, Language::kEnglish) + "\n";
  const std::string minus1 = "-1: " + explain_code(-1, Language::kEnglish) + "\n";
  // clang-format off
  // The options, the exit status and the whole standard output.
  const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
      {{"--lang", "en", "--explain", "61050001"}, kAllPassed, xp0005},
      {{"--lang", "en", "--explain", "61050001", "62004005"}, kAllPassed, xp0005 + gp0040},
      {{"--lang", "en", "--explain", "-1"}, kAllPassed, minus1},
      {{"--lang", "en", "--explain", "12", "61050001"}, kUsageOrInputError, xp0005},
      {{"--lang", "en", "--explain", "61050001", "x"}, kUsageOrInputError, xp0005},
      {{"--explain", "61050001", "--lang", "en"}, kAllPassed, xp0005},
  };
  // clang-format on
  for (const auto& [args, status, want_out] : cases) {
    std::string out;
    EXPECT_EQ(run(args, "", out), status) << args.back();
    EXPECT_EQ(out, want_out) << args.back();
  }
}

using CheckerRunTest = testing::ScratchFolderTest;

TEST_F(CheckerRunTest, CommandLineConventions) {
  write("pass.jsonl", "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"x\"]}\n");
  write("find.jsonl", "\n{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"\"]}\n");
  write("pesel.txt", "44051401359\r\n44051401358\n\n");
  std::system(("mkdir " + dir_ + "/folder").c_str());
  const std::string kPesel = "{\"fn\": \"f_KVTElem\", \"args\": [121, \"44051401359\", 11]}\n";
  const std::string kFull = "/dev/full";
  // clang-format off
  expect_runs(OLV_CHECK_PATH, {
      // Failed writes end the run with a message.
      {"--batch", kPesel, 2, {}, {"cannot write the results"}, kFull},
      {"--list", "", 2, {}, {"cannot write the results: No space left on device"}, kFull},
      {"--help", "", 2, {}, {"cannot write the results"}, kFull},
      // Usage errors: one line and where to read more.
      {"--frobnicate", "", 2, {},
       {"olvenir-check: unknown option --frobnicate\nTry 'olvenir-check --help'.\n"}},
      {"-v KVTIsNotEmpty x", "", 2, {}, {"unknown option -v"}},
      {"", "", 2, {}, {"no export named\nTry"}},
      {"--version", "", 0, {"olvenir-check 1."}, {}},
      {"-h", "", 0, {"usage: olvenir-check", "--each NAME", "format tests of a code still"}, {}},
      {"--lang=pl --list --json", "", 0, {"{\"name\":\"", "\"params\":[", "\"result\":\""}, {}},
      // Batches: several files, blank lines skipped, faults of files named, a summary.
      {"--batch pass.jsonl find.jsonl", "", 1,
       {"{\"file\":\"pass.jsonl\",\"line\":1,", "{\"file\":\"find.jsonl\",\"line\":2,"},
       {"SAMPLE dictionary", "2 lines, 1 finding, 0 errors"}},
      {"--batch=pass.jsonl -", kPesel, 0, {"\"file\":\"-\",\"line\":1,\"fn\":\"f_KVTElem\""}, {}},
      {"--batch folder", "", 2, {}, {"folder: is a directory, not a file", "0 lines"}},
      {"--batch missing.jsonl pass.jsonl", "", 2, {"\"file\":\"pass.jsonl\""},
       {"cannot read missing.jsonl: No such file or directory", "1 line, 0 findings, 0 errors"}},
      {"--no-dictionary --batch pass.jsonl", "", 0, {"\"result\":0"}, {"1 line, 0 findings"}},
      // One call per value of a column.
      {"--each f_KVTElem 121 {} 11", "44051401359\n44051401358\n", 1,
       {"{\"line\":1,\"value\":\"44051401359\",\"fn\":\"f_KVTElem\",\"result\":0}\n",
        "{\"line\":2,\"value\":\"44051401358\",\"fn\":\"f_KVTElem\",\"result\":60005401,"
        "\"finding\":true"},
       {"2 lines, 1 finding, 0 errors"}},
      {"--each --input=pesel.txt f_KVTElem 121 {} 11", "", 1,
       {"\"line\":1,\"value\":\"44051401359\"", "\"line\":2,\"value\":\"44051401358\"",
        "\"line\":3,\"value\":\"\""},
       {"3 lines, 2 findings, 0 errors"}},
      {"--each IsLowerPL {} 0", "0xB1\nzero\n", 2,
       {"\"line\":1,\"value\":\"0xB1\",\"fn\":\"IsLowerPL\",\"result\":0}",
        "\"line\":2,\"value\":\"zero\",\"fn\":\"IsLowerPL\",\"error\":\"the value: "},
       {"2 lines, 0 findings, 1 error"}},
      {"--each KVTIsNotEmpty {}", "a\xFF\n", 2, {"not UTF-8"}, {}},
      {"--each --input folder KVTIsNotEmpty {}", "", 2, {}, {"folder: is a directory"}},
      {"--each NoSuchExport {}", "", 2, {}, {"no export named NoSuchExport"}},
      // Single calls: the exit status says passed, finding or error.
      {"--no-dictionary KVTIsNotEmpty x", "", 0, {"KVTIsNotEmpty = 0"}, {}},
      {"KVTIsNotEmpty :null", "", 1, {"KVTIsNotEmpty = 1"}, {}},
      {"KVTIsNotEmpty", "", 2, {}, {}},
      {"IsLowerPL 0xB1 zero", "", 2, {}, {}},
      {"--explain 12", "", 2, {}, {}},
      {"--list", "", 0, {"KVTDelSpacjeStrcmp [_Z18KVTDelSpacjeStrcmpPDsS_]  decorated  2"}, {}},
      // Dictionary checks answer from the embedded sample, or without a service.
      {"sl_DajWartoscZeSlownika slU_KodPokrew STP_KODPOKREW 40 STP_KOD_ST_NIEPEL", "", 0,
       {"sl_DajWartoscZeSlownika = \"1\"\n"}, {}},
      {"_Z23fb_KVTKodSprawdzArkuszeiPKDsi 10034 X 0", "", 1, {}, {}},
      {"--no-dictionary _Z23fb_KVTKodSprawdzArkuszeiPKDsi 10034 X 0", "", 0, {}, {}},
      {"--no-dictionary sl_DajWartoscZeSlownika a b c d", "", 0,
       {"sl_DajWartoscZeSlownika = \"-1\"\n"}, {}},
      {"--dictionary /nonexistent.db KVTIsNotEmpty x", "", 2, {}, {}},
      {"--batch", "", 0, {}, {}},
  });
  // clang-format on
  // Without a dictionary the summary names none.
  EXPECT_EQ(run(OLV_CHECK_PATH, "--no-dictionary --batch pass.jsonl").err.find("SAMPLE"),
            std::string::npos);
}

TEST_F(CheckerRunTest, ListAsJsonHasEveryExportOnce) {
  Run r = run(OLV_CHECK_PATH, "--list --json");
  ASSERT_EQ(r.status, 0);
  std::istringstream lines(r.out);
  std::size_t n = 0;
  for (std::string line; std::getline(lines, line); ++n) {
    ASSERT_EQ(line.front(), '{') << line;
    EXPECT_NE(line.find("\"name\":\"" + std::string(typed_exports()[n].name) + "\""),
              std::string::npos)
        << line;
  }
  EXPECT_EQ(n, typed_exports().size());
}

}  // namespace
}  // namespace olv
