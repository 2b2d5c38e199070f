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
  Text column;                                            // 2
  char16_t expected;
  if (kind == 1) {
    column = u"STP_WGOSPZOSUBEZP";
    expected = u'1';
  } else if (kind == 3) {
    column = u"STP_KOD_ST_NIEPEL";
    expected = static_cast<char16_t>(ch);
  } else {
    return -1;
  }
  OwnedString value(sl_DajWartoscZeSlownika(u"slU_KodPokrew", u"STP_KODPOKREW", code, column));
  if (!value) return -1;  // 3
  const Text v = text(value.get());
  if (unit_at(v, 0) == expected) return 0;  // 4
  if (kind == 3) {                          // 5
    const bool passes = fallback == KinshipFallback::kEmptyValue ? v.empty() : !v.empty();
    if (passes) return 0;
  }
  return -1;  // 6
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
