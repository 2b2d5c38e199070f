// Shared helpers of the tests: UTF-8 and UTF-16 texts, and the runner of rule rows.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace olv::testing {

// UTF-8 for messages (invalid units as U+FFFD).
std::string utf8(std::u16string_view t);

// A rule row: the export's name, its arguments (nullptr for a null pointer) and the answer.
struct RuleCase {
  const char* rule;
  std::vector<const char16_t*> args;
  int want;
};

// Runs each row through the call layer and reports `NAME("a", "b") = got, want W` on failure;
// also checks the row's argument count against the export's, and that the export may answer W.
void expect_rules(std::initializer_list<RuleCase> cases);

// A row of a one-text validator: the text and the answer.
struct TextCase {
  std::u16string text;
  int want;
};

// Runs each row through an export that takes a writable text, as the host passes it, and
// reports `NAME("text")` on a wrong answer or when the export changed its text.
void expect_texts(const char* name, int (*check)(char16_t*), std::initializer_list<TextCase> cases);

}  // namespace olv::testing
