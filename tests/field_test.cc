// A rule's field: the host's text counted where the rule reads it, a null pointer the null view;
// and every rule answering as it does with all its fields counted beforehand.
#include "rules/field.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "fuzz/samples.h"
#include "tests/rule_twins.h"

namespace {

using olv::Field;
using olv::Text;
using olv::testing::HostText;
using olv::testing::RuleFields;

TEST(FieldTest, ReadsAsTheViewOfItsText) {
  const char16_t buffer[] = u"ab\0cd";
  const std::tuple<Field, bool, Text> rows[] = {
      {Field(static_cast<const char16_t*>(nullptr)), true, u""},
      {Field(Text()), true, u""},
      {Field(u""), false, u""},
      {Field(u"12 "), false, u"12 "},
      {Field(buffer), false, u"ab"},                     // the text ends at its terminator
      {Field(Text(buffer, 5)), false, Text(buffer, 5)},  // a view keeps its size
  };
  for (const auto& [field, null, want] : rows) {
    const Text read = field;
    EXPECT_EQ(olv::is_null(read), null) << want.size();
    EXPECT_EQ(read, want);
  }
}

// Texts of digits, spaces, white space and letters, up to 20 units; sometimes none (null).
HostText random_text(std::mt19937& random, std::vector<std::u16string>& store) {
  constexpr Text kUnits = u"0123456789  \t-XNTaż.";
  if (random() % 8 == 0) return nullptr;
  const auto samples = olv::harness::field_samples();
  if (random() % 2 == 0) return samples[random() % samples.size()].data();
  std::u16string& text = store.emplace_back(random() % 21, u' ');
  for (char16_t& unit : text) unit = kUnits[random() % kUnits.size()];
  return text.c_str();
}

TEST(FieldTest, EveryRuleAnswersAsWithItsFieldsCountedFirst) {
  const auto samples = olv::harness::field_samples();
  std::vector<RuleFields> calls;
  // Every sample in every place, the rest blank, then every sample in every place after a
  // filled field; then random fields.
  for (std::size_t s = 0; s < samples.size(); ++s) {
    for (std::size_t place = 0; place < 18; ++place) {
      RuleFields blank_rest, filled_rest;
      blank_rest.fill(u"");
      filled_rest.fill(samples[(s + place) % samples.size()].data());
      blank_rest[place] = filled_rest[place] = samples[s].data();
      calls.insert(calls.end(), {blank_rest, filled_rest});
    }
  }
  std::mt19937 random(20261207);
  std::vector<std::u16string> store;
  store.reserve(18 * 400);
  for (int i = 0; i < 400; ++i) {
    RuleFields fields;
    for (const char16_t*& field : fields) field = random_text(random, store);
    calls.push_back(fields);
  }
  for (const auto& rule : olv::testing::kRuleTwins) {
    for (const RuleFields& call : calls) {
      ASSERT_EQ(rule.counted_as_read(call), rule.counted_first(call)) << rule.name;
    }
  }
}

}  // namespace
