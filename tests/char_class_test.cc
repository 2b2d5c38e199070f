// The generated letter and white-space classes agree with ICU for every UTF-16 unit.
#include "platform/char_class.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>

namespace {

TEST(CharClassTest, LettersAreGeneralCategoryL) {
  for (UChar32 c = 0; c <= 0xFFFF; ++c) {
    int8_t type = u_charType(c);
    bool letter = type == U_UPPERCASE_LETTER || type == U_LOWERCASE_LETTER ||
                  type == U_TITLECASE_LETTER || type == U_MODIFIER_LETTER || type == U_OTHER_LETTER;
    ASSERT_EQ(olv::is_letter(static_cast<char16_t>(c)), letter) << std::hex << c;
  }
}

TEST(CharClassTest, SpacesAreWhiteSpaceProperty) {
  for (UChar32 c = 0; c <= 0xFFFF; ++c) {
    ASSERT_EQ(olv::is_space(static_cast<char16_t>(c)), static_cast<bool>(u_isUWhiteSpace(c)))
        << std::hex << c;
  }
}

TEST(CharClassTest, DigitsAreAsciiOnly) {
  for (UChar32 c = 0; c <= 0xFFFF; ++c) {
    ASSERT_EQ(olv::is_digit(static_cast<char16_t>(c)), c >= '0' && c <= '9') << std::hex << c;
  }
}

}  // namespace
