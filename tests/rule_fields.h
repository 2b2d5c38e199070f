// Shorthands for table rows: argument lists of many-field rules, and rows that share an answer.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "tests/test_support.h"

namespace olv::testing {

// `n` fields holding `fill`, with the listed 1-based positions set.
inline std::vector<const char16_t*> fields_of(
    const char16_t* fill, int n, std::initializer_list<std::pair<int, const char16_t*>> set) {
  std::vector<const char16_t*> args(n, fill);
  for (auto [k, t] : set) args[k - 1] = t;
  return args;
}

// `n` empty fields, with the listed positions set.
inline std::vector<const char16_t*> fields(
    int n, std::initializer_list<std::pair<int, const char16_t*>> set) {
  return fields_of(u"", n, set);
}

// Rows of a one-field rule that all answer `want`, each run as its own row.
inline void expect_rule(const char* rule, int want, std::initializer_list<const char16_t*> texts) {
  for (const char16_t* t : texts) expect_rules({{rule, {t}, want}});
}

// Rows of a rule that all answer `want`, one argument list each.
inline void expect_rule(const char* rule, int want,
                        std::initializer_list<std::vector<const char16_t*>> arg_lists) {
  for (const std::vector<const char16_t*>& args : arg_lists) expect_rules({{rule, args, want}});
}

// Texts that a validator all answers with `want`, each run as its own row.
inline void expect_texts(const char* name, int (*check)(char16_t*), int want,
                         std::initializer_list<std::u16string> texts) {
  for (const std::u16string& t : texts) expect_texts(name, check, {{t, want}});
}

}  // namespace olv::testing
