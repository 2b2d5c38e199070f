// One query of the dictionary service: the arguments as they arrive, the defaults without a
// service, an exception for each failure, and nothing left behind on any path. The exception's
// text is the shared library's boundary test.
#include "dictionaries/service_query.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/runtime_names.h"
#include "tests/fake_service.h"

namespace {

using olv::testing::ScopedFakeService;
using olv::testing::ServiceCall;

using ServiceQueryTest = olv::testing::ServiceFixture;

TEST_F(ServiceQueryTest, RuleChecksPassTheirTextsAndKeepTheLow32Bits) {
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
  EXPECT_EQ(seen[0].operation, "CheckRule");
  EXPECT_EQ(seen[0].texts, std::vector<std::u16string>{u"ab"});
  EXPECT_EQ(seen[1].operation, "CheckRulePair");
  EXPECT_EQ(seen[1].texts, (std::vector<std::u16string>{u"x", u"y"}));
  // A null text travels as a null string, an empty one as an empty string.
  EXPECT_EQ(seen[10].texts, (std::vector<std::u16string>{u"<null>", u""}));
  for (const ServiceCall& call : seen) EXPECT_TRUE(call.initialised) << call.operation;
}

TEST_F(ServiceQueryTest, EveryQueryCreatesItsOwnInstance) {
  olv::service_code_check(10006, u"1", 0);
  olv::service_code_check(10006, u"2", 0);
  olv::service_rule_check(u"a");
  EXPECT_EQ(fake_.state.created, 3);
}

// A factory that refuses takes the path of a class not registered: the exports' defaults
// without a service are the dictionaries' tests.
TEST_F(ServiceQueryTest, DefaultsWhenTheServiceCannotBeCreated) {
  fake_.state.refuse_creation = true;
  EXPECT_EQ(olv::service_rule_check(u"a"), -1);
  EXPECT_EQ(olv::service_rule_check(u"a", u"b"), -1);
  EXPECT_TRUE(olv::service_code_check(10006, u"99", 20240101));
  EXPECT_TRUE(calls().empty());
}

TEST_F(ServiceQueryTest, LookupsAnswerTheLibrarysOwnCopy) {
  fake_.state.answers = {{u"07", u"wartość"}};
  BSTR value = olv::service_lookup(u"slU_X", u"KOL", u"07", u"WYNIK");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(std::u16string(value), u"wartość");
  olvenir_SysFreeString(value);
  EXPECT_EQ(olv::service_lookup(u"slU_X", u"KOL", u"08", u"WYNIK"), nullptr);
}

TEST_F(ServiceQueryTest, EveryOperationThrowsItsFailure) {
  fake_.state.failure = E_INVALIDARG;
  stWarunekY condition{nullptr, 0, nullptr};
  EXPECT_THROW(olv::service_rule_check(u"a"), olvenir_p::ServiceError);
  EXPECT_THROW(olv::service_rule_check(u"a", u"b"), olvenir_p::ServiceError);
  EXPECT_THROW(olv::service_code_check(10006, u"1", 0), olvenir_p::ServiceError);
  EXPECT_THROW(olv::service_lookup(u"d", u"k", u"v", u"c"), olvenir_p::ServiceError);
  EXPECT_THROW(olv::service_lookup_where(u"d", &condition, 1, u"c"), olvenir_p::ServiceError);
  EXPECT_EQ(calls().size(), 5u);
}

TEST_F(ServiceQueryTest, UnallocatableCopyThrowsOutOfMemoryBeforeAnyCall) {
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

}  // namespace
