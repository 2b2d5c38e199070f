// Tests of the dictionary service as the library reaches it: registered by factory, queried
// through the exports, with hostile texts in every argument.
#include "service/dictionary_service.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/runtime_names.h"
#include "service/sample_dictionary.h"

namespace olv::service {
namespace {

class DictionaryServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    IClassFactory* f = new_dictionary_factory(SqliteDictionary::from_sql(kSampleDictionarySql));
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
  static std::optional<std::u16string> value_where(std::u16string d, stWarunekY condition,
                                                   std::u16string column) {
    return taken(sl_DajWartoscZeSlownikaW(d.data(), &condition, 1, column.data()));
  }
};

// The service answers through the exports as the database does; the database's own answers
// are the SQLite dictionary's tests, its code checks through the loaded module the module's.
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
    std::u16string text = a;
    EXPECT_EQ(value_where(u"slU_KodTytNieNaFormularzu",
                          {text.data(), 0, const_cast<char16_t*>(u"0510")}, u"RODZ_FORM"),
              u"");
    EXPECT_EQ(value_where(u"slU_KodTytNieNaFormularzu",
                          {const_cast<char16_t*>(u"KOD_TYT_UBEZ"), 0, text.data()}, u"RODZ_FORM"),
              u"");
    EXPECT_FALSE(fb_KVTKodSprawdzArkusze(10034, a.c_str(), 0));
  }
  EXPECT_TRUE(fb_KVTKodSprawdzArkusze(10034, u"K", 0));
}

// An operator the dictionary does not know is a bad request, which the caller sees as such.
TEST_F(DictionaryServiceTest, AFailedOperationLeavesAsTheLibrarysException) {
  try {
    value_where(u"slU_KodTytNieNaFormularzu",
                {const_cast<char16_t*>(u"KOD_TYT_UBEZ"), 5, const_cast<char16_t*>(u"0510")},
                u"RODZ_FORM");
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
}

}  // namespace
}  // namespace olv::service
