// Every export of the table called by name with hostile arguments of every kind answers one of
// its listed results: on Linux through the shared library, on Windows over the library's objects.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "calls/calls.h"
#include "olvenir_p.h"

namespace olv {
namespace {

// Hostile arguments of every kind; argument i of variant v takes entry v + i of its kind's list,
// so every row meets every entry in some position.
const std::u16string kLong(5000, u'9');
const std::vector<OptionalText> kTexts = {
    std::nullopt, u"",     u"   \t",       kLong,          u"\xD800",       u"\uFFFF\u00A0",
    u"31022024",  u"0121", u"-0x7fffffff", u"44051401359", u"\u0105\u017C", u"1,5e308"};
const int64_t kNumbers[] = {0, -1, 1, INT64_MIN, INT64_MAX, INT32_MIN, INT32_MAX, 10019, 121, 255};

// A number as a host's cast into the parameter's type would give it.
int64_t wrapped(ParamKind kind, int64_t n) {
  switch (kind) {
    case ParamKind::kInt:
    case ParamKind::kIntOut:
      return static_cast<int32_t>(n);
    case ParamKind::kUnsigned:
      return static_cast<uint32_t>(n);
    case ParamKind::kShort:
      return static_cast<int16_t>(n);
    case ParamKind::kByte:
      return static_cast<uint8_t>(n);
    case ParamKind::kChar:
      return static_cast<uint16_t>(n);
    case ParamKind::kBool:
      return n & 1;
    default:
      return n;
  }
}

Arg hostile(ParamKind kind, std::size_t k) {
  const OptionalText& text = kTexts[k % kTexts.size()];
  const int64_t number = wrapped(kind, kNumbers[k % std::size(kNumbers)]);
  switch (kind) {
    case ParamKind::kText:
    case ParamKind::kMutableText:
      return text ? Arg(*text) : Arg();
    case ParamKind::kTextList:
      if (k % 3 == 0) return Arg();
      return std::vector<OptionalText>{std::nullopt, u"", kLong, u"01012024"};
    case ParamKind::kIntOut:
      return k % 2 ? Arg() : Arg(number);
    case ParamKind::kConditions:
      if (k % 3 == 0) return Arg();
      return std::vector<Condition>{{u"KOD", 0, std::nullopt}, {std::nullopt, 127, kLong}};
    case ParamKind::kCodeTable: {
      if (k % 3 == 0) return Arg();
      std::vector<CodeGroup> groups(10);
      groups[k % 10].codes = {{std::nullopt, INT32_MIN, INT32_MAX, u""}, {kLong, 0, -1, {}}};
      groups[0].children.resize(1);
      return groups;
    }
    case ParamKind::kBstr:
    case ParamKind::kOpaque:
      return Arg();
    default:
      return number;
  }
}

// The component runtime's entry points are a calling protocol (pairs that must balance, strings
// that are taken over), not checks; the runtime's own tests call them.
bool is_runtime(const Export& row) { return std::string_view(row.name).starts_with("olvenir_"); }

TEST(HostileSweepTest, EveryExportAnswersWithAListedResult) {
  const int code_page = KVTGetCodePage();
  for (const Export& row : exports()) {
    if (is_runtime(row)) continue;
    for (std::size_t v = 0; v < kTexts.size(); ++v) {
      std::vector<Arg> args;
      for (std::size_t i = 0; i < row.params.size(); ++i) {
        args.push_back(hostile(row.params[i], v + i));
        // A count follows its conditions, and never says more than were given.
        if (i > 0 && row.params[i - 1] == ParamKind::kConditions) {
          const auto* given = std::get_if<std::vector<Condition>>(&args[i - 1]);
          args[i] = int64_t(given ? given->size() : 0);
        }
      }
      if (row.variadic) {
        for (std::size_t i = 0; i < v % 4; ++i) args.push_back(hostile(ParamKind::kText, v + i));
      }
      const Outcome o = row.call(args);
      ASSERT_EQ(o.error, "") << row.name << " variant " << v;
      if (o.kind == ResultKind::kInt || o.kind == ResultKind::kBool) {
        EXPECT_TRUE(allowed_result(row, o.number))
            << row.name << " variant " << v << " answered " << o.number;
      }
    }
  }
  KVTSetCodePage(code_page);
}

}  // namespace
}  // namespace olv
