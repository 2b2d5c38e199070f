// The element dispatcher: the length test and the validator of each element type, and the
// check of a document-type field.
#include "elements/dispatcher.h"

#include "dates/date_forms.h"
#include "dictionaries/code_lists.h"
#include "dictionaries/dictionaries.h"
#include "elements/general.h"
#include "elements/identity.h"
#include "olvenir_p.h"

namespace olv {
namespace {

// A letter field is judged by its first unit; an empty text hands over its terminator.
int first_unit_letter(Text t) { return f_KVTElemT_LITERA(unit_at(t, 0)); }

// The validator of a type whose text is length-tested first, or null.
using Validator = int (*)(Text);
Validator validator_of(int type) {
  switch (type) {
#define OLV_ELEMENT(type, NAME, validator, ...) \
  case type:                                    \
    return validator;
#include "olvenir_p/element_types.def"
    default:
      return nullptr;
  }
}

// Types without any test, not even of the length.
bool untested(int type) {
#define OLV_UNTESTED(first, last) \
  if (type >= first && type <= last) return true;
#include "olvenir_p/element_types.def"
  return false;
}

// Types whose text must be a code of the list numbered like the type. 24 and 37 are no list
// numbers, so their texts always fail the check: intended.
bool dictionary_type(int type) {
  const CodeList* list = code_list(type);
  return type == 24 || type == 37 || (list && list->element_type);
}

}  // namespace

std::optional<int> walked_f_KVTElem(short type, const char16_t* p, int32_t max_length) {
  std::optional<WalkedAnswer> walked;
  if (type == OLVENIR_P_ELEMENT_REGON) walked = walked_REGON(p);
  if (type == OLVENIR_P_ELEMENT_NIP) walked = walked_NIP(p);
  if (!walked) return std::nullopt;
  if (walked->length > static_cast<uint32_t>(max_length)) return 60004001;
  return walked->answer;
}

int f_KVTElem(short type, Text t, int32_t max_length) {
  // The validated types (3) come first, being the most frequent; no validated type is untested
  // or a dictionary type, so the order changes no answer.
  if (Validator validator = validator_of(type)) {
    // Both lengths are unsigned 32-bit numbers, so a negative maximum is never exceeded.
    if (t.size() > static_cast<uint32_t>(max_length)) return 60004001;
    return validator(t);
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
  if (auto walked = olv::walked_f_KVTElem(type, text, max_length)) return *walked;
  return olv::f_KVTElem(type, olv::text(text), max_length);
}

int fb_KVTPoleRodzajDokumentu(const char16_t* text) {
  return olv::fb_KVTPoleRodzajDokumentu(olv::text(text));
}
