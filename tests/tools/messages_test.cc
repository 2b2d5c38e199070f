// Tests of the message catalogue: every code the exports table lists has a condition in both
// languages and no other code has one, codes that break the family-rule-variant pattern are
// explained as the rule that returns them; and of the element-type listing: the types it names
// are the ones the dispatcher knows, and the committed docs table is the generated one.
#include "tools/messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "calls/calls.h"
#include "olvenir_p.h"
#include "tools/checker.h"
#include "tools/element_types.h"

namespace olv {
namespace {

using enum Language;

// Every finding code of the exports table with the names that list it (a bool's 1 is its true;
// a name sharing another's function answers as that one).
std::map<int64_t, std::set<std::string_view>> listed_codes() {
  std::map<int64_t, std::set<std::string_view>> codes;
  for (const Export& row : exports()) {
    const Export& answers = answering_row(row);
    if (answers.result == ResultKind::kBool) continue;
    for (int64_t r : answers.results) {
      if (r != 0 && r != kAnyResult && r != kAnyCode) codes[r].insert(row.name);
    }
  }
  return codes;
}

TEST(MessagesTest, TheCatalogueHoldsEveryListedCodeInBothLanguagesAndNoOther) {
  const auto codes = listed_codes();
  ASSERT_GT(codes.size(), 150u);
  for (const auto& [code, names] : codes) {
    const Finding* f = find_finding(code);
    ASSERT_NE(f, nullptr) << code << " is listed but has no entry";
    EXPECT_NE(std::string_view(f->english), "") << code;
    EXPECT_NE(std::string_view(f->polish), "") << code;
    EXPECT_NE(std::string_view(f->english), f->polish) << code;
  }
  // 60004001 is the dispatcher's own finding: f_KVTElem lists no fixed codes.
  for (const Finding& f : findings()) {
    EXPECT_TRUE(f.code == 60004001 || codes.count(f.code)) << f.code << " is listed by no export";
  }
}

// 1 means no for most checks that answer 0 or 1, and yes for some: each says which.
TEST(MessagesTest, EveryExportListing1SaysWhatItMeans) {
  ASSERT_NE(find_finding(1), nullptr);
  const std::string generic = find_finding(1)->english;
  const auto codes = listed_codes();
  for (std::string_view name : codes.at(1)) {
    const TypedExport* row = find_typed_export(name);
    ASSERT_NE(row, nullptr) << name;
    EXPECT_NE(describe_result(*row, 1, kEnglish), generic) << name;
  }
}

// A value or a yes is no finding in the checker's answers; a check's other answers are.
TEST(MessagesTest, ValuesAndYesAnswersAreNoFindings) {
  const std::tuple<const char*, int64_t, bool> cases[] = {
      {"isKVTdigit", 1, false},     {"KVTDelSpacjeStrcmp", -1, false},
      {"f_DateCmp", 1, false},      {"f_KVTLiczbaDniWMiesiacu", 31, false},
      {"XP0088_1", 61008801, true}, {"KVTIsNotEmpty", 1, true},
      {"f_KVTElemT_NUSP", 1, true}, {"fb_KVTKodSprawdzArkusze", -1, true},
  };
  for (const auto& [name, value, finding] : cases) {
    const TypedExport* row = find_typed_export(name);
    ASSERT_NE(row, nullptr) << name;
    Outcome o;
    o.kind = ResultKind::kInt;
    o.number = value;
    EXPECT_EQ(is_finding(*row, o), finding) << name << " = " << value;
  }
}

TEST(MessagesTest, ExplainCode) {
  // The code, the language, a part of the text (empty for no text) and a part it must not hold.
  // clang-format off
  const std::tuple<int64_t, Language, std::string, std::string> cases[] = {
      // Codes whose digits do not name their rule.
      {61050001, kEnglish, "the month p1 is April 2003 or later; returned by XP0005_1", "0500"},
      {62004005, kEnglish, "after 31 December 2008; returned by GP0040_4", "GP0040_5"},
      {62004006, kEnglish, "before 2009; returned by GP0040_5", "GP0040_4"},
      {61009308, kEnglish, "returned by XP0093_8, XP0093_10", ""},
      {61015103, kPolish, "miesiącem od 01 do 12; zwracany przez XP0157_1", ""},
      {60004301, kPolish, "zwracany przez GB0044_2, GP0014_1, GP0039_1, GP0039_2", ""},
      // Element findings.
      {60005401, kEnglish, "invalid PESEL number", ""},
      {60007501, kEnglish, "returned by f_KVTIsZnakSpecjalny", ""},
      {60004001, kEnglish, "maximum length", "returned by"},
      // -1 and 1, with what particular exports mean by them.
      {-1, kEnglish, "fb_KVTKodSprawdz,", ""},
      {-1, kPolish, "\n  WD0007_1: nie udało się utworzyć usługi słownikowej", ""},
      {1, kEnglish, "\n  f_KVTElemT_NUSP: the NUSP number is not 10 characters long",
       "KVT_CzyRachBank_IBAN_lub_NRB"},
      // Not codes of the library.
      {0, kEnglish, "", ""}, {12345678, kEnglish, "", ""}, {65000101, kEnglish, "", ""},
      {61000501, kEnglish, "", ""},
  };  // clang-format on

  for (const auto& [code, lang, want, not_want] : cases) {
    std::string text = explain_code(code, lang);
    if (want.empty()) {
      EXPECT_EQ(text, "") << code;
      continue;
    }
    EXPECT_NE(text.find(want), std::string::npos) << code << ": " << text;
    if (!not_want.empty()) {
      EXPECT_EQ(text.find(not_want), std::string::npos) << text;
    }
  }
}

TEST(MessagesTest, DescribeResultReadsAnswersByExport) {
  // The export, its answer, the language and the description; empty for the catalogue's
  // condition for the answer.
  const std::tuple<const char*, int64_t, Language, std::string> cases[] = {
      {"f_KVTElem", -1005, kEnglish, "unknown element type 5"},
      {"f_KVTElem", -999, kPolish, "nieznany typ elementu -1"},
      {"f_KVTElem", -1, kEnglish, "the code is not in the dictionary of the element type"},
      {"f_KVTElem", 60004001, kEnglish, ""},
      {"fb_KVTKodSprawdz", -1, kEnglish, ""},
      {"XP0022_2", -1, kEnglish, "the dictionary service could not be created"},
      {"XP0022_2", 61002201, kEnglish, "the answer is not 0 but 61002201"},
      {"XP0005_1", 61050001, kPolish, ""},
      {"GP0039_2", 60004301, kEnglish, ""},
      {"KVTIsNotEmpty", 7, kEnglish, "the answer is not 0 but 7"},
      {"XP0088_1", 61008802, kEnglish, "the answer is not 0 but 61008802"},
      {"_Z23fb_KVTKodSprawdzArkuszeiPKDsi", 0, kEnglish, "the check answered false"},
  };
  for (const auto& [name, value, lang, described] : cases) {
    const TypedExport* row = find_typed_export(name);
    ASSERT_NE(row, nullptr) << name;
    std::string want = described;
    if (want.empty()) {
      const Finding* f = find_finding(value);
      ASSERT_NE(f, nullptr) << value;
      want = lang == kPolish ? f->polish : f->english;
    }
    EXPECT_EQ(describe_result(*row, value, lang), want) << name << " " << value;
  }
}

// Every type outside the listing answers -1000 - type; every listed one answers otherwise.
// 24 and 37 are the dispatcher's two code-list types that name no list: their texts always fail.
TEST(ElementTypesTest, ListedTypesAreTheDispatchersTypes) {
  std::set<int> listed = {24, 37};
  for (const ElementType& t : element_types())
    for (int type = t.first; type <= t.last; ++type) listed.insert(type);
  for (int type = -32768; type <= 32767; ++type) {
    char16_t text[] = u"x";
    const int answer = f_KVTElem(static_cast<short>(type), text, 5);
    EXPECT_EQ(answer == -1000 - type, !listed.count(type)) << type << " = " << answer;
  }
}

TEST(ElementTypesTest, DocsTableIsTheGeneratedOne) {
  std::ifstream file(std::string(OLV_DOCS_DIR) + "/element-types.md");
  std::stringstream committed;
  committed << file.rdbuf();
  EXPECT_EQ(committed.str(), element_types_markdown(kEnglish))
      << "regenerate: olvenir-check --list --types --markdown > docs/element-types.md";
}

}  // namespace
}  // namespace olv
