// Date arithmetic: comparison, day counts, the 26-year tests, PESEL birth dates, periods.
#include "dates/arithmetic.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "dates/date_forms.h"
#include "olvenir_p.h"
#include "platform/check_digits.h"
#include "platform/clock.h"

namespace olv {
namespace {

// Leap years among 1..year (Gregorian), for year >= 0.
constexpr int32_t leap_years_through(int32_t year) { return year / 4 - year / 100 + year / 400; }

// Day number: 1 for 1 January 1850. Years before 1850 add no year days; months outside 1 to 12
// add none beyond December.
int32_t day_number(int32_t year, int32_t month, int32_t day) {
  constexpr int32_t kBaseYear = 1850;
  int32_t days = day;
  if (year > kBaseYear) {
    days +=
        365 * (year - kBaseYear) + leap_years_through(year - 1) - leap_years_through(kBaseYear - 1);
  }
  for (int32_t m = 1; m < std::min(month, int32_t{13}); ++m) days += days_in_month(m, year);
  return days;
}

int32_t day_number(Text ddmmrrrr) {
  return day_number(part_value(ddmmrrrr, 5, 8), part_value(ddmmrrrr, 3, 4),
                    part_value(ddmmrrrr, 1, 2));
}

// A text assembled in a fixed buffer, for the functions that build a date text and read it back.
// The longest text built is 9 units; what would not fit the buffer is dropped.
class TextBuilder {
 public:
  TextBuilder& units(Text t) {
    for (char16_t c : t) put(c);
    return *this;
  }
  // printf's %.Nd, N being `digits`.
  TextBuilder& number(int32_t value, int digits = 1) {
    char16_t decimal[12];
    return units(Text(decimal, put_decimal(decimal, value, digits) - decimal));
  }
  Text view() const { return Text(units_.data(), size_); }

 private:
  void put(char16_t c) {
    if (size_ < units_.size()) units_[size_++] = c;
  }
  std::array<char16_t, 24> units_{};
  std::size_t size_ = 0;
};

// The 26th anniversary of birth falls 260000 after it in RRRRMMDD numbers.
constexpr int32_t k26Years = 260000;

// The two 26-year tests share their input checks: 1 for an empty birth or a text not 8 units.
bool age_input_valid(Text birth, Text date) {
  return !birth.empty() && date.size() == 8 && birth.size() == 8;
}

}  // namespace

int f_DateCmp(Text a, Text b) {
  if (a.empty() || b.empty()) return 0;
  // Key: year (positions 5-8), month (3-4), day (1-2); digit keys order as the dates.
  constexpr std::size_t kKeyOrder[8] = {4, 5, 6, 7, 2, 3, 0, 1};
  for (std::size_t i : kKeyOrder) {
    char16_t ua = unit_at(a, i), ub = unit_at(b, i);
    if (ua != ub) return ua < ub ? -1 : 1;
  }
  return 0;
}

int f_KVTElemDateCmpLessEqual(Text a, Text b) { return f_DateCmp(a, b) == 1 ? 1 : 0; }

int f_KVTElemDateCmpLess(Text a, Text b) { return f_DateCmp(a, b) >= 0 ? 1 : 0; }

int f_KVTRoznicaDni(Text a, Text b) { return day_number(a) - day_number(b) + 1; }

int f_KVTRoznicaDniDDMM(Text end, Text start, Text period) {
  if (end.size() != 4 || start.size() != 4 || period.size() != 6) return -1;
  int32_t year = part_value(period, 3, 6);
  bool ends_next_year = part_value(start, 3, 4) > part_value(end, 3, 4);
  TextBuilder start_date, end_date;
  start_date.units(start).number(year);
  end_date.units(end).number(ends_next_year ? year + 1 : year);
  return f_KVTRoznicaDni(end_date.view(), start_date.view());
}

int f_PeselToDate(Text pesel) {
  int32_t encoded = part_value(pesel, 3, 4);
  int32_t k = encoded / 20;  // 0 to 4 for any two-unit part
  int32_t month = encoded - 20 * k;
  TextBuilder date;
  date.number(kPeselCenturyYears[std::clamp(k, int32_t{0}, int32_t{4})] / 100)
      .units(pesel.substr(0, 2));
  if (month < 10) date.units(u"0");
  date.number(month).units(pesel.substr(std::min<std::size_t>(4, pesel.size()), 2));
  return to_int32(date.view());
}

int KVTMaWiecejNiz26lat(Text birth, Text date) {
  if (!age_input_valid(birth, date)) return 1;
  return atod(date) - atod(birth) <= k26Years ? 1 : 0;
}

int KVTMaWiecejRowno26lat(Text birth, Text date) {
  if (!age_input_valid(birth, date)) return 1;
  return atod(date) - atod(birth) < k26Years ? 1 : 0;
}

int f_KVTLiczbaDniWMiesiacu(Text month) {
  return days_in_month(part_value(month, 1, 2), part_value(month, 3, 6));
}

// Texts other than 8 units, and days before that have no eight-digit DDMMRRRR form (a year
// below 0, or a negative part read from a malformed text), are left unchanged with the result 0,
// as an empty text is: the host's buffer is only known to hold 9 units for an 8-unit text.
int32_t f_KVTDataMinus1(char16_t* date) {
  Text t = text(date);
  if (t.size() != 8) return 0;
  int32_t n = atod(t);
  int32_t year = n / 10000, month = n % 10000 / 100, day = n % 100;
  if (day - 1 >= 1) {
    --day;
  } else {
    if (--month == 0) {
      month = 12;
      --year;
    }
    day = days_in_month(month, year);
  }
  if (year < 0 || month < 0 || day < 0) return 0;
  // The parts read from 8 units have at most 2, 2 and 4 digits: the text stays 8 units.
  *put_decimal(put_decimal(put_decimal(date, day, 2), month, 2), year, 4) = u'\0';
  return year * 10000 + month * 100 + day;
}

void bw_DajDatyOdDoRSARGA(Text period, Text from, Text to, int32_t* from_date, int32_t* to_date) {
  if (to_int32(to) == 0) to = from;
  if (to_int32(from) == 0) from = to;

  int32_t month = 0, year = 0, skipped = 0;
  Text rest = period;
  if (!(scan_int(rest, 2, skipped) && scan_int(rest, 2, month) && scan_int(rest, 4, year))) {
    CalendarDate now = today(true);
    month = now.month;
    year = now.year;
  }

  struct DayMonth {
    int32_t day = 0, month = 0;
    bool present = false;
  };
  auto scan_day_month = [](Text t) {
    DayMonth d;
    d.present = scan_int(t, 2, d.day) && scan_int(t, 2, d.month);
    return d;
  };
  DayMonth f = scan_day_month(from), e = scan_day_month(to);
  if (!f.present && !e.present) f = e = DayMonth{1, month, true};
  if (!f.present) f = e;
  if (!e.present) e = f;

  int32_t to_year = e.month > month ? year - 1 : year;
  int32_t from_year = f.month > e.month ? to_year - 1 : to_year;
  if (from_date) *from_date = from_year * 10000 + f.month * 100 + f.day;
  if (to_date) *to_date = to_year * 10000 + e.month * 100 + e.day;
}

}  // namespace olv

// ---- exports ----------------------------------------------------------------------------------

using olv::text;

int f_DateCmp(char16_t* a, char16_t* b) { return olv::f_DateCmp(text(a), text(b)); }
int f_KVTElemDateCmpLessEqual(char16_t* a, char16_t* b) {
  return olv::f_KVTElemDateCmpLessEqual(text(a), text(b));
}
int f_KVTElemDateCmpLess(char16_t* a, char16_t* b) {
  return olv::f_KVTElemDateCmpLess(text(a), text(b));
}
int f_KVTRoznicaDni(char16_t* a, char16_t* b) { return olv::f_KVTRoznicaDni(text(a), text(b)); }
int f_KVTRoznicaDniDDMM(char16_t* end, char16_t* start, char16_t* period) {
  return olv::f_KVTRoznicaDniDDMM(text(end), text(start), text(period));
}
int f_PeselToDate(char16_t* pesel) { return olv::f_PeselToDate(text(pesel)); }
int KVTMaWiecejNiz26lat(char16_t* birth, char16_t* date) {
  return olv::KVTMaWiecejNiz26lat(text(birth), text(date));
}
int KVTMaWiecejRowno26lat(char16_t* birth, char16_t* date) {
  return olv::KVTMaWiecejRowno26lat(text(birth), text(date));
}
int f_KVTLiczbaDniWMiesiacu(char16_t* month) { return olv::f_KVTLiczbaDniWMiesiacu(text(month)); }
int32_t f_KVTDataMinus1(char16_t* date) { return olv::f_KVTDataMinus1(date); }

extern "C" void bw_DajDatyOdDoRSARGA(const char16_t* period, const char16_t* from,
                                     const char16_t* to, int32_t* from_date, int32_t* to_date) {
  olv::bw_DajDatyOdDoRSARGA(text(period), text(from), text(to), from_date, to_date);
}
