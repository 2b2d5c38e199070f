// Argument lists for the rule rows of many fields: all fields alike but the few a row sets.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

namespace olv::testing {

// `n` fields holding `fill`, with the listed 1-based positions set.
inline std::vector<const char16_t*> fields_of(
    const char16_t* fill, int n, std::initializer_list<std::pair<int, const char16_t*>> set) {
  std::vector<const char16_t*> args(n, fill);
  for (auto [k, t] : set) args[k - 1] = t;
  return args;
}

// `n` empty fields, with the listed positions set.
inline std::vector<const char16_t*> fields(
    int n, std::initializer_list<std::pair<int, const char16_t*>> set) {
  return fields_of(u"", n, set);
}

}  // namespace olv::testing
