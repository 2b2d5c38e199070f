// Lookups over a list of dates: a value found at any of the dates, insurance titles not on a form.
#include <cstdarg>

#include "dates/date_forms.h"
#include "dictionaries/dictionaries.h"
#include "dictionaries/service_query.h"
#include "olvenir_p.h"
#include "platform/char_class.h"

namespace olv {
namespace {

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
    if (has_dates && !day_or_month_date(d)) return false;
    if (!has_dates) sl_Now(today);
    const Text date = has_dates ? d : Text(today, 8);
    OwnedString value;
    {
      DateCondition condition(conditions, count, date);
      value.reset(service_lookup_where(dictionary, conditions, count, column));
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
  const auto copy = [](Text t) { return OwnedString(string_copy(t)); };
  OwnedString names[] = {copy(u"DATA_OD"), copy(u"DATA_DO"), copy(u"KOD_TYT_UBEZ"),
                         copy(u"PR_EM_RENT"), copy(u"RODZ_FORM")};
  OwnedString values[] = {copy(u""), OwnedString(), copy(code), copy(digit), copy(u"RSA")};
  const signed char ops[] = {-2, 2, 0, 0, 0};
  stWarunekY conditions[5];
  for (int i = 0; i < 5; ++i) conditions[i] = {names[i].get(), ops[i], values[i].get()};
  return lookup_at_dates(u"slU_KodTytNieNaFormularzu", u"KOD_TYT_UBEZ", conditions, 5, dates);
}

}  // namespace

int fb_KVT_KodTyt_WypDok_ONE_XML(Text dictionary, Text column, stWarunekY* conditions, int count,
                                 const char16_t* const* dates) {
  return lookup_at_dates(dictionary, column, conditions, count, ArrayDates{dates});
}

}  // namespace olv

// ---- exports ----

extern "C" int fb_KVT_KodTyt_WypDok_RSA_ONE(const void*, const char16_t* code,
                                            const char16_t* digit, ...) {
  va_list args;
  va_start(args, digit);
  int result = olv::title_not_on_form(olv::text(code), olv::text(digit), olv::VariadicDates{&args});
  va_end(args);
  return result;
}

int fb_KVT_KodTyt_WypDok_ONE_XML(char16_t* dictionary, char16_t* column, stWarunekY* conditions,
                                 int count, const char16_t** dates) {
  return olv::fb_KVT_KodTyt_WypDok_ONE_XML(olv::text(dictionary), olv::text(column), conditions,
                                           count, dates);
}
