// Trimming, the trimmed comparison, and the character classes of the text primitives.
// olv::NAME is the internal twin of the export NAME, taking views instead of pointers.
#pragma once

#include <cstdint>

#include "platform/char_class.h"
#include "platform/text.h"

namespace olv {

// The text without its leading and trailing white space; a view into the same units.
Text KVTDelSpacje(Text t);

// The text without its trailing white space.
Text without_trailing_white_space(Text t);

// -1, 0 or 1: the trimmed a against the trimmed b, unit by unit as unsigned 16-bit values.
int KVTDelSpacjeStrcmp(Text a, Text b);

// Every unit is white space (or there is none): the trimmed text is empty.
bool all_white_space(Text t);

// A number text: spaces (U+0020), one run of digits, spaces; the empty text is one.
bool digit_run_text(Text t);

// 1 when the text is empty or only U+0020 spaces (the finding "empty"), else 0.
int KVTIsNotEmpty(Text t);

// 1 for U+0030 to U+0039, else 0.
constexpr int isKVTdigit(char16_t c) { return is_digit(c) ? 1 : 0; }

// 0 when c is one of the nine special characters, else 60007501; compared as 32 bits.
int f_KVTIsZnakSpecjalny(int c);

// 0 when c is a full stop, hyphen-minus or space, else 60003801.
int f_KVTIsZnakKropkaKreskaOdstep(int c);

// 0 when the byte is in the lower-case (upper-case) Polish letter class of the code page.
int IsLowerPL(unsigned char c, int code_page);
int IsUpperPL(unsigned char c, int code_page);

}  // namespace olv
