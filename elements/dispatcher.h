// The element dispatcher and the document-type field check.
// olv::NAME is the internal twin of the export NAME.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/text.h"

namespace olv {

int f_KVTElem(short type, Text t, int32_t max_length);
int fb_KVTPoleRodzajDokumentu(Text t);

// The dispatcher's answer for a number type's host text of digits alone, from one walk of it
// (see walked_REGON); none where the dispatcher must count and judge the text.
std::optional<int> walked_f_KVTElem(short type, const char16_t* p, int32_t max_length);

}  // namespace olv
