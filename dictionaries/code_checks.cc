// Code checks against the code lists with their local format tests, the lists' names, value
// lookups, and the entry points that answer a fixed text.
#include <algorithm>

#include "dates/date_forms.h"
#include "dictionaries/code_lists.h"
#include "dictionaries/dictionaries.h"
#include "dictionaries/service_query.h"
#include "olvenir_p.h"
#include "platform/char_class.h"

namespace olv {

int sl_PoprawnyKod(Text code, int length) {
  if (length != 0 && (length < 0 || code.size() != static_cast<std::size_t>(length))) return -1;
  return only_digits(code) ? 0 : -1;
}

const char16_t* sl_PobierzNazweSlownika(int number) {
  const CodeList* list = code_list(number);
  return list ? list->name : nullptr;
}

int32_t dictionary_date(Text date) {
  if (is_null(date)) return 0;
  if (sl_PoprawnaData_DDMMRRRR(date) == 0) return sl_PrzeksztalcDate_DDMMRRRR(date);
  if (sl_PoprawnaData_MMRRRR(date) == 0) return sl_PrzeksztalcDate_MMRRRR(date);
  return 0;
}

int fb_KVTKodSprawdzArkusze(int number, Text code, Text date) {
  const int32_t when = dictionary_date(date);  // 1
  const CodeList* list = code_list(number);
  if (!list) return -1;  // 2
  switch (list->test) {  // 3
    case LocalTest::kSixDigits:
      if (code.size() != 6 || !only_digits(code)) return -1;
      if (when == 0) return 0;
      break;
    case LocalTest::kTwoDigitsFirst:
      if (!is_digit(unit_at(code, 0)) || !is_digit(unit_at(code, 1))) return -1;
      break;
    case LocalTest::kNone:
      break;
    case LocalTest::kRefused:
      return -1;
    case LocalTest::kDigits:
      // The code's own length as the expected length: only its units are tested.
      if (sl_PoprawnyKod(code, 0) != 0) return -1;
      break;
  }
  return service_code_check(number, code, when) ? 0 : -1;  // 4
}

int fb_KVTKodSprawdz(int number, Text code, int) {
  return fb_KVTKodSprawdzArkusze(number, code, Text());
}

int fb_KVTZasadyPodleganiaUb(Text a, Text b, Text c, Text date) {
  char16_t joined[6];
  if (a.size() > 6 || b.size() > 6 - a.size() || c.size() > 6 - a.size() - b.size()) return -1;
  char16_t* end = std::copy(a.begin(), a.end(), joined);
  end = std::copy(b.begin(), b.end(), end);
  end = std::copy(c.begin(), c.end(), end);
  return fb_KVTKodSprawdzArkusze(10003, Text(joined, end - joined), date);
}

}  // namespace olv

// ---- exports ----

using olv::text;

extern "C" {

int sl_PoprawnyKod(char16_t* code, int length) { return olv::sl_PoprawnyKod(text(code), length); }

const char16_t* sl_PobierzNazweSlownika(int number) { return olv::sl_PobierzNazweSlownika(number); }

int fb_KVTKodSprawdzArkusze(int number, char16_t* code, char16_t* date) {
  return olv::fb_KVTKodSprawdzArkusze(number, text(code), text(date));
}

int fb_KVTKodSprawdz(int number, char16_t* code, int ignored) {
  return olv::fb_KVTKodSprawdz(number, text(code), ignored);
}

int fb_KVTZasadyPodleganiaUb(char16_t* a, char16_t* b, char16_t* c, char16_t* date) {
  return olv::fb_KVTZasadyPodleganiaUb(text(a), text(b), text(c), text(date));
}

char16_t* sl_DajWartoscZeSlownika(char16_t* dictionary, char16_t* key_column, char16_t* key,
                                  char16_t* column) {
  return olv::service_lookup(text(dictionary), text(key_column), text(key), text(column));
}

const _stOpisKodu* sl_PobierzOpisKodu(const _stOpisKodu* description, ...) { return description; }

const char16_t* sl_KVTSlownikGetKodMsg(...) { return u"opis kodu ze słownika"; }

const char16_t* KVTSlownikGetKodMsg(...) { return u""; }
}

bool fb_KVTKodSprawdzArkusze(int number, const char16_t* code, int date) {
  return olv::service_code_check(number, text(code), static_cast<int32_t>(date));
}

char16_t* sl_DajWartoscZeSlownikaW(char16_t* dictionary, stWarunekY* conditions, int32_t count,
                                   char16_t* column) {
  return olv::service_lookup_where(text(dictionary), conditions, count, text(column));
}
