// The element dispatcher: the types without a test, the dictionary types, the validated types
// with their length test, the unknown types, and the document-type field.
#include "elements/dispatcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "olvenir_p.h"
#include "tests/fake_service.h"
#include "tests/test_support.h"

namespace {

using olv::testing::ScopedFakeService;
using olv::testing::utf8;

// Texts on which the validators differ from one another.
const char16_t* const kSamples[] = {
    u"",          u"   ",  u"1",          u"A",        u"Kowalski",         u"ab@cd.pl",
    u"15032024",  u"1503", u"1503202401", u"01032024", u"44051401359",      u"1234567890",
    u"ABC123456", u"PL",   u"T",          u"12.50",    u"+48 22 123 45 67", u"Firma-1 Sp.",
    u"x\xD800",   u"ŻÓŁW",
};

// The finding codes that the table of element types lists for each type are the only ones its
// validator gives on the samples: a type routed to another validator gives another's codes.
TEST(DispatcherTest, EachTypeGivesOnlyTheFindingsItsRowLists) {
  const std::pair<short, std::vector<int>> rows[] = {
#define OLV_ELEMENT(type, NAME, validator, ...) {type, {0, 60004001, __VA_ARGS__}},
#include "olvenir_p/element_types.def"
  };
  for (const auto& [type, codes] : rows) {
    for (const char16_t* sample : kSamples) {
      std::u16string text = sample;
      const int result = f_KVTElem(type, text.data(), 11);
      EXPECT_NE(std::find(codes.begin(), codes.end(), result), codes.end())
          << type << " " << utf8(text) << " = " << result;
    }
  }
}

TEST(DispatcherTest, LengthTestUnknownTypesAndTheDocumentType) {
  // A negative maximum is a huge unsigned one.
  const std::tuple<short, const char16_t*, int, bool> cases[] = {
      {121, u"440514013591", 11, true},
      {121, u"44051401359", 11, false},
      {121, u"440514013591", -1, false},
      {102, u"15032024", 7, true},
      {102, u"", 0, false},
      {113, u"x", 0, true},
      {113, u"x", INT32_MIN, false},
      {130, u"PL", 1, true},
  };
  for (auto [type, text, max_length, refused] : cases) {
    EXPECT_EQ(olv::f_KVTElem(type, text, max_length) == 60004001, refused)
        << type << " " << utf8(text) << " max " << max_length;
  }
  const std::u16string million(1000000, u'a');
  EXPECT_EQ(olv::f_KVTElem(110, million, 999999), 60004001);
  // Types without a test pass anything; unknown types answer -1000 minus the type.
  for (int type : {0, 103, 119, 123, 10006, 10010, 10017, 10019, 10021}) {
    EXPECT_EQ(f_KVTElem(static_cast<short>(type), nullptr, -5), 0) << type;
    EXPECT_EQ(f_KVTElem(static_cast<short>(type), const_cast<char16_t*>(u"@@@"), 0), 0) << type;
  }
  char16_t one[] = u"1";
  for (int type : {1,   5,    23,    25,    36,    38,    100,   111,   124, 127,
                   131, 5000, 10005, 10018, 10022, 10026, 10037, 32767, -1,  -32768}) {
    EXPECT_EQ(f_KVTElem(static_cast<short>(type), one, 100), -1000 - type) << type;
  }
  ScopedFakeService fake;
  fake.state.codes = {u"1"};
  EXPECT_EQ(fb_KVTPoleRodzajDokumentu(u""), 0);
  EXPECT_EQ(fb_KVTPoleRodzajDokumentu(nullptr), 0);
  EXPECT_EQ(fb_KVTPoleRodzajDokumentu(u"12"), 1);
  EXPECT_TRUE(fake.state.taken().empty());
  EXPECT_EQ(fb_KVTPoleRodzajDokumentu(u"1"), 0);
  EXPECT_EQ(fb_KVTPoleRodzajDokumentu(u"2"), -1);
  EXPECT_EQ(fb_KVTPoleRodzajDokumentu(u"A"), -1);  // not digits: refused before the service
  ASSERT_EQ(fake.state.taken().size(), 2u);
  EXPECT_EQ(fake.state.taken()[0].number, 10023);
}

TEST(DispatcherTest, DictionaryTypesAskTheDictionaryOfTheirNumber) {
  ScopedFakeService fake;
  fake.state.codes = {u"1"};
  const std::vector<int> types = {10020, 10023, 10024, 10025, 10027, 10028, 10029,
                                  10030, 10031, 10032, 10033, 10034, 10035, 10036};
  for (int type : types) {
    EXPECT_EQ(olv::f_KVTElem(static_cast<short>(type), u"1", 0), 0) << type;  // no length test
    EXPECT_EQ(olv::f_KVTElem(static_cast<short>(type), u"2", 100), -1) << type;
    const std::vector<olv::testing::ServiceCall> calls = fake.state.taken();
    ASSERT_FALSE(calls.empty()) << type;
    EXPECT_EQ(std::pair(calls.back().number, calls.back().date), std::pair(type, 0));
  }
  // 24 and 37 are no dictionary numbers: always -1, without asking.
  EXPECT_EQ(olv::f_KVTElem(24, u"1", 100), -1);
  EXPECT_EQ(olv::f_KVTElem(37, u"", 100), -1);
  EXPECT_EQ(fake.state.taken().size(), 2 * types.size());
}

}  // namespace
