// The two rule-check operations of the dictionary service, for the rules that ask it.
#pragma once

#include <cstdint>
#include <memory>

#include "olvenir_p/runtime.h"
#include "olvenir_p/types.h"
#include "platform/com.h"
#include "platform/runtime_names.h"
#include "platform/text.h"

namespace olv {

// An automation string released when its scope ends.
struct FreeString {
  void operator()(char16_t* s) const { com::free_string(s); }
};
using OwnedString = std::unique_ptr<char16_t, FreeString>;

// The low 32 bits of the one-text rule check; -1 when the service cannot be created.
int32_t service_rule_check(Text field);
// The low 32 bits of the two-text rule check; -1 when the service cannot be created.
int32_t service_rule_check(Text first, Text second);

// Every query below initialises the runtime on the calling thread, creates the service, makes
// one call, releases the service and undoes the initialisation; texts travel as automation
// string copies (a null view as a null string). A failure of the operation, or a copy that
// cannot be allocated, throws olvenir_p::ServiceError after everything is released.

// A new automation string copy of the text, null for a null view; throws
// olvenir_p::ServiceError with E_OUTOFMEMORY when it cannot be allocated.
BSTR string_copy(Text t);

// The code check operation: true when the service says yes, or when it cannot be created.
bool service_code_check(int32_t number, Text code, int32_t dictionary_date);

// The value lookup operation's text as a new automation string that the caller releases (null
// when the service gives null); a new "-1" when the service cannot be created.
BSTR service_lookup(Text dictionary, Text key_column, Text key, Text column);

// The conditional value lookup operation's text, answered as service_lookup answers.
BSTR service_lookup_where(Text dictionary, stWarunekY* conditions, int32_t count, Text column);

}  // namespace olv
