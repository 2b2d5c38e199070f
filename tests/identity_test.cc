// The identity-number validators at the exports: PESEL, REGON, NIP, NUSP, cards, passports.
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

// Runs each row through the export on a writable copy of its text.
void expect_rows(const char* name, int (*check)(char16_t*), std::initializer_list<Row> rows) {
  for (const Row& r : rows) {
    std::u16string copy(r.text);
    EXPECT_EQ(check(copy.data()), r.want) << name << "(\"" << utf8(r.text) << "\")";
  }
}

TEST(IdentityTest, Pesel) {
  expect_rows(
      "f_KVTElemT_PESEL", f_KVTElemT_PESEL,
      {
          {u"90051412343", 0},         {u"44514001359", 60005401},  // month 51: 2144 is after 2050
          {u"50810100175", 0},                                      // month 81-92: the 19th century
          {u"99923100052", 0},                                      // 31 December 1899
          {u"05230700010", 0},                                      // month 21-32: the 21st century
          {u"24222900012", 0},                                      // 29 February 2024
          {u"00222900016", 0},                                      // 29 February 2000
          {u"23222900015", 60005401},                               // 29 February 2023
          {u"00022900010", 60005401},                               // 29 February 1900
          {u"01410100175", 60005401},                               // 2101 is after 2050
          {u"49810100179", 60005401},                               // 1849 is before 1850
          {u"12130100013", 60005401},                               // month 13
          {u"12620100017", 60005401},                               // month 62: 2201
          {u"90051400003", 60005401},                    // serial 0000, check digit right
          {u"90051412344", 60005401},                    // wrong check digit
          {u"90051412343 ", 0},                          // a trailing space is past position 11
          {u"900514123431", 0},                          // position 12 is not examined
          {u" 90051412343", 60005401},                   // shifted: position 1 is the space
          {u"9005141234A", 60005901},                    // the number test comes first
          {u"9005 141234", 60005901},  {u"", 60005401},  // shorter than 11
          {u"9005141234", 60005401},   {u"           ", 60005401},
      });
  for (const char16_t* mm : {u"00", u"13", u"20", u"40", u"93", u"99"}) {
    std::u16string pesel = u"90" + std::u16string(mm) + u"1412343";
    EXPECT_EQ(f_KVTElemT_PESEL(pesel.data()), 60005401) << utf8(pesel);
  }
}

TEST(IdentityTest, Regon) {
  expect_rows("f_KVTElemT_REGON", f_KVTElemT_REGON,
              {
                  {u"123456785", 0},
                  {u"732512348", 0},
                  {u"100000050", 0},  // the sum modulo 11 is 10: check value 0
                  {u"100000051", 60005201},
                  {u"123456786", 60005201},
                  {u"12345678512347", 0},
                  {u"73251234800019", 0},
                  {u"12345678512348", 60005201},
                  {u"12345678612342", 60005201},  // 14th digit right, 9th wrong
                  {u"         ", 0},              // all values 0, check 0
                  {u"", 60005201},
                  {u"1234567850", 60005201},
                  {u"12345678", 60005201},
                  {u"12345678a", 60005901},
              });
}

TEST(IdentityTest, Nip) {
  expect_rows("f_KVTElemT_NIP", f_KVTElemT_NIP,
              {
                  {u"1234563218", 0},
                  {u"5260250995", 0},
                  {u"5260250994", 60005101},
                  {u"1000000160", 60005101},  // the sum modulo 11 is 10
                  {u"1000000161", 60005101},
                  {u"0000000000", 60005101},
                  {u"0000000000 ", 0},  // not exactly ten zeros; the check value 0 holds
                  {u"", 0},
                  {u"123456321", 60005101},  // too short comes before the number test
                  {u"12345a3218", 60005901},
                  {u"123-456-32-18", 60005901},
                  {u"12345632189", 0},  // position 11 is not examined
              });
}

TEST(IdentityTest, Nusp) {
  expect_rows("f_KVTElemT_NUSP", f_KVTElemT_NUSP,
              {
                  {u"1246813577", 0},
                  {u"9000000009", 0},
                  {u"0000000000", 0},
                  {u"1246813578", 60005001},  // first sum
                  {u"2246813577", 60005001},  // second sum
                  {u"A000000000", 0},         // a letter counts 0 and is not rejected
                  {u"123456789", 1},
                  {u"12345678901", 1},
                  {u"", 1},
              });
}

TEST(IdentityTest, IdentityCards) {
  expect_rows("f_KVTElemT_DOWOD_NOWY", f_KVTElemT_DOWOD_NOWY,
              {
                  {u"ABC123456", 0},
                  {u"\u0141\u00D3\u017B123456", 0},  // any character but a-z and digits
                  {u"#-.123456", 0},
                  {u"aBC123456", 61002201},
                  {u"AB1123456", 61002201},
                  {u"AB 123456", 61002201},
                  {u" BC123456", 0},  // only position 3 refuses the space
                  {u"ABC12345", 61002201},
                  {u"ABC1234567", 61002201},
                  {u"ABC12345X", 61002201},
              });
  expect_rows("f_KVTElemT_DOWOD_STARY", f_KVTElemT_DOWOD_STARY,
              {
                  {u"AB1234567", 0},
                  {u"A 1234567", 0},
                  {u"Ab1234567", 61002201},
                  {u"1B1234567", 61002201},
                  {u"ABC123456", 61002201},
                  {u"AB123456", 61002201},
              });
  expect_rows("f_KVTElemT_DOWOD_NOWY_I_STARY", f_KVTElemT_DOWOD_NOWY_I_STARY,
              {
                  {u"ABC123456", 0},
                  {u"AB1234567", 0},
                  {u"abc123456", 61002201},
                  {u"AB 123456", 61002201},
                  {u"ABC1234567", 61002201},
                  {u"", 61002201},
              });
}

TEST(IdentityTest, Passport) {
  expect_rows("f_KVTElemT_PASZPORT", f_KVTElemT_PASZPORT,
              {
                  {u"", 0},
                  {u"AB1234567", 0},
                  {u"\u0141\u00F3d\u017A1", 0},
                  {u"AB 123", 60007301},
                  {u"AB-123", 60007301},
                  {u"\xD800", 60007301},
              });
}

TEST(IdentityTest, IdentifierByType) {
  struct TypeRow {
    const char16_t* type;
    const char16_t* id;
    int want;
  };
  const TypeRow rows[] = {
      {u"1", u"ABC123456", 0},
      {u"1", u"abc123456", 61002201},
      {u"2", u"AB123", 0},
      {u"2", u"AB 123", 60007301},
      {u"P", u"90051412343", 0},
      {u"P", u"90051412344", 60005401},
      {u"P", u"9005141234x", 60005901},
      {u"N", u"1234563218", 0},
      {u"N", u"1234563219", 60005101},
      {u"p", u"90051412343", 1},
      {u"1 ", u"ABC123456", 1},
      {u"", u"", 1},
      {u"12", u"ABC123456", 1},
  };
  for (const TypeRow& r : rows) {
    std::u16string type(r.type), id(r.id);
    EXPECT_EQ(f_KVTTypAndIdentyfikator(type.data(), id.data()), r.want)
        << '"' << utf8(r.type) << "\", \"" << utf8(r.id) << '"';
  }
}

TEST(IdentityTest, NullTextsAreEmpty) {
  EXPECT_EQ(f_KVTElemT_PESEL(nullptr), 60005401);
  EXPECT_EQ(f_KVTElemT_REGON(nullptr), 60005201);
  EXPECT_EQ(f_KVTElemT_NIP(nullptr), 0);
  EXPECT_EQ(f_KVTElemT_NUSP(nullptr), 1);
  EXPECT_EQ(f_KVTTypAndIdentyfikator(nullptr, nullptr), 1);
}

}  // namespace
