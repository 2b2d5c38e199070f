// The generated letter and white-space classes agree with ICU for every UTF-16 unit.
#include "platform/char_class.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>

namespace {

// Letters are the general category L, spaces the White_Space property, digits ASCII only.
TEST(CharClassTest, EveryUnitAgreesWithIcu) {
  for (UChar32 c = 0; c <= 0xFFFF; ++c) {
    const int8_t type = u_charType(c);
    const bool letter = type == U_UPPERCASE_LETTER || type == U_LOWERCASE_LETTER ||
                        type == U_TITLECASE_LETTER || type == U_MODIFIER_LETTER ||
                        type == U_OTHER_LETTER;
    const auto unit = static_cast<char16_t>(c);
    ASSERT_EQ(olv::is_letter(unit), letter) << std::hex << c;
    ASSERT_EQ(olv::is_space(unit), static_cast<bool>(u_isUWhiteSpace(c))) << std::hex << c;
    ASSERT_EQ(olv::is_digit(unit), c >= '0' && c <= '9') << std::hex << c;
  }
}

}  // namespace
