// A rule's field: the view of the host's text, a null pointer the null view.
#include "rules/field.h"

#include <gtest/gtest.h>

namespace {

using olv::Field;
using olv::Text;

TEST(FieldTest, HostTextsBecomeViewsAndNullStaysNull) {
  const Field none(static_cast<const char16_t*>(nullptr));
  EXPECT_TRUE(olv::is_null(none));
  EXPECT_TRUE(none.empty());
  const Field empty(u"");
  EXPECT_FALSE(olv::is_null(empty)) << "an empty host text is not null";
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(Text(Field(u"12 ")), u"12 ");
  const char16_t buffer[] = u"ab\0cd";
  EXPECT_EQ(Text(Field(buffer)), u"ab") << "the text ends at its terminator";
  EXPECT_EQ(Text(Field(Text(buffer, 5))).size(), 5u) << "a view keeps its size";
}

}  // namespace
