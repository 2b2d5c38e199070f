// Trimming, the trimmed comparison, the character classes and the code page, at the exports.
#include "frame/frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "olvenir_p.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;

using S = std::u16string;  // a writable copy, as the decorated exports take char16_t*

// Short texts over spaces, U+3000, a, b and U+FFFF are swept whole below. A host's text ends at
// its first null unit, whatever its storage holds after it: the walks over white space stop there
// although they test no end of their own, as the null unit is no white space.
TEST(FrameTest, TrimmedComparison) {
  const std::tuple<const char16_t*, const char16_t*, int> rows[] = {
      {u"  X ", u"X", 0},    {u"a", u"A", 1},     {nullptr, u"", 0},
      {u"\t\n\t\n", u"", 0}, {u"a", nullptr, 1},  {u"\u00A0x\u3000", u"x", 0},
      {u"a  b", u"a b", -1}, {u"\u2028", u"", 0}, {u"\u200B", u"", 1},
  };
  for (auto [a, b, want] : rows) {
    S x(a ? a : u""), y(b ? b : u"");
    EXPECT_EQ(KVTDelSpacjeStrcmp(a ? x.data() : nullptr, b ? y.data() : nullptr), want)
        << '"' << utf8(x) << "\" vs \"" << utf8(y) << '"';
  }
  const std::tuple<S, S, int> stored[] = {
      {S(u" \0x", 3), u"x", -1},   {u"x", S(u"\t\0x", 3), 1},      {S(u"  \0ab", 5), u"ab", -1},
      {S(u"  \0x", 4), u" x", -1}, {S(u"a \0b", 4), u"a", 0},      {u"a", S(u"a\u3000\0b", 4), 0},
      {S(u" \0b", 3), u" b", -1},  {u"12", S(u"  12 \0 3", 8), 0},
  };
  for (auto [a, b, want] : stored) {
    EXPECT_EQ(KVTDelSpacjeStrcmp(a.data(), b.data()), want) << utf8(a) << '|' << utf8(b);
  }
  // The twin walks views to their size, not to a terminator: a null unit compares like any other.
  using olv::Text;
  EXPECT_EQ(olv::KVTDelSpacjeStrcmp(Text(u"a\0", 2), u"a"), 1);
  EXPECT_EQ(olv::KVTDelSpacjeStrcmp(u"a", Text(u"a\0 ", 3)), -1);
  EXPECT_EQ(olv::KVTDelSpacjeStrcmp(Text(), u"\n"), 0);
}

// Every pair of texts of up to three units over white space (ASCII and not) and three other
// units, against trimming both and comparing what is left: the shortcuts for texts with a shared
// start must agree with the plain definition, at the export and at the twin.
TEST(FrameTest, TrimmedComparisonAgreesWithTrimmingFirst) {
  const S alphabet = u" \u3000ab\uFFFF";
  std::vector<S> texts{u""};
  for (std::size_t t = 0; t < texts.size(); ++t) {
    if (texts[t].size() < 3) {
      for (char16_t c : alphabet) texts.push_back(texts[t] + c);
    }
  }
  auto trimmed = [](const S& t) { return S(olv::KVTDelSpacje(t)); };
  for (S x : texts) {
    for (S y : texts) {
      const int c = trimmed(x).compare(trimmed(y));
      const int want = c < 0 ? -1 : (c > 0 ? 1 : 0);
      ASSERT_EQ(KVTDelSpacjeStrcmp(x.data(), y.data()), want) << utf8(x) << '|' << utf8(y);
      ASSERT_EQ(olv::KVTDelSpacjeStrcmp(x, y), want) << utf8(x) << '|' << utf8(y);
    }
  }
}

TEST(FrameTest, TrimmingClassesAndTheCodePage) {
  EXPECT_EQ(KVTDelSpacje(S(u"\t x \n").data()), u"x");
  EXPECT_EQ(KVTDelSpacje(S(u" \t\r\n ").data()), u"");
  EXPECT_EQ(KVTDelSpacje(S(u"  a  b  ").data()), u"a  b");
  EXPECT_EQ(KVTDelSpacje(nullptr), u"");
  for (S t : {u"", u"   "}) EXPECT_EQ(KVTIsNotEmpty(t.data()), 1) << utf8(t);
  for (S t : {u"\t", u" x "}) EXPECT_EQ(KVTIsNotEmpty(t.data()), 0) << utf8(t);
  for (char16_t c : {u'0', u'9'}) EXPECT_EQ(isKVTdigit(c), 1) << int(c);
  for (char16_t c : {u'/', u':', u'\u0660', u'\uFF10'}) EXPECT_EQ(isKVTdigit(c), 0) << int(c);
  for (int c : std::u16string_view(u" -.,/\"_&\\")) EXPECT_EQ(f_KVTIsZnakSpecjalny(c), 0) << c;
  for (int c : {0x10020, -0x20, 0x21, 0x27, 0x2B, 0, 0xFFFF}) {
    EXPECT_EQ(f_KVTIsZnakSpecjalny(c), 60007501) << c;
  }
  for (int c : {0x2E, 0x2D, 0x20}) EXPECT_EQ(f_KVTIsZnakKropkaKreskaOdstep(c), 0) << c;
  for (int c : {0x2C, 0x10020, 0x5F}) EXPECT_EQ(f_KVTIsZnakKropkaKreskaOdstep(c), 60003801) << c;
  EXPECT_EQ(KVTGetCodePage(), 1);
  for (int v : {0, 7, -1, 1}) EXPECT_EQ((KVTSetCodePage(v), KVTGetCodePage()), v);
}

// The classes written out independently: the ten letters that the two code pages place
// differently, then the shared ranges.
bool in_class(int b, bool upper, int page) {
  static const int kTen[2][2][10] = {
      {{0xB1, 0xB3, 0xB5, 0xB6, 0xB9, 0xBA, 0xBB, 0xBC, 0xBE, 0xBF},
       {0xA1, 0xA3, 0xA5, 0xA6, 0xA9, 0xAA, 0xAB, 0xAC, 0xAE, 0xAF}},
      {{0xB9, 0xB3, 0xBE, 0x9C, 0x9A, 0xBA, 0x9D, 0x9F, 0x9E, 0xBF},
       {0xA5, 0xA3, 0xBC, 0x8C, 0x8A, 0xAA, 0x8D, 0x8F, 0x8E, 0xAF}}};
  if (std::ranges::count(kTen[page][upper], b)) return true;
  if (upper) return (b >= 0xC0 && b <= 0xDE && b != 0xD7);
  return b == 0xDF || (b >= 0xE0 && b <= 0xFE && b != 0xF7);
}

// Pages other than 0 and 1 have no Polish letters.
TEST(FrameTest, PolishLetterClassesOfEveryByte) {
  for (int page : {0, 1, 2, -1, 1000}) {
    const bool known = page == 0 || page == 1;
    for (int b = 0; b < 256; ++b) {
      auto c = static_cast<unsigned char>(b);
      EXPECT_EQ(IsLowerPL(c, page), known && in_class(b, false, page) ? 0 : 1) << page << ' ' << b;
      EXPECT_EQ(IsUpperPL(c, page), known && in_class(b, true, page) ? 0 : 1) << page << ' ' << b;
    }
  }
}

}  // namespace
