// Tests of the message catalogue: element findings in both languages, codes the library does
// not return, and the special answers of particular exports.
#include "tools/messages.h"

#include <gtest/gtest.h>

namespace olv {
namespace {

struct ExplainCase {
  int64_t code;
  Language lang;
  std::string want;  // a part of the text; empty for no description
};

TEST(MessagesTest, ExplainCode) {
  const ExplainCase cases[] = {
      {60005401, Language::kEnglish, "invalid PESEL number"},
      {60005401, Language::kPolish, "niepoprawny numer PESEL"},
      {60007501, Language::kEnglish, "returned by f_KVTIsZnakSpecjalny"},
      {60007501, Language::kPolish, "zwracany przez f_KVTIsZnakSpecjalny"},
      {61002201, Language::kEnglish, "identity card"},
      {0, Language::kEnglish, ""},
      {-1, Language::kEnglish, ""},
      {12345678, Language::kEnglish, ""},
      {65000101, Language::kEnglish, ""},
  };
  for (const ExplainCase& c : cases) {
    std::string text = explain_code(c.code, c.lang);
    if (c.want.empty()) {
      EXPECT_EQ(text, "") << c.code;
    } else {
      EXPECT_NE(text.find(c.want), std::string::npos) << c.code << ": " << text;
    }
  }
}

TEST(MessagesTest, DescribeResultReadsSpecialAnswersByExport) {
  const TypedExport* elem = find_typed_export("f_KVTElem");
  const TypedExport* code = find_typed_export("fb_KVTKodSprawdz");
  const TypedExport* bool_check = find_typed_export("_Z23fb_KVTKodSprawdzArkuszeiPKDsi");
  ASSERT_TRUE(elem && code && bool_check);
  EXPECT_EQ(describe_result(*elem, -1005, Language::kEnglish), "unknown element type 5");
  EXPECT_EQ(describe_result(*elem, -999, Language::kPolish), "nieznany typ elementu -1");
  EXPECT_EQ(describe_result(*elem, 60004001, Language::kEnglish),
            "the text is longer than the field's maximum length");
  EXPECT_EQ(describe_result(*code, -1, Language::kEnglish),
            "the code is not valid for the dictionary");
  EXPECT_EQ(describe_result(*bool_check, 0, Language::kEnglish), "the check answered false");
}

}  // namespace
}  // namespace olv
