// Shared helpers of the tests.
#include "tests/test_support.h"

#include "calls/calls.h"
#include "platform/utf8.h"

namespace olv::testing {

std::string utf8(std::u16string_view t) { return utf8_of(t); }

void expect_rules(std::initializer_list<RuleCase> cases) {
  for (const RuleCase& c : cases) {
    const Export* row = find_export(c.rule);
    ASSERT_NE(row, nullptr) << c.rule << " is not an export";
    ASSERT_EQ(row->params.size(), c.args.size()) << c.rule << ": wrong argument count";
    EXPECT_TRUE(allowed_result(*row, c.want)) << c.rule << " never answers " << c.want;
    int got = call_rule(*row, c.args.data());
    std::string call = std::string(c.rule) + "(";
    for (std::size_t i = 0; i < c.args.size(); ++i) {
      if (i) call += ", ";
      if (c.args[i]) {
        call.append(1, '"').append(utf8(c.args[i])).append(1, '"');
      } else {
        call.append("null");
      }
    }
    EXPECT_EQ(got, c.want) << call << ") = " << got << ", want " << c.want;
  }
}

void expect_texts(const char* name, int (*check)(char16_t*),
                  std::initializer_list<TextCase> cases) {
  for (const TextCase& c : cases) {
    std::u16string copy = c.text;
    EXPECT_EQ(check(copy.data()), c.want) << name << "(\"" << utf8(c.text) << "\")";
    EXPECT_EQ(copy, c.text) << name << " changed its text";
  }
}

}  // namespace olv::testing
