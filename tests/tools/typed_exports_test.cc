// Tests of the typed calls: the table in step with the registry, and a call for each kind of
// parameter and result, with the arguments a kind refuses.
#include "tools/typed_exports.h"

#include <gtest/gtest.h>

#include <string>

namespace olv {
namespace {

TEST(TypedExportsTest, EveryRowOfTheRegistryHasItsTypedCall) {
  ASSERT_EQ(typed_exports().size(), exports().size());
  for (std::size_t i = 0; i < exports().size(); ++i) {
    const TypedExport& t = typed_exports()[i];
    EXPECT_STREQ(t.symbol, exports()[i].symbol);
    EXPECT_EQ(&registry_row(t), &exports()[i]);
    EXPECT_EQ(static_cast<int>(t.params.size()), exports()[i].arity) << t.name;
    EXPECT_EQ(t.variadic, exports()[i].variadic) << t.name;
    for (std::size_t p = 0; p < t.params.size(); ++p) {
      EXPECT_NE(t.params[p], ParamKind::kUnsupported) << t.name << " parameter " << p + 1;
    }
  }
}

TEST(TypedExportsTest, LookupPrefersTheSymbol) {
  EXPECT_EQ(find_typed_export("_Z23fb_KVTKodSprawdzArkuszeiPKDsi")->result, ResultKind::kBool);
  EXPECT_EQ(find_typed_export("fb_KVTKodSprawdzArkusze")->result, ResultKind::kInt);
  EXPECT_EQ(find_typed_export("nope"), nullptr);
}

struct CallCase {
  const char* fn;
  std::vector<Arg> args;
  std::string error;  // a part of the error, or empty for a call that is made
  ResultKind kind;
  int64_t number;
};

Outcome call(const char* fn, const std::vector<Arg>& args) {
  const TypedExport* row = find_typed_export(fn);
  if (row) return row->call(args);
  Outcome missing;
  missing.error = "no such export " + std::string(fn);
  return missing;
}

TEST(TypedExportsTest, EachKindOfParameterTakesItsOwnForm) {
  const CallCase cases[] = {
      {"IsLowerPL", {int64_t{0xB1}, int64_t{0}}, "", ResultKind::kInt, 0},
      {"IsLowerPL", {int64_t{256}, int64_t{0}}, "argument 1: the integer does not fit", {}, 0},
      {"IsLowerPL", {u"a", int64_t{0}}, "argument 1: expected an integer", {}, 0},
      {"isKVTdigit", {u"7"}, "", ResultKind::kInt, 1},
      {"isKVTdigit", {int64_t{0x0660}}, "", ResultKind::kInt, 0},
      {"isKVTdigit", {u"77"}, "argument 1: expected one UTF-16 unit", {}, 0},
      {"f_KVTIsZnakSpecjalny", {int64_t{0x10020}}, "", ResultKind::kInt, 60007501},
      {"f_KVTIsZnakSpecjalny", {int64_t{1} << 40}, "does not fit", {}, 0},
      {"KVTIsNotEmpty", {std::monostate()}, "", ResultKind::kInt, 1},
      {"KVTIsNotEmpty", {u"\t"}, "", ResultKind::kInt, 0},
      {"KVTIsNotEmpty", {int64_t{1}}, "expected a text or null", {}, 0},
      {"KVTDelSpacjeStrcmp", {u"a"}, "takes 2 arguments, given 1", {}, 0},
      {"_Z23fb_KVTKodSprawdzArkuszeiPKDsi",
       {int64_t{10034}, u"K", int64_t{0}},
       "",
       ResultKind::kBool,
       1},
      {"sl_PoprawnyKod", {u"123", int64_t{3}}, "", ResultKind::kInt, 0},
      {"sl_PoprawnyKod", {u"12a", int64_t{0}}, "", ResultKind::kInt, -1},
      {"sl_SprawdzSlownikNIPVUK", {u"a", std::monostate(), u"b"}, "", ResultKind::kInt, 0},
      {"sl_SprawdzSlownikNIPVUK", {int64_t{1}}, "argument 1: expected a text", {}, 0},
      {"olvenir_SysStringLen", {std::monostate()}, "", ResultKind::kInt, 0},
      {"olvenir_SysStringLen", {u"abc"}, "only null can be passed for an automation string", {}, 0},
      {"olvenir_RevokeClass", {u"x"}, "only null can be passed", {}, 0},
      // The service reads as many conditions as the count says: never more than were given.
      {"sl_DajWartoscZeSlownikaW",
       {u"d", std::vector<Condition>{{u"K", 0, u"1"}}, int64_t{2}, u"c"},
       "argument 3: the count is more than the conditions given",
       {},
       0},
      {"sl_DajWartoscZeSlownikaW",
       {u"d", std::monostate(), int64_t{1}, u"c"},
       "argument 3: the count is more than the conditions given",
       {},
       0},
      {"fb_KVT_KodTyt_WypDok_ONE_XML",
       {u"d", u"c", std::vector<Condition>{{u"K", 0, u"1"}, {u"L", 2, u"2"}}, int64_t{1},
        std::vector<OptionalText>{u"01012024"}},
       "",
       ResultKind::kInt,
       0},
      {"fb_KVT_KodTyt_WypDok_ONE",
       {u"x", std::monostate(), std::vector<OptionalText>{u"01012024"}},
       "",
       ResultKind::kInt,
       -1},
  };
  for (const CallCase& c : cases) {
    Outcome o = call(c.fn, c.args);
    if (!c.error.empty()) {
      EXPECT_NE(o.error.find(c.error), std::string::npos) << c.fn << ": " << o.error;
      continue;
    }
    ASSERT_EQ(o.error, "") << c.fn;
    EXPECT_EQ(o.kind, c.kind) << c.fn;
    EXPECT_EQ(o.number, c.number) << c.fn;
  }
}

TEST(TypedExportsTest, TextResultsAreCopiedAndOwnedOnesReleased) {
  Outcome trimmed = call("KVTDelSpacje", {u" \tx\n"});
  EXPECT_EQ(trimmed.kind, ResultKind::kString);
  EXPECT_EQ(trimmed.text, u"x");
  Outcome owned = call("olvenir_SysAllocString", {u"abc"});  // freed by the call layer
  EXPECT_EQ(owned.kind, ResultKind::kOwnedText);
  EXPECT_EQ(owned.text, u"abc");
  Outcome none = call("sl_PobierzNazweSlownika", {int64_t{10003}});
  EXPECT_EQ(none.kind, ResultKind::kText);
  EXPECT_EQ(none.text, std::nullopt);
}

TEST(TypedExportsTest, CodeTablesAreLaidOutAsTheHostDoes) {
  std::vector<CodeGroup> groups(3);
  groups[2].children.resize(1);
  groups[2].children[0].codes = {{u"ABC", 20240315, 20240415, std::nullopt}};
  EXPECT_EQ(call("sl_CzyPrawidlowyKodLiterowy", {groups, u"ABC", int64_t{202403}}).number, 0);
  EXPECT_EQ(call("sl_CzyPrawidlowyKodLiterowy", {groups, u"ABC", int64_t{20240314}}).number, -1);
  groups[0].codes = {{u"old", 0, 0, u"NEW"}};
  EXPECT_EQ(call("sl_CzyPrawidlowyKodLiterowy", {groups, u"NEW", int64_t{0}}).number, 0);
  EXPECT_NE(
      call("sl_CzyPrawidlowyKodLiterowy", {std::vector<CodeGroup>(11), u"A", int64_t{0}}).error,
      "");
}

}  // namespace
}  // namespace olv
