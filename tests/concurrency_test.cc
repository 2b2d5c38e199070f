// Exports called from many threads at once: each answer must be the one a single thread gets,
// while another thread switches the code page. Meant for the ThreadSanitizer build too.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "calls/calls.h"
#include "fuzz/export_calls.h"
#include "fuzz/fuzz_source.h"
#include "olvenir_p.h"
#include "platform/runtime.h"
#include "platform/runtime_names.h"
#include "tests/fake_service.h"

namespace {

using olv::harness::FuzzSource;

constexpr int kWorkers = 4;
constexpr int kRounds = 3;

// One fixed input per callable row, by the row's index; KVTSetCodePage is left to the thread
// that changes it.
using Plan = std::vector<std::pair<std::size_t, std::vector<uint8_t>>>;

Plan make_plan() {
  Plan plan;
  std::mt19937 random(20240315);
  const auto table = olv::exports();
  const auto callers = olv::harness::row_callers();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (!callers[i].supported ||
        table[i].address == reinterpret_cast<void (*)()>(&KVTSetCodePage)) {
      continue;
    }
    std::vector<uint8_t> input(512);
    for (auto& b : input) b = static_cast<uint8_t>(random());
    plan.emplace_back(i, std::move(input));
  }
  return plan;
}

// The answer of row k of the plan, from fresh arguments (some exports write into theirs).
int64_t answer(const Plan& plan, std::size_t k, bool* is_code) {
  const auto& [index, input] = plan[k];
  FuzzSource source(input.data(), input.size());
  const auto calls = olv::harness::row_callers()[index].prepare(olv::exports()[index], source, 1);
  *is_code = calls->result_is_code();
  return calls->run(0);
}

// Runs `work` on kWorkers threads at once while `meanwhile` runs again and again on one more;
// each worker answers the first wrong answer it met, or nothing.
void expect_right_on_every_thread(
    const std::function<std::string()>& work, const std::function<void()>& meanwhile = [] {}) {
  std::atomic<int> running{kWorkers};
  std::vector<std::string> wrong(kWorkers);
  std::vector<std::thread> threads;
  for (int w = 0; w < kWorkers; ++w) {
    threads.emplace_back([&, w] {
      wrong[w] = work();
      running.fetch_sub(1);
    });
  }
  std::thread other([&] {
    while (running.load() > 0) meanwhile();
  });
  for (auto& t : threads) t.join();
  other.join();
  for (const std::string& w : wrong) EXPECT_EQ(w, "");
}

// Whether a returned automation string holds `want`; the string is released.
bool holds(char16_t* value, std::u16string_view want) {
  const bool same = value && std::u16string_view(value) == want;
  olvenir_SysFreeString(value);
  return same;
}

// Code checks either side of a code's validity, a value lookup and a conditional lookup, asked
// as a host asks (writable texts), each answer the one a single thread gets from the sample
// database; the fake services answer the same. The first wrong answer, or nothing.
std::string query_the_dictionary() {
  std::u16string kinship = u"slU_KodPokrew", kinship_key = u"STP_KODPOKREW", key = u"12",
                 kinship_column = u"STP_WGOSPZOSUBEZP", titles = u"slU_KodTytNieNaFormularzu",
                 title_column = u"KOD_TYT_UBEZ", title = u"0570", from = u"DATA_OD",
                 day = u"01012011", answer_column = u"PR_EM_RENT";
  stWarunekY conditions[] = {{title_column.data(), 0, title.data()}, {from.data(), -2, day.data()}};
  for (int q = 0; q < 200; ++q) {
    const std::pair<bool, const char*> checks[] = {
        {fb_KVTKodSprawdzArkusze(10019, u"350", 20090101), "a valid code refused"},
        {!fb_KVTKodSprawdzArkusze(10019, u"316", 20120101), "a code after its validity taken"},
        {holds(sl_DajWartoscZeSlownika(kinship.data(), kinship_key.data(), key.data(),
                                       kinship_column.data()),
               u"1"),
         "the value lookup"},
        {holds(sl_DajWartoscZeSlownikaW(titles.data(), conditions, 2, answer_column.data()), u"1"),
         "the conditional lookup"},
        {olv::initialisation_depth() == 0, "initialisation left unbalanced"}};
    for (const auto& [right, what] : checks) {
      if (!right) return what;
    }
  }
  return "";
}

TEST(ConcurrencyTest, ThreadsGetTheAnswersOfOneThreadWhileTheCodePageChanges) {
  const Plan plan = make_plan();
  ASSERT_FALSE(plan.empty());
  const int saved = KVTGetCodePage();
  // The answers under either code page; names with Polish letters may get one or the other.
  std::vector<int64_t> under[2];
  std::vector<bool> is_code(plan.size());
  for (int page = 0; page < 2; ++page) {
    KVTSetCodePage(page);
    for (std::size_t k = 0; k < plan.size(); ++k) {
      bool code = false;
      under[page].push_back(answer(plan, k, &code));
      is_code[k] = code;
    }
  }
  expect_right_on_every_thread(
      [&]() -> std::string {
        for (int round = 0; round < kRounds; ++round) {
          for (std::size_t k = 0; k < plan.size(); ++k) {
            bool code = false;
            const int64_t got = answer(plan, k, &code);
            if (!is_code[k] || got == under[0][k] || got == under[1][k]) continue;
            return std::string(olv::exports()[plan[k].first].name) + " gave " +
                   std::to_string(got) + ", one thread gets " + std::to_string(under[0][k]) +
                   " or " + std::to_string(under[1][k]);
          }
        }
        return "";
      },
      [page = 0]() mutable { KVTSetCodePage(page ^= 1); });
  KVTSetCodePage(saved);
}

// Queries on many threads while another thread keeps replacing the service's registration with
// an equal service: every answer stays right, every instance is released, every thread's
// initialisation balance returns to zero.
TEST(ConcurrencyTest, DictionaryQueriesWhileTheRegistrationIsReplaced) {
  olv::testing::ScopedFakeService first;
  olv::testing::FakeServiceState second_state;
  for (auto* state : {&first.state, &second_state}) {
    state->codes = {u"350"};
    state->answers = {{u"12", u"1"}, {u"01012011", u"1"}};  // by key, and by the second condition
  }
  olv::testing::FakeFactory second(second_state);
  expect_right_on_every_thread(query_the_dictionary, [&, use_second = true]() mutable {
    olvenir_RegisterClassFactory(&CLSID_OlvenirDictionaryService,
                                 use_second ? &second : &first.factory);
    use_second = !use_second;
  });
  olvenir_RegisterClassFactory(&CLSID_OlvenirDictionaryService, &first.factory);
  EXPECT_EQ(first.state.live.load(), 0);
  EXPECT_EQ(second_state.live.load(), 0);
  EXPECT_EQ(second.references.load(), 0u);
}

#ifdef OLV_DICTIONARY_MODULE_PATH
// The SQLite reference service loaded from its path, as a host registers it, queried from many
// threads at once: code checks by date, value lookups and conditional lookups, each answer the
// one a single thread gets from the sample database.
TEST(ConcurrencyTest, SqliteServiceQueriesFromManyThreads) {
  ASSERT_EQ(olvenir_RegisterServerPath(&CLSID_OlvenirDictionaryService, OLV_DICTIONARY_MODULE_PATH),
            S_OK);
  expect_right_on_every_thread(query_the_dictionary);
  olvenir_RevokeClass(&CLSID_OlvenirDictionaryService);
}
#endif

}  // namespace
