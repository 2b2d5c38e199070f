// Date text forms: validation, conversion to date numbers, today, earliest and latest dates.
#include "dates/date_forms.h"

#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <optional>

#include "elements/general.h"
#include "olvenir_p.h"
#include "platform/char_class.h"
#include "platform/clock.h"

namespace olv {
namespace {

// value(from-to): positions counted from 1, read together as an integer (a view, no copy).
int32_t value(Text t, std::size_t from, std::size_t to) {
  if (from > t.size()) return 0;
  return to_int32(t.substr(from - 1, to - from + 1));
}

constexpr bool leap_year(int32_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int32_t days_in_month(int32_t month, bool leap) {
  constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && leap ? 29 : kDays[month - 1];
}

constexpr int32_t month_fault(int32_t month) { return month < 1 || month > 12 ? 60005701 : 0; }

// Called after month_fault passed.
constexpr int32_t day_fault(int32_t day, int32_t month, bool leap) {
  return day < 1 || day > days_in_month(month, leap) ? 60005801 : 0;
}

// 1850 to 2050: as an unsigned difference from 1850, negative years fall out of range too.
constexpr bool year_in_range(int32_t year) { return static_cast<uint32_t>(year) - 1850u <= 200u; }

// Day, month and the leap year of a DDMMRRRR (or DDMMRRRRNN) text of digits; the year is not
// range-tested.
int32_t ddmmrrrr_fault(Text t) {
  int32_t month = value(t, 3, 4);
  if (int32_t r = month_fault(month); r != 0) return r;
  return day_fault(value(t, 1, 2), month, leap_year(value(t, 5, 8)));
}

// Day and month of a DDMM text of digits: a year that is not given admits 29 February.
int32_t ddmm_fault(Text t) {
  int32_t month = value(t, 3, 4);
  if (int32_t r = month_fault(month); r != 0) return r;
  return day_fault(value(t, 1, 2), month, true);
}

// Month and year range of an MMRRRR text of digits.
int32_t mmrrrr_fault(Text t) {
  if (int32_t r = month_fault(value(t, 1, 2)); r != 0) return r;
  return year_in_range(value(t, 3, 6)) ? 0 : 60006301;
}

// The element form of DDMMRRRR: a year out of range is a malformed date.
int32_t element_ddmmrrrr_fault(Text t) {
  if (int32_t r = ddmmrrrr_fault(t); r != 0) return r;
  return year_in_range(value(t, 5, 8)) ? 0 : 60006201;
}

// DDMMRRRRNN: the ordinal first, then the date, then the year range.
int32_t ordinal_date_fault(Text t) {
  int32_t nn = value(t, 9, 10);
  if (nn < 1 || nn > 99) return 60008101;
  if (int32_t r = ddmmrrrr_fault(t); r != 0) return r;
  return year_in_range(value(t, 5, 8)) ? 0 : 60008101;
}

// Every form is tested in the same order: its length, a text of spaces alone (which answers
// `blank`), digits only, then its parts. The number-text test that follows the digit test
// cannot fail on digits, so it is not repeated.
int32_t form_fault(Text t, std::size_t length, int32_t blank, int32_t fault,
                   int32_t (*parts)(Text)) {
  if (t.size() != length) return fault;
  if (t.find_first_not_of(u' ') == Text::npos) return blank;
  if (!std::all_of(t.begin(), t.end(), is_digit)) return fault;
  return parts(t);
}

// The best of the listed valid dates by `better`, or the fallback; `next` yields the listed
// texts and a null view at the end. Of equal dates the first listed wins.
template <typename Next, typename Better>
Text pick_date(Text fallback, Next next, Better better) {
  std::optional<int32_t> best;
  Text best_text = fallback;
  for (Text t = next(); !is_null(t); t = next()) {
    if (sl_PoprawnaData_DDMMRRRR(t) != 0) continue;
    int32_t date = sl_PrzeksztalcDate_DDMMRRRR(t);
    if (!best || better(date, *best)) best = date, best_text = t;
  }
  return best_text;
}

constexpr bool earlier(int32_t date, int32_t best) { return date < best; }
constexpr bool later(int32_t date, int32_t best) { return date > best; }

// Yields the texts of an initializer list up to its first null view, then null views.
auto reader(std::initializer_list<Text> dates) {
  return [it = dates.begin(), end = dates.end()]() mutable { return it == end ? Text() : *it++; };
}

// Yields the texts of a variable argument list of pointers; the list ends at a null pointer.
auto reader(va_list& list) {
  return [&list] { return text(va_arg(list, const char16_t*)); };
}

// Writes `value` as exactly `digits` decimal digits, with leading zeros.
char16_t* put_digits(char16_t* out, int32_t value, int digits) {
  for (int i = digits - 1; i >= 0; --i, value /= 10) out[i] = char16_t(u'0' + value % 10);
  return out + digits;
}

// Writes `value` in decimal without leading zeros.
char16_t* put_number(char16_t* out, int32_t value) {
  int digits = 1;
  for (int32_t rest = value / 10; rest != 0; rest /= 10) ++digits;
  return put_digits(out, value, digits);
}

}  // namespace

// The sl_ family rejects a text of spaces, the element family accepts it (an empty field).
int32_t sl_PoprawnaData_DDMMRRRR(Text t) {
  return form_fault(t, 8, 60006201, 60006201, ddmmrrrr_fault);
}
int32_t sl_PoprawnaData_MMRRRR(Text t) {
  return form_fault(t, 6, 60006201, 60006201, mmrrrr_fault);
}
int32_t sl_PoprawnaData_DDMM(Text t) { return form_fault(t, 4, 60006201, 60006201, ddmm_fault); }
int f_KVTElemT_DATA_DDMMRRRR(Text t) {
  return form_fault(t, 8, 0, 60006201, element_ddmmrrrr_fault);
}
int f_KVTElemT_DATA_MMRRRR(Text t) { return form_fault(t, 6, 0, 60006201, mmrrrr_fault); }
int f_KVTElemT_DATA_DDMM(Text t) { return form_fault(t, 4, 0, 60006201, ddmm_fault); }
int f_KVTElemT_DATA_DDMMRRRRNN(Text t) {
  return form_fault(t, 10, 0, 60008101, ordinal_date_fault);
}

int f_KVTElemT_NNMMRRRR_RAP(Text t) {
  char16_t second = unit_at(t, 1);
  if (!is_digit(second) && second != u' ') return 60007401;
  if (f_KVTElemT_LICZBA(t) != 0) return 60007401;
  // A space before the ordinal's digit is allowed; a blank or zero ordinal is not.
  int32_t nn = value(t, 1, 2);
  if (nn < 1 || nn > 99) return 60007401;
  return f_KVTElemT_DATA_MMRRRR(t.substr(2));
}

int f_KVTZakresRoku(Text year) { return year_in_range(to_int32(year)) ? 0 : 1; }

int32_t sl_PrzeksztalcDate_DDMMRRRR(Text t) {
  // An invalid date deliberately becomes today; callers validate first.
  if (sl_PoprawnaData_DDMMRRRR(t) != 0) return today_number();
  return value(t, 5, 8) * 10000 + value(t, 3, 4) * 100 + value(t, 1, 2);
}

int32_t sl_PrzeksztalcDate_MMRRRR(Text t) {
  if (sl_PoprawnaData_MMRRRR(t) != 0) return today_number() / 100;
  return value(t, 3, 6) * 100 + value(t, 1, 2);
}

int32_t sl_PrzeksztalcDate_DDMM(Text t) {
  if (sl_PoprawnaData_DDMM(t) != 0) return today_number() % 10000;
  return value(t, 3, 4) * 100 + value(t, 1, 2);
}

int32_t DataStr2Long(Text t) {
  if (t.size() != 8) return -1;
  return value(t, 1, 2) + value(t, 3, 4) * 100 + value(t, 5, 8) * 10000;
}

int32_t atod(Text t) {
  if (t.size() != 8) return 0;
  return value(t, 5, 8) * 10000 + value(t, 3, 4) * 100 + value(t, 1, 2);
}

int32_t DDMMtol(Text t) {
  if (t.size() != 4) return 0;
  return value(t, 1, 2) + value(t, 3, 4) * 100;
}

int32_t sl_Now(char16_t* buffer) {
  CalendarDate d = today();
  if (buffer) {
    char16_t* out = put_digits(buffer, d.day, 2);
    out = put_digits(out, d.month, 2);
    *put_digits(out, d.year, 4) = u'\0';
  }
  return d.year * 10000 + d.month * 100 + d.day;
}

int32_t f_KVTGetCurrentTimeLong() { return today_number(); }

void f_KVTGetCurrentTimeStr(char16_t* buffer) {
  if (!buffer) return;
  CalendarDate d = today();
  char16_t* out = put_number(buffer, d.day);
  out = put_number(out, d.month);
  *put_digits(out, d.year, 4) = u'\0';
}

void bw_DajBiezOkrRozl(char16_t* buffer) {
  if (!buffer) return;
  CalendarDate d = today(/*refresh_time_zone=*/true);
  *put_digits(put_digits(buffer, d.month, 2), d.year, 4) = u'\0';
}

Text sl_NajwczesniejszaData(Text fallback, std::initializer_list<Text> dates) {
  return pick_date(fallback, reader(dates), earlier);
}

Text sl_NajpozniejszaData(Text fallback, std::initializer_list<Text> dates) {
  return pick_date(fallback, reader(dates), later);
}

}  // namespace olv

// ---- exports ----------------------------------------------------------------------------------

namespace {

// The sl_ validators and conversions answer -1 for a null text.
template <typename F>
int32_t unless_null(const char16_t* t, F f) {
  return t ? f(olv::text(t)) : -1;
}

}  // namespace

extern "C" {

int32_t sl_PoprawnaData_DDMMRRRR(const char16_t* t) {
  return unless_null(t, olv::sl_PoprawnaData_DDMMRRRR);
}
int32_t sl_PoprawnaData_MMRRRR(const char16_t* t) {
  return unless_null(t, olv::sl_PoprawnaData_MMRRRR);
}
int32_t sl_PoprawnaData_DDMM(const char16_t* t) {
  return unless_null(t, olv::sl_PoprawnaData_DDMM);
}
int32_t sl_PrzeksztalcDate_DDMMRRRR(const char16_t* t) {
  return unless_null(t, olv::sl_PrzeksztalcDate_DDMMRRRR);
}
int32_t sl_PrzeksztalcDate_MMRRRR(const char16_t* t) {
  return unless_null(t, olv::sl_PrzeksztalcDate_MMRRRR);
}
int32_t sl_PrzeksztalcDate_DDMM(const char16_t* t) {
  return unless_null(t, olv::sl_PrzeksztalcDate_DDMM);
}
int32_t sl_Now(char16_t* buffer) { return olv::sl_Now(buffer); }
void bw_DajBiezOkrRozl(char16_t* buffer) { olv::bw_DajBiezOkrRozl(buffer); }

// The list ends at the first null pointer; the fallback itself is never a candidate.
const char16_t* sl_NajwczesniejszaData(const char16_t* fallback, ...) {
  va_list list;
  va_start(list, fallback);
  olv::Text best = olv::pick_date(olv::text(fallback), olv::reader(list), olv::earlier);
  va_end(list);
  return best.data();
}

const char16_t* sl_NajpozniejszaData(const char16_t* fallback, ...) {
  va_list list;
  va_start(list, fallback);
  olv::Text best = olv::pick_date(olv::text(fallback), olv::reader(list), olv::later);
  va_end(list);
  return best.data();
}

}  // extern "C"

int f_KVTElemT_DATA_DDMMRRRR(const char16_t* t) {
  return olv::f_KVTElemT_DATA_DDMMRRRR(olv::text(t));
}
int f_KVTElemT_DATA_MMRRRR(const char16_t* t) { return olv::f_KVTElemT_DATA_MMRRRR(olv::text(t)); }
int f_KVTElemT_DATA_DDMM(char16_t* t) { return olv::f_KVTElemT_DATA_DDMM(olv::text(t)); }
int f_KVTElemT_DATA_DDMMRRRRNN(char16_t* t) {
  return olv::f_KVTElemT_DATA_DDMMRRRRNN(olv::text(t));
}
int f_KVTElemT_NNMMRRRR_RAP(char16_t* t) { return olv::f_KVTElemT_NNMMRRRR_RAP(olv::text(t)); }
int f_KVTZakresRoku(const char16_t* year) { return olv::f_KVTZakresRoku(olv::text(year)); }
int32_t DataStr2Long(const char16_t* t) { return olv::DataStr2Long(olv::text(t)); }
int32_t atod(const char16_t* t) { return olv::atod(olv::text(t)); }
int32_t DDMMtol(const char16_t* t) { return olv::DDMMtol(olv::text(t)); }
int32_t f_KVTGetCurrentTimeLong() { return olv::f_KVTGetCurrentTimeLong(); }
void f_KVTGetCurrentTimeStr(char16_t* buffer) { olv::f_KVTGetCurrentTimeStr(buffer); }
