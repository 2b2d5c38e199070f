// Benchmark pairs of a trick that stays: the plain version and the trick, timed in the same run.
#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "bench/bench_support.h"
#include "bench/benchmarks.h"
#include "elements/dispatcher.h"
#include "olvenir_p.h"
#include "platform/check_digits.h"
#include "rules/rules.h"
#include "tests/rule_twins.h"

namespace olv::bench {
namespace {

// A rule on the export benchmark's sample fields, its fields counted as the rule reads them
// (the export) or all of them first (the twin given views, as the exports counted them before):
// the pair of the counted field.
void counted_fields(benchmark::State& state, const char* name, bool as_read) {
  const testing::RuleTwins* rule = testing::rule_twins(name);
  const Export* row = find_export(name);
  if (skip_missing(state, rule && row ? reinterpret_cast<const void*>(row->address) : nullptr,
                   name)) {
    return;
  }
  SampleSource source(static_cast<uint64_t>(row - exports().data()) + 1);
  std::vector<std::vector<Arg>> args;
  std::vector<testing::RuleFields> calls(64);
  for (testing::RuleFields& call : calls) {
    call.fill(nullptr);
    const auto& drawn = args.emplace_back(source.arguments(*row));
    for (std::size_t k = 0; k < drawn.size(); ++k) {
      if (const auto* units = std::get_if<std::u16string>(&drawn[k])) call[k] = units->c_str();
    }
  }
  const auto call = as_read ? rule->counted_as_read : rule->counted_first;
  std::size_t i = 0;
  measure(state, [&] { benchmark::DoNotOptimize(call(calls[i++ & 63])); });
}

// A thousand numbers of a kind as scripts/peers.sh draws them: digits alone, every other one with
// a wrong check digit; the REGONs of 9 or 14 digits at random, the NRBs with their check digits
// first.
enum class Kind { kRegon, kNip, kNrb };
std::vector<std::u16string> number_mix(Kind kind) {
  uint64_t state = 20240315;
  auto next = [&state](int n) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<int>((state >> 33) % static_cast<uint64_t>(n));
  };
  std::vector<std::u16string> mix;
  for (int i = 0; i < 1000; ++i) {
    std::u16string digits;
    if (kind == Kind::kNrb) {
      // The check digits make the 24 digits, "2521" and themselves leave 1 modulo 97.
      int32_t rest = 0;
      for (int k = 0; k < 24; ++k) {
        digits += static_cast<char16_t>(u'0' + next(10));
        rest = (rest * 10 + (digits.back() - u'0')) % 97;
      }
      rest = (rest * 1000000 + 252100) % 97;
      const int32_t check = (98 - rest + (i % 2)) % 100;
      digits.insert(
          0, {static_cast<char16_t>(u'0' + check / 10), static_cast<char16_t>(u'0' + check % 10)});
      mix.push_back(digits);
      continue;
    }
    const CheckDigitNumber& number = kind == Kind::kNip ? kNip : next(2) ? kRegon14 : kRegon9;
    int32_t sum = 0;
    for (std::size_t k = 0; k < number.positions; ++k) {
      digits += static_cast<char16_t>(u'0' + next(10));
      sum += (digits.back() - u'0') * number.weights[k];
    }
    const int32_t check = check_digit(number, sum);
    const bool wrong = i % 2 == 1 || check < 0;
    digits += static_cast<char16_t>(u'0' + (wrong ? (check + 1 + next(8)) % 10 : check));
    mix.push_back(digits);
  }
  return mix;
}

// One number check through the export, which walks a text of digits alone once first, or
// through the plain path (the internal twin given the counted text, as the export called it).
using Check = int (*)(char16_t*);
void number_walk(benchmark::State& state, Check check, std::vector<std::u16string> texts) {
  std::size_t i = 0;
  measure(state, [&] {
    benchmark::DoNotOptimize(check(texts[i].data()));
    i = i + 1 == texts.size() ? 0 : i + 1;
  });
}

}  // namespace

void register_pair_benchmarks() {
  struct WalkPair {
    const char* name;
    Check plain;
    Check walked;
    std::vector<std::vector<std::u16string>> inputs;  // the hot benchmark's four, then a mix
  };
  const WalkPair walk_pairs[] = {
      {"f_KVTElem/REGON",
       [](char16_t* p) { return olv::f_KVTElem(OLVENIR_P_ELEMENT_REGON, olv::text(p), 14); },
       [](char16_t* p) { return ::f_KVTElem(OLVENIR_P_ELEMENT_REGON, p, 14); },
       {{u"123456785", u"192598184", u"123456786", u"12345678"},
        {u"12345678512347", u"23511332857188", u"12345678512348", u"1234567851234X"},
        number_mix(Kind::kRegon)}},
      {"f_KVTElem/NIP",
       [](char16_t* p) { return olv::f_KVTElem(OLVENIR_P_ELEMENT_NIP, olv::text(p), 13); },
       [](char16_t* p) { return ::f_KVTElem(OLVENIR_P_ELEMENT_NIP, p, 13); },
       {{u"5261040828", u"526-104-08-28", u"5261040827", u"1234563218"}, number_mix(Kind::kNip)}},
      {"GP0004_1",
       [](char16_t* p) { return olv::GP0004_1(olv::text(p)); },
       [](char16_t* p) { return ::GP0004_1(p); },
       {{u"61109010140000071219812874", u"27114020040000300201355387",
         u"61109010140000071219812875", u"6110901014000007121981287"},
        number_mix(Kind::kNrb)}},
  };
  const char* input_names[2][3] = {{"hot9", "hot14", "mix"}, {"hot", "mix"}};
  for (const WalkPair& pair : walk_pairs) {
    const bool regon = pair.inputs.size() == 3;
    for (std::size_t k = 0; k < pair.inputs.size(); ++k) {
      const std::string name =
          std::string("pair/number_walk/") + pair.name + "/" + input_names[regon ? 0 : 1][k];
      benchmark::RegisterBenchmark((name + "/plain").c_str(), number_walk, pair.plain,
                                   pair.inputs[k]);
      benchmark::RegisterBenchmark((name + "/walked").c_str(), number_walk, pair.walked,
                                   pair.inputs[k]);
    }
  }
  for (const char* rule :
       {"XP0149_10", "XP0149_11", "XB0063_1", "XB0061_1", "XP0147_3", "XP0147_1", "GP0004_1"}) {
    const std::string name = std::string("pair/counted_fields/") + rule;
    benchmark::RegisterBenchmark((name + "/all_first").c_str(), counted_fields, rule, false);
    benchmark::RegisterBenchmark((name + "/as_read").c_str(), counted_fields, rule, true);
  }
}

}  // namespace olv::bench
