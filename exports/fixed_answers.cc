// The entry points with fixed answers, and the names that share another export's function;
// both generated from their rows in the exports table.
#include "olvenir_p.h"

#define OLV_FIXED(name, result, params, answer) \
  extern "C" result name params { return answer; }
#define OLV_FIXED_CXX(name, symbol, result, params, answer) \
  result name params { return answer; }
#define OLV_SAME(name, target) \
  extern "C" __typeof__(target) name __attribute__((alias(#target)));
#include "exports/exports.def"
