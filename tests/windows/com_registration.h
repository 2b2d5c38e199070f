// The system's COM for the tests' own dictionary services on Windows: a factory registered for
// in-process creation.
#pragma once

#include <cstdint>

#include "olvenir_p/runtime.h"

namespace olv::testing {

// Initialises COM on the calling thread and registers `factory` for in-process creation of
// `clsid`; the answer is the registration's cookie.
uint32_t register_factory(const olvenir_p::CLSID& clsid, olvenir_p::IClassFactory* factory);
// Revokes the registration and undoes the initialisation.
void revoke_factory(uint32_t cookie);

}  // namespace olv::testing
