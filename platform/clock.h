// The local calendar date, behind a seam that tests can set.
#pragma once

#include <cstdint>

namespace olv {

// A calendar date as year, month (1-12) and day.
struct CalendarDate {
  int year;
  int month;
  int day;
};

// Today's local date. With `refresh_time_zone` the time-zone setting is read again first.
CalendarDate today(bool refresh_time_zone = false);

// Today as an RRRRMMDD number.
int32_t today_number(bool refresh_time_zone = false);

// Makes today() answer `date` instead of the clock (process-wide); not exported.
void set_today_for_testing(CalendarDate date);

// Returns today() to the machine's clock.
void clear_today_for_testing();

}  // namespace olv
