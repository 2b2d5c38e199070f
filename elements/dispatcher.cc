// The element dispatcher: the length test and the validator of each element type, and the
// check of a document-type field.
#include "elements/dispatcher.h"

#include <array>

#include "dates/date_forms.h"
#include "dictionaries/dictionaries.h"
#include "elements/general.h"
#include "elements/identity.h"
#include "olvenir_p.h"

namespace olv {
namespace {

// Amounts of the dispatcher: any fault of the number text is the one amount finding.
int amount(Text t) { return f_KVTElemT_LICZBA(t) != 0 ? 60006101 : 0; }

// A letter field is judged by its first unit; an empty text hands over its terminator.
int letter(Text t) { return f_KVTElemT_LITERA(unit_at(t, 0)); }

struct Validated {
  short type;
  int (*validator)(Text);
};

// clang-format off
// The element types whose text is length-tested and then judged by a validator.
constexpr Validated kValidated[] = {
    {101, f_KVTElemT_DATA_DDMM},
    {102, f_KVTElemT_DATA_DDMMRRRR},
    {104, f_KVTElemT_DATA_DDMMRRRRNN},
    {105, f_KVTElemT_EMAIL},
    {106, amount},
    {107, f_KVTElemT_LANCUCH_IMIE},
    {108, f_KVTElemT_LANCUCH_LICZBYZNAKI},
    {109, f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY},
    {110, f_KVTElemT_LANCUCH_NAZWA},
    {112, f_KVTElemT_LANCUCH_NAZWISKO},
    {113, f_KVTElemT_LANCUCH_OGOLNY},
    {114, f_KVTElemT_LICZBA},
    {115, letter},
    {116, f_KVTElemT_LOGICZNE},
    {117, f_KVTElemT_NIP},
    {118, f_KVTElemT_NNMMRRRR_RAP},
    {120, f_KVTElemT_NR_TELEFONU},
    {121, f_KVTElemT_PESEL},
    {122, f_KVTElemT_REGON},
    {125, f_KVTElemT_DOWOD_NOWY_I_STARY},
    {126, f_KVTElemT_PASZPORT},
    {128, f_KVTElemT_NUSP},
    {129, f_KVTElemT_NAZWA_NUMER},
    {130, f_KVTElemT_KRAJ},
};
// clang-format on

// The validated types lie in 101 to 130; a table indexed by the type finds the row at once.
constexpr short kFirstValidated = 101;
constexpr short kLastValidated = 130;
using Validator = int (*)(Text);
constexpr auto kValidatorOf = [] {
  std::array<Validator, kLastValidated - kFirstValidated + 1> by_type{};
  for (const Validated& row : kValidated) by_type[row.type - kFirstValidated] = row.validator;
  return by_type;
}();

// Types without any test, not even of the length.
bool untested(int type) {
  return type == 0 || type == 103 || type == 119 || type == 123 ||
         (type >= 10006 && type <= 10017) || type == 10019 || type == 10021;
}

// Types whose text must be a code of the dictionary numbered like the type. 24 and 37 are no
// dictionary numbers, so their texts always fail the check: intended.
bool dictionary_type(int type) {
  return type == 24 || type == 37 || type == 10020 || (type >= 10023 && type <= 10025) ||
         (type >= 10027 && type <= 10036);
}

}  // namespace

int f_KVTElem(short type, Text t, int32_t max_length) {
  // The validated types (3) are tested first, being the most frequent; no validated type is
  // untested or a dictionary type, so the order changes no answer.
  // One unsigned comparison keeps the index in the table: a type below the first wraps round.
  if (const auto row = static_cast<uint16_t>(type - kFirstValidated); row < kValidatorOf.size()) {
    if (Validator validator = kValidatorOf[row]) {
      // Both lengths are unsigned 32-bit numbers, so a negative maximum is never exceeded.
      if (t.size() > static_cast<uint32_t>(max_length)) return 60004001;
      return validator(t);
    }
  }
  if (untested(type)) return 0;                                    // 1
  if (dictionary_type(type)) return fb_KVTKodSprawdz(type, t, 0);  // 2
  return -1000 - type;                                             // 4
}

int fb_KVTPoleRodzajDokumentu(Text t) {
  if (t.empty()) return 0;
  if (t.size() > 1) return 1;
  return fb_KVTKodSprawdz(10023, t, 0);
}

}  // namespace olv

// ---- exports ----

int f_KVTElem(short type, char16_t* text, int max_length) {
  return olv::f_KVTElem(type, olv::text(text), max_length);
}

int fb_KVTPoleRodzajDokumentu(const char16_t* text) {
  return olv::fb_KVTPoleRodzajDokumentu(olv::text(text));
}
