// Trimming, the trimmed comparison, and the character classes of the text primitives.
// olv::NAME is the internal twin of the export NAME, taking views instead of pointers.
#pragma once

#include <cstdint>

#include "platform/char_class.h"
#include "platform/text.h"

namespace olv {

// The text without its leading and trailing white space; a view into the same units.
Text KVTDelSpacje(Text t);

// -1, 0 or 1: the trimmed a against the trimmed b, unit by unit as unsigned 16-bit values.
int KVTDelSpacjeStrcmp(Text a, Text b);

// The same comparison of a host's terminated text, walked to its terminator without counting
// its units first, and a view or a second host's text (neither pointer null).
int trimmed_compare(const char16_t* a, Text b);
int trimmed_compare(const char16_t* a, const char16_t* b);

// Every unit is white space (or there is none): the trimmed text is empty. The host's text is
// walked to its terminator.
bool all_white_space(Text t);
bool all_white_space(const char16_t* p);

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

// The Polish letter classes as predicates over a unit's low 8 bits.
inline bool is_polish_lower(char16_t c, int code_page) {
  return IsLowerPL(static_cast<unsigned char>(c), code_page) == 0;
}
inline bool is_polish_upper(char16_t c, int code_page) {
  return IsUpperPL(static_cast<unsigned char>(c), code_page) == 0;
}

}  // namespace olv
