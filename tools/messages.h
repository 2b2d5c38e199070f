// The checker's own message catalogue: what a result means, in English and Polish.
#pragma once

#include <cstdint>
#include <string>

#include "tools/typed_exports.h"

namespace olv {

enum class Language { kEnglish, kPolish };

// The language of the environment's locale: Polish for pl*, English otherwise.
Language language_from_environment();

// A short description of a finding code, with the exports that may return it; empty when the
// code is not one of the library's (neither in the catalogue nor listed by any export).
std::string explain_code(int64_t code, Language lang);

// A short description of one answer of one export: its finding, or what a special answer
// (-1 of a dictionary check, -1000 - type of the dispatcher, 1 of a 0-or-1 check) means there.
std::string describe_result(const TypedExport& row, int64_t value, Language lang);

}  // namespace olv
