// The general element validators at the exports: accepted and rejected texts of each type.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "olvenir_p.h"
#include "tests/rule_fields.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;
using S = std::u16string;

using olv::testing::expect_texts;

TEST(GeneralTest, TextsOfEachType) {
  // A number text is an amount text too; a bad one gets the amount's own code.
  const S digits(1'000'000, u'7'), letters(1'000'000, u'a');
  const std::initializer_list<S> good = {u"", u"   ", u" 123 ", u"007", digits};
  const std::initializer_list<S> bad = {u"1 2", u"+5",  u"1,5", u"12a",
                                        u"\t1", u"1\t", u" - ", u"\u0661"};
  for (const S& t : good) EXPECT_EQ(f_KVTElemT_LICZBA(t.c_str()), 0) << utf8(t);
  for (const S& t : bad) EXPECT_EQ(f_KVTElemT_LICZBA(t.c_str()), 60005901) << utf8(t);
  expect_texts("KWOTA", f_KVTElemT_KWOTA, 0, good);
  expect_texts("KWOTA", f_KVTElemT_KWOTA, 60006101, bad);
  EXPECT_TRUE(f_KVTElemT_TylkoCyfry(u"0123"));
  for (const char16_t* t : {u"", u" 1", u"1 ", u"-1", u"\uFF11"}) {
    EXPECT_FALSE(f_KVTElemT_TylkoCyfry(t)) << utf8(t);
  }
  // Spaces alone are a number text; an empty text never passes.
  const std::tuple<int, int, std::vector<S>> rows[] = {
      {11, 0, {u" 1234567890", u"12345678901", u"           "}},
      {11, 1, {u"1234567890", u"1234 567890"}},
      {0, 1, {u""}},
      {-1, 1, {u"12"}}};
  for (auto [length, want, texts] : rows) {
    for (S t : texts) EXPECT_EQ(f_KVTIsZnakAndLenght(t.data(), length), want) << utf8(t) << length;
  }
  // Letters, flags and countries.
  for (char16_t c : {u'a', u'\u0142'}) EXPECT_EQ(f_KVTElemT_LITERA(c), 0) << int(c);
  for (char16_t c : {u'1', u' ', u'\0', u'-', u'\xD800'}) {
    EXPECT_EQ(f_KVTElemT_LITERA(c), 60006701) << int(c);
  }
  expect_texts("LOGICZNE", f_KVTElemT_LOGICZNE, 0, {u"X", u""});
  expect_texts("LOGICZNE", f_KVTElemT_LOGICZNE, 60006001, {u"x", u"X ", u" ", u"XX"});
  expect_texts("OGOLNY", f_KVTElemT_LANCUCH_OGOLNY, 0, {u"", u"Zażółć"});
  expect_texts("OGOLNY", f_KVTElemT_LANCUCH_OGOLNY, 60006701, {u"a b", u"a1", u"a."});
  expect_texts("KRAJ", f_KVTElemT_KRAJ, 0, {u"", u"Nowa Zelandia"});
  expect_texts("KRAJ", f_KVTElemT_KRAJ, 60006701, {u"Côte d'Ivoire", u"A\tB"});
  expect_texts("IMIE", f_KVTElemT_LANCUCH_IMIE, 60006401, {u"", u"Anna-Maria", u"Jan2"});
  expect_texts("IMIE", f_KVTElemT_LANCUCH_IMIE, 0, {u"Anna Maria", u"O'Hara", u"Łucja"});
  expect_texts("NAZWA_NUMER", f_KVTElemT_NAZWA_NUMER, 0, {u"", u"Rondo ONZ-1"});
  expect_texts("NAZWA_NUMER", f_KVTElemT_NAZWA_NUMER, 62001201, {u"Ul. 3", u"a/b"});
  // Separated codes.
  expect_texts("LICZBYZNAKI", f_KVTElemT_LANCUCH_LICZBYZNAKI, 0, {u"", u"AB/12", u"A//1", u"Ź1"});
  expect_texts("LICZBYZNAKI", f_KVTElemT_LANCUCH_LICZBYZNAKI, 60007501, {u"/A", u"A/", u"A-1"});
  expect_texts("LICZBYZNAKISEPARATORY", f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY, 0,
               {u"", u"AB-12/3", u"-AB"});
  expect_texts("LICZBYZNAKISEPARATORY", f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY, 60007701,
               {u"AB--1", u"AB-", u"A-/B", u"ĄB", u"A B"});
  // Email.
  expect_texts("EMAIL", f_KVTElemT_EMAIL, 0,
               {u"a@b.pl", u"a@b", u"jan.kowalski_1-x@poczta.example.pl"});
  expect_texts("EMAIL", f_KVTElemT_EMAIL, 60005301,
               {u"a.@b.pl", u"a@.b.pl", u"a@b..pl", u".a@b.pl", u"a@b.pl.", u"a@b@c.pl", u"@b.pl",
                u"a@", u"", u"ab.pl", u"a b@c.pl", u"\u00E9@b.pl", u"a@b\u0142.pl", letters});
  // Telephone.
  expect_texts("NR_TELEFONU", f_KVTElemT_NR_TELEFONU, 0,
               {u"(22) 123-45-67", u"+48 22 1234567", u" 601 100 100", u"1 -2", u"(2)", digits});
  expect_texts("NR_TELEFONU", f_KVTElemT_NR_TELEFONU, 60007901,
               {u"22+1", u"() 123", u"(-) 123", u"123-", u"-123", u"", u"(22)(33) 1", u"22) 1",
                u"(22 1", u"1 - 2", u"12 34x", u"2)(2", u"( ) 1", u"(2))"});
  // Fraction.
  expect_texts("ULAMEK33", f_KVTElemT_ULAMEK33, 0, {u"001", u"999", u"000", u"", u"abc", u"0 5"});
  expect_texts("ULAMEK33", f_KVTElemT_ULAMEK33, 60003901,
               {u"12", u"1234", u"1.5", u" 123", u"12a"});
}

TEST(GeneralTest, NamesUseTheCodePage) {
  // 0xB1 is ą in ISO 8859-2 and ± in Windows-1250; 0xB9 is the other way round.
  S iso_a = u"Firma \u00B1", win_a = u"Firma \u00B9";
  KVTSetCodePage(0);
  expect_texts("NAZWA@0", f_KVTElemT_LANCUCH_NAZWA, 0,
               {iso_a, win_a, u"A&B \"X\", s.c. 1/2_\\", u"ó", u""});
  expect_texts("NAZWA@0", f_KVTElemT_LANCUCH_NAZWA, 60006501, {u"\u0142", u"a!", u"a\tb"});
  KVTSetCodePage(1);
  expect_texts("NAZWA@1", f_KVTElemT_LANCUCH_NAZWA, {{win_a, 0}, {u"Firma \u00B1", 60006501}});
  KVTSetCodePage(5);
  expect_texts("NAZWA@5", f_KVTElemT_LANCUCH_NAZWA, {{u"Firma 1", 0}, {u"\u00D3", 60006501}});
  KVTSetCodePage(1);
  EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWA(nullptr), 0);
  // \u00B9 is ą as a Windows-1250 byte, ł as a code point no code-page letter; the first unit is
  // not examined, and a hyphen after a hyphen joins.
  expect_texts("NAZWISKO", f_KVTElemT_LANCUCH_NAZWISKO, 0,
               {u"Kowalska", u"Żółć", u"", u"Nowak-Kowalska", u"1Nowak", u"Nowak- Lis", u"O'Brien",
                u"Nowak-\u00B9ski", u"-Nowak-Lis", u"--", S(1'000'000, u'a')});
  expect_texts(
      "NAZWISKO", f_KVTElemT_LANCUCH_NAZWISKO, 60006601,
      {u"Nowak--", u"Nowak-", u"Kowalska-Nowak-Lis", u"Nowak-'Lis", u"Nowak2", u"Michał-Nowak"});
  EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWISKO(nullptr), 0);
}

}  // namespace
