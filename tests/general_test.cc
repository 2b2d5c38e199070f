// The general element validators at the exports: accepted and rejected texts of each type.
#include <gtest/gtest.h>

#include <string>

#include "olvenir_p.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;
using S = std::u16string;

using Row = olv::testing::TextCase;
using olv::testing::expect_texts;

TEST(GeneralTest, NumberText) {
  for (const Row& r : std::initializer_list<Row>{{u"", 0},
                                                 {u"   ", 0},
                                                 {u" 123 ", 0},
                                                 {u"007", 0},
                                                 {u"1 2", 60005901},
                                                 {u"+5", 60005901},
                                                 {u"1,5", 60005901},
                                                 {u"12a", 60005901},
                                                 {u"\t1", 60005901},
                                                 {u"1\t", 60005901},
                                                 {u" - ", 60005901},
                                                 {u"\u0661", 60005901}}) {
    EXPECT_EQ(f_KVTElemT_LICZBA(r.text.c_str()), r.want) << utf8(r.text);
    EXPECT_EQ(f_KVTElemT_KWOTA(S(r.text).data()), r.want ? 60006101 : 0) << utf8(r.text);
  }
  EXPECT_TRUE(f_KVTElemT_TylkoCyfry(u"0123"));
  for (const char16_t* t : {u"", u" 1", u"1 ", u"-1", u"\uFF11"}) {
    EXPECT_FALSE(f_KVTElemT_TylkoCyfry(t)) << utf8(t);
  }
}

TEST(GeneralTest, NCharacterNumber) {
  const struct {
    S text;
    int length, want;
  } rows[] = {{u" 1234567890", 11, 0},
              {u"12345678901", 11, 0},
              {u"1234567890", 11, 1},
              {u"           ", 11, 0},  // spaces alone are a number text
              {u"", 0, 1},              // an empty text never passes
              {u"1234 567890", 11, 1},
              {u"12", -1, 1}};
  for (const auto& r : rows) {
    S copy = r.text;
    EXPECT_EQ(f_KVTIsZnakAndLenght(copy.data(), r.length), r.want) << utf8(r.text) << r.length;
  }
}

TEST(GeneralTest, LettersFlagsAndCountries) {
  EXPECT_EQ(f_KVTElemT_LITERA(u'a'), 0);
  EXPECT_EQ(f_KVTElemT_LITERA(u'\u0142'), 0);
  for (char16_t c : {u'1', u' ', u'\0', u'-', u'\xD800'}) {
    EXPECT_EQ(f_KVTElemT_LITERA(c), 60006701) << int(c);
  }
  expect_texts("LOGICZNE", f_KVTElemT_LOGICZNE,
               {{u"X", 0},
                {u"", 0},
                {u"x", 60006001},
                {u"X ", 60006001},
                {u" ", 60006001},
                {u"XX", 60006001}});
  expect_texts(
      "OGOLNY", f_KVTElemT_LANCUCH_OGOLNY,
      {{u"", 0}, {u"Zażółć", 0}, {u"a b", 60006701}, {u"a1", 60006701}, {u"a.", 60006701}});
  expect_texts(
      "KRAJ", f_KVTElemT_KRAJ,
      {{u"", 0}, {u"Nowa Zelandia", 0}, {u"Côte d'Ivoire", 60006701}, {u"A\tB", 60006701}});
  expect_texts("IMIE", f_KVTElemT_LANCUCH_IMIE,
               {{u"", 60006401},
                {u"Anna Maria", 0},
                {u"O'Hara", 0},
                {u"Łucja", 0},
                {u"Anna-Maria", 60006401},
                {u"Jan2", 60006401}});
  expect_texts("NAZWA_NUMER", f_KVTElemT_NAZWA_NUMER,
               {{u"", 0}, {u"Ul. 3", 62001201}, {u"Rondo ONZ-1", 0}, {u"a/b", 62001201}});
}

TEST(GeneralTest, SeparatedCodes) {
  expect_texts("LICZBYZNAKI", f_KVTElemT_LANCUCH_LICZBYZNAKI,
               {{u"", 0},
                {u"AB/12", 0},
                {u"A//1", 0},
                {u"/A", 60007501},
                {u"A/", 60007501},
                {u"A-1", 60007501},
                {u"Ź1", 0}});
  expect_texts("LICZBYZNAKISEPARATORY", f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY,
               {{u"", 0},
                {u"AB-12/3", 0},
                {u"-AB", 0},
                {u"AB--1", 60007701},
                {u"AB-", 60007701},
                {u"A-/B", 60007701},
                {u"ĄB", 60007701},
                {u"A B", 60007701}});
}

TEST(GeneralTest, FirmNameUsesTheCodePage) {
  // 0xB1 is ą in ISO 8859-2 and ± in Windows-1250; 0xB9 is the other way round.
  S iso_a = u"Firma \u00B1", win_a = u"Firma \u00B9";
  KVTSetCodePage(0);
  expect_texts("NAZWA@0", f_KVTElemT_LANCUCH_NAZWA,
               {{iso_a, 0},
                {win_a, 0},
                {u"A&B \"X\", s.c. 1/2_\\", 0},
                {u"ó", 0},
                {u"\u0142", 60006501},
                {u"a!", 60006501},
                {u"a\tb", 60006501},
                {u"", 0}});
  KVTSetCodePage(1);
  expect_texts("NAZWA@1", f_KVTElemT_LANCUCH_NAZWA, {{win_a, 0}, {u"Firma \u00B1", 60006501}});
  KVTSetCodePage(5);
  expect_texts("NAZWA@5", f_KVTElemT_LANCUCH_NAZWA, {{u"Firma 1", 0}, {u"\u00D3", 60006501}});
  KVTSetCodePage(1);
  EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWA(nullptr), 0);
}

TEST(GeneralTest, Surname) {
  KVTSetCodePage(1);
  expect_texts("NAZWISKO", f_KVTElemT_LANCUCH_NAZWISKO,
               {{u"Kowalska", 0},
                {u"Żółć", 0},
                {u"", 0},
                {u"Nowak-Kowalska", 0},
                {u"Nowak--", 60006601},
                {u"Nowak-", 60006601},
                {u"1Nowak", 0},
                {u"Kowalska-Nowak-Lis", 60006601},
                {u"Nowak-'Lis", 60006601},
                {u"Nowak- Lis", 0},
                {u"O'Brien", 0},
                {u"Nowak2", 60006601},
                {u"Michał-Nowak", 60006601},  // ł as a code point is not a code-page letter
                {u"Nowak-\u00B9ski", 0},      // ą as a Windows-1250 byte
                {u"-Nowak-Lis", 0},           // the first unit is not examined
                {u"--", 0}});                 // a hyphen after a hyphen joins
  EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWISKO(nullptr), 0);
}

TEST(GeneralTest, Email) {
  expect_texts("EMAIL", f_KVTElemT_EMAIL,
               {{u"a@b.pl", 0},
                {u"a@b", 0},
                {u"jan.kowalski_1-x@poczta.example.pl", 0},
                {u"a.@b.pl", 60005301},
                {u"a@.b.pl", 60005301},
                {u"a@b..pl", 60005301},
                {u".a@b.pl", 60005301},
                {u"a@b.pl.", 60005301},
                {u"a@b@c.pl", 60005301},
                {u"@b.pl", 60005301},
                {u"a@", 60005301},
                {u"", 60005301},
                {u"ab.pl", 60005301},
                {u"a b@c.pl", 60005301},
                {u"\u00E9@b.pl", 60005301},
                {u"a@b\u0142.pl", 60005301}});
}

TEST(GeneralTest, Telephone) {
  expect_texts("NR_TELEFONU", f_KVTElemT_NR_TELEFONU,
               {{u"(22) 123-45-67", 0},
                {u"+48 22 1234567", 0},
                {u" 601 100 100", 0},
                {u"22+1", 60007901},
                {u"() 123", 60007901},
                {u"(-) 123", 60007901},
                {u"123-", 60007901},
                {u"-123", 60007901},
                {u"", 60007901},
                {u"(22)(33) 1", 60007901},
                {u"22) 1", 60007901},
                {u"(22 1", 60007901},
                {u"1 - 2", 60007901},
                {u"1 -2", 0},
                {u"12 34x", 60007901},
                {u"(2)", 0},
                {u"2)(2", 60007901},
                {u"( ) 1", 60007901},
                {u"(2))", 60007901}});
}

TEST(GeneralTest, Fraction) {
  expect_texts("ULAMEK33", f_KVTElemT_ULAMEK33,
               {{u"001", 0},
                {u"999", 0},
                {u"000", 0},
                {u"", 0},
                {u"abc", 0},
                {u"0 5", 0},
                {u"12", 60003901},
                {u"1234", 60003901},
                {u"1.5", 60003901},
                {u" 123", 60003901},
                {u"12a", 60003901}});
}

TEST(GeneralTest, MillionUnitTexts) {
  S digits(1'000'000, u'7'), letters(1'000'000, u'a');
  EXPECT_EQ(f_KVTElemT_LICZBA(digits.c_str()), 0);
  EXPECT_EQ(f_KVTElemT_NR_TELEFONU(digits.data()), 0);
  EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWISKO(letters.data()), 0);
  EXPECT_EQ(f_KVTElemT_EMAIL(letters.data()), 60005301);
}

}  // namespace
