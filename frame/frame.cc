// Trimming, the trimmed comparison, the character classes and the code-page setting.
#include "frame/frame.h"

#include <array>
#include <string>

#include "frame/code_page.h"
#include "olvenir_p.h"

namespace olv {

std::atomic<int32_t> code_page_setting{1};

namespace {

// A 256-bit set of byte values.
struct ByteSet {
  std::array<uint64_t, 4> bits{};
  constexpr ByteSet& add(int from, int to) {
    for (int b = from; b <= to; ++b) bits[b >> 6] |= uint64_t{1} << (b & 63);
    return *this;
  }
  constexpr ByteSet& add(std::initializer_list<int> values) {
    for (int b : values) add(b, b);
    return *this;
  }
  constexpr bool contains(unsigned char b) const { return (bits[b >> 6] >> (b & 63)) & 1; }
};

// The Polish letter classes: ISO 8859-2 and Windows-1250 place these ten letters
// (Ą Ł Ľ Ś Š Ş Ť Ź Ž Ż and their lower-case forms) at different values and agree on the ranges.
// clang-format off
constexpr ByteSet kUpper[2] = {
    ByteSet{}.add({0xA1, 0xA3, 0xA5, 0xA6, 0xA9, 0xAA, 0xAB, 0xAC, 0xAE, 0xAF}).add(0xC0, 0xD6).add(0xD8, 0xDE),
    ByteSet{}.add({0xA5, 0xA3, 0xBC, 0x8C, 0x8A, 0xAA, 0x8D, 0x8F, 0x8E, 0xAF}).add(0xC0, 0xD6).add(0xD8, 0xDE)};
constexpr ByteSet kLower[2] = {
    ByteSet{}.add({0xB1, 0xB3, 0xB5, 0xB6, 0xB9, 0xBA, 0xBB, 0xBC, 0xBE, 0xBF, 0xDF}).add(0xE0, 0xF6).add(0xF8, 0xFE),
    ByteSet{}.add({0xB9, 0xB3, 0xBE, 0x9C, 0x9A, 0xBA, 0x9D, 0x9F, 0x9E, 0xBF, 0xDF}).add(0xE0, 0xF6).add(0xF8, 0xFE)};
// clang-format on

int class_test(const ByteSet (&sets)[2], unsigned char c, int code_page) {
  if (code_page != 0 && code_page != 1) return 1;
  return sets[code_page].contains(c) ? 0 : 1;
}

// The units of a text as the trimmed comparison walks them: a view ends at its size, a host's
// text at its terminator, so the host's texts need no length count first. The terminator is no
// white space, so the walks over a host's white space stop at it without a test of their own.
struct ViewUnits {
  Text t;
  bool ended(std::size_t i) const { return i >= t.size(); }
  char16_t operator[](std::size_t i) const { return t[i]; }
  // The first index from i on that holds no white space, or the end.
  std::size_t past_space(std::size_t i) const {
    while (!ended(i) && is_space(t[i])) ++i;
    return i;
  }
  // True when the units from i to the end are all white space (or none are left).
  bool blank_from(std::size_t i) const { return ended(past_space(i)); }
};
struct HostUnits {
  const char16_t* p;
  bool ended(std::size_t i) const { return p[i] == u'\0'; }
  char16_t operator[](std::size_t i) const { return p[i]; }
  std::size_t past_space(std::size_t i) const {
    while (is_space(p[i])) ++i;
    return i;
  }
  // Tests for the end before the class: the rest of a text is most often nothing at all.
  bool blank_from(std::size_t i) const {
    for (; !ended(i); ++i) {
      if (!is_space(p[i])) return false;
    }
    return true;
  }
};

// Advances i and j past the units that two texts share from there on. Of two host texts only
// one terminator needs a test: a unit equal to a unit that is no terminator is none either.
template <typename A, typename B>
void skip_shared(A a, std::size_t& i, B b, std::size_t& j) {
  while (!a.ended(i) && !b.ended(j) && a[i] == b[j]) ++i, ++j;
}
inline void skip_shared(HostUnits a, std::size_t& i, HostUnits b, std::size_t& j) {
  while (a[i] != u'\0' && a[i] == b[j]) ++i, ++j;
}

// How the trimmed comparison ends where the texts differ, at i and j past the leading white
// space: a text whose rest is white space alone has its trimmed copy end there, which makes it
// the smaller (or both equal); else the differing units decide, as unsigned 16-bit values.
template <typename A, typename B>
int trimmed_order_from(A a, std::size_t i, B b, std::size_t j) {
  const bool a_ends = a.blank_from(i);
  const bool b_ends = b.blank_from(j);
  if (a_ends || b_ends) return a_ends == b_ends ? 0 : (a_ends ? -1 : 1);
  return a[i] < b[j] ? -1 : 1;
}

// The trimmed comparison in one pass, without trimming first. The texts are compared from their
// first units. Where one text ends, the other's trimmed copy is the same when the rest of it is
// white space, and longer otherwise. Where they differ in two units that are no white space,
// those units decide whatever white space the texts begin with, as both trimmed copies keep them
// after the same start. Texts that differ in their first units skip their leading runs from
// there. A shared start other than white space means neither text has leading white space.
template <typename A, typename B>
int compare_trimmed(A a, B b) {
  std::size_t i = 0, j = 0;
  skip_shared(a, i, b, j);
  if (a.ended(i)) return b.blank_from(j) ? 0 : -1;
  if (b.ended(j)) return a.blank_from(i) ? 0 : 1;
  const bool a_space = is_space(a[i]);
  const bool b_space = is_space(b[j]);
  if (!a_space && !b_space) return a[i] < b[j] ? -1 : 1;
  if (i == 0) {
    i = a_space ? a.past_space(1) : 0;
    j = b_space ? b.past_space(1) : 0;
  } else if (is_space(a[0])) {
    // The shared start holds a's leading run, or the shared part of it, in both texts.
    const std::size_t shared = i;
    i = a.past_space(1);
    j = i < shared ? i : b.past_space(shared);
  } else {
    return trimmed_order_from(a, i, b, j);
  }
  skip_shared(a, i, b, j);
  return trimmed_order_from(a, i, b, j);
}

}  // namespace

Text KVTDelSpacje(Text t) {
  std::size_t end = t.size();
  while (end > 0 && is_space(t[end - 1])) --end;
  std::size_t begin = 0;
  while (begin < end && is_space(t[begin])) ++begin;
  return t.substr(begin, end - begin);
}

int KVTDelSpacjeStrcmp(Text a, Text b) { return compare_trimmed(ViewUnits{a}, ViewUnits{b}); }
int trimmed_compare(const char16_t* a, Text b) {
  return compare_trimmed(HostUnits{a}, ViewUnits{b});
}
int trimmed_compare(const char16_t* a, const char16_t* b) {
  return compare_trimmed(HostUnits{a}, HostUnits{b});
}
bool all_white_space(Text t) { return ViewUnits{t}.blank_from(0); }
bool all_white_space(const char16_t* p) { return HostUnits{p}.blank_from(0); }

int KVTIsNotEmpty(Text t) { return t.find_first_not_of(u' ') == Text::npos ? 1 : 0; }

int f_KVTIsZnakSpecjalny(int c) {
  for (int special : {0x20, 0x2D, 0x2E, 0x2C, 0x2F, 0x22, 0x5F, 0x26, 0x5C}) {
    if (c == special) return 0;
  }
  return 60007501;
}

int f_KVTIsZnakKropkaKreskaOdstep(int c) { return c == 0x2E || c == 0x2D || c == 0x20 ? 0 : 60003801; }

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

// The same comparison as the twin's, walking the host's texts to their terminators; taken in
// whole (flatten), as it is called for most fields of a form.
[[gnu::flatten]] int KVTDelSpacjeStrcmp(char16_t* a, char16_t* b) {
  return olv::trimmed_compare(a ? a : u"", b ? b : u"");
}
