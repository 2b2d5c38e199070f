// The date forms at the exports: both validator families, conversions, today, earliest/latest.
#include "dates/date_forms.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "olvenir_p.h"
#include "platform/clock.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;
using S = std::u16string;

class DateFormsTest : public ::testing::Test {
 protected:
  void SetUp() override { olv::set_today_for_testing({2024, 3, 5}); }
  void TearDown() override { olv::clear_today_for_testing(); }
};

TEST_F(DateFormsTest, DayMonthYear) {
  const struct {
    S text;
    int32_t sl, element;
  } rows[] = {
      {u"29022024", 0, 0},
      {u"29022023", 60005801, 60005801},
      {u"29021900", 60005801, 60005801},
      {u"29022000", 0, 0},
      {u"00012024", 60005801, 60005801},
      {u"01002024", 60005701, 60005701},
      {u"01132024", 60005701, 60005701},
      {u"31042024", 60005801, 60005801},
      {u"        ", 60006201, 0},  // an empty date field passes only the element check
      {u"0101 024", 60006201, 60006201},
      {u"0101202", 60006201, 60006201},
      {u"010120240", 60006201, 60006201},
      {u"", 60006201, 60006201},
      {u"01011849", 0, 60006201},  // the element check alone tests the year range
      {u"31122050", 0, 0},
      {u"01012051", 0, 60006201},
      {u"31120000", 0, 60006201},
      {u"01019999", 0, 60006201},
      {u"+1012024", 60006201, 60006201},
      {u"\uFF101012024", 60006201, 60006201},
      {u"1301 024", 60006201, 60006201},
      {u"00132024", 60005701, 60005701},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(sl_PoprawnaData_DDMMRRRR(r.text.c_str()), r.sl) << utf8(r.text);
    EXPECT_EQ(f_KVTElemT_DATA_DDMMRRRR(r.text.c_str()), r.element) << utf8(r.text);
  }
  EXPECT_EQ(sl_PoprawnaData_DDMMRRRR(nullptr), -1);
}

TEST_F(DateFormsTest, MonthYearAndDayMonth) {
  const struct {
    S text;
    int32_t sl, element;
  } months[] = {
      {u"032024", 0, 0},        {u"122051", 60006301, 60006301}, {u"012050", 0, 0},
      {u"011850", 0, 0},        {u"011849", 60006301, 60006301}, {u"002024", 60005701, 60005701},
      {u"      ", 60006201, 0}, {u"13202", 60006201, 60006201},  {u"1a2024", 60006201, 60006201}};
  for (const auto& r : months) {
    EXPECT_EQ(sl_PoprawnaData_MMRRRR(r.text.c_str()), r.sl) << utf8(r.text);
    EXPECT_EQ(f_KVTElemT_DATA_MMRRRR(r.text.c_str()), r.element) << utf8(r.text);
  }
  const struct {
    S text;
    int32_t sl, element;
  } days[] = {{u"2902", 0, 0},
              {u"3102", 60005801, 60005801},
              {u"0013", 60005701, 60005701},  // the month is tested before the day
              {u"0001", 60005801, 60005801},
              {u"3112", 0, 0},
              {u"    ", 60006201, 0},
              {u"310", 60006201, 60006201},
              {u"3 12", 60006201, 60006201}};
  for (const auto& r : days) {
    EXPECT_EQ(sl_PoprawnaData_DDMM(r.text.c_str()), r.sl) << utf8(r.text);
    EXPECT_EQ(f_KVTElemT_DATA_DDMM(S(r.text).data()), r.element) << utf8(r.text);
  }
  EXPECT_EQ(sl_PoprawnaData_MMRRRR(nullptr), -1);
}

TEST_F(DateFormsTest, OrdinalForms) {
  const struct {
    S text;
    int with_ordinal;
  } rows[] = {{u"1503202401", 0},        {u"1503202400", 60008101}, {u"150320240", 60008101},
              {u"          ", 0},        {u"3002202401", 60005801}, {u"1513202401", 60005701},
              {u"1503184901", 60008101}, {u"150320240a", 60008101}, {u"1503202499", 0}};
  for (const auto& r : rows) {
    EXPECT_EQ(f_KVTElemT_DATA_DDMMRRRRNN(S(r.text).data()), r.with_ordinal) << utf8(r.text);
  }
  const struct {
    S text;
    int report;
  } reports[] = {{u"01032024", 0},        {u" 1032024", 0},        {u"00032024", 60007401},
                 {u"A1032024", 60007401}, {u"01132024", 60005701}, {u"0103202", 60006201},
                 {u"1", 60007401},        {u"", 60007401},         {u"0103 024", 60007401},
                 {u"01032051", 60006301}, {u"  032024", 60007401}, {u"01      ", 0}};
  for (const auto& r : reports) {
    EXPECT_EQ(f_KVTElemT_NNMMRRRR_RAP(S(r.text).data()), r.report) << utf8(r.text);
  }
}

TEST_F(DateFormsTest, YearRange) {
  for (const char16_t* in : {u"1850", u"2050", u" 1999", u"2000x"}) {
    EXPECT_EQ(f_KVTZakresRoku(in), 0) << utf8(in);
  }
  for (const char16_t* out : {u"1849", u"2051", u"-5", u"", u"x", u"99999999999"}) {
    EXPECT_EQ(f_KVTZakresRoku(out), 1) << utf8(out);
  }
}

TEST_F(DateFormsTest, Conversions) {
  EXPECT_EQ(sl_PrzeksztalcDate_DDMMRRRR(u"15032024"), 20240315);
  EXPECT_EQ(sl_PrzeksztalcDate_DDMMRRRR(u"31022024"), 20240305);  // an invalid date is today
  EXPECT_EQ(sl_PrzeksztalcDate_DDMMRRRR(nullptr), -1);
  EXPECT_EQ(sl_PrzeksztalcDate_MMRRRR(u"032024"), 202403);
  EXPECT_EQ(sl_PrzeksztalcDate_MMRRRR(u"132024"), 202403);
  EXPECT_EQ(sl_PrzeksztalcDate_MMRRRR(nullptr), -1);
  EXPECT_EQ(sl_PrzeksztalcDate_DDMM(u"2902"), 229);
  EXPECT_EQ(sl_PrzeksztalcDate_DDMM(u"3002"), 305);
  EXPECT_EQ(sl_PrzeksztalcDate_DDMM(nullptr), -1);

  EXPECT_EQ(atod(u"15032024"), 20240315);
  EXPECT_EQ(atod(u"032024"), 0);
  EXPECT_EQ(atod(u"ab03xx24"), 300);              // parts that are not numbers read as 0
  EXPECT_EQ(atod(u" 1-2+003"), 30000 - 200 + 1);  // a part may hold white space and a sign
  EXPECT_EQ(atod(u"1 2\t3x4 "), 30201);           // a part's reading stops at its first non-digit
  EXPECT_EQ(atod(nullptr), 0);
  EXPECT_EQ(DataStr2Long(u"15032024"), 20240315);
  EXPECT_EQ(DataStr2Long(u"1503202"), -1);
  EXPECT_EQ(DataStr2Long(nullptr), -1);
  EXPECT_EQ(DataStr2Long(u"99999999"), 99999999 % 100 + 99 * 100 + 9999 * 10000);
  EXPECT_EQ(DDMMtol(u"1503"), 315);
  EXPECT_EQ(DDMMtol(u"15032"), 0);
  EXPECT_EQ(DDMMtol(nullptr), 0);
}

TEST_F(DateFormsTest, Today) {
  char16_t buffer[16];
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  EXPECT_EQ(sl_Now(buffer), 20240305);
  EXPECT_EQ(S(buffer), u"05032024");
  EXPECT_EQ(buffer[9], u'#') << "written past the terminator";
  EXPECT_EQ(sl_Now(nullptr), 20240305);
  EXPECT_EQ(f_KVTGetCurrentTimeLong(), 20240305);
  f_KVTGetCurrentTimeStr(buffer);
  EXPECT_EQ(S(buffer), u"532024");
  bw_DajBiezOkrRozl(buffer);
  EXPECT_EQ(S(buffer), u"032024");
  olv::set_today_for_testing({2024, 11, 15});
  f_KVTGetCurrentTimeStr(buffer);
  EXPECT_EQ(S(buffer), u"15112024");
  bw_DajBiezOkrRozl(buffer);
  EXPECT_EQ(S(buffer), u"112024");
  f_KVTGetCurrentTimeStr(nullptr);
  bw_DajBiezOkrRozl(nullptr);
}

// Sets TZ in the C runtime's environment; null removes it (Windows: sets it empty).
void set_time_zone(const char* tz) {
#if defined(_WIN32)
  _putenv_s("TZ", tz ? tz : "");
#else
  if (tz) {
    ::setenv("TZ", tz, 1);
  } else {
    ::unsetenv("TZ");
  }
#endif
}

// The machine's clock in two zones 26 hours apart, whose dates always differ: each thread keeps
// its converted date, and must still follow a new zone as soon as one is read. The zone names
// have three letters, which both POSIX and the Windows C runtime read.
TEST(ClockTest, TodayFollowsTheTimeZoneAtOnce) {
  const char* saved = std::getenv("TZ");
  const std::string restore = saved ? saved : "";
  auto expected = [] {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
  };
  set_time_zone("WST12");  // twelve hours behind UTC
  const int32_t west = olv::today_number(/*refresh_time_zone=*/true);
  EXPECT_EQ(west, expected());
  EXPECT_EQ(olv::today_number(), west);
  set_time_zone("EST-14");  // fourteen hours ahead
  const int32_t east = olv::today_number(true);
  EXPECT_EQ(east, expected());
  EXPECT_NE(east, west);
  EXPECT_EQ(olv::today_number(), east) << "a kept date outlived the zone";
  set_time_zone(saved ? restore.c_str() : nullptr);
  olv::today_number(true);
}

TEST_F(DateFormsTest, EarliestAndLatest) {
  const char16_t* fallback = u"01102003";
  const char16_t* a = u"15032024";
  const char16_t* letters = u"ab";
  const char16_t* b = u"01012020";
  const char16_t* b_again = u"01012020";
  EXPECT_EQ(sl_NajwczesniejszaData(fallback, a, letters, b, b_again, nullptr), b);
  EXPECT_EQ(sl_NajpozniejszaData(fallback, b, a, letters, nullptr), a);
  EXPECT_EQ(sl_NajwczesniejszaData(fallback, letters, u"31022024", nullptr), fallback);
  EXPECT_EQ(sl_NajpozniejszaData(fallback, nullptr), fallback);
  EXPECT_EQ(sl_NajwczesniejszaData(fallback, a, nullptr, b, nullptr), a);  // the list ends early
  EXPECT_EQ(sl_NajwczesniejszaData(nullptr, letters, nullptr), nullptr);
  // The internal twins pick the same texts.
  EXPECT_EQ(olv::sl_NajwczesniejszaData(fallback, {a, b, olv::Text()}).data(), b);
  EXPECT_EQ(olv::sl_NajpozniejszaData(fallback, {a, olv::Text(), b}).data(), a);
}

}  // namespace
