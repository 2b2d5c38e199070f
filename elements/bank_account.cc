// Bank account numbers: the NRB and IBAN form tests, the NRB check digits, the free form.
#include "elements/bank_account.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "frame/frame.h"
#include "olvenir_p.h"
#include "platform/char_class.h"
#include "platform/check_digits.h"

namespace olv {
namespace {

constexpr std::size_t kNrbDigits = 26;
constexpr std::size_t kIbanUnits = 28;
constexpr std::size_t kSpacedNrbUnits = 32;

// The form tests work on a copy of at most 39 units. What trails the number is cut before it is
// copied (the account form test drops trailing spaces, the NRB form test never looks past the
// trimmed length), so a padded field of any length still fits. A text whose remainder is longer
// than 39 units is taken for no account number: both form tests answer false for it.
constexpr std::size_t kWorkingCopy = 39;

// The spaced forms put a space at every fifth position: the NRB at 3, 8, ..., 28, the IBAN at 5,
// 10, ..., 30; digits everywhere else. Compares positions `first` to 32 (1-based); a copy that
// ends before position 32 fails at its end.
enum class Spacing { kNrb = 3, kIban = 0 };

bool matches_spaced_form(Text copy, std::size_t first, Spacing spacing) {
  for (std::size_t pos = first; pos <= kSpacedNrbUnits; ++pos) {
    char16_t c = unit_at(copy, pos - 1);
    bool space_here = pos % 5 == static_cast<std::size_t>(spacing);
    if (space_here ? c != u' ' : !is_digit(c)) return false;
  }
  return true;
}

// The number of digits among the first N units, N being the trimmed length. Only the count up
// to 27 matters to the callers, so counting stops there.
template <typename Visit>
std::size_t collect_window_digits(Text t, Visit visit) {
  std::size_t window = KVTDelSpacje(t).size();
  std::size_t count = 0;
  for (std::size_t i = 0; i < window && count <= kNrbDigits; ++i) {
    if (!is_digit(t[i])) continue;
    if (count < kNrbDigits) visit(count, t[i]);
    ++count;
  }
  return count;
}

// The NRB check digits: the 26 digits of the window, with the country digits, leave 1 modulo 97.
// The sum is taken as the digits are found.
int nrb_check_digits(Text t) {
  int32_t sum = 0;
  std::size_t found = collect_window_digits(
      t, [&sum](std::size_t i, char16_t c) { sum += (c - u'0') * kNrb.weights[i]; });
  if (found != kNrbDigits) return 0;
  return sum_passes(kNrb, sum, 0) ? 0 : 62000401;
}

// The account form of the flag-false test: an empty text, and a text whose leading run of
// spaces reaches its end or covers more than 40 units, pass without a form test.
int account_form(Text t) {
  constexpr std::size_t kSpaceRun = 41;
  std::size_t spaces = t.find_first_not_of(u' ');
  if (spaces == Text::npos || spaces >= kSpaceRun) return 0;
  return KVT_CzyRachBank_IBAN_lub_NRB(t) ? 0 : 60007602;
}

bool is_separator(char16_t c) { return c == u'-' || c == u'/' || c == u'.'; }

}  // namespace

bool KVT_CzyRachBank_IBAN_lub_NRB(Text t) {
  const Text c = t.substr(0, t.find_last_not_of(u' ') + 1);  // without trailing spaces
  if (c.size() > kWorkingCopy) return false;
  std::array<char16_t, kWorkingCopy> packed{};  // B: the copy without its spaces
  const auto packed_end = std::remove_copy(c.begin(), c.end(), packed.begin(), u' ');
  const Text b(packed.data(), packed_end - packed.begin());
  if (b.size() == kNrbDigits) {
    if (!only_digits(b)) return false;
    return c.size() == kNrbDigits || matches_spaced_form(c, 1, Spacing::kNrb);
  }
  if (b.size() == kIbanUnits) {
    // The two country characters are not examined.
    if (!only_digits(b.substr(2))) return false;
    return c.size() == kIbanUnits || matches_spaced_form(c, 3, Spacing::kIban);
  }
  return false;
}

bool KVT_CzyFormRachBank_NRB(Text t) {
  const Text c = without_trailing_white_space(t);
  if (c.size() > kWorkingCopy) return false;
  if (collect_window_digits(c, [](std::size_t, char16_t) {}) != kNrbDigits) return true;
  if (KVTDelSpacje(c).size() == kNrbDigits) return true;
  // 26 digits among other units: only the spaced NRB form is accepted, as the account form
  // test does; a two-character prefix (an IBAN) is not an NRB form.
  return matches_spaced_form(c, 1, Spacing::kNrb);
}

int f_KVTElemT_NR_RACH_BANKOWEGO(Text t) {
  constexpr std::size_t kHead = 8;
  if (t.size() < kHead) return 60007601;
  for (std::size_t i = 0; i < kHead; ++i) {
    if (!is_digit(t[i]) && !(i == 2 && t[i] == u'-')) return 60007601;
  }
  for (std::size_t i = kHead; i < t.size(); ++i) {
    char16_t c = t[i];
    if (!is_letter(c) && !is_digit(c) && !is_separator(c)) return 60007601;
    if (i > kHead && is_separator(c) && is_separator(t[i - 1])) return 60007601;
  }
  return is_separator(t.back()) ? 60007601 : 0;
}

std::optional<int> walked_nrb_check_digits(const char16_t* p) {
  // Digits alone have no white space to trim: the window is all of them.
  const auto walk = walk_digits<1>(p, kNrbDigits, {&kNrb});
  if (!walk.alone) return std::nullopt;
  if (walk.digits != kNrbDigits) return 0;
  return sum_passes(kNrb, walk.sums[0], 0) ? 0 : 62000401;
}

int TestNrRachBank(Text t, bool flag) { return flag ? nrb_check_digits(t) : account_form(t); }

int TestNrRachBankNrDecyzji(Text first, Text second) {
  if (first.empty() || first == u"S" || first == u"M") return 0;
  return KVTDelSpacjeStrcmp(second, u"") == 0 ? 62001502 : 0;
}

}  // namespace olv

// ---- exports ----------------------------------------------------------------------------------

using olv::text;

bool KVT_CzyRachBank_IBAN_lub_NRB(const char16_t* t) {
  return olv::KVT_CzyRachBank_IBAN_lub_NRB(text(t));
}
bool KVT_CzyFormRachBank_NRB(const char16_t* t) { return olv::KVT_CzyFormRachBank_NRB(text(t)); }
int f_KVTElemT_NR_RACH_BANKOWEGO(char16_t* t) { return olv::f_KVTElemT_NR_RACH_BANKOWEGO(text(t)); }

extern "C" int TestNrRachBank(char16_t* t, bool flag) {
  // Hosts pass the flag as one byte and mean true by any non-zero byte, not only by 1.
  unsigned char byte = 0;
  std::memcpy(&byte, &flag, 1);
  if (auto walked = byte != 0 ? olv::walked_nrb_check_digits(t) : std::nullopt) return *walked;
  return olv::TestNrRachBank(text(t), byte != 0);
}
extern "C" int TestNrRachBankNrDecyzji(char16_t* first, char16_t* second) {
  return olv::TestNrRachBankNrDecyzji(text(first), text(second));
}
