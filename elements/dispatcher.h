// The element dispatcher and the document-type field check.
// olv::NAME is the internal twin of the export NAME.
#pragma once

#include <cstdint>

#include "platform/text.h"

namespace olv {

int f_KVTElem(short type, Text t, int32_t max_length);
int fb_KVTPoleRodzajDokumentu(Text t);

}  // namespace olv
