// Tests of the checker: its argument forms (UTF-8 and UTF-16, command-line words and JSON values
// for each parameter kind), options, batch lines in and out (bad lines among them), exit
// statuses, and the built program end to end on the embedded sample dictionary.
#include "tools/checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <tuple>

#include "tests/tools/scratch_folder.h"
#include "tools/arguments.h"
#include "tools/messages.h"
#include "tools/typed_exports.h"

namespace olv {
namespace {

using enum Mode;
using enum DictionaryChoice;
using enum ParamKind;
using json = nlohmann::ordered_json;

TEST(ArgumentsTest, Utf8ToUtf16RefusesIllFormedBytes) {
  // Cut short, overlong, an encoded surrogate, beyond U+10FFFF: refused.
  // clang-format off
  const std::tuple<std::string, std::optional<std::u16string>> cases[] = {
      {"abc", u"abc"}, {"\xC4\x85\xC5\x82", u"ął"}, {"\xF0\x9F\x98\x80", u"\U0001F600"}, {"", u""},
      {"\xFF", std::nullopt}, {"\xC4", std::nullopt}, {"\xC0\xAF", std::nullopt},
      {"\xED\xA0\x80", std::nullopt}, {"\xF4\x90\x80\x80", std::nullopt},
  };
  // clang-format on

  for (const auto& [in, want] : cases) EXPECT_EQ(utf16_from_utf8(in), want) << in;
}

TEST(ArgumentsTest, Utf16ToUtf8ReplacesLoneSurrogates) {
  EXPECT_EQ(utf8_from_utf16(u"ął\U0001F600"), "\xC4\x85\xC5\x82\xF0\x9F\x98\x80");
  EXPECT_EQ(utf8_from_utf16(std::u16string{u'a', 0xD800, u'b'}), "a\uFFFDb");
  EXPECT_EQ(utf8_from_utf16(std::u16string{0xDC00}), "\uFFFD");
}

TEST(ArgumentsTest, WordsReadByKind) {
  const json refused = json(json::value_t::discarded);
  // The word, the parameter's kind and its JSON value, discarded for a word the kind refuses.
  // clang-format off
  const std::tuple<const char*, ParamKind, json> cases[] = {
      {":null", kText, nullptr}, {":empty", kText, ""}, {"", kText, ""}, {"::x", kText, ":x"},
      {":x", kText, refused}, {"12", kText, "12"}, {"12", kInt, 12}, {"-0x10", kShort, -16},
      {"1e3", kInt, refused}, {"true", kBool, true}, {"yes", kBool, refused}, {"x", kChar, "x"},
      {":json:[\"a\",null]", kTextList, json::array({"a", nullptr})}, {"a,b", kTextList, refused},
      {":json:{", kText, refused}, {"\xFF", kText, refused},
      {"9223372036854775808", kInt64, refused},
  };
  // clang-format on

  for (const auto& [word, kind, want] : cases) {
    json out;
    std::string error;
    bool ok = json_from_word(word, kind, out, error);
    EXPECT_EQ(ok, !want.is_discarded()) << word << ": " << error;
    if (ok && !want.is_discarded()) {
      EXPECT_EQ(out, want) << word;
    }
  }
}

TEST(ArgumentsTest, JsonValuesMustHaveTheKindsForm) {
  // clang-format off
  const std::tuple<const char*, ParamKind, bool> cases[] = {
      {R"("a")", kText, true}, {R"({"units": [55296, 65]})", kText, true},
      {R"({"units": [65536]})", kText, false}, {R"(5)", kText, false}, {R"(null)", kChar, false},
      {R"(65)", kChar, true}, {R"(1.5)", kInt, false}, {R"(1)", kBool, true},
      {R"("1")", kBool, false}, {R"(7)", kIntOut, true}, {R"(null)", kIntOut, true},
      {R"("x")", kOpaque, false}, {R"(null)", kBstr, true},
      {R"([["C", 0, "v"], {"column": "C", "op": -2, "value": null}])", kConditions, true},
      {R"([["C", 300, "v"]])", kConditions, false}, {R"([["C", 0]])", kConditions, false},
      {R"([{"codes": [["A", 0, 0], {"code": "B", "from": 1, "to": 2}]}])", kCodeTable, true},
      {R"([{"codes": [["A", "x", 0]]}])", kCodeTable, false},
  };
  // clang-format on

  for (const auto& [json_text, kind, ok] : cases) {
    Arg arg;
    std::string error;
    EXPECT_EQ(arg_from_json(json::parse(json_text), kind, arg, error), ok)
        << json_text << ": " << error;
  }
}

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
      {R"({"fn": "KVTDelSpacje", "args": [")" "\xFF" R"("]})", "not UTF-8 at column", kError},
      {R"({"fn": "KVTDelSpacje", "args": ["\ud800"]})", "an unpaired surrogate", kError},
      {R"({"fn": "KVTDelSpacje", "args": ["a)" "\t" R"(b"]})", "a control character", kError},
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

using CheckerRunTest = testing::ScratchFolderTest;

TEST_F(CheckerRunTest, CommandLineConventions) {
  write("pass.jsonl", "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"x\"]}\n");
  write("find.jsonl", "\n{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"\"]}\n");
  write("pesel.txt", "44051401359\r\n44051401358\n\n");
  std::system(("mkdir " + dir_ + "/folder").c_str());
  const std::string kPesel = "{\"fn\": \"f_KVTElem\", \"args\": [121, \"44051401359\", 11]}\n";
  const std::string kFull = "/dev/full";
  const std::string kBatch =
      "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"x\"]}\ngarbage\n \t\r\n"
      "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"\"]}\n{\"fn\": \"missing\"}\n"
      "{\"fn\": \"KVTIsNotEmpty\", \"args\": [\"y\"]}";  // no final line end
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
      // Batches: every line answered in order but blank ones, several files, faults of files
      // named, a summary.
      {"--batch", kBatch, 2, {"{\"line\":1,\"fn\"", "[...]}\"}\n{\"line\":4,\"fn\"",
       "{\"line\":5,\"fn\"", "{\"line\":6,\"fn\""}, {"5 lines, 1 finding, 2 errors"}},
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
      // --explain answers each code in turn, a word that is no code of the library among them.
      {"--lang en --explain 61050001 62004005", "", 0,
       {"61050001: p2 is at least 1", "\n62004005: the date p1"}, {}},
      {"--lang en --explain -1", "", 0, {"-1: the code is not in the dictionary"}, {}},
      {"--lang en --explain 12 61050001", "", 2, {"61050001: p2"}, {}},
      {"--explain 61050001 x --lang pl", "", 2, {"61050001: p2 wynosi"}, {}},
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
  // --list --json: every export once, a line each, in the table's order.
  const Run list = run(OLV_CHECK_PATH, "--list --json");
  std::vector<std::string> names;
  for (const TypedExport& e : typed_exports())
    names.push_back(std::string("\n{\"name\":\"") + e.name + "\",");
  expect_parts("--list --json", "\n" + list.out, names);
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), std::ssize(names));
}

}  // namespace
}  // namespace olv
