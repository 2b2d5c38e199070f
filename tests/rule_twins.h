// Every rule twice: through its export, which counts each field where the rule reads it, and
// through its twin given every field counted beforehand.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "exports/arity.h"
#include "olvenir_p.h"
#include "rules/rules.h"

namespace olv::testing {

// The host's pointers of one call, enough for the rule of the most fields.
using HostText = const char16_t*;
using RuleFields = std::array<HostText, 18>;

struct RuleTwins {
  const char* name;
  int (*counted_as_read)(const RuleFields& a);
  int (*counted_first)(const RuleFields& a);
};

#define OLV_DECLARE_FIELDS(T, wrap)                                                              \
  [[maybe_unused]] T p1 = wrap(a[0]), p2 = wrap(a[1]), p3 = wrap(a[2]), p4 = wrap(a[3]),         \
                     p5 = wrap(a[4]), p6 = wrap(a[5]), p7 = wrap(a[6]), p8 = wrap(a[7]),         \
                     p9 = wrap(a[8]), p10 = wrap(a[9]), p11 = wrap(a[10]), p12 = wrap(a[11]),    \
                     p13 = wrap(a[12]), p14 = wrap(a[13]), p15 = wrap(a[14]), p16 = wrap(a[15]), \
                     p17 = wrap(a[16]), p18 = wrap(a[17]);
#define OLV_RULE(name, arity, ...)         \
  {#name,                                  \
   [](const RuleFields& a) {               \
     OLV_DECLARE_FIELDS(HostText, )        \
     return ::name(OLV_A##arity);          \
   },                                      \
   [](const RuleFields& a) {               \
     OLV_DECLARE_FIELDS(Text, ::olv::text) \
     return ::olv::name(OLV_A##arity);     \
   }},
inline constexpr RuleTwins kRuleTwins[] = {
#include "exports/exports.def"
};
#undef OLV_RULE
#undef OLV_DECLARE_FIELDS

// The twins of the rule `name`, or null.
inline const RuleTwins* rule_twins(std::string_view name) {
  for (const RuleTwins& rule : kRuleTwins) {
    if (name == rule.name) return &rule;
  }
  return nullptr;
}

}  // namespace olv::testing
