// Tests of the reference dictionary service: the SQLite dictionary (code validity at its date
// edges, lookups, names that are not in the schema, date conditions, what it refuses to open),
// and the service as the library reaches it: registered by factory or by a path, queried through
// the exports, with hostile texts in every argument.
#include "service/dictionary_service.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "dictionaries/code_lists.h"
#include "platform/runtime_names.h"
#include "service/sample_dictionary.h"
#include "service/sqlite_dictionary.h"

namespace olv::service {
namespace {

std::shared_ptr<SqliteDictionary> sample() {
  static std::shared_ptr<SqliteDictionary> d = SqliteDictionary::from_sql(kSampleDictionarySql);
  return d;
}

TEST(SqliteDictionaryTest, CodeCheckHonoursValidityAtItsEdges) {
  // 10019 "316" is valid from 19990101 to 20111231, "350" from 20090101 on, "311" always.
  const std::tuple<int32_t, const char16_t*, int32_t, bool> cases[] = {
      {10019, u"316", 0, true},         {10019, u"316", -7, true},
      {10019, u"316", 19990101, true},  {10019, u"316", 19981231, false},
      {10019, u"316", 20111231, true},  {10019, u"316", 20120101, false},
      {10019, u"316", 199901, true},    {10019, u"316", 199812, false},
      {10019, u"316", 201112, true},    {10019, u"316", 201201, false},
      {10019, u"350", 20081231, false}, {10019, u"350", 20090101, true},
      {10019, u"350", 99991231, true},  {10019, u"311", 18500101, true},
      {10019, u"31", 0, false},         {10019, u"3110", 0, false},
      {10019, u"311 ", 0, false},       {10034, u"K", 0, true},
      {10034, u"k", 0, false},          {10006, u"K", 0, false},
      {10099, u"11", 0, false},         {10019, u"", 0, false},
  };
  for (const auto& [number, code, date, want] : cases) {
    EXPECT_EQ(sample()->check_code(number, code, date), want)
        << number << " code of " << std::u16string_view(code).size() << " units at " << date;
  }
}

TEST(SqliteDictionaryTest, LookupFindsTheValueOrNothing) {
  // The table, the key's column, the key, the column asked for and its value.
  using Units = const char16_t*;
  const std::tuple<Units, Units, Units, Units, std::optional<std::u16string>> cases[] = {
      {u"slU_KodPokrew", u"STP_KODPOKREW", u"12", u"STP_WGOSPZOSUBEZP", u"1"},
      {u"slU_KodPokrew", u"STP_KODPOKREW", u"21", u"STP_KOD_ST_NIEPEL", u""},
      {u"slU_KodPokrew", u"STP_KODPOKREW", u"11", u"STP_KOD_ST_NIEPEL", u" "},
      {u"slU_KodPokrew", u"STP_KODPOKREW", u"99", u"STP_KOD_ST_NIEPEL", std::nullopt},
      {u"slU_KodPokrew", u"STP_KODPOKREW", u"", u"STP_KOD_ST_NIEPEL", std::nullopt},
      {u"slU_KodPokrew", u"NO_SUCH", u"12", u"STP_KOD_ST_NIEPEL", std::nullopt},
      {u"slU_KodPokrew", u"STP_KODPOKREW", u"12", u"NO_SUCH", std::nullopt},
      {u"slU_NoSuch", u"STP_KODPOKREW", u"12", u"STP_KOD_ST_NIEPEL", std::nullopt},
      // Names are the schema's exactly, and the internal tables are not value tables.
      {u"slu_kodpokrew", u"STP_KODPOKREW", u"12", u"STP_WGOSPZOSUBEZP", std::nullopt},
      {u"olv_codes", u"code", u"K", u"dictionary", std::nullopt},
      {u"olv_meta", u"key", u"label", u"value", std::nullopt},
      {u"sqlite_schema", u"type", u"table", u"sql", std::nullopt},
  };
  for (const auto& [table, key_column, key_text, column, want] : cases) {
    LookupCondition key{key_column, kEqual, key_text};
    EXPECT_EQ(sample()->lookup(table, {&key, 1}, column), want)
        << "key " << std::u16string_view(key_text).size() << " units";
  }
}

TEST(SqliteDictionaryTest, ManyShapesOfConditionsKeepAnswering) {
  // Each count of repeated conditions is a query text of its own: more than a session keeps.
  std::vector<LookupCondition> conditions;
  for (int n = 1; n <= 300; ++n) {
    conditions.push_back({u"STP_KODPOKREW", kEqual, u"12"});
    ASSERT_EQ(sample()->lookup(u"slU_KodPokrew", conditions, u"STP_WGOSPZOSUBEZP"), u"1") << n;
  }
  LookupCondition key{u"STP_KODPOKREW", kEqual, u"12"};
  EXPECT_EQ(sample()->lookup(u"slU_KodPokrew", {&key, 1}, u"STP_WGOSPZOSUBEZP"), u"1");
}

TEST(SqliteDictionaryTest, ConditionsOnDateColumnsReadNotAfterAndNotBefore) {
  // "0411" is valid 19990101 to 20081231; "0510" from 19990101 with no end.
  auto at = [](const char16_t* code, const char16_t* date) {
    return std::vector<LookupCondition>{{u"KOD_TYT_UBEZ", kEqual, code},
                                        {u"DATA_OD", kNotAfter, date},
                                        {u"DATA_DO", kNotBefore, date}};
  };
  // clang-format off
  const std::tuple<std::vector<LookupCondition>, std::optional<std::u16string>> cases[] = {
      {at(u"0411", u"31122008"), u"RSA"}, {at(u"0411", u"01012009"), std::nullopt},
      {at(u"0411", u"01011999"), u"RSA"}, {at(u"0411", u"31121998"), std::nullopt},
      {at(u"0411", u"122008"), u"RSA"},   {at(u"0411", u"012009"), std::nullopt},
      {at(u"0411", u"2008-12-31"), u"RSA"}, {at(u"0510", u"01012049"), u"RSA"},
      {at(u"0411", u"32122008"), std::nullopt}, {at(u"0411", u""), std::nullopt},
      {{{u"DATA_OD", kEqual, u"01012010"}}, u"RSA"},  // "0570" began that day
      {std::vector<LookupCondition>(), u"RSA"},
  };
  // clang-format on

  for (const auto& [conditions, want] : cases) {
    EXPECT_EQ(sample()->lookup(u"slU_KodTytNieNaFormularzu", conditions, u"RODZ_FORM"), want)
        << conditions.size() << " conditions";
  }
}

// The sample database holds codes of every list that a rule checks codes against.
TEST(SqliteDictionaryTest, SampleHoldsEachListTheRulesConsult) {
  const std::string_view sql = kSampleDictionarySql;
  ASSERT_NE(sql.find("INSERT INTO olv_codes"), std::string::npos);
  for (const olv::CodeList& list : olv::kCodeLists) {
    if (list.rules_consult) {
      EXPECT_NE(sql.find("(" + std::to_string(list.number) + ", '"), std::string::npos)
          << list.number;
    }
  }
}

TEST(SqliteDictionaryTest, OpeningRefusesWhatIsNotADictionary) {
  EXPECT_THROW(SqliteDictionary::open_file("/nonexistent/olvenir.db"), DictionaryError);
  EXPECT_THROW(SqliteDictionary::from_sql("CREATE TABLE t(a);"), DictionaryError);
  EXPECT_THROW(SqliteDictionary::from_sql("CREATE TABLE olv_codes(code TEXT);"), DictionaryError);
  EXPECT_THROW(SqliteDictionary::from_sql("not sql"), DictionaryError);
}

class DictionaryServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    IClassFactory* f = new_dictionary_factory(sample());
    ASSERT_EQ(olvenir_RegisterClassFactory(&CLSID_OlvenirDictionaryService, f), S_OK);
    f->Release();
  }
  void TearDown() override { olvenir_RevokeClass(&CLSID_OlvenirDictionaryService); }

  // An answer of the library as a text, the string released; nullopt for a null answer.
  static std::optional<std::u16string> taken(char16_t* value) {
    if (!value) return std::nullopt;
    std::u16string copy(value);
    olvenir_SysFreeString(value);
    return copy;
  }
  static std::optional<std::u16string> value(std::u16string d, std::u16string key_column,
                                             std::u16string key, std::u16string column) {
    return taken(sl_DajWartoscZeSlownika(d.data(), key_column.data(), key.data(), column.data()));
  }
  // The form of a title of insurance where `column op value`.
  static std::optional<std::u16string> form_where(std::u16string column, signed char op,
                                                  std::u16string value) {
    std::u16string titles = u"slU_KodTytNieNaFormularzu", form = u"RODZ_FORM";
    stWarunekY condition{column.data(), op, value.data()};
    return taken(sl_DajWartoscZeSlownikaW(titles.data(), &condition, 1, form.data()));
  }
};

// The service answers through the exports as the database does; the database's own answers
// are the SQLite dictionary's tests, its code checks through the loaded module the concurrency
// test's.
TEST_F(DictionaryServiceTest, AnswersFromTheDatabase) {
  EXPECT_FALSE(fb_KVTKodSprawdzArkusze(10034, nullptr, 0));
  EXPECT_EQ(value(u"slU_KodPokrew", u"STP_KODPOKREW", u"12", u"STP_WGOSPZOSUBEZP"), u"1");
  EXPECT_EQ(fb_KVTKodPokrewienstwa(const_cast<char16_t*>(u"12"), 1, 32), 0);
  EXPECT_EQ(fb_KVTKodPokrewienstwa(const_cast<char16_t*>(u"11"), 1, 32), -1);
}

// Names unknown to the database, and texts written to break out of a query, find the empty text.
TEST_F(DictionaryServiceTest, HostileTextsInEveryArgumentFindNothing) {
  // clang-format off
  const std::u16string attacks[] = {
      u"' OR 1=1 --", u"\" OR 1=1 --", u"x\"; DROP TABLE olv_codes; --", u"olv_codes",
      u"sqlite_schema", u"*", u"(SELECT value FROM olv_meta)", u"slU_Nie", u"NIE", u"13",
      u"STP_KODPOKREW; ATTACH DATABASE '/tmp/x' AS x"};
  // clang-format on
  for (const std::u16string& a : attacks) {
    EXPECT_EQ(value(a, u"STP_KODPOKREW", u"12", u"STP_WGOSPZOSUBEZP"), u"");
    EXPECT_EQ(value(u"slU_KodPokrew", a, u"12", u"STP_WGOSPZOSUBEZP"), u"");
    EXPECT_EQ(value(u"slU_KodPokrew", u"STP_KODPOKREW", a, u"STP_WGOSPZOSUBEZP"), u"");
    EXPECT_EQ(value(u"slU_KodPokrew", u"STP_KODPOKREW", u"12", a), u"");
    EXPECT_EQ(form_where(a, 0, u"0510"), u"");
    EXPECT_EQ(form_where(u"KOD_TYT_UBEZ", 0, a), u"");
    EXPECT_FALSE(fb_KVTKodSprawdzArkusze(10034, a.c_str(), 0));
  }
  EXPECT_TRUE(fb_KVTKodSprawdzArkusze(10034, u"K", 0));
}

// An operator the dictionary does not know is a bad request, which the caller sees as such.
TEST_F(DictionaryServiceTest, AFailedOperationLeavesAsTheLibrarysException) {
  try {
    form_where(u"KOD_TYT_UBEZ", 5, u"0510");
    FAIL() << "no exception";
  } catch (const olvenir_p::ServiceError& e) {
    EXPECT_EQ(e.result(), E_INVALIDARG);
    EXPECT_NE(std::string(e.what()).find("unknown condition operator 5"), std::string::npos);
  }
}

TEST(DictionaryFactoryTest, ADictionaryThatCannotBeOpenedFailsCreation) {
  IClassFactory* f = new_dictionary_factory(
      DictionaryOpener([] { return SqliteDictionary::open_file("/nonexistent.db"); }));
  void* object = nullptr;
  EXPECT_EQ(f->CreateInstance(nullptr, IID_IOlvenirDictionaryService, &object), E_FAIL);
  EXPECT_EQ(object, nullptr);
  BSTR description = nullptr;
  EXPECT_EQ(olvenir_GetErrorInfo(&description), S_OK);
  olvenir_SysFreeString(description);
  f->Release();
  // A path that holds no object: creation fails as well, and code checks take their default.
  ASSERT_EQ(olvenir_RegisterServerPath(&CLSID_OlvenirDictionaryService, "/nonexistent/lib.so"),
            S_OK);
  EXPECT_TRUE(fb_KVTKodSprawdzArkusze(10019, u"350", 20081231));
  olvenir_RevokeClass(&CLSID_OlvenirDictionaryService);
}

}  // namespace
}  // namespace olv::service
