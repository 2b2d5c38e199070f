// Shared helpers of the tests.
#include "tests/test_support.h"

#include "exports/registry.h"

namespace olv::testing {

std::string utf8(std::u16string_view t) {
  std::string out;
  for (std::size_t i = 0; i < t.size(); ++i) {
    char32_t c = t[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < t.size() && t[i + 1] >= 0xDC00 && t[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (t[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

void expect_rules(std::initializer_list<RuleCase> cases) {
  for (const RuleCase& c : cases) {
    const Export* row = find_export(c.rule);
    ASSERT_NE(row, nullptr) << c.rule << " is not in the exports table";
    ASSERT_EQ(row->arity, static_cast<int>(c.args.size())) << c.rule << ": wrong argument count";
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
