// Date arithmetic and amount texts at the exports: days, ages, periods, amounts, 64-bit reading.
#include "dates/arithmetic.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "dates/amounts.h"
#include "olvenir_p.h"
#include "platform/clock.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;
namespace chr = std::chrono;

// The decorated exports take char16_t* and, except f_KVTDataMinus1, only read it.
char16_t *w(const char16_t *t) { return const_cast<char16_t *>(t); }

std::u16string ddmmrrrr(chr::year_month_day d) {
  char b[16];
  std::snprintf(b, sizeof b, "%02u%02u%04d", static_cast<unsigned>(d.day()),
                static_cast<unsigned>(d.month()), static_cast<int>(d.year()));
  return std::u16string(b, b + 8);
}

TEST(ArithmeticTest, ComparisonAndDayCounts) {
  const std::tuple<const char16_t *, const char16_t *, int, int, int> rows[] = {
      {u"15032024", u"14042023", 1, 1, 1},  {u"01012024", u"31122024", -1, 0, 0},
      {u"15032024", u"15032024", 0, 0, 1},  {u"15032024", u"", 0, 0, 1},
      {nullptr, u"15032024", 0, 0, 1},      {u"        ", u"01011850", -1, 0, 0},
      {u"31122023", u"01012024", -1, 0, 0}, {u"1503", u"15032024", -1, 0, 0},
  };
  for (auto [a, b, cmp, less_equal, less] : rows) {
    std::string msg = utf8(a ? a : u"(null)") + " vs " + utf8(b);
    EXPECT_EQ(f_DateCmp(w(a), w(b)), cmp) << msg;
    EXPECT_EQ(f_KVTElemDateCmpLessEqual(w(a), w(b)), less_equal) << msg;
    EXPECT_EQ(f_KVTElemDateCmpLess(w(a), w(b)), less) << msg;
  }
  // No days before 1850; month 13 counts the twelve months, no more.
  const std::tuple<const char16_t *, const char16_t *, int> day_counts[] = {
      {u"01032024", u"02032024", 0},
      {u"01011849", u"01011850", 1},
      {u"01132024", u"01122024", 32},
      {u"01002024", u"01012024", 1}};
  for (auto [a, b, want] : day_counts) EXPECT_EQ(f_KVTRoznicaDni(w(a), w(b)), want) << utf8(a);
  const std::tuple<const char16_t *, const char16_t *, const char16_t *, int> in_period[] = {
      {u"3103", u"0103", u"032024", 31}, {u"1501", u"1512", u"122024", 32},
      {u"0103", u"1512", u"122023", 78}, {u"0103", u"1503", u"032024", -13},
      {u"310", u"0103", u"032024", -1},  {u"3103", u"01031", u"032024", -1},
      {u"3103", u"0103", u"03202", -1},  {nullptr, u"0103", u"032024", -1},
  };
  for (auto [end, start, period, want] : in_period) {
    EXPECT_EQ(f_KVTRoznicaDniDDMM(w(end), w(start), w(period)), want) << utf8(start);
  }
}

// The two exports that read one text into a number, and the age of 26 years.
TEST(ArithmeticTest, ReadingsAndAge) {
  const std::tuple<int (*)(char16_t *), const char16_t *, int> rows[] = {
      {f_PeselToDate, u"02270812345", 20020708}, {f_PeselToDate, u"84811512345", 18840115},
      {f_PeselToDate, u"85010112345", 19850101}, {f_PeselToDate, u"00410112345", 21000101},
      {f_PeselToDate, u"00610112345", 22000101}, {f_PeselToDate, u"85130112345", 19851301},
      {f_KVTLiczbaDniWMiesiacu, u"022024", 29},  {f_KVTLiczbaDniWMiesiacu, u"021900", 28},
      {f_KVTLiczbaDniWMiesiacu, u"022000", 29},  {f_KVTLiczbaDniWMiesiacu, u"132024", 0},
      {f_KVTLiczbaDniWMiesiacu, u"002024", 0},   {f_KVTLiczbaDniWMiesiacu, u"042023", 30},
  };
  for (auto [f, text, want] : rows) EXPECT_EQ(f(w(text)), want) << utf8(text);
  const std::tuple<const char16_t *, const char16_t *, int, int> ages[] = {
      {u"15031990", u"15032016", 1, 0}, {u"15031990", u"16032016", 0, 0},
      {u"15031990", u"14032016", 1, 1}, {u"29022000", u"28022026", 1, 1},
      {u"29022000", u"01032026", 0, 0}, {u"", u"01012030", 1, 1},
      {u"15031990", u"1503201", 1, 1},  {u"150319900", u"15032030", 1, 1},
  };
  for (auto [birth, date, more_than, at_least] : ages) {
    EXPECT_EQ(KVTMaWiecejNiz26lat(w(birth), w(date)), more_than) << utf8(date);
    EXPECT_EQ(KVTMaWiecejRowno26lat(w(birth), w(date)), at_least) << utf8(date);
  }
}

TEST(ArithmeticTest, DayBeforeInPlace) {
  std::u16string month13 = u"01132024";
  EXPECT_EQ(f_KVTDataMinus1(month13.data()), 20241231);
  EXPECT_EQ(month13, u"31122024");
  // Not 8 units, or no eight-digit day before: unchanged, 0.
  for (std::u16string t : {u"0103202", u"010320240", u"01010000", u"0101-001", u""}) {
    const std::u16string before = t;
    EXPECT_EQ(f_KVTDataMinus1(t.data()), 0) << utf8(before);
    EXPECT_EQ(t, before);
  }
  EXPECT_EQ(f_KVTDataMinus1(nullptr), 0);
}

// Every day from 1850 to 2050 against the calendar of the standard library: its count of days
// from 1850, and the day before it, written in place into exactly the text and its terminator.
TEST(ArithmeticTest, EveryDayAgainstTheCalendar) {
  const chr::sys_days base = chr::year{1850} / 1 / 1;
  for (chr::sys_days d = base; d <= chr::sys_days{chr::year{2050} / 12 / 31}; d += chr::days{1}) {
    const std::u16string text = ddmmrrrr(d);
    char16_t day[9];
    std::copy(text.c_str(), text.c_str() + 9, day);
    ASSERT_EQ(f_KVTRoznicaDni(day, w(u"01011850")), (d - base).count() + 1) << utf8(text);
    f_KVTDataMinus1(day);
    ASSERT_EQ(std::u16string(day), ddmmrrrr(d - chr::days{1})) << utf8(text);
  }
}

TEST(ArithmeticTest, SettlementRange) {
  olv::set_today_for_testing({2024, 5, 10});
  // "5" as `to` scans no month; without a period the range is this month's.
  using T = const char16_t *;
  const std::tuple<T, T, T, int32_t, int32_t> rows[] = {
      {u"01032024", u"1512", u"2802", 20231215, 20240228},
      {u"01032024", u"0102", u"", 20240201, 20240201},
      {u"01032024", u"", u"", 20240301, 20240301},
      {u"01032024", u"1512", u"", 20231215, 20231215},
      {u"01032024", u"1502", u"5", 20240215, 20240215},
      {u"ab032024", u"0203", u"0403", 20240302, 20240304},
      {nullptr, u"", nullptr, 20240501, 20240501},
  };
  for (auto [period, from_text, to_text, from_date, to_date] : rows) {
    int32_t from = -1, to = -1;
    bw_DajDatyOdDoRSARGA(period, from_text, to_text, &from, &to);
    EXPECT_EQ(std::pair(from, to), std::pair(from_date, to_date))
        << utf8(from_text) << ".." << utf8(to_text ? to_text : u"(null)");
  }
  bw_DajDatyOdDoRSARGA(u"01032024", u"0102", u"0202", nullptr, nullptr);
  olv::clear_today_for_testing();
}

TEST(AmountsTest, ToFloatAndTheAmountList) {
  const std::pair<const char16_t *, double> rows[] = {
      {u"12345", 123.45}, {u"", 0.0},    {u"-250", -2.5}, {u"  7", 0.07},
      {u"1e4", 100.0},    {u"abc", 0.0}, {u"12a0", 0.12}, {nullptr, 0.0}};
  for (auto [text, want] : rows) EXPECT_DOUBLE_EQ(f_KVTKwotaVamoToFloat(w(text)), want) << want;
  EXPECT_EQ(f_KVTSprKwoty(w(u"100"), w(u"   "), w(u"12a0"), nullptr), 60006701);
  EXPECT_EQ(f_KVTSprKwoty(w(u"100"), w(u"200"), w(u""), nullptr), 0);
  EXPECT_EQ(f_KVTSprKwoty(nullptr), 0);
  EXPECT_EQ(f_KVTSprKwoty(w(u"100"), nullptr, w(u"x")), 0);  // the list ends at the null pointer
  // The twin's list ends at its first null view the same way.
  EXPECT_EQ(olv::f_KVTSprKwoty({u"100", olv::Text(), u"x"}), 0);
  EXPECT_EQ(olv::f_KVTSprKwoty({u"100", u"-5"}), 60006701);
  EXPECT_EQ(olv::f_KVTSprKwoty({}), 0);
}

// A carriage return is not one of the three blank units, though the reading skips it.
TEST(AmountsTest, EmptyAmountSafeReadingAndConstants) {
  const std::tuple<int, int64_t, std::vector<const char16_t *>> groups[] = {
      {1, 0, {u"\t ", u"", u"\n\n", nullptr}},
      {0, 0, {u" 0", u"\r", u"\u00A0", u"x1"}},
      {0, -12, {u" -12x"}},
      {0, 5, {u"\r5"}},
      {0, 9000000000, {u"9000000000"}},
      {0, INT64_MAX, {u"99999999999999999999"}},
      {0, INT64_MIN, {u"-9223372036854775808"}}};
  for (const auto &[empty, value, texts] : groups) {
    for (const char16_t *text : texts) {
      const std::string shown = text ? '"' + utf8(text) + '"' : "null";
      EXPECT_EQ(bw_PustaKwota(text), empty) << shown;
      EXPECT_EQ(bw_GetSafeAtol64(text), value) << shown;
    }
  }
  const std::tuple<const char16_t *, int, int> constants[] = {
      {u"0429", 106, 105}, {u"0430", 106, 106}, {u"0125", 107, 107}, {u"10", 107, 105},
      {u"05", 3, 3},       {u"05x", 106, 105},  {u"012", 106, 106},  {u"1", 107, 107},
      {u"", 106, 106},     {u" 05", 107, 107},  {u"0126", 106, 105}, {u"10", 105, 105},
      {nullptr, 107, 107}};
  for (auto [code, constant, want] : constants) {
    EXPECT_EQ(ZamienStala(code, constant), want)
        << utf8(code ? code : u"(null)") << ", " << constant;
  }
}

}  // namespace
