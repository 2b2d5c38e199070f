// The exports generated from their rows in the exports table: the rules' C adapters over their
// twins, the entry points with fixed answers, and the names that share another export's
// function. One translation unit, so that an alias finds its target's definition here.
#include "olvenir_p.h"
#include "rules/rules.h"

#define OLV_RULE(name, arity, ...) \
  extern "C" int name(OLV_P##arity) { return ::olv::name(OLV_A##arity); }
#define OLV_FIXED(name, result, params, answer) \
  extern "C" result name params { return answer; }
#define OLV_FIXED_CXX(name, symbol, result, params, answer) \
  result name params { return answer; }
#define OLV_SAME(name, target) extern "C" __typeof__(target) name __attribute__((alias(#target)));
#include "exports/exports.def"
