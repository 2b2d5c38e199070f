// The two rule-check operations of the dictionary service, for the rules that ask it.
#pragma once

#include <cstdint>

#include "platform/text.h"

namespace olv {

// The low 32 bits of the one-text rule check; -1 when the service cannot be created.
int32_t service_rule_check(Text field);
// The low 32 bits of the two-text rule check; -1 when the service cannot be created.
int32_t service_rule_check(Text first, Text second);

}  // namespace olv
