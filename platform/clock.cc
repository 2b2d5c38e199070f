// The local calendar date from the machine's clock, or the date a test has set.
#include "platform/clock.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace olv {
namespace {

// 0 means "use the clock"; otherwise a test's date as RRRRMMDD.
std::atomic<int32_t> test_today{0};

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
  tzset();
  seen_any = true;
  seen_unset = tz == nullptr;
  if (tz) {
    std::strncpy(seen, tz, kKept);
    seen[kKept] = '\0';
  }
}

}  // namespace

CalendarDate today(bool refresh_time_zone) {
  if (int32_t fixed = test_today.load(std::memory_order_relaxed); fixed != 0) {
    return {fixed / 10000, fixed / 100 % 100, fixed % 100};
  }
  if (refresh_time_zone) refresh_time_zone_setting();
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
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
