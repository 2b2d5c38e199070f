// The exported rules: each is the C adapter of its twin, generated from its OLV_RULE row.
#include "olvenir_p.h"
#include "rules/rules.h"

#define OLV_RULE(name, arity, ...) \
  extern "C" int name(OLV_P##arity) { return ::olv::name(OLV_A##arity); }
#include "exports/exports.def"
