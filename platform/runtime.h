// The component runtime's internals that the library and its tests see; the exported
// functions are declared in include/olvenir_p/runtime.h.
#pragma once

#include <cstdint>

#include "olvenir_p/runtime.h"

namespace olv {

// How many olvenir_CoInitialize calls of the calling thread are not yet undone.
int initialisation_depth();

// Automation strings allocated and not yet released, over all threads.
int64_t live_strings();

}  // namespace olv
