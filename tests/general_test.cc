// The general element validators at the exports: texts, names, numbers, e-mail, telephone.
#include <gtest/gtest.h>

#include <string>

#include "olvenir_p.h"
#include "tests/test_support.h"

namespace {

using olv::testing::utf8;

struct Row {
  const char16_t* text;
  int want;
};

// The exports take either char16_t* or const char16_t*; both are run on a writable copy.
template <typename Check>
void expect_rows(const char* name, Check check, std::initializer_list<Row> rows) {
  for (const Row& r : rows) {
    std::u16string copy(r.text);
    EXPECT_EQ(static_cast<int>(check(copy.data())), r.want)
        << name << "(\"" << utf8(r.text) << "\")";
  }
}

// Sets the code page for one test and restores the value at load.
struct CodePage {
  explicit CodePage(int page) { KVTSetCodePage(page); }
  ~CodePage() { KVTSetCodePage(1); }
};

TEST(GeneralTest, NumberTexts) {
  expect_rows("f_KVTElemT_LICZBA", f_KVTElemT_LICZBA,
              {{u"", 0},
               {u"   ", 0},
               {u" 123 ", 0},
               {u"123", 0},
               {u"  12", 0},
               {u"12  ", 0},
               {u"1 2", 60005901},
               {u"+5", 60005901},
               {u"1,5", 60005901},
               {u"12a", 60005901},
               {u"\t1", 60005901},
               {u"1\t", 60005901},
               {u" a", 60005901},
               {u"1 \u00A0", 60005901},
               {u"\uFF11", 60005901}});
  expect_rows("f_KVTElemT_KWOTA", f_KVTElemT_KWOTA,
              {{u"1200", 0}, {u"", 0}, {u"12.50", 60006101}, {u"-3", 60006101}});
  expect_rows("f_KVTElemT_TylkoCyfry", f_KVTElemT_TylkoCyfry,
              {{u"0", 1}, {u"0123456789", 1}, {u"", 0}, {u"12 ", 0}, {u"\u0660", 0}});
}

TEST(GeneralTest, NumberOfExactLength) {
  struct LengthRow {
    const char16_t* text;
    int length;
    int want;
  };
  const LengthRow rows[] = {
      {u" 1234567890", 11, 0}, {u"123", 3, 0}, {u"   ", 3, 0}, {u"123", 4, 1},
      {u"12a", 3, 1},          {u"", 0, 1},    {u"1", -1, 1},
  };
  for (const LengthRow& r : rows) {
    std::u16string copy(r.text);
    EXPECT_EQ(f_KVTIsZnakAndLenght(copy.data(), r.length), r.want)
        << '"' << utf8(r.text) << "\", " << r.length;
  }
}

TEST(GeneralTest, LettersFlagsAndPlainTexts) {
  for (char16_t c : {u'a', u'Z', u'\u0142', u'\u017B', u'\u00DF'}) {
    EXPECT_EQ(f_KVTElemT_LITERA(c), 0) << int(c);
  }
  for (char16_t c : {u'1', u' ', u'-', u'\0', char16_t(0xD800)}) {
    EXPECT_EQ(f_KVTElemT_LITERA(c), 60006701) << int(c);
  }
  expect_rows("f_KVTElemT_LOGICZNE", f_KVTElemT_LOGICZNE,
              {{u"X", 0},
               {u"", 0},
               {u"x", 60006001},
               {u"X ", 60006001},
               {u" X", 60006001},
               {u"XX", 60006001}});
  expect_rows("f_KVTElemT_LANCUCH_OGOLNY", f_KVTElemT_LANCUCH_OGOLNY,
              {{u"", 0},
               {u"Za\u017C\u00F3\u0142\u0107", 0},
               {u"a b", 60006701},
               {u"a1", 60006701},
               {u"a.", 60006701}});
  expect_rows("f_KVTElemT_KRAJ", f_KVTElemT_KRAJ,
              {{u"Nowa Zelandia", 0}, {u"", 0}, {u" ", 0}, {u"A-B", 60006701}, {u"\tA", 60006701}});
  expect_rows("f_KVTElemT_LANCUCH_IMIE", f_KVTElemT_LANCUCH_IMIE,
              {{u"", 60006401},
               {u"Anna Maria", 0},
               {u"O'Hara", 0},
               {u"\u0141ucja", 0},
               {u"Anna-Maria", 60006401},
               {u"Ann4", 60006401}});
  expect_rows("f_KVTElemT_NAZWA_NUMER", f_KVTElemT_NAZWA_NUMER,
              {{u"", 0},
               {u"Nr 12-a", 0},
               {u"\u0141\u00F3d\u017A 5", 0},
               {u"Ul. 5", 62001201},
               {u"a_b", 62001201}});
}

TEST(GeneralTest, SeparatedCodes) {
  expect_rows("f_KVTElemT_LANCUCH_LICZBYZNAKI", f_KVTElemT_LANCUCH_LICZBYZNAKI,
              {{u"", 0},
               {u"AB//12", 0},
               {u"\u017B1/x", 0},
               {u"/AB", 60007501},
               {u"AB/", 60007501},
               {u"/", 60007501},
               {u"A B", 60007501},
               {u"A-B", 60007501}});
  expect_rows("f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY", f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY,
              {{u"", 0},
               {u"AB-12/3", 0},
               {u"-AB", 0},
               {u"/1-a", 0},
               {u"AB--1", 60007701},
               {u"AB-", 60007701},
               {u"A/-B", 60007701},
               {u"/", 60007701},
               {u"\u01041", 60007701},
               {u"a b", 60007701}});
}

TEST(GeneralTest, FirmNames) {
  expect_rows("f_KVTElemT_LANCUCH_NAZWA", f_KVTElemT_LANCUCH_NAZWA,
              {{u"", 0},
               {u"Firma \"X\" & Syn, s.c. 2/3_a\\b", 0},
               {u"Zak\u00B3ad", 0},    // B3: the code-page byte of the letter l with stroke
               {u"\u00D3\u00F3", 0},   // low bytes D3 and F3 fall in both classes
               {u"\u0142", 60006501},  // U+0142: its low byte 42 is no Polish letter
               {u"\u01B9", 0},         // low byte B9 is a Polish letter in Windows-1250
               {u"A+B", 60006501},
               {u"O'Neil", 60006501},
               {u"\t", 60006501}});
  EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWA(nullptr), 0);
  std::u16string iso_letter(u"\u00A1");  // A1 is an upper-case letter in ISO 8859-2 only
  EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWA(iso_letter.data()), 60006501);
  {
    CodePage iso(0);
    EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWA(iso_letter.data()), 0);
  }
  {
    CodePage none(7);
    std::u16string polish(u"\u00D3");
    EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWA(polish.data()), 60006501);
  }
}

TEST(GeneralTest, Surnames) {
  expect_rows("f_KVTElemT_LANCUCH_NAZWISKO", f_KVTElemT_LANCUCH_NAZWISKO,
              {{u"", 0},
               {u"Nowak-Kowalska", 0},
               {u"\u0141\u0105cka", 0},  // all letters pass whatever the code page
               {u"O'Neil", 0},
               {u"Nowak -Lis", 0},
               {u"Nowak- Lis", 0},
               {u"1abc", 0},  // the first unit is not examined
               {u"--", 0},    // a hyphen after a hyphen is accepted before it is counted
               {u"Nowak-\u00D3w", 0},
               {u"Nowak--", 60006601},
               {u"Nowak-", 60006601},
               {u"Kowalska-Nowak-Lis", 60006601},
               {u"Nowak-'a", 60006601},
               {u"Nowak-\u0141o\u015B", 60006601},  // U+0141 is no code-page byte
               {u"x1", 60006601},
               {u"Nowak.", 60006601}});
  EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWISKO(nullptr), 0);
}

TEST(GeneralTest, EmailAddresses) {
  expect_rows("f_KVTElemT_EMAIL", f_KVTElemT_EMAIL,
              {{u"a@b.pl", 0},
               {u"a@b", 0},
               {u"jan_kowalski-1@x.y.pl", 0},
               {u"", 60005301},
               {u"a.@b.pl", 60005301},
               {u"a@.b.pl", 60005301},
               {u"a@b..pl", 60005301},
               {u".a@b.pl", 60005301},
               {u"a@b.pl.", 60005301},
               {u"a@b@c.pl", 60005301},
               {u"@b.pl", 60005301},
               {u"a@", 60005301},
               {u"ab.pl", 60005301},
               {u"\u0105@b.pl", 60005301},
               {u"a b@c.pl", 60005301},
               {u"a@b\u0141", 60005301}});
}

TEST(GeneralTest, TelephoneNumbers) {
  expect_rows("f_KVTElemT_NR_TELEFONU", f_KVTElemT_NR_TELEFONU,
              {{u"(22) 123-45-67", 0}, {u"+48 22 1234567", 0}, {u" 12", 0},
               {u"1 -2", 0},           {u"1- 2", 0},           {u"(1)", 0},
               {u"22+1", 60007901},    {u"() 123", 60007901},  {u"(-) 123", 60007901},
               {u"( ) 1", 60007901},   {u"123-", 60007901},    {u"-123", 60007901},
               {u"", 60007901},        {u"12a", 60007901},     {u")12", 60007901},
               {u"12)", 60007901},     {u"(1)(2)", 60007901},  {u"(12", 60007901},
               {u"1 - 2", 60007901},   {u"(1))", 60007901},    {u"1)(2", 60007901},
               {u"++48", 60007901}});
}

TEST(GeneralTest, ThreeDigitFractions) {
  expect_rows("f_KVTElemT_ULAMEK33", f_KVTElemT_ULAMEK33,
              {{u"000", 0},
               {u"", 0},
               {u"001", 0},
               {u"999", 0},
               {u"abc", 0},
               {u"0a", 0},
               {u"12", 60003901},
               {u"1234", 60003901},
               {u"1.5", 60003901},
               {u" 123", 60003901},
               {u"-12", 60003901},
               {u"12 ", 60003901}});
}

TEST(GeneralTest, LongTextsStayLinear) {
  std::u16string digits(1'000'000, u'7');
  EXPECT_EQ(f_KVTElemT_LICZBA(digits.c_str()), 0);
  EXPECT_EQ(f_KVTElemT_NR_TELEFONU(digits.data()), 0);
  std::u16string letters(1'000'000, u'a');
  EXPECT_EQ(f_KVTElemT_LANCUCH_NAZWISKO(letters.data()), 0);
  EXPECT_EQ(f_KVTElemT_EMAIL(letters.data()), 60005301);
}

}  // namespace
