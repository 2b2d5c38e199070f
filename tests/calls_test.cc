// The call layer through the shared library: lookups by name and symbol, each kind of parameter
// in its neutral form and the forms it refuses, results and the writable arguments after a call.
#include "calls/calls.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace olv {
namespace {

using enum ResultKind;

TEST(CallsTest, LookupPrefersTheSymbol) {
  EXPECT_EQ(find_export("_Z23fb_KVTKodSprawdzArkuszeiPKDsi")->result, kBool);
  EXPECT_EQ(find_export("fb_KVTKodSprawdzArkusze")->result, kInt);
  EXPECT_EQ(find_export("nope"), nullptr);
  // A name sharing another export's function answers as that export.
  EXPECT_EQ(&answering_row(*find_export("GP0039_2")), find_export("GP0039_1"));
}

Outcome call(const char* fn, const std::vector<Arg>& args) { return find_export(fn)->call(args); }

TEST(CallsTest, EachKindOfParameterTakesItsOwnForm) {
  using Conditions = std::vector<Condition>;
  using Texts = std::vector<OptionalText>;
  const Arg null;
  const std::string more = "argument 3: the count is more than the conditions given";
  const std::string automation = "only null can be passed for an automation string";
  const Conditions one{{u"K", 0, u"1"}}, two{{u"K", 0, u"1"}, {u"L", 2, u"2"}};
  const Texts day{u"01012024"};
  const std::vector<Arg> too_many(kMaxListTexts + 2, Arg(std::u16string(u"01012020")));
  // clang-format off
  // The export, its arguments, a part of the error (empty for a call that is made), the kind
  // of result and the answer.
  const std::tuple<const char*, std::vector<Arg>, std::string, ResultKind, int64_t> cases[] = {
      {"IsLowerPL", {int64_t{0xB1}, int64_t{0}}, "", kInt, 0},
      {"IsLowerPL", {int64_t{256}, int64_t{0}}, "argument 1: the integer does not fit", {}, 0},
      {"IsLowerPL", {u"a", int64_t{0}}, "argument 1: expected an integer", {}, 0},
      {"isKVTdigit", {u"7"}, "", kInt, 1},
      {"isKVTdigit", {int64_t{0x0660}}, "", kInt, 0},
      {"isKVTdigit", {u"77"}, "argument 1: expected one UTF-16 unit", {}, 0},
      {"f_KVTIsZnakSpecjalny", {int64_t{0x10020}}, "", kInt, 60007501},
      {"f_KVTIsZnakSpecjalny", {int64_t{1} << 40}, "does not fit", {}, 0},
      {"KVTIsNotEmpty", {null}, "", kInt, 1},
      {"KVTIsNotEmpty", {u"\t"}, "", kInt, 0},
      {"KVTIsNotEmpty", {int64_t{1}}, "expected a text or null", {}, 0},
      {"KVTDelSpacjeStrcmp", {u"a"}, "takes 2 arguments, given 1", {}, 0},
      {"_Z23fb_KVTKodSprawdzArkuszeiPKDsi", {int64_t{10034}, u"K", int64_t{0}}, "", kBool, 1},
      {"sl_PoprawnyKod", {u"123", int64_t{3}}, "", kInt, 0},
      {"sl_PoprawnyKod", {u"12a", int64_t{0}}, "", kInt, -1},
      {"sl_SprawdzSlownikNIPVUK", {u"a", null, u"b"}, "", kInt, 0},
      {"sl_SprawdzSlownikNIPVUK", {int64_t{1}}, "argument 1: expected a text", {}, 0},
      {"olvenir_SysStringLen", {null}, "", kInt, 0},
      {"olvenir_SysStringLen", {u"abc"}, automation, {}, 0},
      {"olvenir_RevokeClass", {u"x"}, "only null can be passed", {}, 0},
      // The service reads as many conditions as the count says: never more than were given.
      {"sl_DajWartoscZeSlownikaW", {u"d", one, int64_t{2}, u"c"}, more, {}, 0},
      {"sl_DajWartoscZeSlownikaW", {u"d", null, int64_t{1}, u"c"}, more, {}, 0},
      {"fb_KVT_KodTyt_WypDok_ONE_XML", {u"d", u"c", two, int64_t{1}, day}, "", kInt, 0},
      {"fb_KVT_KodTyt_WypDok_ONE", {u"x", null, day}, "", kInt, -1},
      {"sl_NajwczesniejszaData", too_many, "at most 32 texts", {}, 0},
  };
  // clang-format on
  for (const auto& [fn, args, error, kind, number] : cases) {
    Outcome o = call(fn, args);
    if (!error.empty()) {
      EXPECT_NE(o.error.find(error), std::string::npos) << fn << ": " << o.error;
      continue;
    }
    ASSERT_EQ(o.error, "") << fn;
    EXPECT_EQ(o.kind, kind) << fn;
    EXPECT_EQ(o.number, number) << fn;
  }
}

// Texts come back copied, those the call returns for the caller to own released, a variable
// list read up to its null.
TEST(CallsTest, TextResultsAreCopiedAndOwnedOnesReleased) {
  // clang-format off
  const std::tuple<const char*, std::vector<Arg>, ResultKind, OptionalText> cases[] = {
      {"KVTDelSpacje", {u" \tx\n"}, kString, u"x"},
      {"olvenir_SysAllocString", {u"abc"}, kOwnedText, u"abc"},
      {"sl_PobierzNazweSlownika", {int64_t{10003}}, kText, std::nullopt},
      {"sl_NajwczesniejszaData", {u"01012020", u"01012019", u"05052021"}, kText, u"01012019"},
  };
  // clang-format on
  for (const auto& [fn, args, kind, text] : cases) {
    const Outcome o = call(fn, args);
    EXPECT_EQ(o.kind, kind) << fn << ": " << o.error;
    EXPECT_EQ(o.text, text) << fn;
  }
}

TEST(CallsTest, CodeTablesAreLaidOutAsTheHostDoes) {
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

TEST(CallsTest, WritableArgumentsComeBackWhenTheyChange) {
  const Outcome now = call("sl_Now", {u""});
  ASSERT_EQ(now.error, "");
  ASSERT_EQ(now.outs.size(), 1u);
  EXPECT_EQ(now.outs[0].index, 0u);
  EXPECT_EQ(std::get<std::u16string>(now.outs[0].value).size(), 8u);
  EXPECT_TRUE(call("KVTIsNotEmpty", {u" x "}).outs.empty());
  // Out-integers always come back, null ones never.
  const Outcome range =
      call("bw_DajDatyOdDoRSARGA", {u"01012024", u"31012024", u"", int64_t{7}, std::monostate()});
  ASSERT_EQ(range.error, "");
  ASSERT_EQ(range.outs.size(), 1u);
  EXPECT_EQ(range.outs[0].index, 3u);
}

// Bound arguments serve any number of calls, each with the same answer.
TEST(CallsTest, BoundCallsRepeat) {
  std::string error;
  const std::vector<Arg> args = {int64_t{121}, std::u16string(u"44051401358"), int64_t{11}};
  const auto bound = find_export("f_KVTElem")->bind(args, error);
  ASSERT_NE(bound, nullptr) << error;
  const int64_t first = bound->call_number();
  EXPECT_NE(first, 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(bound->call().number, first);
  EXPECT_EQ(find_export("f_KVTElem")->bind({}, error), nullptr);
  EXPECT_EQ(error, "takes 3 arguments, given 0");
}

}  // namespace
}  // namespace olv
