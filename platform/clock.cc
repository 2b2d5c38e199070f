// The local calendar date from the machine's clock, or the date a test has set.
#include "platform/clock.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace olv {
namespace {

// 0 means "use the clock"; otherwise a test's date as RRRRMMDD.
std::atomic<int32_t> test_today{0};

// Counts the re-readings of the time-zone setting, so that every thread's kept date (below)
// follows a new setting at once.
std::atomic<uint32_t> zone_readings{0};

// Reads the time-zone setting again when TZ differs from what this thread last saw: re-reading
// it unchanged would only cost a file read and heap work on every call.
void refresh_time_zone_setting() {
  constexpr std::size_t kKept = 256;
  thread_local char seen[kKept + 1] = {};
  thread_local bool seen_unset = false, seen_any = false;
  const char* tz = std::getenv("TZ");
  bool unchanged = seen_any && (tz == nullptr ? seen_unset
                                              : !seen_unset && std::strlen(tz) <= kKept &&
                                                    std::strcmp(tz, seen) == 0);
  if (unchanged) return;
#if defined(_WIN32)
  _tzset();
#else
  tzset();
#endif
  zone_readings.fetch_add(1, std::memory_order_relaxed);
  seen_any = true;
  seen_unset = tz == nullptr;
  if (tz) {
    std::strncpy(seen, tz, kKept);
    seen[kKept] = '\0';
  }
}

// The local date of the clock. The C library converts under one process-wide lock, so threads
// that asked for it on every call would wait for each other; each thread keeps the date it last
// converted for as long as it cannot change: to the end of the current quarter-hour of the
// clock (every change of a zone's offset falls on one) and never past local midnight. A clock
// set back, or a new time-zone setting read here, converts again.
CalendarDate clock_date() {
  struct Kept {
    std::time_t from = 0, until = 0;
    uint32_t readings = 0;
    CalendarDate date{};
  };
  thread_local Kept kept;
  const std::time_t now = std::time(nullptr);
  const uint32_t readings = zone_readings.load(std::memory_order_relaxed);
  if (now >= kept.from && now < kept.until && readings == kept.readings) return kept.date;
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  constexpr std::time_t kQuarterHour = 15 * 60, kDay = 24 * 60 * 60;
  const std::time_t to_midnight = kDay - (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
  const std::time_t into_quarter = ((now % kQuarterHour) + kQuarterHour) % kQuarterHour;
  const std::time_t to_quarter = kQuarterHour - into_quarter;
  kept = {now,
          now + std::min(to_midnight, to_quarter),
          readings,
          {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}};
  return kept.date;
}

}  // namespace

CalendarDate today(bool refresh_time_zone) {
  if (int32_t fixed = test_today.load(std::memory_order_relaxed); fixed != 0) {
    return {fixed / 10000, fixed / 100 % 100, fixed % 100};
  }
  if (refresh_time_zone) refresh_time_zone_setting();
  return clock_date();
}

int32_t today_number(bool refresh_time_zone) {
  CalendarDate d = today(refresh_time_zone);
  return d.year * 10000 + d.month * 100 + d.day;
}

void set_today_for_testing(CalendarDate date) {
  test_today.store(date.year * 10000 + date.month * 100 + date.day, std::memory_order_relaxed);
}

void clear_today_for_testing() { test_today.store(0, std::memory_order_relaxed); }

}  // namespace olv
