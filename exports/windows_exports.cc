// The exports that only the Windows DLL has, in place of a decorated export that Windows hosts
// cannot call.
#include <new>

#include "frame/frame.h"
#include "olvenir_p.h"
#include "platform/com.h"
#include "platform/text.h"

extern "C" olvenir_p::BSTR KVTDelSpacjeBSTR(char16_t* text) {
  const olv::Text trimmed = olv::KVTDelSpacje(olv::text(text));
  olvenir_p::BSTR copy =
      olv::com::alloc_string(trimmed.data(), static_cast<uint32_t>(trimmed.size()));
  // The same out-of-memory exception as the trimming's own copy.
  if (!copy) throw std::bad_alloc();
  return copy;
}
