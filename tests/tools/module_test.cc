// Tests of the service's shared object loaded by path, as a host registers it, answering from
// the sample database built beside it.
#include <gtest/gtest.h>

#include <string>

#include "olvenir_p.h"
#include "platform/runtime_names.h"

namespace {

TEST(ModuleTest, AServiceRegisteredByPathAnswersFromTheSampleDatabase) {
  ASSERT_EQ(olvenir_RegisterServerPath(&CLSID_OlvenirDictionaryService, OLV_MODULE_PATH), S_OK);
  char16_t dictionary[] = u"slU_KodPokrew", key_column[] = u"STP_KODPOKREW", key[] = u"12",
           column[] = u"STP_WGOSPZOSUBEZP";
  char16_t* v = sl_DajWartoscZeSlownika(dictionary, key_column, key, column);
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(std::u16string(v), u"1");
  olvenir_SysFreeString(v);
  EXPECT_TRUE(fb_KVTKodSprawdzArkusze(10019, u"350", 20090101));
  EXPECT_FALSE(fb_KVTKodSprawdzArkusze(10019, u"350", 20081231));
  olvenir_RevokeClass(&CLSID_OlvenirDictionaryService);
}

TEST(ModuleTest, AMissingObjectGivesTheDefaults) {
  ASSERT_EQ(olvenir_RegisterServerPath(&CLSID_OlvenirDictionaryService, "/nonexistent/lib.so"),
            S_OK);
  EXPECT_TRUE(fb_KVTKodSprawdzArkusze(10019, u"350", 20081231));  // creation failed: accepted
  olvenir_RevokeClass(&CLSID_OlvenirDictionaryService);
}

}  // namespace
