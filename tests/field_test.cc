// A rule's field: compared and tested for presence without counting, or as a counted view.
#include "rules/field.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace {

using olv::Field;
using olv::Text;
using olv::testing::utf8;

// Every pair of texts, each given as a host's terminated text and as a view cut from a longer
// buffer (so not terminated where it ends): all four ways agree with the comparison of views.
TEST(FieldTest, TrimmedComparisonAgreesHowEverTheFieldsCame) {
  const std::u16string texts[] = {u"",  u" ",   u"a",       u" a ", u"ab",     u"a\t",
                                  u"b", u"a b", u"\u3000b", u"ab ", u"\u00A0", u"\uFFFF"};
  for (const std::u16string& a : texts) {
    for (const std::u16string& b : texts) {
      const int want = olv::KVTDelSpacjeStrcmp(Text(a), Text(b));
      const std::u16string a_longer = a + u"x", b_longer = b + u"y";
      const Text a_view = Text(a_longer).substr(0, a.size());
      const Text b_view = Text(b_longer).substr(0, b.size());
      EXPECT_EQ(olv::trimmed_compare(Field(a.c_str()), Field(b.c_str())), want)
          << utf8(a) << " / " << utf8(b);
      EXPECT_EQ(olv::trimmed_compare(Field(a.c_str()), Field(b_view)), want) << utf8(a);
      EXPECT_EQ(olv::trimmed_compare(Field(a_view), Field(b.c_str())), want) << utf8(a);
      EXPECT_EQ(olv::trimmed_compare(Field(a_view), Field(b_view)), want) << utf8(a);
    }
  }
}

// The walk that stops past n units and the white space after them agrees with trimming.
TEST(FieldTest, TrimmedLengthWithoutCountingTheRest) {
  const std::u16string texts[] = {u"",
                                  u" ",
                                  u"\t \n",
                                  u"4405140135",
                                  u" 4405140135 ",
                                  u"4405140135\u3000",
                                  u"44051 40135",
                                  u"44051401359",
                                  u"  a  b  ",
                                  u"x",
                                  u"x ",
                                  u"61109010140000071219812874"};
  for (const std::u16string& t : texts) {
    for (std::size_t n = 0; n <= 16; ++n) {
      const bool want = olv::KVTDelSpacje(Text(t)).size() == n;
      EXPECT_EQ(olv::trimmed_length_is(Field(t.c_str()), n), want) << utf8(t) << " " << n;
      EXPECT_EQ(olv::trimmed_length_is(Field(Text(t)), n), want) << utf8(t) << " " << n;
    }
  }
}

TEST(FieldTest, CountedOnceAndNullStaysNull) {
  Field host(u"12 ");
  EXPECT_NE(host.uncounted(), nullptr);
  EXPECT_EQ(Text(host), u"12 ");
  EXPECT_EQ(host.uncounted(), nullptr) << "the count is kept";
  Field none(static_cast<const char16_t*>(nullptr));
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(none.first(), u'\0');
  EXPECT_EQ(Text(none).data(), nullptr);
  const std::u16string buffer = u"xy";
  Field cut(Text(buffer).substr(0, 0));  // an empty view of a non-empty buffer
  EXPECT_TRUE(cut.empty());
  EXPECT_EQ(cut.first(), u'\0');
  EXPECT_FALSE(Field(u" ").empty());
  EXPECT_EQ(Field(u"Q").first(), u'Q');
}

}  // namespace
