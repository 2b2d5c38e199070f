// Amount texts at the exports: conversion, the list test, the empty amount, 64-bit reading.
#include "dates/amounts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "olvenir_p.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;

// The decorated exports take char16_t* and only read it.
char16_t* w(const char16_t* t) { return const_cast<char16_t*>(t); }

TEST(AmountsTest, ToFloatAndTheAmountList) {
  const std::pair<const char16_t*, double> rows[] = {
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
  const std::tuple<int, int64_t, std::vector<const char16_t*>> groups[] = {
      {1, 0, {u"\t ", u"", u"\n\n", nullptr}},
      {0, 0, {u" 0", u"\r", u"\u00A0", u"x1"}},
      {0, -12, {u" -12x"}},
      {0, 5, {u"\r5"}},
      {0, 9000000000, {u"9000000000"}},
      {0, INT64_MAX, {u"99999999999999999999"}},
      {0, INT64_MIN, {u"-9223372036854775808"}}};
  for (const auto& [empty, value, texts] : groups) {
    for (const char16_t* text : texts) {
      const std::string shown = text ? '"' + utf8(text) + '"' : "null";
      EXPECT_EQ(bw_PustaKwota(text), empty) << shown;
      EXPECT_EQ(bw_GetSafeAtol64(text), value) << shown;
    }
  }
  const std::tuple<const char16_t*, int, int> constants[] = {
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
