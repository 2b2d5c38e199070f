// The date forms at the exports: both validator families, conversions, today, earliest/latest.
#include "dates/date_forms.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "olvenir_p.h"
#include "platform/clock.h"
#include "tests/rule_fields.h"
#include "tests/test_support.h"

namespace {

using olv::testing::expect_texts;
using olv::testing::utf8;
using S = std::u16string;

class DateFormsTest : public ::testing::Test {
 protected:
  void SetUp() override { olv::set_today_for_testing({2024, 3, 5}); }
  void TearDown() override { olv::clear_today_for_testing(); }
};

// Texts that a date form's two validators, the sl_ one and the element one, answer alike.
using Answers = std::tuple<int32_t, int32_t, std::vector<S>>;

template <typename Sl, typename Element>
void expect_answers(Sl sl, Element element, std::initializer_list<Answers> groups) {
  for (const auto& [sl_want, element_want, texts] : groups) {
    for (S text : texts) {
      EXPECT_EQ(sl(text.c_str()), sl_want) << utf8(text);
      EXPECT_EQ(element(text.data()), element_want) << utf8(text);
    }
  }
}

// An empty date field passes only the element check, which alone tests the year range; the
// month is tested before the day.
TEST_F(DateFormsTest, DayMonthYearMonthYearAndDayMonth) {
  expect_answers(sl_PoprawnaData_DDMMRRRR, f_KVTElemT_DATA_DDMMRRRR,
                 {{0, 0, {u"29022024", u"29022000", u"31122050"}},
                  {60005801, 60005801, {u"29022023", u"29021900", u"00012024", u"31042024"}},
                  {60005701, 60005701, {u"01002024", u"01132024", u"00132024"}},
                  {60006201, 0, {u"        "}},
                  {60006201, 60006201, {u"0101 024", u"0101202", u"010120240", u"", u"+1012024"}},
                  {60006201, 60006201, {u"\uFF101012024", u"1301 024"}},
                  {0, 60006201, {u"01011849", u"01012051", u"31120000", u"01019999"}}});
  expect_answers(sl_PoprawnaData_MMRRRR, f_KVTElemT_DATA_MMRRRR,
                 {{0, 0, {u"032024", u"012050", u"011850"}},
                  {60006301, 60006301, {u"122051", u"011849"}},
                  {60005701, 60005701, {u"002024"}},
                  {60006201, 0, {u"      "}},
                  {60006201, 60006201, {u"13202", u"1a2024"}}});
  expect_answers(sl_PoprawnaData_DDMM, f_KVTElemT_DATA_DDMM,
                 {{0, 0, {u"2902", u"3112"}},
                  {60005801, 60005801, {u"3102", u"0001"}},
                  {60005701, 60005701, {u"0013"}},
                  {60006201, 0, {u"    "}},
                  {60006201, 60006201, {u"310", u"3 12"}}});
  EXPECT_EQ(sl_PoprawnaData_DDMMRRRR(nullptr), -1);
  EXPECT_EQ(sl_PoprawnaData_MMRRRR(nullptr), -1);
}

TEST_F(DateFormsTest, OrdinalForms) {
  expect_texts("DDMMRRRRNN", f_KVTElemT_DATA_DDMMRRRRNN, 0,
               {u"1503202401", u"          ", u"1503202499"});
  expect_texts("DDMMRRRRNN", f_KVTElemT_DATA_DDMMRRRRNN, 60008101,
               {u"1503202400", u"150320240", u"1503184901", u"150320240a"});
  expect_texts("DDMMRRRRNN", f_KVTElemT_DATA_DDMMRRRRNN,
               {{u"3002202401", 60005801}, {u"1513202401", 60005701}});
  expect_texts("NNMMRRRR_RAP", f_KVTElemT_NNMMRRRR_RAP, 0, {u"01032024", u" 1032024", u"01      "});
  expect_texts("NNMMRRRR_RAP", f_KVTElemT_NNMMRRRR_RAP, 60007401,
               {u"00032024", u"A1032024", u"1", u"", u"0103 024", u"  032024"});
  expect_texts("NNMMRRRR_RAP", f_KVTElemT_NNMMRRRR_RAP,
               {{u"01132024", 60005701}, {u"0103202", 60006201}, {u"01032051", 60006301}});
}

// An invalid date converts to today; parts of a date that are not numbers read as 0, a part may
// hold white space and a sign, and its reading stops at its first non-digit.
TEST_F(DateFormsTest, ConversionsTodayAndTheEarliestAndLatest) {
  using Reading = int32_t (*)(const char16_t*);
  const std::pair<Reading, std::vector<std::pair<const char16_t*, int32_t>>> groups[] = {
      {sl_PrzeksztalcDate_DDMMRRRR,
       {{u"15032024", 20240315}, {u"31022024", 20240305}, {nullptr, -1}}},
      {sl_PrzeksztalcDate_MMRRRR, {{u"032024", 202403}, {u"132024", 202403}, {nullptr, -1}}},
      {sl_PrzeksztalcDate_DDMM, {{u"2902", 229}, {u"3002", 305}, {nullptr, -1}}},
      {atod, {{u"15032024", 20240315}, {u"032024", 0}, {u"ab03xx24", 300}, {nullptr, 0}}},
      {atod, {{u" 1-2+003", 30000 - 200 + 1}, {u"1 2\t3x4 ", 30201}}},
      {DataStr2Long, {{u"15032024", 20240315}, {u"1503202", -1}, {nullptr, -1}}},
      {DataStr2Long, {{u"99999999", 99999999 % 100 + 99 * 100 + 9999 * 10000}}},
      {DDMMtol, {{u"1503", 315}, {u"15032", 0}, {nullptr, 0}}},
      {f_KVTZakresRoku, {{u"1850", 0}, {u"2050", 0}, {u" 1999", 0}, {u"2000x", 0}, {u"1849", 1}}},
      {f_KVTZakresRoku, {{u"2051", 1}, {u"-5", 1}, {u"", 1}, {u"x", 1}, {u"99999999999", 1}}},
  };
  for (const auto& [f, rows] : groups) {
    for (auto [text, want] : rows) EXPECT_EQ(f(text), want) << utf8(text ? text : u"(null)");
  }
  char16_t buffer[16] = u"###############";
  EXPECT_EQ(sl_Now(buffer), 20240305);
  EXPECT_EQ(S(buffer), u"05032024");
  EXPECT_EQ(buffer[9], u'#') << "written past the terminator";
  EXPECT_EQ(sl_Now(nullptr), 20240305);
  EXPECT_EQ(f_KVTGetCurrentTimeLong(), 20240305);
  auto written = [&buffer](void (*f)(char16_t*)) { return f(buffer), S(buffer); };
  EXPECT_EQ(written(f_KVTGetCurrentTimeStr), u"532024");
  EXPECT_EQ(written(bw_DajBiezOkrRozl), u"032024");
  olv::set_today_for_testing({2024, 11, 15});
  EXPECT_EQ(written(f_KVTGetCurrentTimeStr), u"15112024");
  EXPECT_EQ(written(bw_DajBiezOkrRozl), u"112024");
  const char16_t *fallback = u"01102003", *a = u"15032024", *letters = u"ab";
  const char16_t *b = u"01012020", *b_again = u"01012020";
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

// Sets TZ in the C runtime's environment; null removes it (Windows: sets it empty).
void set_time_zone(const char* tz) {
#if defined(_WIN32)
  _putenv_s("TZ", tz ? tz : "");
#else
  tz ? ::setenv("TZ", tz, 1) : ::unsetenv("TZ");
#endif
}

// The machine's clock in two zones 26 hours apart, whose dates always differ: each thread keeps
// its converted date, and must still follow a new zone as soon as one is read. The zone names
// have three letters, which both POSIX and the Windows C runtime read.
TEST(ClockTest, TodayFollowsTheTimeZoneAtOnce) {
  const char* saved = std::getenv("TZ");
  const std::string restore = saved ? saved : "";
  auto expected = [] {
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);  // which reads TZ again on every call
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

}  // namespace
