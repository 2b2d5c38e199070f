// Date text forms: validation, conversion to date numbers, today, earliest and latest dates.
// olv::NAME is the internal twin of the export NAME; the null-pointer answers (-1) belong to
// the exported adapters, the twins take a text.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "platform/char_class.h"
#include "platform/text.h"

namespace olv {

// Gregorian: divisible by 4 and not by 100, or divisible by 400.
constexpr bool leap_year(int32_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

namespace detail {
inline constexpr int32_t kDaysOfMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}  // namespace detail

// The days of a month (1-12) of a year; 0 for a month outside 1 to 12.
constexpr int32_t days_in_month(int32_t month, int32_t year) {
  if (month < 1 || month > 12) return 0;
  return month == 2 && leap_year(year) ? 29 : detail::kDaysOfMonth[month - 1];
}

// The years that the validating date forms admit.
constexpr int32_t kFirstYear = 1850;
constexpr int32_t kLastYear = 2050;

constexpr bool month_ok(int32_t month) { return month >= 1 && month <= 12; }
constexpr bool day_ok(int32_t day, int32_t month, int32_t year) {
  return day >= 1 && day <= days_in_month(month, year);
}
constexpr bool year_in_range(int32_t year) { return year >= kFirstYear && year <= kLastYear; }

// value(first-last): positions `first` to `last` (from 1) read as the runtime's
// wide-text-to-long; positions past the end are absent.
inline int32_t part_value(Text t, std::size_t first, std::size_t last) {
  if (first == 0 || first > t.size()) return 0;
  return to_int32(t.substr(first - 1, last - first + 1));
}

int32_t sl_PoprawnaData_DDMMRRRR(Text t);
int32_t sl_PoprawnaData_MMRRRR(Text t);
int32_t sl_PoprawnaData_DDMM(Text t);
int f_KVTElemT_DATA_DDMMRRRR(Text t);
int f_KVTElemT_DATA_MMRRRR(Text t);
int f_KVTElemT_DATA_DDMM(Text t);
int f_KVTElemT_DATA_DDMMRRRRNN(Text t);
int f_KVTElemT_NNMMRRRR_RAP(Text t);
int f_KVTZakresRoku(Text year);

int32_t sl_PrzeksztalcDate_DDMMRRRR(Text t);
int32_t sl_PrzeksztalcDate_MMRRRR(Text t);
int32_t sl_PrzeksztalcDate_DDMM(Text t);
int32_t DataStr2Long(Text t);
int32_t atod(Text t);
int32_t DDMMtol(Text t);

// `buffer` may be null; otherwise it receives today as DDMMRRRR (9 units).
int32_t sl_Now(char16_t* buffer);
int32_t f_KVTGetCurrentTimeLong();
void f_KVTGetCurrentTimeStr(char16_t* buffer);
void bw_DajBiezOkrRozl(char16_t* buffer);

// The earliest (latest) of the dates that sl_PoprawnaData_DDMMRRRR accepts, or the fallback;
// the list ends at its first null view (is_null), as the exported list ends at a null pointer.
Text sl_NajwczesniejszaData(Text fallback, std::initializer_list<Text> dates);
Text sl_NajpozniejszaData(Text fallback, std::initializer_list<Text> dates);

}  // namespace olv
