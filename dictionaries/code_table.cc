// The host's code table: a code searched in nested groups of code entries.
#include <algorithm>

#include "dictionaries/dictionaries.h"
#include "olvenir_p.h"

namespace olv {
namespace {

constexpr int kGroupsPerArray = 10;
// The longest prefix in which codes must agree; longer codes match on it alone.
constexpr std::size_t kSignificantUnits = 22;
// A real table nests a few levels and holds far fewer group arrays than kMaxArrays; a table
// that reaches either bound can only be cyclic, and its search ends there.
constexpr int kMaxNesting = 64;
constexpr int kMaxArrays = 1 << 16;

bool valid_at(const stPozycjaKodu& entry, int date) {
  if (date <= 0) return true;
  if (date > 999999) return entry.valid_from <= date && date <= entry.valid_to;
  return entry.valid_from / 100 <= date && date <= entry.valid_to / 100;
}

bool entry_matches(const stPozycjaKodu& entry, Text code, int date) {
  const Text alternative = text(entry.alternative_code);
  const Text key = alternative.empty() ? text(entry.code) : alternative;
  std::size_t n = std::max(key.size(), code.size());
  if (n >= kSignificantUnits) {
    n = kSignificantUnits;
    if (unit_at(key, kSignificantUnits - 1) == u' ' && code.size() == kSignificantUnits - 1) {
      n = kSignificantUnits - 1;
    }
  }
  if (n > code.size()) return false;
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t a = unit_at(key, i);
    if (a != code[i]) return false;
    if (a == u'\0') break;
  }
  return valid_at(entry, date);
}

// `arrays_left` counts down the group arrays the whole search may still enter.
bool in_groups(const stGrupaKodow* groups, Text code, int date, int nesting, int& arrays_left) {
  if (!groups || nesting > kMaxNesting || arrays_left <= 0) return false;
  --arrays_left;
  for (int g = 0; g < kGroupsPerArray; ++g) {
    const stGrupaKodow& group = groups[g];
    if (group.codes) {
      for (uint16_t e = 0; e < group.count; ++e) {
        if (entry_matches(group.codes[e], code, date)) return true;
      }
    }
    if (in_groups(group.children, code, date, nesting + 1, arrays_left)) return true;
  }
  return false;
}

}  // namespace

int sl_CzyPrawidlowyKodLiterowy(const stGrupaKodow* groups, Text code, int date) {
  if (is_null(code) || !groups) return -1;
  int arrays_left = kMaxArrays;
  return in_groups(groups, code, date, 0, arrays_left) ? 0 : -1;
}

}  // namespace olv

// ---- exports ----

extern "C" int sl_CzyPrawidlowyKodLiterowy(stGrupaKodow* groups, char16_t* code, int date) {
  return olv::sl_CzyPrawidlowyKodLiterowy(groups, olv::text(code), date);
}
