// Date arithmetic at the exports: comparison, day counts, age, PESEL dates, periods.
#include "dates/arithmetic.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "olvenir_p.h"
#include "platform/clock.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;
namespace chr = std::chrono;

// A writable copy of a literal (or null), as the decorated exports take char16_t*.
struct Arg {
  std::u16string s;
  bool null;
  Arg(const char16_t* t) : s(t ? t : u""), null(!t) {}  // NOLINT: rows convert implicitly
  char16_t* p() { return null ? nullptr : s.data(); }
};

std::u16string ddmmrrrr(chr::year_month_day d) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02u%02u%04d", static_cast<unsigned>(d.day()),
                static_cast<unsigned>(d.month()), static_cast<int>(d.year()));
  return std::u16string(buffer, buffer + 8);
}

TEST(ArithmeticTest, Comparison) {
  const struct {
    Arg a, b;
    int cmp, less_equal, less;
  } rows[] = {
      {u"15032024", u"14042023", 1, 1, 1},  {u"01012024", u"31122024", -1, 0, 0},
      {u"15032024", u"15032024", 0, 0, 1},  {u"15032024", u"", 0, 0, 1},
      {nullptr, u"15032024", 0, 0, 1},      {u"        ", u"01011850", -1, 0, 0},
      {u"31122023", u"01012024", -1, 0, 0}, {u"1503", u"15032024", -1, 0, 0},
  };
  for (auto r : rows) {
    std::string msg = utf8(r.a.s) + " vs " + utf8(r.b.s);
    EXPECT_EQ(f_DateCmp(r.a.p(), r.b.p()), r.cmp) << msg;
    EXPECT_EQ(f_KVTElemDateCmpLessEqual(r.a.p(), r.b.p()), r.less_equal) << msg;
    EXPECT_EQ(f_KVTElemDateCmpLess(r.a.p(), r.b.p()), r.less) << msg;
  }
}

TEST(ArithmeticTest, DayCounts) {
  const struct {
    Arg a, b;
    int want;
  } rows[] = {
      {u"31032024", u"01032024", 31}, {u"01032024", u"01032024", 1},
      {u"01032024", u"29022024", 2},  {u"01012025", u"31122024", 2},
      {u"01032023", u"28022023", 2},  {u"01032024", u"02032024", 0},
      {u"01011849", u"01011850", 1},   // years before 1850 add no days
      {u"01132024", u"01122024", 32},  // month 13 counts all twelve months, no more
      {u"01002024", u"01012024", 1},  {u"01011851", u"01011850", 366},
  };
  for (auto r : rows) {
    EXPECT_EQ(f_KVTRoznicaDni(r.a.p(), r.b.p()), r.want) << utf8(r.a.s) << " - " << utf8(r.b.s);
  }
  // Every day from 1850 to 2050 against the calendar of the standard library.
  const chr::sys_days base = chr::year{1850} / 1 / 1;
  Arg first(u"01011850");
  for (chr::sys_days d = base; d <= chr::sys_days{chr::year{2050} / 12 / 31}; d += chr::days{1}) {
    Arg day(ddmmrrrr(d).c_str());
    ASSERT_EQ(f_KVTRoznicaDni(day.p(), first.p()), (d - base).count() + 1) << utf8(day.s);
  }
}

TEST(ArithmeticTest, DayCountsWithinAPeriod) {
  const struct {
    Arg end, start, period;
    int want;
  } rows[] = {
      {u"3103", u"0103", u"032024", 31},  {u"1501", u"1512", u"122024", 32},
      {u"2902", u"0102", u"022024", 29},  {u"0103", u"1512", u"122023", 78},
      {u"0103", u"1503", u"032024", -13}, {u"310", u"0103", u"032024", -1},
      {u"3103", u"010", u"032024", -1},   {u"3103", u"0103", u"03202", -1},
      {u"3103", u"0103", u"0320244", -1}, {nullptr, u"0103", u"032024", -1},
  };
  for (auto r : rows) {
    EXPECT_EQ(f_KVTRoznicaDniDDMM(r.end.p(), r.start.p(), r.period.p()), r.want)
        << utf8(r.end.s) << ", " << utf8(r.start.s) << ", " << utf8(r.period.s);
  }
}

TEST(ArithmeticTest, PeselBirthDate) {
  const struct {
    Arg pesel;
    int want;
  } rows[] = {
      {u"02270812345", 20020708}, {u"84811512345", 18840115}, {u"85010112345", 19850101},
      {u"00410112345", 21000101}, {u"00610112345", 22000101}, {u"85130112345", 19851301},
  };
  for (auto r : rows) EXPECT_EQ(f_PeselToDate(r.pesel.p()), r.want) << utf8(r.pesel.s);
}

TEST(ArithmeticTest, TwentySixYears) {
  const struct {
    Arg birth, date;
    int more_than, at_least;
  } rows[] = {
      {u"15031990", u"15032016", 1, 0}, {u"15031990", u"16032016", 0, 0},
      {u"15031990", u"14032016", 1, 1}, {u"29022000", u"28022026", 1, 1},
      {u"29022000", u"01032026", 0, 0}, {u"", u"01012030", 1, 1},
      {u"15031990", u"1503201", 1, 1},  {u"150319900", u"15032030", 1, 1},
      {u"15031990", nullptr, 1, 1},
  };
  for (auto r : rows) {
    std::string msg = utf8(r.birth.s) + " on " + utf8(r.date.s);
    EXPECT_EQ(KVTMaWiecejNiz26lat(r.birth.p(), r.date.p()), r.more_than) << msg;
    EXPECT_EQ(KVTMaWiecejRowno26lat(r.birth.p(), r.date.p()), r.at_least) << msg;
  }
}

TEST(ArithmeticTest, DaysInMonth) {
  const struct {
    Arg month;
    int want;
  } rows[] = {{u"022024", 29}, {u"021900", 28}, {u"022000", 29}, {u"132024", 0},
              {u"002024", 0},  {u"122024", 31}, {u"042023", 30}};
  for (auto r : rows) EXPECT_EQ(f_KVTLiczbaDniWMiesiacu(r.month.p()), r.want) << utf8(r.month.s);
}

TEST(ArithmeticTest, DayBeforeInPlace) {
  const struct {
    Arg date;
    int32_t want;
    const char16_t* after;
  } rows[] = {
      {u"01032024", 20240229, u"29022024"},
      {u"01012024", 20231231, u"31122023"},
      {u"01031900", 19000228, u"28021900"},
      {u"15062024", 20240614, u"14062024"},
      {u"01132024", 20241231, u"31122024"},
      // Not 8 units, or no eight-digit day before: unchanged, 0.
      {u"0103202", 0, u"0103202"},
      {u"010320240", 0, u"010320240"},
      {u"01010000", 0, u"01010000"},
      {u"0101-001", 0, u"0101-001"},
      {u"", 0, u""},
  };
  for (auto r : rows) {
    EXPECT_EQ(f_KVTDataMinus1(r.date.p()), r.want) << utf8(r.date.s);
    EXPECT_EQ(r.date.s, r.after);
  }
  EXPECT_EQ(f_KVTDataMinus1(nullptr), 0);
  for (chr::sys_days d = chr::year{1851} / 1 / 1; d <= chr::sys_days{chr::year{2050} / 12 / 31};
       d += chr::days{1}) {
    std::u16string text = ddmmrrrr(d);
    char16_t buffer[9];  // exactly the text and its terminator
    std::copy(text.c_str(), text.c_str() + 9, buffer);
    f_KVTDataMinus1(buffer);
    ASSERT_EQ(std::u16string(buffer), ddmmrrrr(d - chr::days{1})) << utf8(text);
  }
}

TEST(ArithmeticTest, SettlementRange) {
  olv::set_today_for_testing({2024, 5, 10});
  const struct {
    Arg period, from, to;
    int32_t from_date, to_date;
  } rows[] = {
      {u"01032024", u"1512", u"2802", 20231215, 20240228},
      {u"01032024", u"0102", u"", 20240201, 20240201},
      {u"01032024", u"", u"", 20240301, 20240301},
      {u"01032024", u"1512", u"", 20231215, 20231215},
      {u"01012024", u"1512", u"0101", 20231215, 20240101},
      {u"01032024", u"1502", u"5", 20240215, 20240215},  // `to` scans no month
      {u"", u"", u"", 20240501, 20240501},               // no period: this month
      {u"ab032024", u"0203", u"0403", 20240302, 20240304},
      {nullptr, u"0203", nullptr, 20240302, 20240302},
  };
  for (auto r : rows) {
    int32_t from = -1, to = -1;
    bw_DajDatyOdDoRSARGA(r.period.p(), r.from.p(), r.to.p(), &from, &to);
    std::string msg = utf8(r.period.s) + ", " + utf8(r.from.s) + ", " + utf8(r.to.s);
    EXPECT_EQ(from, r.from_date) << msg;
    EXPECT_EQ(to, r.to_date) << msg;
  }
  bw_DajDatyOdDoRSARGA(u"01032024", u"0102", u"0202", nullptr, nullptr);
  olv::clear_today_for_testing();
}

}  // namespace
