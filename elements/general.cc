// Validators of the general element types: texts, names, numbers, flags, e-mail, telephone.
#include "elements/general.h"

#include <algorithm>

#include "frame/code_page.h"
#include "frame/frame.h"
#include "olvenir_p.h"

namespace olv {
namespace {

constexpr char16_t kSpace = u' ';
constexpr char16_t kApostrophe = u'\'';
constexpr char16_t kHyphen = u'-';
constexpr char16_t kFullStop = u'.';
constexpr char16_t kSolidus = u'/';
constexpr char16_t kAt = u'@';
constexpr char16_t kLowLine = u'_';
constexpr char16_t kPlus = u'+';
constexpr char16_t kLeftParen = u'(';
constexpr char16_t kRightParen = u')';

// `code` when some unit of the text fails `accepted`, else 0.
template <typename Accepted>
int code_unless_all(Text t, int code, Accepted accepted) {
  return std::all_of(t.begin(), t.end(), accepted) ? 0 : code;
}

// An ASCII letter, or a Polish letter of the code page by the unit's low 8 bits.
bool is_name_letter(char16_t c, int page) {
  return is_ascii_letter(c) || is_polish_lower(c, page) || is_polish_upper(c, page);
}

}  // namespace

int f_KVTElemT_LICZBA(Text t) {
  std::size_t i = 0;
  while (i < t.size() && t[i] == kSpace) ++i;
  while (i < t.size() && is_digit(t[i])) ++i;
  // What follows the digit run (or the leading spaces of an all-space text) must be spaces.
  return t.find_first_not_of(kSpace, i) == Text::npos ? 0 : 60005901;
}

int f_KVTElemT_KWOTA(Text t) { return f_KVTElemT_LICZBA(t) != 0 ? 60006101 : 0; }

bool f_KVTElemT_TylkoCyfry(Text t) {
  return !t.empty() && std::all_of(t.begin(), t.end(), is_digit);
}

int f_KVTIsZnakAndLenght(Text t, int length) {
  bool fits = !t.empty() && length >= 0 && t.size() == static_cast<std::size_t>(length);
  return fits && f_KVTElemT_LICZBA(t) == 0 ? 0 : 1;
}

int f_KVTElemT_LITERA(char16_t c) { return is_letter(c) ? 0 : 60006701; }

int f_KVTElemT_LOGICZNE(Text t) { return t.empty() || t == u"X" ? 0 : 60006001; }

int f_KVTElemT_LANCUCH_OGOLNY(Text t) { return code_unless_all(t, 60006701, is_letter); }

int f_KVTElemT_KRAJ(Text t) {
  return code_unless_all(t, 60006701, [](char16_t c) { return is_letter(c) || c == kSpace; });
}

int f_KVTElemT_LANCUCH_IMIE(Text t) {
  if (t.empty()) return 60006401;
  return code_unless_all(
      t, 60006401, [](char16_t c) { return is_letter(c) || c == kApostrophe || c == kSpace; });
}

int f_KVTElemT_NAZWA_NUMER(Text t) {
  return code_unless_all(t, 62001201, [](char16_t c) {
    return is_letter(c) || is_digit(c) || c == kSpace || c == kHyphen;
  });
}

int f_KVTElemT_LANCUCH_LICZBYZNAKI(Text t) {
  if (t.empty()) return 0;
  if (t.front() == kSolidus || t.back() == kSolidus) return 60007501;
  return code_unless_all(t, 60007501,
                         [](char16_t c) { return is_letter(c) || is_digit(c) || c == kSolidus; });
}

int f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY(Text t) {
  auto separator = [](char16_t c) { return c == kHyphen || c == kSolidus; };
  for (std::size_t i = 0; i < t.size(); ++i) {
    char16_t c = t[i];
    if (separator(c)) {
      // A separator needs a letter or digit after it: not last, not doubled.
      if (i + 1 == t.size() || separator(t[i + 1])) return 60007701;
    } else if (!is_ascii_letter(c) && !is_digit(c)) {
      return 60007701;
    }
  }
  return 0;
}

int f_KVTElemT_LANCUCH_NAZWA(Text t) {
  const int page = code_page();
  return code_unless_all(t, 60006501, [page](char16_t c) {
    return is_name_letter(c, page) || f_KVTIsZnakKropkaKreskaOdstep(c) == 0 ||
           f_KVTIsZnakSpecjalny(c) == 0 || is_digit(c);
  });
}

int f_KVTElemT_LANCUCH_NAZWISKO(Text t) {
  const int page = code_page();
  if (f_KVTElemT_LANCUCH_OGOLNY(t) == 0) return 0;
  // Not all letters: the first unit is deliberately left unexamined, the rest must be name
  // letters, spaces, apostrophes and at most one hyphen that leads into a letter or a space.
  int hyphens = 0;
  for (std::size_t i = 1; i < t.size(); ++i) {
    char16_t c = t[i];
    if (is_name_letter(c, page) || c == kSpace || c == kApostrophe) continue;
    if (c != kHyphen || ++hyphens > 1) return 60006601;
    char16_t next = unit_at(t, i + 1);
    bool leads_on = is_name_letter(next, page) || next == kSpace;
    if (!leads_on && t[i - 1] != kHyphen) return 60006601;
  }
  return 0;
}

int f_KVTElemT_EMAIL(Text t) {
  if (t.empty()) return 60005301;
  if (std::count(t.begin(), t.end(), kAt) != 1) return 60005301;
  for (char16_t end : {t.front(), t.back()}) {
    if (end == kAt || end == kFullStop) return 60005301;
  }
  // The narrow letter-or-digit test admits only ASCII letters and digits; a unit above U+00FF
  // is treated as neither, so it fails like any other foreign character.
  auto allowed = [](char16_t c) {
    return is_ascii_letter(c) || is_digit(c) || c == kFullStop || c == kAt || c == kLowLine ||
           c == kHyphen;
  };
  if (!std::all_of(t.begin(), t.end(), allowed)) return 60005301;
  for (Text pair : {u"..", u"@.", u".@"}) {
    if (t.find(pair) != Text::npos) return 60005301;
  }
  return 0;
}

int f_KVTElemT_NR_TELEFONU(Text t) {
  auto allowed = [](char16_t c) {
    return is_digit(c) || c == kHyphen || c == kPlus || c == kLeftParen || c == kRightParen ||
           c == kSpace;
  };
  if (!std::all_of(t.begin(), t.end(), allowed)) return 60007901;
  char16_t first = unit_at(t, 0);
  if (!is_digit(first) && first != kPlus && first != kLeftParen && first != kSpace) {
    return 60007901;
  }
  int lefts = 0, rights = 0;
  std::size_t last_left = 0, last_right = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    char16_t c = t[i];
    if (i > 0 && c == kPlus) return 60007901;
    if (i > 0 && c == kHyphen) {
      if (i + 1 == t.size()) return 60007901;
      if (!is_digit(t[i - 1]) && !is_digit(t[i + 1])) return 60007901;
    }
    if (c == kLeftParen) ++lefts, last_left = i;
    if (c == kRightParen) ++rights, last_right = i;
  }
  if (lefts == 0) return rights == 0 ? 0 : 60007901;
  if (lefts > 1 || rights != 1 || last_right <= last_left + 1) return 60007901;
  Text inside = t.substr(last_left + 1, last_right - last_left - 1);
  return std::any_of(inside.begin(), inside.end(), is_digit) ? 0 : 60007901;
}

int f_KVTElemT_ULAMEK33(Text t) {
  // A text that does not begin with a non-zero number passes at once, letters included.
  if (to_int32(t) == 0) return 0;
  if (t.size() != 3 || !std::all_of(t.begin(), t.end(), is_digit)) return 60003901;
  return 0;
}

}  // namespace olv

// ---- exports ----------------------------------------------------------------------------------

int f_KVTElemT_LANCUCH_NAZWA(char16_t* t) { return olv::f_KVTElemT_LANCUCH_NAZWA(olv::text(t)); }
int f_KVTElemT_LANCUCH_NAZWISKO(char16_t* t) {
  return olv::f_KVTElemT_LANCUCH_NAZWISKO(olv::text(t));
}
int f_KVTElemT_LANCUCH_IMIE(char16_t* t) { return olv::f_KVTElemT_LANCUCH_IMIE(olv::text(t)); }
int f_KVTElemT_LANCUCH_OGOLNY(char16_t* t) { return olv::f_KVTElemT_LANCUCH_OGOLNY(olv::text(t)); }
int f_KVTElemT_LANCUCH_LICZBYZNAKI(char16_t* t) {
  return olv::f_KVTElemT_LANCUCH_LICZBYZNAKI(olv::text(t));
}
int f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY(char16_t* t) {
  return olv::f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY(olv::text(t));
}
int f_KVTElemT_LICZBA(const char16_t* t) { return olv::f_KVTElemT_LICZBA(olv::text(t)); }
bool f_KVTElemT_TylkoCyfry(const char16_t* t) { return olv::f_KVTElemT_TylkoCyfry(olv::text(t)); }
int f_KVTElemT_LITERA(char16_t c) { return olv::f_KVTElemT_LITERA(c); }
int f_KVTElemT_LOGICZNE(char16_t* t) { return olv::f_KVTElemT_LOGICZNE(olv::text(t)); }
int f_KVTElemT_EMAIL(char16_t* t) { return olv::f_KVTElemT_EMAIL(olv::text(t)); }
int f_KVTElemT_NR_TELEFONU(char16_t* t) { return olv::f_KVTElemT_NR_TELEFONU(olv::text(t)); }
int f_KVTElemT_NAZWA_NUMER(char16_t* t) { return olv::f_KVTElemT_NAZWA_NUMER(olv::text(t)); }
int f_KVTElemT_KRAJ(char16_t* t) { return olv::f_KVTElemT_KRAJ(olv::text(t)); }
int f_KVTElemT_KWOTA(char16_t* t) { return olv::f_KVTElemT_KWOTA(olv::text(t)); }
int f_KVTElemT_ULAMEK33(char16_t* t) { return olv::f_KVTElemT_ULAMEK33(olv::text(t)); }
int f_KVTIsZnakAndLenght(char16_t* t, int length) {
  return olv::f_KVTIsZnakAndLenght(olv::text(t), length);
}
