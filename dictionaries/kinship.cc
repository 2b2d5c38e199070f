// Kinship codes: the degree of kinship read from the kinship list.
#include "dictionaries/dictionaries.h"
#include "olvenir_p.h"
#include "platform/char_class.h"

namespace olv {
namespace {

// What a value that does not begin with the expected unit still passes for, with kind 3.
enum class KinshipFallback { kEmptyValue, kFilledValue };

int kinship_check(Text code, int kind, int ch, KinshipFallback fallback) {
  if (code.size() != 2 || !only_digits(code)) return -1;  // 1
  if (kind != 1 && kind != 3) return -1;                  // 2
  const Text column = kind == 1 ? u"STP_WGOSPZOSUBEZP" : u"STP_KOD_ST_NIEPEL";
  const char16_t expected = kind == 1 ? u'1' : static_cast<char16_t>(ch);
  OwnedString value(service_lookup(u"slU_KodPokrew", u"STP_KODPOKREW", code, column));
  if (!value) return -1;  // 3
  const Text v = text(value.get());
  if (unit_at(v, 0) == expected) return 0;  // 4
  const bool fallback_passes = fallback == KinshipFallback::kEmptyValue ? v.empty() : !v.empty();
  if (kind == 3 && fallback_passes) return 0;  // 5
  return -1;                                   // 6
}

}  // namespace

int fb_KVTKodPokrewienstwa(Text code, int kind, int ch) {
  return kinship_check(code, kind, ch, KinshipFallback::kEmptyValue);
}

int fb_KVTKodPokrewienstwaJest(Text code, int kind, int ch) {
  return kinship_check(code, kind, ch, KinshipFallback::kFilledValue);
}

}  // namespace olv

// ---- exports ----

extern "C" {

int fb_KVTKodPokrewienstwa(char16_t* code, int kind, int ch) {
  return olv::fb_KVTKodPokrewienstwa(olv::text(code), kind, ch);
}

int fb_KVTKodPokrewienstwaJest(char16_t* code, int kind, int ch) {
  return olv::fb_KVTKodPokrewienstwaJest(olv::text(code), kind, ch);
}
}
