/* Olvenir_p: validation checks for the electronic declarations and registration forms of the
 * Polish social-insurance system. Every export answers with one result code: 0 when the check
 * passes, an eight-digit finding code when it fails. Texts are null-terminated UTF-16.
 * Plain names have C linkage; type-decorated names are C++ functions. Requires C++17 or later.
 * The runtime's names (HRESULT, S_OK, GUID, IUnknown...) are in namespace olvenir_p. */
#ifndef OLVENIR_P_H
#define OLVENIR_P_H

#include "olvenir_p/dates.h"
#include "olvenir_p/dictionaries.h"
#include "olvenir_p/elements.h"
#include "olvenir_p/frame.h"
#include "olvenir_p/rules.h"
#include "olvenir_p/runtime.h"
#include "olvenir_p/types.h"
#include "olvenir_p/version.h"

#endif
