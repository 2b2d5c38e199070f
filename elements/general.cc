// Validators of the general element types: texts, names, numbers, flags, e-mail, telephone.
#include "elements/general.h"

#include <algorithm>

#include "frame/code_page.h"
#include "frame/frame.h"
#include "olvenir_p.h"

namespace olv {
namespace {

// A letter of the code page by its low 8 bits, or an ASCII letter.
bool ascii_or_polish_letter(char16_t c, int code_page) {
  const auto low = static_cast<unsigned char>(c);
  return is_ascii_letter(c) || IsLowerPL(low, code_page) == 0 || IsUpperPL(low, code_page) == 0;
}

// The narrow letter-or-digit test: only A-Z, a-z and 0-9 pass, and nothing above U+00FF.
constexpr bool narrow_alnum(char16_t c) { return is_ascii_letter(c) || is_digit(c); }

}  // namespace

int f_KVTElemT_LICZBA(Text t) { return digit_run_text(t) ? 0 : 60005901; }

int f_KVTElemT_KWOTA(Text t) { return f_KVTElemT_LICZBA(t) != 0 ? 60006101 : 0; }

bool f_KVTElemT_TylkoCyfry(Text t) { return !t.empty() && only_digits(t); }

int f_KVTIsZnakAndLenght(Text t, int length) {
  bool n_units = length >= 0 && t.size() == static_cast<std::size_t>(length);
  return !t.empty() && n_units && f_KVTElemT_LICZBA(t) == 0 ? 0 : 1;
}

int f_KVTElemT_LITERA(char16_t c) { return is_letter(c) ? 0 : 60006701; }

int f_KVTElemT_LOGICZNE(Text t) { return t.empty() || t == u"X" ? 0 : 60006001; }

int f_KVTElemT_LANCUCH_OGOLNY(Text t) {
  return std::all_of(t.begin(), t.end(), is_letter) ? 0 : 60006701;
}

int f_KVTElemT_KRAJ(Text t) {
  auto accepted = [](char16_t c) { return is_letter(c) || c == u' '; };
  return std::all_of(t.begin(), t.end(), accepted) ? 0 : 60006701;
}

int f_KVTElemT_LANCUCH_IMIE(Text t) {
  if (t.empty()) return 60006401;
  auto accepted = [](char16_t c) { return is_letter(c) || c == u'\'' || c == u' '; };
  return std::all_of(t.begin(), t.end(), accepted) ? 0 : 60006401;
}

int f_KVTElemT_NAZWA_NUMER(Text t) {
  auto accepted = [](char16_t c) { return is_letter(c) || is_digit(c) || c == u' ' || c == u'-'; };
  return std::all_of(t.begin(), t.end(), accepted) ? 0 : 62001201;
}

int f_KVTElemT_LANCUCH_LICZBYZNAKI(Text t) {
  if (t.empty()) return 0;
  if (t.front() == u'/') return 60007501;
  auto accepted = [](char16_t c) { return is_letter(c) || is_digit(c) || c == u'/'; };
  if (!std::all_of(t.begin(), t.end(), accepted)) return 60007501;
  return t.back() == u'/' ? 60007501 : 0;  // two solidi in a row are accepted
}

bool misplaced_separator(Text t) {
  auto separator = [](char16_t c) { return c == u'-' || c == u'/'; };
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (separator(t[i]) && (i + 1 == t.size() || separator(t[i + 1]))) return true;
  }
  return false;
}

int f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY(Text t) {
  auto accepted = [](char16_t c) { return narrow_alnum(c) || c == u'-' || c == u'/'; };
  return std::all_of(t.begin(), t.end(), accepted) && !misplaced_separator(t) ? 0 : 60007701;
}

int f_KVTElemT_LANCUCH_NAZWA(Text t) {
  const int page = code_page();
  auto accepted = [page](char16_t c) {
    return ascii_or_polish_letter(c, page) || f_KVTIsZnakKropkaKreskaOdstep(c) == 0 ||
           f_KVTIsZnakSpecjalny(c) == 0 || is_digit(c);
  };
  return std::all_of(t.begin(), t.end(), accepted) ? 0 : 60006501;
}

int f_KVTElemT_LANCUCH_NAZWISKO(Text t) {
  const int page = code_page();
  if (f_KVTElemT_LANCUCH_OGOLNY(t) == 0) return 0;
  int hyphens = 0;
  // The first unit is not examined once the text is not letters alone.
  for (std::size_t i = 1; i < t.size(); ++i) {
    char16_t c = t[i];
    if (ascii_or_polish_letter(c, page) || c == u' ' || c == u'\'') continue;
    if (c != u'-') return 60006601;
    if (++hyphens > 1) return 60006601;
    char16_t next = unit_at(t, i + 1);  // the terminator after the last unit
    bool joins = ascii_or_polish_letter(next, page) || next == u' ' || t[i - 1] == u'-';
    if (!joins) return 60006601;
  }
  return 0;
}

int f_KVTElemT_EMAIL(Text t) {
  if (t.empty()) return 60005301;
  if (std::count(t.begin(), t.end(), u'@') != 1) return 60005301;
  auto edge_fails = [](char16_t c) { return c == u'@' || c == u'.'; };
  if (edge_fails(t.front()) || edge_fails(t.back())) return 60005301;
  auto accepted = [](char16_t c) {
    return narrow_alnum(c) || c == u'.' || c == u'@' || c == u'_' || c == u'-';
  };
  if (!std::all_of(t.begin(), t.end(), accepted)) return 60005301;
  for (Text pair : {Text(u".."), Text(u"@."), Text(u".@")}) {
    if (t.find(pair) != Text::npos) return 60005301;
  }
  return 0;
}

int f_KVTElemT_NR_TELEFONU(Text t) {
  auto allowed = [](char16_t c) {
    return is_digit(c) || c == u'-' || c == u'+' || c == u'(' || c == u')' || c == u' ';
  };
  if (!std::all_of(t.begin(), t.end(), allowed)) return 60007901;  // 1
  char16_t first = unit_at(t, 0);
  if (!is_digit(first) && first != u'+' && first != u'(' && first != u' ') return 60007901;  // 2
  std::size_t lefts = 0, rights = 0, last_left = 0, last_right = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    char16_t c = t[i];
    if (i > 0 && c == u'+') return 60007901;  // 3
    if (i > 0 && c == u'-') {                 // 4
      if (i + 1 == t.size()) return 60007901;
      if (!is_digit(t[i - 1]) && !is_digit(t[i + 1])) return 60007901;
    }
    if (c == u'(') ++lefts, last_left = i;
    if (c == u')') ++rights, last_right = i;
  }
  if (lefts == 0) return rights == 0 ? 0 : 60007901;  // 5
  if (lefts > 1 || rights != 1 || last_right <= last_left + 1) return 60007901;
  Text inside = t.substr(last_left + 1, last_right - last_left - 1);
  return std::any_of(inside.begin(), inside.end(), is_digit) ? 0 : 60007901;
}

int f_KVTElemT_ULAMEK33(Text t) {
  if (to_int32(t) == 0) return 0;  // also every text that does not begin with a non-zero number
  if (!only_digits(t) || t.size() != 3) return 60003901;
  return to_int32(t) == 0 ? 60003901 : 0;
}

}  // namespace olv

// ---- exports ----------------------------------------------------------------------------------

using olv::text;

int f_KVTElemT_LANCUCH_NAZWA(char16_t* t) { return olv::f_KVTElemT_LANCUCH_NAZWA(text(t)); }
int f_KVTElemT_LANCUCH_NAZWISKO(char16_t* t) { return olv::f_KVTElemT_LANCUCH_NAZWISKO(text(t)); }
int f_KVTElemT_LANCUCH_IMIE(char16_t* t) { return olv::f_KVTElemT_LANCUCH_IMIE(text(t)); }
int f_KVTElemT_LANCUCH_OGOLNY(char16_t* t) { return olv::f_KVTElemT_LANCUCH_OGOLNY(text(t)); }
int f_KVTElemT_LANCUCH_LICZBYZNAKI(char16_t* t) {
  return olv::f_KVTElemT_LANCUCH_LICZBYZNAKI(text(t));
}
int f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY(char16_t* t) {
  return olv::f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY(text(t));
}
int f_KVTElemT_LICZBA(const char16_t* t) { return olv::f_KVTElemT_LICZBA(text(t)); }
bool f_KVTElemT_TylkoCyfry(const char16_t* t) { return olv::f_KVTElemT_TylkoCyfry(text(t)); }
int f_KVTElemT_LITERA(char16_t c) { return olv::f_KVTElemT_LITERA(c); }
int f_KVTElemT_LOGICZNE(char16_t* t) { return olv::f_KVTElemT_LOGICZNE(text(t)); }
int f_KVTElemT_EMAIL(char16_t* t) { return olv::f_KVTElemT_EMAIL(text(t)); }
int f_KVTElemT_NR_TELEFONU(char16_t* t) { return olv::f_KVTElemT_NR_TELEFONU(text(t)); }
int f_KVTElemT_NAZWA_NUMER(char16_t* t) { return olv::f_KVTElemT_NAZWA_NUMER(text(t)); }
int f_KVTElemT_KRAJ(char16_t* t) { return olv::f_KVTElemT_KRAJ(text(t)); }
int f_KVTElemT_KWOTA(char16_t* t) { return olv::f_KVTElemT_KWOTA(text(t)); }
int f_KVTElemT_ULAMEK33(char16_t* t) { return olv::f_KVTElemT_ULAMEK33(text(t)); }
int f_KVTIsZnakAndLenght(char16_t* t, int length) {
  return olv::f_KVTIsZnakAndLenght(text(t), length);
}
