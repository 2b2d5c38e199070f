// The checker's catalogue of findings: what a result means, in English and Polish.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/typed_exports.h"

namespace olv {

enum class Language { kEnglish, kPolish };

// The language of the environment's locale: Polish for pl*, English otherwise.
Language language_from_environment();

// One row of the catalogue: a code and the condition it reports.
struct Finding {
  int64_t code;
  const char* english;
  const char* polish;
};

// Every code the library returns as a finding, sorted by code.
std::span<const Finding> findings();

// The catalogue's row of a code; null when the library never returns it.
const Finding* find_finding(int64_t code);

// The exports whose listed results make the code a finding (a bool's true is none; a name that
// shares another export's function answers as that one), once each, in the table's order.
std::vector<std::string_view> exports_returning(int64_t code);

// The condition a code reports and the exports that return it; further lines give what
// particular exports mean by it. Empty when the code is not in the catalogue.
std::string explain_code(int64_t code, Language lang);

// False for an answer that the export gives as a value or a yes (isKVTdigit's 1, a comparison's
// -1 and 1, a day count), which is no finding.
bool answer_is_fault(const TypedExport& row, int64_t value);

// A short description of one answer of one export: its finding, or what a special answer
// (-1 of a dictionary check, -1000 - type of the dispatcher, 1 of a 0-or-1 check) means there.
std::string describe_result(const TypedExport& row, int64_t value, Language lang);

}  // namespace olv
