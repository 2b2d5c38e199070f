// The rules' internal twins, one per OLV_RULE row of the exports table: olv::NAME takes its
// field texts as views. Each rule family's source defines its rows' twins.
#pragma once

#include "exports/arity.h"
#include "platform/text.h"
#include "rules/field.h"

namespace olv {

#define OLV_RULE(name, arity, ...) int name(OLV_T##arity);
#include "exports/exports.def"

}  // namespace olv
