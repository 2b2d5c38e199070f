// The date forms at the exports: validators, conversions, today, earliest and latest dates.
#include "dates/date_forms.h"

#include <gtest/gtest.h>

#include <string>

#include "olvenir_p.h"
#include "platform/clock.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;

struct Row {
  const char16_t* text;  // nullptr for a null pointer
  int32_t want;
};

// The exports take char16_t* or const char16_t*; both are run on a writable copy.
template <typename Check>
void expect_rows(const char* name, Check check, std::initializer_list<Row> rows) {
  for (const Row& r : rows) {
    std::u16string copy(r.text ? r.text : u"");
    int32_t got = check(r.text ? copy.data() : nullptr);
    EXPECT_EQ(got, r.want) << name << "(" << (r.text ? '"' + utf8(r.text) + '"' : "null") << ")";
  }
}

// Fixes today for one test and returns to the clock afterwards.
struct Today {
  explicit Today(olv::CalendarDate d) { olv::set_today_for_testing(d); }
  ~Today() { olv::clear_today_for_testing(); }
};

TEST(DateFormsTest, FullDates) {
  expect_rows("sl_PoprawnaData_DDMMRRRR", sl_PoprawnaData_DDMMRRRR,
              {{u"29022024", 0},
               {u"29022000", 0},
               {u"29022023", 60005801},
               {u"29021900", 60005801},
               {u"00012024", 60005801},
               {u"31042024", 60005801},
               {u"30042024", 0},
               {u"31122024", 0},
               {u"32012024", 60005801},
               {u"01002024", 60005701},
               {u"01132024", 60005701},
               {u"32132024", 60005701},
               {u"31120000", 0},
               {u"01019999", 0},
               {u"01011849", 0},
               {u"        ", 60006201},
               {u"1503 024", 60006201},
               {u" 1032024", 60006201},
               {u"-1032024", 60006201},
               {u"1503202", 60006201},
               {u"150320241", 60006201},
               {u"", 60006201},
               {nullptr, -1}});
  expect_rows("f_KVTElemT_DATA_DDMMRRRR", f_KVTElemT_DATA_DDMMRRRR,
              {{u"        ", 0},
               {u"29022024", 0},
               {u"31122050", 0},
               {u"01011850", 0},
               {u"01011849", 60006201},
               {u"01012051", 60006201},
               {u"00012024", 60005801},
               {u"01132024", 60005701},
               {u"32131849", 60005701},
               {u"32011849", 60005801},
               {u"1503 024", 60006201},
               {u"0101184", 60006201},
               {u"", 60006201},
               {u"       ", 60006201}});
}

TEST(DateFormsTest, Months) {
  expect_rows("sl_PoprawnaData_MMRRRR", sl_PoprawnaData_MMRRRR,
              {{u"032024", 0},
               {u"012050", 0},
               {u"011850", 0},
               {u"122051", 60006301},
               {u"121849", 60006301},
               {u"002024", 60005701},
               {u"131849", 60005701},
               {u"      ", 60006201},
               {u"03 024", 60006201},
               {u"0320245", 60006201},
               {u"", 60006201},
               {nullptr, -1}});
  expect_rows("f_KVTElemT_DATA_MMRRRR", f_KVTElemT_DATA_MMRRRR,
              {{u"      ", 0},
               {u"032024", 0},
               {u"122051", 60006301},
               {u"132051", 60005701},
               {u"1220a1", 60006201},
               {u"03202", 60006201}});
}

TEST(DateFormsTest, DaysWithoutYear) {
  expect_rows("sl_PoprawnaData_DDMM", sl_PoprawnaData_DDMM,
              {{u"2902", 0},
               {u"3112", 0},
               {u"3102", 60005801},
               {u"3104", 60005801},
               {u"0001", 60005801},
               {u"0013", 60005701},
               {u"    ", 60006201},
               {u"290", 60006201},
               {u"29 2", 60006201},
               {nullptr, -1}});
  expect_rows("f_KVTElemT_DATA_DDMM", f_KVTElemT_DATA_DDMM,
              {{u"    ", 0},
               {u"2902", 0},
               {u"3102", 60005801},
               {u"0013", 60005701},
               {u"29 2", 60006201},
               {u"", 60006201}});
}

TEST(DateFormsTest, DatesWithOrdinal) {
  expect_rows("f_KVTElemT_DATA_DDMMRRRRNN", f_KVTElemT_DATA_DDMMRRRRNN,
              {{u"          ", 0},
               {u"1503202401", 0},
               {u"1503202499", 0},
               {u"1503202400", 60008101},
               {u"150320240", 60008101},
               {u"15032024 1", 60008101},
               {u"1513202401", 60005701},
               {u"3002202401", 60005801},
               {u"1503184901", 60008101},
               {u"1513184900", 60008101},
               {u"1503205199", 60008101},
               {u"", 60008101}});
}

TEST(DateFormsTest, ReportIdentifiers) {
  expect_rows("f_KVTElemT_NNMMRRRR_RAP", f_KVTElemT_NNMMRRRR_RAP,
              {{u"01032024", 0},
               {u" 1032024", 0},
               {u"99122050", 0},
               {u"01      ", 0},  // a blank month passes the month validator
               {u"00032024", 60007401},
               {u"A1032024", 60007401},
               {u"1A032024", 60007401},
               {u"1 032024", 60007401},
               {u"        ", 60007401},
               {u"", 60007401},
               {u"1", 60007401},
               {u"01132024", 60005701},
               {u"01032051", 60006301},
               {u"0103202", 60006201},
               {u"010320245", 60006201}});
}

TEST(DateFormsTest, YearRange) {
  expect_rows("f_KVTZakresRoku", f_KVTZakresRoku,
              {{u"1850", 0},
               {u"2050", 0},
               {u" 1900x", 0},
               {u"1849", 1},
               {u"2051", 1},
               {u"-5", 1},
               {u"", 1},
               {u"99999999999", 1},
               {u"-99999999999", 1}});
}

TEST(DateFormsTest, ConversionsOfValidDates) {
  Today today({2025, 11, 5});
  expect_rows("sl_PrzeksztalcDate_DDMMRRRR", sl_PrzeksztalcDate_DDMMRRRR,
              {{u"15032024", 20240315}, {u"31120000", 1231}, {nullptr, -1}});
  expect_rows("sl_PrzeksztalcDate_MMRRRR", sl_PrzeksztalcDate_MMRRRR,
              {{u"032024", 202403}, {nullptr, -1}});
  expect_rows("sl_PrzeksztalcDate_DDMM", sl_PrzeksztalcDate_DDMM, {{u"2902", 229}, {nullptr, -1}});
}

TEST(DateFormsTest, InvalidDatesConvertToToday) {
  Today today({2025, 11, 5});
  expect_rows("sl_PrzeksztalcDate_DDMMRRRR", sl_PrzeksztalcDate_DDMMRRRR,
              {{u"31022024", 20251105}, {u"        ", 20251105}, {u"", 20251105}});
  expect_rows("sl_PrzeksztalcDate_MMRRRR", sl_PrzeksztalcDate_MMRRRR,
              {{u"132024", 202511}, {u"122051", 202511}});
  expect_rows("sl_PrzeksztalcDate_DDMM", sl_PrzeksztalcDate_DDMM,
              {{u"3002", 1105}, {u"ab12", 1105}});
}

TEST(DateFormsTest, UnvalidatedConversions) {
  expect_rows("DataStr2Long", DataStr2Long,
              {{u"15032024", 20240315},
               {u"ab032024", 20240300},
               {u"99999999", 99999999},
               {u"1503202", -1},
               {u"032024", -1},
               {nullptr, -1}});
  expect_rows("atod", atod,
              {{u"15032024", 20240315}, {u"  032024", 20240300}, {u"032024", 0}, {nullptr, 0}});
  expect_rows("DDMMtol", DDMMtol, {{u"1503", 315}, {u"ab03", 300}, {u"150", 0}, {nullptr, 0}});
}

TEST(DateFormsTest, TodayInBuffers) {
  struct TodayRow {
    olv::CalendarDate date;
    const char16_t* ddmmrrrr;
    const char16_t* plain;
    const char16_t* month;
  };
  const TodayRow rows[] = {
      {{2024, 3, 5}, u"05032024", u"532024", u"032024"},
      {{2024, 11, 15}, u"15112024", u"15112024", u"112024"},
  };
  for (const TodayRow& r : rows) {
    Today today(r.date);
    int32_t number = r.date.year * 10000 + r.date.month * 100 + r.date.day;
    std::u16string buffer(12, u'Z');
    EXPECT_EQ(sl_Now(buffer.data()), number);
    EXPECT_EQ(std::u16string(buffer.c_str()), r.ddmmrrrr);
    EXPECT_EQ(buffer[9], u'Z') << "wrote past the terminator";
    EXPECT_EQ(sl_Now(nullptr), number);
    EXPECT_EQ(f_KVTGetCurrentTimeLong(), number);
    f_KVTGetCurrentTimeStr(buffer.data());
    EXPECT_EQ(std::u16string(buffer.c_str()), r.plain);
    bw_DajBiezOkrRozl(buffer.data());
    EXPECT_EQ(std::u16string(buffer.c_str()), r.month);
  }
}

TEST(DateFormsTest, EarliestAndLatestReturnTheListedPointer) {
  const char16_t* fallback = u"01102003";
  const char16_t* march = u"15032024";
  const char16_t* letters = u"ab";
  const char16_t* january = u"01012020";
  const char16_t* january_again = u"01012020";
  const char16_t* invalid = u"31022024";
  EXPECT_EQ(sl_NajwczesniejszaData(fallback, march, letters, january, nullptr), january);
  EXPECT_EQ(sl_NajpozniejszaData(fallback, march, letters, january, nullptr), march);
  EXPECT_EQ(sl_NajwczesniejszaData(fallback, january, january_again, nullptr), january);
  EXPECT_EQ(sl_NajpozniejszaData(fallback, january, january_again, nullptr), january);
  EXPECT_EQ(sl_NajwczesniejszaData(fallback, letters, invalid, nullptr), fallback);
  EXPECT_EQ(sl_NajpozniejszaData(fallback, nullptr), fallback);
  EXPECT_EQ(sl_NajpozniejszaData(nullptr, letters, nullptr), nullptr);
  // The fallback is never a candidate, even when it is the earlier date.
  EXPECT_EQ(sl_NajwczesniejszaData(fallback, march, nullptr), march);
  // The list ends at the first null pointer.
  EXPECT_EQ(sl_NajwczesniejszaData(fallback, march, nullptr, january, nullptr), march);
}

TEST(DateFormsTest, EarliestAndLatestTwinsStopAtNullView) {
  olv::Text fallback(u"01102003"), march(u"15032024"), january(u"01012020");
  EXPECT_EQ(olv::sl_NajwczesniejszaData(fallback, {march, january}).data(), january.data());
  EXPECT_EQ(olv::sl_NajpozniejszaData(fallback, {january, march}).data(), march.data());
  EXPECT_EQ(olv::sl_NajwczesniejszaData(fallback, {march, olv::Text(), january}).data(),
            march.data());
  EXPECT_EQ(olv::sl_NajpozniejszaData(fallback, {}).data(), fallback.data());
}

}  // namespace
