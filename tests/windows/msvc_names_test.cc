// The Windows decoration of declared types: every case its own row, both pointer sizes.
#include "exports/msvc_names.h"

#include <gtest/gtest.h>

namespace olv {
namespace {

struct DecorationCase {
  const char* result;
  const char* params;
  const char* want32;
  const char* want64;
};

// clang-format off
// Each row's names as the Windows compiler's own decoration gives them (clang's MSVC targets).
const DecorationCase kCases[] = {
    {"int",       "(short, char16_t*, int)",           "?f@@YAHFPA_WH@Z",          "?f@@YAHFPEA_WH@Z"},
    {"int",       "(char16_t, char16_t)",              "?f@@YAH_W0@Z",             "?f@@YAH_W0@Z"},
    {"int",       "(int, int)",                        "?f@@YAHHH@Z",              "?f@@YAHHH@Z"},
    {"int",       "(char16_t*, char16_t*, char16_t*)", "?f@@YAHPA_W00@Z",          "?f@@YAHPEA_W00@Z"},
    {"int",       "(const S*, S*)",                    "?f@@YAHPBUS@@PAU1@@Z",     "?f@@YAHPEBUS@@PEAU1@@Z"},
    {"int",       "(S*, S*, const S*)",                "?f@@YAHPAUS@@0PBU1@@Z",    "?f@@YAHPEAUS@@0PEBU1@@Z"},
    {"int",       "(const char16_t**)",                "?f@@YAHPAPB_W@Z",          "?f@@YAHPEAPEB_W@Z"},
    {"char16_t*", "(int)",                             "?f@@YAPA_WH@Z",            "?f@@YAPEA_WH@Z"},
    {"bool",      "(double, unsigned char)",           "?f@@YA_NNE@Z",             "?f@@YA_NNE@Z"},
    {"int32_t",   "()",                                "?f@@YAJXZ",                "?f@@YAJXZ"},
    {"int",       "(char16_t*, ...)",                  "?f@@YAHPA_WZZ",            "?f@@YAHPEA_WZZ"},
    {"void",      "(int32_t*)",                        "?f@@YAXPAJ@Z",             "?f@@YAXPEAJ@Z"},
    {"std::u16string", "(char16_t*)",                  "",                         ""},
    {"int",       "(char16_t&)",                       "",                         ""},
    {"int",       "char16_t*",                         "",                         ""},
};
// clang-format on

TEST(MsvcNamesTest, DecoratesDeclaredTypes) {
  for (const DecorationCase& c : kCases) {
    EXPECT_EQ(msvc_name("f", c.result, c.params, false), c.want32)
        << c.result << " f" << c.params << " in 32 bits";
    EXPECT_EQ(msvc_name("f", c.result, c.params, true), c.want64)
        << c.result << " f" << c.params << " in 64 bits";
  }
}

}  // namespace
}  // namespace olv
