// The element types of f_KVTElem as the checker lists them and the docs show them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/messages.h"

namespace olv {

struct ElementType {
  int first;                   // the type, or the first of a range that passes any text
  int last;                    // equal to first but for such a range
  std::string name;            // the validator's name without f_KVTElemT_, or what the type takes
  std::string validator;       // the export that judges the text; empty when none does
  std::vector<int64_t> codes;  // the findings the validator may give
};

// Every type the dispatcher knows, in order: the validated types, the code-list types and the
// ranges without a test.
std::vector<ElementType> element_types();

// The table of element types in Markdown, with each finding's condition in the language.
std::string element_types_markdown(Language lang);

}  // namespace olv
