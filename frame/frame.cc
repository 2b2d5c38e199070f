// Trimming, the trimmed comparison, the character classes and the code-page setting.
#include "frame/frame.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "frame/code_page.h"
#include "olvenir_p.h"

namespace olv {

std::atomic<int32_t> code_page_setting{1};

namespace {

// A Polish letter class of a code page: single byte values and two ranges.
struct LetterClass {
  std::string_view singles;
  unsigned char first_from, first_to, second_from, second_to;
  bool contains(unsigned char c) const {
    return singles.find(static_cast<char>(c)) != std::string_view::npos ||
           (c >= first_from && c <= first_to) || (c >= second_from && c <= second_to);
  }
};

// The Polish letter classes: ISO 8859-2 and Windows-1250 place these ten letters
// (Ą Ł Ľ Ś Š Ş Ť Ź Ž Ż and their lower-case forms) at different values and agree on the ranges.
// clang-format off
constexpr LetterClass kUpper[2] = {
    {"\xA1\xA3\xA5\xA6\xA9\xAA\xAB\xAC\xAE\xAF", 0xC0, 0xD6, 0xD8, 0xDE},
    {"\xA5\xA3\xBC\x8C\x8A\xAA\x8D\x8F\x8E\xAF", 0xC0, 0xD6, 0xD8, 0xDE}};
constexpr LetterClass kLower[2] = {
    {"\xB1\xB3\xB5\xB6\xB9\xBA\xBB\xBC\xBE\xBF\xDF", 0xE0, 0xF6, 0xF8, 0xFE},
    {"\xB9\xB3\xBE\x9C\x9A\xBA\x9D\x9F\x9E\xBF\xDF", 0xE0, 0xF6, 0xF8, 0xFE}};
// clang-format on

int class_test(const LetterClass (&classes)[2], unsigned char c, int code_page) {
  if (code_page != 0 && code_page != 1) return 1;
  return classes[code_page].contains(c) ? 0 : 1;
}

}  // namespace

Text without_trailing_white_space(Text t) {
  std::size_t end = t.size();
  while (end > 0 && is_space(t[end - 1])) --end;
  return t.substr(0, end);
}

Text KVTDelSpacje(Text t) {
  t = without_trailing_white_space(t);
  std::size_t begin = 0;
  while (begin < t.size() && is_space(t[begin])) ++begin;
  return t.substr(begin);
}

int KVTDelSpacjeStrcmp(Text a, Text b) {
  const int order = KVTDelSpacje(a).compare(KVTDelSpacje(b));
  return (order > 0) - (order < 0);
}

bool all_white_space(Text t) { return KVTDelSpacje(t).empty(); }

bool digit_run_text(Text t) {
  std::size_t i = 0;
  while (i < t.size() && t[i] == u' ') ++i;
  while (i < t.size() && is_digit(t[i])) ++i;
  while (i < t.size() && t[i] == u' ') ++i;
  return i == t.size();
}

int KVTIsNotEmpty(Text t) { return t.find_first_not_of(u' ') == Text::npos ? 1 : 0; }

int f_KVTIsZnakSpecjalny(int c) {
  constexpr int kSpecial[] = {0x20, 0x2D, 0x2E, 0x2C, 0x2F, 0x22, 0x5F, 0x26, 0x5C};
  return std::count(std::begin(kSpecial), std::end(kSpecial), c) != 0 ? 0 : 60007501;
}

int f_KVTIsZnakKropkaKreskaOdstep(int c) {
  return c == 0x2E || c == 0x2D || c == 0x20 ? 0 : 60003801;
}

int IsLowerPL(unsigned char c, int code_page) { return class_test(kLower, c, code_page); }
int IsUpperPL(unsigned char c, int code_page) { return class_test(kUpper, c, code_page); }

}  // namespace olv

// ---- exports ----------------------------------------------------------------------------------

extern "C" int KVTGetCodePage() { return olv::code_page(); }

extern "C" void KVTSetCodePage(int code_page) {
  olv::code_page_setting.store(code_page, std::memory_order_relaxed);
}

extern "C" int IsLowerPL(unsigned char c, int code_page) { return olv::IsLowerPL(c, code_page); }
extern "C" int IsUpperPL(unsigned char c, int code_page) { return olv::IsUpperPL(c, code_page); }

int isKVTdigit(char16_t c) { return olv::isKVTdigit(c); }
int f_KVTIsZnakSpecjalny(int c) { return olv::f_KVTIsZnakSpecjalny(c); }
int f_KVTIsZnakKropkaKreskaOdstep(int c) { return olv::f_KVTIsZnakKropkaKreskaOdstep(c); }
int KVTIsNotEmpty(char16_t* t) { return olv::KVTIsNotEmpty(olv::text(t)); }

std::u16string KVTDelSpacje(char16_t* t) { return std::u16string(olv::KVTDelSpacje(olv::text(t))); }

int KVTDelSpacjeStrcmp(char16_t* a, char16_t* b) {
  return olv::KVTDelSpacjeStrcmp(olv::text(a), olv::text(b));
}
