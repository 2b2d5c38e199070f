// The exports that walk a text of digits alone once answer every text as the plain path does.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "elements/bank_account.h"
#include "elements/dispatcher.h"
#include "elements/identity.h"
#include "olvenir_p.h"
#include "platform/check_digits.h"
#include "rules/rules.h"
#include "tests/test_support.h"

namespace {

using olv::Text;

// Every way in, the export against the plain path given the counted text.
struct Entry {
  const char* name;
  int (*walked)(char16_t* p);
  int (*plain)(Text t);
};
// clang-format off
const Entry kEntries[] = {
    {"f_KVTElem(REGON, 14)", [](char16_t* p) { return f_KVTElem(OLVENIR_P_ELEMENT_REGON, p, 14); }, [](Text t) { return olv::f_KVTElem(OLVENIR_P_ELEMENT_REGON, t, 14); }},
    {"f_KVTElem(REGON, 9)",  [](char16_t* p) { return f_KVTElem(OLVENIR_P_ELEMENT_REGON, p, 9); },  [](Text t) { return olv::f_KVTElem(OLVENIR_P_ELEMENT_REGON, t, 9); }},
    {"f_KVTElem(REGON, 0)",  [](char16_t* p) { return f_KVTElem(OLVENIR_P_ELEMENT_REGON, p, 0); },  [](Text t) { return olv::f_KVTElem(OLVENIR_P_ELEMENT_REGON, t, 0); }},
    {"f_KVTElem(REGON, -1)", [](char16_t* p) { return f_KVTElem(OLVENIR_P_ELEMENT_REGON, p, -1); }, [](Text t) { return olv::f_KVTElem(OLVENIR_P_ELEMENT_REGON, t, -1); }},
    {"f_KVTElem(NIP, 13)",   [](char16_t* p) { return f_KVTElem(OLVENIR_P_ELEMENT_NIP, p, 13); },   [](Text t) { return olv::f_KVTElem(OLVENIR_P_ELEMENT_NIP, t, 13); }},
    {"f_KVTElem(NIP, 9)",    [](char16_t* p) { return f_KVTElem(OLVENIR_P_ELEMENT_NIP, p, 9); },    [](Text t) { return olv::f_KVTElem(OLVENIR_P_ELEMENT_NIP, t, 9); }},
    {"f_KVTElemT_REGON",     [](char16_t* p) { return f_KVTElemT_REGON(p); },                       [](Text t) { return olv::f_KVTElemT_REGON(t); }},
    {"f_KVTElemT_NIP",       [](char16_t* p) { return f_KVTElemT_NIP(p); },                         [](Text t) { return olv::f_KVTElemT_NIP(t); }},
    {"TestNrRachBank(true)", [](char16_t* p) { return TestNrRachBank(p, true); },                   [](Text t) { return olv::TestNrRachBank(t, true); }},
    {"GP0004_1",             [](char16_t* p) { return GP0004_1(p); },                               [](Text t) { return olv::GP0004_1(t); }},
};
// clang-format on

// `digits` with right check digits (or, with `wrong`, one of them off by one) for `number`.
std::u16string with_check(const olv::CheckDigitNumber& number, std::u16string digits, bool wrong) {
  if (number.reading == olv::CheckReading::kLeavesOne) {
    // The NRB's first two digits are its check digits: try each pair.
    for (int check = 0; check < 100; ++check) {
      digits[0] = static_cast<char16_t>(u'0' + check / 10);
      digits[1] = static_cast<char16_t>(u'0' + check % 10);
      if (olv::check_digit_matches(digits, number) != wrong) break;
    }
    return digits;
  }
  const int32_t check = olv::check_digit(number, olv::weighted_sum(digits, number));
  const int32_t digit = (check < 0 ? 0 : check) + (wrong ? 1 : 0);
  digits[number.check_position - 1] = static_cast<char16_t>(u'0' + digit % 10);
  return digits;
}

std::vector<std::u16string> sample_texts() {
  // clang-format off
  std::vector<std::u16string> texts = {
      u"123456785", u"192598184", u"123456786", u"12345678512347", u"23511332857188",  // REGON
      u"12345678512348", u"000000000", u"00000000000000",
      u"5261040828", u"5261040827", u"1234563218", u"0000000000", u"0000000001",       // NIP
      u"61109010140000071219812874", u"39111122223333444455556666",                     // NRB
      u"39111122223333444455556667",
      u"", u" ", u"\t", u"          ",                                                   // blank
      u" 123456785", u"123456785 ", u"5261040828 ", u" 5261040828", u"0000000000 ",     // around
      u"39111122223333444455556666 ", u"\t39111122223333444455556666",
      u"526-104-08-28", u"39 1111 2222 3333 4444 5555 6666", u"PL39111122223333444455556666",
      u"\uFF11\uFF12\uFF13\uFF14\uFF15\uFF16\uFF17\uFF18\uFF15", u"\xD800", u"\xDC00\xD800",
      u"3", u"39111122", u"39111122223333", u"391111222233334", u"391111222233334444555566667777",
  };
  // clang-format on
  // Random digits of each number's length or one unit about it, half with right check digits
  // (or one of them off by one), a third with one unit that is no digit at a random place.
  const olv::CheckDigitNumber* numbers[] = {&olv::kRegon9, &olv::kRegon14, &olv::kNip, &olv::kNrb};
  const char16_t others[] = {u'A', u' ', u'\0', u'\uFF11', u'\u0661', u'\xD800', u'/'};
  std::mt19937 random(20240315);
  for (int i = 0; i < 8000; ++i) {
    const olv::CheckDigitNumber& number = *numbers[i % 4];
    const int length = number.check_position ? number.check_position : 26;
    std::u16string t(length + (i % 5 == 0 ? static_cast<int>(random() % 3) - 1 : 0), u'0');
    for (char16_t& c : t) c = static_cast<char16_t>(u'0' + random() % 10);
    if (i % 8 < 4 && t.size() == static_cast<std::size_t>(length))
      t = with_check(number, t, (i / 8) % 2 == 1);
    if (i % 3 == 0) t[random() % t.size()] = others[random() % std::size(others)];
    texts.push_back(t);
  }
  return texts;
}

TEST(NumberWalkTest, EveryExportAnswersAsThePlainPath) {
  std::vector<std::u16string> texts = sample_texts();
  std::vector<const std::u16string*> inputs = {nullptr};
  for (const std::u16string& t : texts) inputs.push_back(&t);
  for (const std::u16string* input : inputs) {
    // In a heap block of its own length and terminator, so that the address sanitizer sees a
    // read past the terminator.
    std::unique_ptr<char16_t[]> host;
    if (input) host = std::make_unique<char16_t[]>(input->size() + 1);
    if (input) std::copy(input->begin(), input->end(), host.get());
    for (const Entry& entry : kEntries) {
      const int want = entry.plain(olv::text(host.get()));
      EXPECT_EQ(entry.walked(host.get()), want)
          << entry.name << "(" << (input ? olv::testing::utf8(*input) : "null") << ")";
    }
  }
}

}  // namespace
