// Amount texts at the exports: conversion, the list test, the empty amount, 64-bit reading.
#include "dates/amounts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "olvenir_p.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;

char16_t* w(std::u16string& s) { return s.data(); }

TEST(AmountsTest, ToFloat) {
  const struct {
    std::u16string text;
    double want;
  } rows[] = {{u"12345", 123.45}, {u"", 0.0},    {u"-250", -2.5}, {u"  7", 0.07},
              {u"1e4", 100.0},    {u"abc", 0.0}, {u"12a0", 0.12}, {u"\t+5", 0.05}};
  for (auto r : rows) EXPECT_DOUBLE_EQ(f_KVTKwotaVamoToFloat(w(r.text)), r.want) << utf8(r.text);
  EXPECT_EQ(f_KVTKwotaVamoToFloat(nullptr), 0.0);
}

TEST(AmountsTest, AmountList) {
  std::u16string a = u"100", b = u"200", spaces = u"   ", bad = u"12a0", empty;
  EXPECT_EQ(f_KVTSprKwoty(w(a), w(spaces), w(bad), nullptr), 60006701);
  EXPECT_EQ(f_KVTSprKwoty(w(bad), nullptr), 60006701);
  EXPECT_EQ(f_KVTSprKwoty(w(a), w(b), nullptr), 0);
  EXPECT_EQ(f_KVTSprKwoty(w(empty), w(spaces), nullptr), 0);
  EXPECT_EQ(f_KVTSprKwoty(nullptr), 0);
  EXPECT_EQ(f_KVTSprKwoty(w(a), nullptr, w(bad)), 0);  // the list ends at the null pointer
  // The twin's list ends at its first null view the same way.
  EXPECT_EQ(olv::f_KVTSprKwoty({u"100", olv::Text(), u"x"}), 0);
  EXPECT_EQ(olv::f_KVTSprKwoty({u"100", u"-5"}), 60006701);
  EXPECT_EQ(olv::f_KVTSprKwoty({}), 0);
}

TEST(AmountsTest, EmptyAmountAndSafeReading) {
  const struct {
    std::u16string text;
    int empty;
    int64_t value;
  } rows[] = {
      {u"\t ", 1, 0},
      {u" 0", 0, 0},
      {u"", 1, 0},
      {u"\n\n", 1, 0},
      {u"\r", 0, 0},  // a carriage return is not one of the three blank units
      {u"\u00A0", 0, 0},
      {u"9000000000", 0, 9000000000},
      {u" -12x", 0, -12},
      {u"\r5", 0, 5},
      {u"99999999999999999999", 0, std::numeric_limits<int64_t>::max()},
  };
  for (auto r : rows) {
    EXPECT_EQ(bw_PustaKwota(r.text.c_str()), r.empty) << '"' << utf8(r.text) << '"';
    EXPECT_EQ(bw_GetSafeAtol64(r.text.c_str()), r.value) << '"' << utf8(r.text) << '"';
  }
  EXPECT_EQ(bw_PustaKwota(nullptr), 1);
  EXPECT_EQ(bw_GetSafeAtol64(nullptr), 0);
}

TEST(AmountsTest, ConstantByCode) {
  const struct {
    const char16_t* code;
    int constant, want;
  } rows[] = {
      {u"0429", 106, 105}, {u"0430", 106, 106}, {u"0125", 107, 107}, {u"10", 107, 105},
      {u"05", 3, 3},       {u"05x", 106, 105},  {u"012", 106, 106},  {u"1", 107, 107},
      {u"", 106, 106},     {u" 05", 107, 107},  {u"0126", 106, 105}, {u"10", 105, 105},
      {nullptr, 107, 107},
  };
  for (auto r : rows) {
    EXPECT_EQ(ZamienStala(r.code, r.constant), r.want)
        << utf8(r.code ? r.code : u"(null)") << ", " << r.constant;
  }
}

}  // namespace
