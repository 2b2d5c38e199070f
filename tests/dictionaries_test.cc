// Dictionary code checks, lookups, names, the host's code table and the fixed answers, and the
// one query of the dictionary service under them: the arguments as they arrive, the defaults
// without a service, an exception for each failure, and nothing left behind on any path. The
// exception's text is the shared library's boundary test.
#include "dictionaries/dictionaries.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "dictionaries/code_lists.h"
#include "dictionaries/service_query.h"
#include "olvenir_p.h"
#include "platform/clock.h"
#include "platform/runtime_names.h"
#include "tests/fake_service.h"
#include "tests/test_support.h"

namespace {

using olv::testing::ServiceCall;
using olv::testing::utf8;
using Texts = std::vector<std::u16string>;
using DictionariesTest = olv::testing::ServiceFixture;

TEST_F(DictionariesTest, RuleChecksPassTheirTextsAndKeepTheLow32Bits) {
  // The service's 64-bit answer and the check's.
  const std::pair<int64_t, int32_t> cases[] = {
      {0, 0}, {61002201, 61002201}, {0x1234567800000005, 5}, {-1, -1}, {0xFFFFFFFF, -1}};
  for (const auto& [out, want] : cases) {
    fake_.state.rule_result = out;
    EXPECT_EQ(olv::service_rule_check(u"ab"), want) << out;
    EXPECT_EQ(olv::service_rule_check(u"x", u"y"), want) << out;
  }
  olv::service_rule_check(olv::Text(), u"");
  std::vector<ServiceCall> seen = calls();
  ASSERT_EQ(seen.size(), 11u);
  EXPECT_EQ(fake_.state.created, 11) << "every query creates its own instance";
  EXPECT_EQ(seen[0].operation, "CheckRule");
  EXPECT_EQ(seen[0].texts, Texts{u"ab"});
  EXPECT_EQ(seen[1].operation, "CheckRulePair");
  EXPECT_EQ(seen[1].texts, (Texts{u"x", u"y"}));
  // A null text travels as a null string, an empty one as an empty string.
  EXPECT_EQ(seen[10].texts, (Texts{u"<null>", u""}));
  for (const ServiceCall& call : seen) EXPECT_TRUE(call.initialised) << call.operation;
}

TEST_F(DictionariesTest, EveryOperationThrowsItsFailure) {
  fake_.state.failure = E_INVALIDARG;
  stWarunekY condition{nullptr, 0, nullptr};
  EXPECT_THROW(olv::service_rule_check(u"a"), olvenir_p::ServiceError);
  EXPECT_THROW(olv::service_rule_check(u"a", u"b"), olvenir_p::ServiceError);
  EXPECT_THROW(olv::service_code_check(10006, u"1", 0), olvenir_p::ServiceError);
  EXPECT_THROW(olv::service_lookup(u"d", u"k", u"v", u"c"), olvenir_p::ServiceError);
  EXPECT_THROW(olv::service_lookup_where(u"d", &condition, 1, u"c"), olvenir_p::ServiceError);
  EXPECT_EQ(calls().size(), 5u);
}

TEST_F(DictionariesTest, UnallocatableCopyThrowsOutOfMemoryBeforeAnyCall) {
  const char16_t unit = u'x';
  const olv::Text huge(&unit, static_cast<std::size_t>(UINT32_MAX) + 1);  // never read
  try {
    olv::service_rule_check(u"a", huge);
    FAIL() << "no exception";
  } catch (const olvenir_p::ServiceError& e) {
    EXPECT_EQ(e.result(), E_OUTOFMEMORY);
  }
  EXPECT_TRUE(calls().empty());
}

TEST_F(DictionariesTest, LocalFormatTestsDecideBeforeTheService) {
  fake_.state.codes = {u"12", u"123456", u"12X", u"A", u"", u"0"};
  const std::tuple<int, const char16_t*, int, bool> cases[] = {
      {10000, u"12", -1, false},     {10057, u"12", -1, false},
      {10060, u"12", -1, false},     {10003, u"12345", -1, false},
      {10003, u"12345a", -1, false}, {10003, u"123456", 0, false},  // no date: accepted unasked
      {10005, u"12X", 0, true},      {10014, u"1X2", -1, false},
      {10005, u"1", -1, false},      {10024, u"A", 0, true},
      {10034, u"A", 0, true},        {10052, u"A", 0, true},
      {10026, u"12", -1, false},     {10040, u"12", -1, false},
      {10044, u"0", -1, false},      {10006, u"1a", -1, false},
      {10006, u"12", 0, true},       {10006, u"13", -1, true},
      {10006, u"", 0, true},         {10001, u"0", 0, true},
      {10056, u" 0", -1, false},
  };
  for (const auto& [number, code, want, asks] : cases) {
    const size_t before = calls().size();
    EXPECT_EQ(olv::fb_KVTKodSprawdzArkusze(number, code, olv::Text()), want)
        << number << " " << utf8(code);
    EXPECT_EQ(calls().size() - before, asks ? 1u : 0u) << number << " " << utf8(code);
  }
  // The whole code goes to the service, not only the part the local test reads.
  EXPECT_EQ(calls()[0].texts, Texts{u"12X"});
  EXPECT_EQ(calls()[0].number, 10005);
}

TEST_F(DictionariesTest, DictionaryDateOfEachDateForm) {
  const std::tuple<const char16_t*, int32_t> cases[] = {
      {nullptr, 0},        {u"", 0},         {u"15032024", 20240315}, {u"29022024", 20240229},
      {u"032024", 202403}, {u"31022024", 0}, {u"132024", 0},          {u"122051", 0},
      {u"1503202", 0},     {u"        ", 0}, {u"01011849", 18490101}, {u"012050", 205001},
      {u"011850", 185001},
  };
  for (const auto& [date, want] : cases) {
    EXPECT_EQ(olv::dictionary_date(olv::text(date)), want) << utf8(olv::text(date));
    fb_KVTKodSprawdzArkusze(10006, const_cast<char16_t*>(u"1"), const_cast<char16_t*>(date));
    EXPECT_EQ(calls().back().date, want) << utf8(olv::text(date));
  }
  // Dictionary 10003 with a date is asked, with the date.
  EXPECT_EQ(olv::fb_KVTKodSprawdzArkusze(10003, u"123456", u"15032024"), -1);
  EXPECT_EQ(calls().back().date, 20240315);
  // The code check with a dictionary date makes no format test.
  fake_.state.codes = {u"x y"};
  EXPECT_TRUE(fb_KVTKodSprawdzArkusze(10040, u"x y", 7));
  EXPECT_EQ(calls().back().number, 10040);
  EXPECT_EQ(calls().back().date, 7);
}

TEST_F(DictionariesTest, JoinedInsuranceRulesCode) {
  EXPECT_EQ(olv::fb_KVTZasadyPodleganiaUb(u"12", u"34", u"56", olv::Text()), 0);
  EXPECT_TRUE(calls().empty());
  EXPECT_EQ(olv::fb_KVTZasadyPodleganiaUb(u"12", u"34", u"567", u"15032024"), -1);
  EXPECT_EQ(olv::fb_KVTZasadyPodleganiaUb(u"1234567", u"", u"", u"15032024"), -1);
  EXPECT_TRUE(calls().empty());
  fake_.state.codes = {u"123456"};
  EXPECT_EQ(olv::fb_KVTZasadyPodleganiaUb(u"1", u"23", u"456", u"032024"), 0);
  ASSERT_EQ(calls().size(), 1u);
  EXPECT_EQ(calls()[0].number, 10003);
  EXPECT_EQ(calls()[0].texts, Texts{u"123456"});
  EXPECT_EQ(calls()[0].date, 202403);
  EXPECT_EQ(fb_KVTZasadyPodleganiaUb(nullptr, nullptr, nullptr, nullptr), -1);
}

TEST_F(DictionariesTest, KinshipCodes) {
  fake_.state.answers = {{u"11", u"1"}, {u"12", u""}, {u"13", u" x"}, {u"14", u"2"}};
  const std::tuple<const char16_t*, int, int, int, int> cases[] = {
      {u"11", 1, 32, 0, 0},   {u"14", 1, 32, -1, -1},  {u"12", 1, 32, -1, -1},
      {u"13", 3, 32, 0, 0},   {u"12", 3, 32, 0, -1},   {u"14", 3, 32, -1, 0},
      {u"14", 3, '2', 0, 0},  {u"15", 3, 32, -1, -1},  // not in the dictionary: a null value
      {u"11", 2, 32, -1, -1}, {u"111", 3, 32, -1, -1}, {u"1a", 1, 32, -1, -1},
  };
  for (const auto& [code, kind, ch, want_plain, want_is] : cases) {
    EXPECT_EQ(olv::fb_KVTKodPokrewienstwa(code, kind, ch), want_plain)
        << utf8(code) << " kind " << kind;
    EXPECT_EQ(olv::fb_KVTKodPokrewienstwaJest(code, kind, ch), want_is)
        << utf8(code) << " kind " << kind;
  }
  // Only well-formed codes of known kinds reach the service, with the kind's column.
  EXPECT_EQ(calls().size(), 16u);
  EXPECT_EQ(calls()[0].texts,
            (Texts{u"slU_KodPokrew", u"STP_KODPOKREW", u"11", u"STP_WGOSPZOSUBEZP"}));
  EXPECT_EQ(calls()[6].texts[3], u"STP_KOD_ST_NIEPEL");
}

TEST_F(DictionariesTest, DefaultsWithNothingRegistered) {
  olvenir_RevokeClass(&CLSID_OlvenirDictionaryService);
  EXPECT_EQ(fb_KVTKodSprawdz(10006, const_cast<char16_t*>(u"99"), 0), 0);
  EXPECT_EQ(fb_KVTKodSprawdzArkusze(10006, const_cast<char16_t*>(u"99"), nullptr), 0);
  EXPECT_EQ(fb_KVTKodSprawdzArkusze(10040, const_cast<char16_t*>(u"99"), nullptr), -1);
  EXPECT_TRUE(fb_KVTKodSprawdzArkusze(10006, u"99", 0));
  EXPECT_EQ(olv::service_rule_check(u"a"), -1);
  EXPECT_EQ(olv::service_rule_check(u"a", u"b"), -1);
  for (char16_t* value : {sl_DajWartoscZeSlownika(nullptr, nullptr, nullptr, nullptr),
                          sl_DajWartoscZeSlownikaW(nullptr, nullptr, 0, nullptr)}) {
    EXPECT_EQ(std::u16string(value), u"-1");
    olvenir_SysFreeString(value);
  }
  // The "-1" of a missing service begins with neither "1" nor a space.
  EXPECT_EQ(olv::fb_KVTKodPokrewienstwa(u"11", 1, 32), -1);
  EXPECT_EQ(olv::fb_KVTKodPokrewienstwaJest(u"11", 3, 32), 0);
  const char16_t* dates[] = {u"15032024", nullptr};
  EXPECT_EQ(olv::fb_KVT_KodTyt_WypDok_ONE_XML(u"d", u"c", nullptr, 0, dates), 0);
}

TEST_F(DictionariesTest, LookupAtDatesTriesEachValidDateInTurn) {
  olv::set_today_for_testing({2024, 3, 5});
  fake_.state.answers = {{u"01042024", u"tak"}, {u"05032024", u"dziś"}};
  BSTR first_value = olvenir_SysAllocString(u"kept");
  stWarunekY conditions[2] = {{nullptr, -2, nullptr}, {nullptr, 2, first_value}};
  // The dates, the answer, and the second condition's value in each lookup.
  const std::tuple<std::vector<const char16_t*>, int, Texts> cases[] = {
      {{nullptr}, -1, {}},
      {{u"15032024", u"xx", u"01042024", u"02042024", nullptr}, 0, {u"15032024", u"01042024"}},
      {{u"032024", nullptr}, -1, {u"032024"}},
      {{u"xx", u"", nullptr}, 0, {u"05032024"}},  // no valid date: today's, for each text
      {{u"31022024", u"zz", nullptr}, 0, {u"05032024"}},
  };
  for (const auto& [dates, want, want_asked] : cases) {
    const size_t before = calls().size();
    EXPECT_EQ(olv::fb_KVT_KodTyt_WypDok_ONE_XML(u"slU_T", u"KOL", conditions, 2, dates.data()),
              want);
    Texts asked;
    for (size_t i = before; i < calls().size(); ++i) asked.push_back(calls()[i].texts[7]);
    EXPECT_EQ(asked, want_asked) << "case with " << dates.size() - 1 << " dates";
    EXPECT_EQ(conditions[1].value, first_value) << "the host's condition was not given back";
  }
  EXPECT_EQ(calls()[0].texts[0], u"slU_T");
  EXPECT_EQ(calls()[0].texts[1], u"KOL");
  EXPECT_EQ(olv::fb_KVT_KodTyt_WypDok_ONE_XML(u"d", u"c", conditions, 2, nullptr), -1);
  olvenir_SysFreeString(first_value);
  olv::clear_today_for_testing();
}

TEST_F(DictionariesTest, InsuranceTitleNotOnTheRsaForm) {
  fake_.state.answers = {{u"15032024", u"0110"}};
  EXPECT_EQ(fb_KVT_KodTyt_WypDok_RSA_ONE(nullptr, u"0110", u"1", u"xx", u"15032024", nullptr), 0);
  ASSERT_EQ(calls().size(), 1u);
  EXPECT_EQ(calls()[0].texts,
            (Texts{u"slU_KodTytNieNaFormularzu", u"KOD_TYT_UBEZ", u"DATA_OD", u"-2", u"",
                   u"DATA_DO", u"2", u"15032024", u"KOD_TYT_UBEZ", u"0", u"0110", u"PR_EM_RENT",
                   u"0", u"1", u"RODZ_FORM", u"0", u"RSA"}));
  EXPECT_EQ(fb_KVT_KodTyt_WypDok_RSA_ONE(nullptr, u"0110", u"1", u"01012020", nullptr), -1);
  EXPECT_EQ(fb_KVT_KodTyt_WypDok_RSA_ONE(nullptr, u"0110", u"1", nullptr), 0);
  EXPECT_EQ(fb_KVT_KodTyt_WypDok_RSA_ONE(nullptr, u"0110", u"1", u"15032024", nullptr), 0);
  const size_t asked = calls().size();
  EXPECT_EQ(fb_KVT_KodTyt_WypDok_RSA_ONE(nullptr, u"011", u"1", u"15032024", nullptr), -1);
  EXPECT_EQ(fb_KVT_KodTyt_WypDok_RSA_ONE(nullptr, u"01a0", u"1", u"15032024", nullptr), -1);
  EXPECT_EQ(fb_KVT_KodTyt_WypDok_RSA_ONE(nullptr, nullptr, nullptr, nullptr), -1);
  EXPECT_EQ(calls().size(), asked);
}

// A host's table: groups in arrays of 10, children hanging off a group.
TEST(DictionariesCodeTableTest, CodesMatchExactlyUpTo22Units) {
  stPozycjaKodu child_codes[] = {{u"DEEP", 0, 0, 0, nullptr}};
  stGrupaKodow children[10] = {};
  children[3] = {1, child_codes, nullptr};
  stPozycjaKodu codes[] = {
      {u"AB", 20240315, 20240415, 0, nullptr},
      {u"IGNORED", 0, 0, 0, u"ALT"},
      {u"EMPTYALT", 0, 0, 0, u""},
      {u"ABCDEFGHIJKLMNOPQRSTUV", 0, 0, 0, nullptr},     // 22 units
      {u"ABCDEFGHIJKLMNOPQRSTU XYZ", 0, 0, 0, nullptr},  // 22nd unit a space
      {u"LO", 99999900, 99999999, 0, nullptr},           // months up to 999999
      {u"HI", 1000000, 1000000, 0, nullptr},             // the least day date
  };
  stGrupaKodow groups[10] = {};
  groups[0] = {0, nullptr, nullptr};
  groups[9] = {7, codes, children};
  const std::u16string k22 = u"ABCDEFGHIJKLMNOPQRSTUV";
  // clang-format off
  const std::tuple<std::u16string, int, int> cases[] = {
      {u"AB", 0, 0},          {u"AB", -5, 0},        {u"A", 0, -1},         {u"ABC", 0, -1},
      {u"AB", 202403, 0},     {u"AB", 202404, 0},    {u"AB", 202402, -1},   {u"AB", 202405, -1},
      {u"AB", 20240315, 0},   {u"AB", 20240314, -1}, {u"AB", 20240415, 0},  {u"AB", 20240416, -1},
      {u"ALT", 0, 0},         {u"IGNORED", 0, -1},   {u"EMPTYALT", 0, 0},   {u"DEEP", 0, 0},
      {u"", 0, -1},           {k22, 0, 0},           {k22 + u"XYZ", 0, 0},  {k22.substr(0, 21), 0, 0},
      {k22.substr(0, 20), 0, -1}, {u"LO", 999999, 0}, {u"LO", 1000000, -1}, {u"HI", 1000000, 0},
      {u"HI", 999999, -1},
  };
  // clang-format on
  for (const auto& [code, date, want] : cases) {
    std::u16string copy = code;
    EXPECT_EQ(sl_CzyPrawidlowyKodLiterowy(groups, copy.data(), date), want)
        << utf8(code) << " at " << date;
  }
  EXPECT_EQ(sl_CzyPrawidlowyKodLiterowy(groups, nullptr, 0), -1);
  EXPECT_EQ(sl_CzyPrawidlowyKodLiterowy(nullptr, const_cast<char16_t*>(u"AB"), 0), -1);
}

TEST(DictionariesCodeTableTest, CyclicTableEndsTheSearch) {
  stGrupaKodow groups[10] = {};
  groups[0].children = groups;
  EXPECT_EQ(olv::sl_CzyPrawidlowyKodLiterowy(groups, u"X", 0), -1);
  // Every group leading back to its own array: the search must not branch on without end.
  for (stGrupaKodow& g : groups) g.children = groups;
  EXPECT_EQ(olv::sl_CzyPrawidlowyKodLiterowy(groups, u"X", 0), -1);
}

TEST(DictionariesTextTest, DigitCodes) {
  const std::tuple<const char16_t*, int, int> cases[] = {
      {u"", 0, 0},     {u"123", 0, 0}, {u"123", 3, 0}, {u"123", 2, -1},    {u"12a", 3, -1},
      {u"12 ", 0, -1}, {u"", 1, -1},   {u"1", -1, -1}, {u"\x0661", 0, -1}, {nullptr, 0, 0},
  };
  for (const auto& [code, length, want] : cases) {
    EXPECT_EQ(sl_PoprawnyKod(const_cast<char16_t*>(code), length), want)
        << utf8(olv::text(code)) << " " << length;
  }
}

// code_list() finds a row at its number's place: the rows must be numbered without a gap.
TEST(DictionariesTextTest, CodeListsNumberedInOrder) {
  int number = olv::kFirstCodeList;
  for (const olv::CodeList& list : olv::kCodeLists) EXPECT_EQ(list.number, number++);
  EXPECT_EQ(olv::code_list(10034)->number, 10034);
  for (int outside : {olv::kFirstCodeList - 1, number, INT_MIN, INT_MAX}) {
    EXPECT_EQ(olv::code_list(outside), nullptr) << outside;
  }
}

// The names of the lists, and the answers not fixed by the exports table.
TEST(DictionariesTextTest, NamesPassThroughAndEmptyAnswers) {
  EXPECT_EQ(sl_PobierzNazweSlownika(10003), nullptr);  // a list without a name
  EXPECT_EQ(sl_PobierzNazweSlownika(99999), nullptr);
  EXPECT_EQ(std::u16string(sl_PobierzNazweSlownika(10034)), u"Płeć");
  const auto* description = reinterpret_cast<const _stOpisKodu*>(u"opis");
  EXPECT_EQ(sl_PobierzOpisKodu(description, 1), description);
  EXPECT_EQ(std::u16string(KVTSlownikGetKodMsg()), u"");
}

}  // namespace
