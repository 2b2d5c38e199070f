// Date text forms: validation, conversion to date numbers, today, earliest and latest dates.
#include "dates/date_forms.h"

#include <cstdarg>

#include "frame/frame.h"
#include "olvenir_p.h"
#include "platform/clock.h"

namespace olv {
namespace {

// A text of `length` spaces: the empty field of a date form.
bool spaces_only(Text t, std::size_t length) {
  return t.size() == length && t.find_first_not_of(u' ') == Text::npos;
}

// The date forms read texts of their length made of digits alone. The number-text rule, which
// the forms also apply, cannot fail on such a text and is left out.
bool digits_of_length(Text t, std::size_t length) {
  if (t.size() != length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (!is_digit(t[i])) return false;
  }
  return true;
}

// value(first-last) of a text known to be digits.
constexpr int32_t digits_value(Text t, std::size_t first, std::size_t last) {
  int32_t value = 0;
  for (std::size_t i = first - 1; i < last; ++i) value = value * 10 + (t[i] - u'0');
  return value;
}

// A DDMM text has no year: its February has 29 days, as in a leap year.
constexpr int32_t kLeapYear = 2000;

// The shared tests of a DDMM text of digits in the given year: 0, or the month or day finding.
int32_t day_month_fields(Text t, int32_t year) {
  const int32_t month = digits_value(t, 3, 4);
  if (!month_ok(month)) return 60005701;
  return day_ok(digits_value(t, 1, 2), month, year) ? 0 : 60005801;
}

int32_t ddmmrrrr_fields(Text t) { return day_month_fields(t, digits_value(t, 5, 8)); }

// The earliest or latest valid date of a list that ends at its first null view, else the
// fallback; of equal dates the first listed wins.
template <typename Next>
Text pick_date(Text fallback, bool earliest, Next next) {
  const int32_t start = earliest ? 999999999 : 0;
  int32_t best = start;
  Text best_text = fallback;
  for (Text t = next(); !is_null(t); t = next()) {
    if (sl_PoprawnaData_DDMMRRRR(t) != 0) continue;
    int32_t value = sl_PrzeksztalcDate_DDMMRRRR(t);
    if (earliest ? value < best : value > best) {
      best = value;
      best_text = t;
    }
  }
  return best == start ? fallback : best_text;
}

template <typename List>
Text pick_from_list(Text fallback, bool earliest, List dates) {
  auto it = dates.begin();
  return pick_date(fallback, earliest, [&]() { return it == dates.end() ? Text() : *it++; });
}

const char16_t* pick_from_args(const char16_t* fallback, bool earliest, va_list args) {
  const auto next = [&]() { return text(va_arg(args, const char16_t*)); };
  return pick_date(text(fallback), earliest, next).data();
}

}  // namespace

int32_t sl_PoprawnaData_DDMMRRRR(Text t) {
  if (!digits_of_length(t, 8)) return 60006201;
  return ddmmrrrr_fields(t);  // the year is not range-tested: 31120000 is valid
}

int32_t sl_PoprawnaData_MMRRRR(Text t) {
  if (!digits_of_length(t, 6)) return 60006201;
  if (!month_ok(digits_value(t, 1, 2))) return 60005701;
  return year_in_range(digits_value(t, 3, 6)) ? 0 : 60006301;
}

int32_t sl_PoprawnaData_DDMM(Text t) {
  if (!digits_of_length(t, 4)) return 60006201;
  return day_month_fields(t, kLeapYear);
}

int f_KVTElemT_DATA_DDMMRRRR(Text t) {
  if (spaces_only(t, 8)) return 0;  // an empty date field passes
  if (int32_t finding = sl_PoprawnaData_DDMMRRRR(t)) return finding;
  return year_in_range(digits_value(t, 5, 8)) ? 0 : 60006201;
}

int f_KVTElemT_DATA_MMRRRR(Text t) { return spaces_only(t, 6) ? 0 : sl_PoprawnaData_MMRRRR(t); }

int f_KVTElemT_DATA_DDMM(Text t) { return spaces_only(t, 4) ? 0 : sl_PoprawnaData_DDMM(t); }

int f_KVTElemT_DATA_DDMMRRRRNN(Text t) {
  if (spaces_only(t, 10)) return 0;
  if (!digits_of_length(t, 10)) return 60008101;
  if (digits_value(t, 9, 10) < 1) return 60008101;  // two digits are never above 99
  if (int32_t finding = ddmmrrrr_fields(t)) return finding;
  return year_in_range(digits_value(t, 5, 8)) ? 0 : 60008101;
}

int f_KVTElemT_NNMMRRRR_RAP(Text t) {
  const char16_t second = unit_at(t, 1);
  if (!is_digit(second) && second != u' ') return 60007401;  // 1
  if (!digit_run_text(t)) return 60007401;                   // 2
  const int32_t ordinal = part_value(t, 1, 2);               // a space then 1 is ordinal 1
  if (ordinal < 1 || ordinal > 99) return 60007401;          // 3
  return f_KVTElemT_DATA_MMRRRR(t.substr(2));                // 4
}

int f_KVTZakresRoku(Text year) { return year_in_range(to_int32(year)) ? 0 : 1; }

int32_t sl_PrzeksztalcDate_DDMMRRRR(Text t) {
  if (sl_PoprawnaData_DDMMRRRR(t) != 0) return today_number();  // intended: never fails
  return digits_value(t, 5, 8) * 10000 + digits_value(t, 3, 4) * 100 + digits_value(t, 1, 2);
}

int32_t sl_PrzeksztalcDate_MMRRRR(Text t) {
  if (sl_PoprawnaData_MMRRRR(t) != 0) return today_number() / 100;
  return digits_value(t, 3, 6) * 100 + digits_value(t, 1, 2);
}

int32_t sl_PrzeksztalcDate_DDMM(Text t) {
  if (sl_PoprawnaData_DDMM(t) != 0) return today_number() % 10000;
  return digits_value(t, 3, 4) * 100 + digits_value(t, 1, 2);
}

int32_t DataStr2Long(Text t) {
  if (t.size() != 8) return -1;
  return part_value(t, 1, 2) + part_value(t, 3, 4) * 100 + part_value(t, 5, 8) * 10000;
}

int32_t atod(Text t) {
  if (t.size() != 8) return 0;
  return part_value(t, 5, 8) * 10000 + part_value(t, 3, 4) * 100 + part_value(t, 1, 2);
}

int32_t DDMMtol(Text t) {
  if (t.size() != 4) return 0;
  return part_value(t, 1, 2) + part_value(t, 3, 4) * 100;
}

int32_t sl_Now(char16_t* buffer) {
  CalendarDate now = today();
  if (buffer) {
    char16_t* out = put_decimal(buffer, now.day, 2);
    out = put_decimal(out, now.month, 2);
    *put_decimal(out, now.year, 4) = u'\0';
  }
  return now.year * 10000 + now.month * 100 + now.day;
}

int32_t f_KVTGetCurrentTimeLong() { return today_number(); }

void f_KVTGetCurrentTimeStr(char16_t* buffer) {
  if (!buffer) return;
  CalendarDate now = today();
  *put_decimal(put_decimal(put_decimal(buffer, now.day), now.month), now.year) = u'\0';
}

void bw_DajBiezOkrRozl(char16_t* buffer) {
  if (!buffer) return;
  CalendarDate now = today(/*refresh_time_zone=*/true);
  *put_decimal(put_decimal(buffer, now.month, 2), now.year, 4) = u'\0';
}

Text sl_NajwczesniejszaData(Text fallback, std::initializer_list<Text> dates) {
  return pick_from_list(fallback, /*earliest=*/true, dates);
}

Text sl_NajpozniejszaData(Text fallback, std::initializer_list<Text> dates) {
  return pick_from_list(fallback, /*earliest=*/false, dates);
}

}  // namespace olv

// ---- exports ----------------------------------------------------------------------------------

using olv::text;

extern "C" int32_t sl_PoprawnaData_DDMMRRRR(const char16_t* t) {
  return t ? olv::sl_PoprawnaData_DDMMRRRR(text(t)) : -1;
}
extern "C" int32_t sl_PoprawnaData_MMRRRR(const char16_t* t) {
  return t ? olv::sl_PoprawnaData_MMRRRR(text(t)) : -1;
}
// A null text is treated as the empty text (a wrong length).
extern "C" int32_t sl_PoprawnaData_DDMM(const char16_t* t) {
  return olv::sl_PoprawnaData_DDMM(text(t));
}
int f_KVTElemT_DATA_DDMMRRRR(const char16_t* t) { return olv::f_KVTElemT_DATA_DDMMRRRR(text(t)); }
int f_KVTElemT_DATA_MMRRRR(const char16_t* t) { return olv::f_KVTElemT_DATA_MMRRRR(text(t)); }
int f_KVTElemT_DATA_DDMM(char16_t* t) { return olv::f_KVTElemT_DATA_DDMM(text(t)); }
int f_KVTElemT_DATA_DDMMRRRRNN(char16_t* t) { return olv::f_KVTElemT_DATA_DDMMRRRRNN(text(t)); }
int f_KVTElemT_NNMMRRRR_RAP(char16_t* t) { return olv::f_KVTElemT_NNMMRRRR_RAP(text(t)); }
int f_KVTZakresRoku(const char16_t* year) { return olv::f_KVTZakresRoku(text(year)); }

extern "C" int32_t sl_PrzeksztalcDate_DDMMRRRR(const char16_t* t) {
  return t ? olv::sl_PrzeksztalcDate_DDMMRRRR(text(t)) : -1;
}
extern "C" int32_t sl_PrzeksztalcDate_MMRRRR(const char16_t* t) {
  return t ? olv::sl_PrzeksztalcDate_MMRRRR(text(t)) : -1;
}
extern "C" int32_t sl_PrzeksztalcDate_DDMM(const char16_t* t) {
  return t ? olv::sl_PrzeksztalcDate_DDMM(text(t)) : -1;
}
int32_t DataStr2Long(const char16_t* t) { return t ? olv::DataStr2Long(text(t)) : -1; }
int32_t atod(const char16_t* t) { return olv::atod(text(t)); }
int32_t DDMMtol(const char16_t* t) { return olv::DDMMtol(text(t)); }

extern "C" int32_t sl_Now(char16_t* buffer) { return olv::sl_Now(buffer); }
int32_t f_KVTGetCurrentTimeLong() { return olv::f_KVTGetCurrentTimeLong(); }
void f_KVTGetCurrentTimeStr(char16_t* buffer) { olv::f_KVTGetCurrentTimeStr(buffer); }
extern "C" void bw_DajBiezOkrRozl(char16_t* buffer) { olv::bw_DajBiezOkrRozl(buffer); }

extern "C" const char16_t* sl_NajwczesniejszaData(const char16_t* fallback, ...) {
  va_list args;
  va_start(args, fallback);
  const char16_t* picked = olv::pick_from_args(fallback, /*earliest=*/true, args);
  va_end(args);
  return picked;
}

extern "C" const char16_t* sl_NajpozniejszaData(const char16_t* fallback, ...) {
  va_list args;
  va_start(args, fallback);
  const char16_t* picked = olv::pick_from_args(fallback, /*earliest=*/false, args);
  va_end(args);
  return picked;
}
