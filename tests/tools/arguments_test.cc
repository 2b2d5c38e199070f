// Tests of the checker's argument forms: UTF-8 and UTF-16, command-line words and JSON values
// for each parameter kind.
#include "tools/arguments.h"

#include <gtest/gtest.h>

#include <tuple>

namespace olv {
namespace {

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

}  // namespace
}  // namespace olv
