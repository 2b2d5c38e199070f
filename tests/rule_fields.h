// Shorthands for table rows: argument lists of many-field rules, and rows that share an answer.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace olv::testing {

// One call's fields from one text: the fields joined by '|', where a lone "~" is a null pointer;
// a null text is one null field. The texts live in `store`.
inline std::vector<const char16_t*> call_fields(const char16_t* call,
                                                std::vector<std::u16string>& store) {
  store.assign(1, u"");
  for (const char16_t* c = call; c && *c; ++c) {
    if (*c == u'|') {
      store.emplace_back();
    } else {
      store.back() += *c;
    }
  }
  std::vector<const char16_t*> args;
  for (const std::u16string& t : store) args.push_back(call && t != u"~" ? t.c_str() : nullptr);
  return args;
}

// Calls of a rule, each one text as above, that all answer `want`.
inline void expect_rule(const char* rule, int want, std::initializer_list<const char16_t*> calls) {
  std::vector<std::u16string> store;
  for (const char16_t* call : calls) expect_rules({{rule, call_fields(call, store), want}});
}

// A rule's calls, as above, that answer `code`, and its calls that answer 0.
struct RuleRow {
  const char* rule;
  int code;
  std::vector<const char16_t*> answering_code, passing;
};

inline void expect_rule_rows(std::initializer_list<RuleRow> rows) {
  for (const RuleRow& r : rows) {
    for (const char16_t* call : r.answering_code) expect_rule(r.rule, r.code, {call});
    for (const char16_t* call : r.passing) expect_rule(r.rule, 0, {call});
  }
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
