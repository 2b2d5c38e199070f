// Dictionary code checks with their local format tests, lookups, dictionary names, the host's
// code table, and the entry points that answer a fixed text.
#include "dictionaries/dictionaries.h"

#include <algorithm>
#include <cstdarg>
#include <memory>

#include "dates/date_forms.h"
#include "dictionaries/code_lists.h"
#include "dictionaries/service_query.h"
#include "olvenir_p.h"
#include "platform/char_class.h"

namespace olv {
namespace {

struct FreeString {
  void operator()(char16_t* s) const { olvenir_SysFreeString(s); }
};
// An automation string released when its scope ends.
using OwnedString = std::unique_ptr<char16_t, FreeString>;

// ---- kinship codes ---------------------------------------------------------------------------

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

// ---- lookups over a list of dates ------------------------------------------------------------

// A date of the DDMMRRRR or the MMRRRR form.
bool day_or_month_date(Text d) {
  return sl_PoprawnaData_DDMMRRRR(d) == 0 || sl_PoprawnaData_MMRRRR(d) == 0;
}

// The second condition carries the date of one lookup; the host's array is given back as it
// came, so no released string is left in it.
class DateCondition {
 public:
  DateCondition(stWarunekY* conditions, int count, Text date)
      : slot_(conditions && count >= 2 ? &conditions[1] : nullptr), copy_(string_copy(date)) {
    if (slot_) {
      saved_ = slot_->value;
      slot_->value = copy_.get();
    }
  }
  DateCondition(const DateCondition&) = delete;
  DateCondition& operator=(const DateCondition&) = delete;
  ~DateCondition() {
    if (slot_) slot_->value = saved_;
  }

 private:
  stWarunekY* slot_;
  OwnedString copy_;
  BSTR saved_ = nullptr;
};

// A list of date texts read from its start at each pass: `each(f)` calls f on the texts in
// order until f answers true (then true) or the list ends (then false).
struct ArrayDates {
  const char16_t* const* dates;
  template <typename F>
  bool each(F f) const {
    for (const char16_t* const* p = dates; p && *p; ++p) {
      if (f(text(*p))) return true;
    }
    return false;
  }
};

struct ListDates {
  std::initializer_list<Text> dates;
  template <typename F>
  bool each(F f) const {
    for (Text d : dates) {
      if (is_null(d)) break;
      if (f(d)) return true;
    }
    return false;
  }
};

struct VariadicDates {
  va_list* args;
  template <typename F>
  bool each(F f) const {
    struct Copy {
      va_list list;
      ~Copy() { va_end(list); }
    } copy;
    va_copy(copy.list, *args);
    while (const char16_t* d = va_arg(copy.list, const char16_t*)) {
      if (f(text(d))) return true;
    }
    return false;
  }
};

template <typename Dates>
int lookup_at_dates(Text dictionary, Text column, stWarunekY* conditions, int count,
                    const Dates& dates) {
  const bool has_dates = dates.each(day_or_month_date);   // 1
  if (!dates.each([](Text) { return true; })) return -1;  // 2
  char16_t today[9];
  const bool found = dates.each([&](Text d) {  // 3
    Text date = d;
    if (has_dates) {
      if (!day_or_month_date(d)) return false;
    } else {
      sl_Now(today);
      date = Text(today, 8);
    }
    OwnedString value;
    {
      DateCondition condition(conditions, count, date);
      value.reset(sl_DajWartoscZeSlownikaW(dictionary, conditions, count, column));
    }
    return !text(value.get()).empty();
  });
  return found ? 0 : -1;  // 4
}

// The joined code and pension digit of an insurance title: four digits and one.
constexpr std::size_t kTitleLength = 5;

template <typename Dates>
int title_not_on_form(Text code, Text digit, const Dates& dates) {
  if (code.size() + digit.size() != kTitleLength || !only_digits(code) || !only_digits(digit)) {
    return -1;
  }
  if (!dates.each([](Text) { return true; })) return 0;
  // The service compares DATA_OD with the date of the DATA_DO condition, so DATA_OD carries no
  // value of its own: the empty text.
  OwnedString names[] = {OwnedString(string_copy(u"DATA_OD")), OwnedString(string_copy(u"DATA_DO")),
                         OwnedString(string_copy(u"KOD_TYT_UBEZ")),
                         OwnedString(string_copy(u"PR_EM_RENT")),
                         OwnedString(string_copy(u"RODZ_FORM"))};
  OwnedString values[] = {OwnedString(string_copy(u"")), OwnedString(),
                          OwnedString(string_copy(code)), OwnedString(string_copy(digit)),
                          OwnedString(string_copy(u"RSA"))};
  const signed char ops[] = {-2, 2, 0, 0, 0};
  stWarunekY conditions[5];
  for (int i = 0; i < 5; ++i) conditions[i] = {names[i].get(), ops[i], values[i].get()};
  return lookup_at_dates(u"slU_KodTytNieNaFormularzu", u"KOD_TYT_UBEZ", conditions, 5, dates);
}

// ---- the host's code table -------------------------------------------------------------------

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

int sl_PoprawnyKod(Text code, int length) {
  if (length != 0 && (length < 0 || code.size() != static_cast<std::size_t>(length))) return -1;
  return only_digits(code) ? 0 : -1;
}

int sl_CzyPrawidlowyKodLiterowy(const stGrupaKodow* groups, Text code, int date) {
  if (is_null(code) || !groups) return -1;
  int arrays_left = kMaxArrays;
  return in_groups(groups, code, date, 0, arrays_left) ? 0 : -1;
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
  return fb_KVTKodSprawdzArkusze(number, code, when) ? 0 : -1;  // 4
}

bool fb_KVTKodSprawdzArkusze(int number, Text code, int32_t dictionary_date) {
  return service_code_check(number, code, dictionary_date);
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

int fb_KVTKodPokrewienstwa(Text code, int kind, int ch) {
  return kinship_check(code, kind, ch, KinshipFallback::kEmptyValue);
}

int fb_KVTKodPokrewienstwaJest(Text code, int kind, int ch) {
  return kinship_check(code, kind, ch, KinshipFallback::kFilledValue);
}

BSTR sl_DajWartoscZeSlownika(Text dictionary, Text key_column, Text key, Text column) {
  return service_lookup(dictionary, key_column, key, column);
}

BSTR sl_DajWartoscZeSlownikaW(Text dictionary, stWarunekY* conditions, int32_t count, Text column) {
  return service_lookup_where(dictionary, conditions, count, column);
}

int fb_KVT_KodTyt_WypDok_ONE_XML(Text dictionary, Text column, stWarunekY* conditions, int count,
                                 const char16_t* const* dates) {
  return lookup_at_dates(dictionary, column, conditions, count, ArrayDates{dates});
}

int fb_KVT_KodTyt_WypDok_RSA_ONE(Text code, Text digit, std::initializer_list<Text> dates) {
  return title_not_on_form(code, digit, ListDates{dates});
}

}  // namespace olv

// ---- exports ----

extern "C" {

int sl_PoprawnyKod(char16_t* code, int length) {
  return olv::sl_PoprawnyKod(olv::text(code), length);
}

int sl_CzyPrawidlowyKodLiterowy(stGrupaKodow* groups, char16_t* code, int date) {
  return olv::sl_CzyPrawidlowyKodLiterowy(groups, olv::text(code), date);
}

const char16_t* sl_PobierzNazweSlownika(int number) { return olv::sl_PobierzNazweSlownika(number); }

int fb_KVTKodSprawdzArkusze(int number, char16_t* code, char16_t* date) {
  return olv::fb_KVTKodSprawdzArkusze(number, olv::text(code), olv::text(date));
}

int fb_KVTKodSprawdz(int number, char16_t* code, int ignored) {
  return olv::fb_KVTKodSprawdz(number, olv::text(code), ignored);
}

int fb_KVTZasadyPodleganiaUb(char16_t* a, char16_t* b, char16_t* c, char16_t* date) {
  return olv::fb_KVTZasadyPodleganiaUb(olv::text(a), olv::text(b), olv::text(c), olv::text(date));
}

char16_t* sl_DajWartoscZeSlownika(char16_t* dictionary, char16_t* key_column, char16_t* key,
                                  char16_t* column) {
  return olv::sl_DajWartoscZeSlownika(olv::text(dictionary), olv::text(key_column), olv::text(key),
                                      olv::text(column));
}

int fb_KVTKodPokrewienstwa(char16_t* code, int kind, int ch) {
  return olv::fb_KVTKodPokrewienstwa(olv::text(code), kind, ch);
}

int fb_KVTKodPokrewienstwaJest(char16_t* code, int kind, int ch) {
  return olv::fb_KVTKodPokrewienstwaJest(olv::text(code), kind, ch);
}

int fb_KVT_KodTyt_WypDok_RSA_ONE(const void*, const char16_t* code, const char16_t* digit, ...) {
  va_list args;
  va_start(args, digit);
  int result = olv::title_not_on_form(olv::text(code), olv::text(digit), olv::VariadicDates{&args});
  va_end(args);
  return result;
}

const _stOpisKodu* sl_PobierzOpisKodu(const _stOpisKodu* description, ...) { return description; }

const char16_t* sl_KVTSlownikGetKodMsg(...) { return u"opis kodu ze słownika"; }

const char16_t* KVTSlownikGetKodMsg(...) { return u""; }
}

bool fb_KVTKodSprawdzArkusze(int number, const char16_t* code, int date) {
  return olv::fb_KVTKodSprawdzArkusze(number, olv::text(code), static_cast<int32_t>(date));
}

char16_t* sl_DajWartoscZeSlownikaW(char16_t* dictionary, stWarunekY* conditions, int32_t count,
                                   char16_t* column) {
  return olv::sl_DajWartoscZeSlownikaW(olv::text(dictionary), conditions, count, olv::text(column));
}

int fb_KVT_KodTyt_WypDok_ONE_XML(char16_t* dictionary, char16_t* column, stWarunekY* conditions,
                                 int count, const char16_t** dates) {
  return olv::fb_KVT_KodTyt_WypDok_ONE_XML(olv::text(dictionary), olv::text(column), conditions,
                                           count, dates);
}
