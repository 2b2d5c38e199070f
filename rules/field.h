// A rule's field text: the view of the host's text, made once where the export is called.
#pragma once

#include "platform/text.h"

namespace olv {

// The exports hand the rules the host's pointers; a null pointer is the null view (is_null).
struct Field : Text {
  Field(const char16_t* p) : Text(text(p)) {}
  Field(Text t) : Text(t) {}
};

}  // namespace olv
