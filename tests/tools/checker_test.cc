// Tests of the checker: options, batch lines in and out (bad lines among them), exit
// statuses, and the built program end to end on the embedded sample dictionary.
#include "tools/checker.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace olv {
namespace {

struct OptionCase {
  std::vector<std::string> args;
  bool ok;
  Mode mode;
  DictionaryChoice dictionary;
};

TEST(CheckerTest, ParseOptions) {
  const OptionCase cases[] = {
      {{"--list"}, true, Mode::kList, DictionaryChoice::kSample},
      {{"--batch"}, true, Mode::kBatch, DictionaryChoice::kSample},
      {{"--batch", "f.jsonl", "--no-dictionary"}, true, Mode::kBatch, DictionaryChoice::kNone},
      {{"--dictionary", "d.db", "KVTDelSpacje", "--x"}, true, Mode::kCall, DictionaryChoice::kFile},
      {{"--", "--odd"}, true, Mode::kCall, DictionaryChoice::kSample},
      {{"--explain", "60005401"}, true, Mode::kExplain, DictionaryChoice::kSample},
      {{"--explain"}, false, {}, {}},
      {{"--list", "--batch"}, false, {}, {}},
      {{"--dictionary", "d.db", "--no-dictionary", "--list"}, false, {}, {}},
      {{"--lang", "de", "--list"}, false, {}, {}},
      {{"--frobnicate"}, false, {}, {}},
      {{}, false, {}, {}},
      {{"--list", "extra"}, false, {}, {}},
  };
  for (const OptionCase& c : cases) {
    Options o;
    std::string error;
    std::string joined;
    for (const std::string& a : c.args) joined += a + " ";
    ASSERT_EQ(parse_options(c.args, o, error), c.ok) << joined << error;
    if (!c.ok) continue;
    EXPECT_EQ(o.mode, c.mode) << joined;
    EXPECT_EQ(o.dictionary, c.dictionary) << joined;
  }
}

struct LineCase {
  std::string line;
  std::string want;  // a part of the answer
  int status;
};

TEST(CheckerTest, AnswerLineNamesTheProblem) {
  const LineCase cases[] = {
      {R"({"fn": "KVTDelSpacje", "args": [" a "]})", R"("result":"a")", kAllPassed},
      {R"({"fn": "KVTIsNotEmpty", "args": [null]})", R"("finding":true)", kFindings},
      {R"({"fn": "f_KVTIsZnakSpecjalny", "args": [65]})", R"("result":60007501,"finding":true)",
       kFindings},
      {R"({"fn": "KVTGetCodePage", "args": []})", R"("result")", kAllPassed},  // a value
      {R"({"id": "r7", "fn": "KVTIsNotEmpty", "args": ["x"]})", R"("id":"r7")", kAllPassed},
      {"{\"fn\": \"KVTDelSpacje\", \"args\": [\"a\"]}\r", R"("result":"a")", kAllPassed},
      {R"({"fn": "KVTDelSpacje", "args": ["\u00e9"]})", "\"result\":\"\xC3\xA9\"", kAllPassed},
      {"not json", "invalid JSON", kUsageOrInputError},
      {"", "invalid JSON", kUsageOrInputError},
      {"{\"fn\": \"KVTDelSpacje\", \"args\": [\"\xFF\"]}", "invalid JSON", kUsageOrInputError},
      {R"({"fn": "KVTDelSpacje", "args": ["\ud800"]})", "invalid JSON", kUsageOrInputError},
      {R"({"fn": "XB0084_1", "args": [{"units": [5e5296]}]})", "number overflow",
       kUsageOrInputError},
      {R"(["KVTDelSpacje"])", "a request is a JSON object", kUsageOrInputError},
      {R"({"args": []})", R"(\"fn\" must be a text)", kUsageOrInputError},
      {R"({"fn": "XX9999_9", "args": []})", R"(unknown export \"XX9999_9\")", kUsageOrInputError},
      {R"({"fn": "KVTDelSpacje", "args": "a"})", R"(\"args\" must be a list)", kUsageOrInputError},
      {R"({"fn": "KVTDelSpacje", "args": []})", "takes 1 argument, given 0", kUsageOrInputError},
      {R"({"fn": "IsLowerPL", "args": ["a", 0]})", "argument 1: expected an integer",
       kUsageOrInputError},
  };
  for (const LineCase& c : cases) {
    int status = kAllPassed;
    std::string answer = answer_line(c.line, 3, Language::kEnglish, status);
    EXPECT_NE(answer.find(c.want), std::string::npos) << c.line << " -> " << answer;
    EXPECT_EQ(answer.rfind("{\"line\":3", 0), 0u) << answer;
    EXPECT_EQ(status, c.status) << c.line;
  }
}

int run(const std::vector<std::string>& args, const std::string& in, std::string& out) {
  Options o;
  std::string error;
  if (!parse_options(args, o, error)) return -1;
  std::istringstream input(in);
  std::ostringstream output, errors;
  CheckerStreams io{input, output, errors, false};
  int status = run_checker(o, io);
  out = output.str();
  return status;
}

TEST(CheckerTest, BatchKeepsEveryLineInOrder) {
  std::string in =
      "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"x\"]}\n"
      "garbage\n"
      "\n"
      "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"\"]}\n"
      "{\"fn\": \"missing\"}\n"
      "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"y\"]}";  // no final line end
  std::string out;
  EXPECT_EQ(run({"--batch"}, in, out), kUsageOrInputError);
  std::istringstream lines(out);
  std::string line;
  int n = 0;
  while (std::getline(lines, line)) {
    EXPECT_EQ(line.rfind("{\"line\":" + std::to_string(++n) + ",", 0), 0u) << line;
  }
  EXPECT_EQ(n, 6);
}

TEST(CheckerTest, ExitStatusSaysPassedFindingOrError) {
  std::string out;
  EXPECT_EQ(run({"KVTIsNotEmpty", "x"}, "", out), kAllPassed);
  EXPECT_EQ(run({"KVTIsNotEmpty", ":null"}, "", out), kFindings);
  EXPECT_NE(out.find("KVTIsNotEmpty = 1"), std::string::npos) << out;
  EXPECT_EQ(run({"KVTIsNotEmpty"}, "", out), kUsageOrInputError);
  EXPECT_EQ(run({"NoSuchExport"}, "", out), kUsageOrInputError);
  EXPECT_EQ(run({"IsLowerPL", "0xB1", "zero"}, "", out), kUsageOrInputError);
  EXPECT_EQ(run({"--batch"}, "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"x\"]}\n", out), kAllPassed);
  EXPECT_EQ(run({"--batch"}, "", out), kAllPassed);
  EXPECT_EQ(out, "");
  EXPECT_EQ(run({"--batch", "/nonexistent.jsonl"}, "", out), kUsageOrInputError);
  EXPECT_EQ(run({"--explain", "60005401"}, "", out), kAllPassed);
  EXPECT_EQ(run({"--explain", "12"}, "", out), kUsageOrInputError);
  EXPECT_EQ(run({"--list"}, "", out), kAllPassed);
  EXPECT_NE(out.find("KVTDelSpacjeStrcmp [_Z18KVTDelSpacjeStrcmpPDsS_]  decorated  2"),
            std::string::npos);
}

// Runs the built checker through the shell; the exit status, and standard output in `out`.
int program(const std::string& args, std::string& out) {
  FILE* p = popen((std::string(OLV_CHECK_PATH) + " " + args + " 2>/dev/null").c_str(), "r");
  if (!p) return -1;
  out.clear();
  char buffer[4096];
  while (std::size_t n = fread(buffer, 1, sizeof buffer, p)) out.append(buffer, n);
  int status = pclose(p);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CheckerProgramTest, AnswersDictionaryChecksFromTheEmbeddedSample) {
  std::string out;
  EXPECT_EQ(
      program("sl_DajWartoscZeSlownika slU_KodPokrew STP_KODPOKREW 40 STP_KOD_ST_NIEPEL", out),
      kAllPassed);
  EXPECT_EQ(out, "sl_DajWartoscZeSlownika = \"1\"\n");
  EXPECT_EQ(program("_Z23fb_KVTKodSprawdzArkuszeiPKDsi 10034 X 0", out), kFindings);
  EXPECT_EQ(program("--no-dictionary _Z23fb_KVTKodSprawdzArkuszeiPKDsi 10034 X 0", out),
            kAllPassed);  // no service: the code is accepted
  EXPECT_EQ(program("--no-dictionary sl_DajWartoscZeSlownika a b c d", out), kAllPassed);
  EXPECT_EQ(out, "sl_DajWartoscZeSlownika = \"-1\"\n");
  EXPECT_EQ(program("--dictionary /nonexistent.db KVTIsNotEmpty x", out), kUsageOrInputError);
}

TEST(CheckerProgramTest, TheSampleBatchGivesOneLinePerLine) {
  std::string path = std::string(OLV_EXAMPLES_DIR) + "/sample.jsonl";
  std::ifstream in(path);
  std::size_t lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  std::string out;
  int status = program("--batch " + path, out);
  EXPECT_NE(status, -1);
  EXPECT_EQ(static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n')), lines);
}

}  // namespace
}  // namespace olv
