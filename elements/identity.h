// Validators of the identity numbers: PESEL, REGON, NIP, NUSP, identity cards, passports.
// olv::NAME is the internal twin of the export NAME.
#pragma once

#include <cstddef>
#include <optional>

#include "dates/date_forms.h"
#include "platform/char_class.h"
#include "platform/check_digits.h"
#include "platform/text.h"

namespace olv {

int f_KVTElemT_PESEL(Text t);
int f_KVTElemT_REGON(Text t);
int f_KVTElemT_NIP(Text t);
int f_KVTElemT_NUSP(Text t);
int f_KVTElemT_DOWOD_NOWY(Text t);
int f_KVTElemT_DOWOD_STARY(Text t);
int f_KVTElemT_DOWOD_NOWY_I_STARY(Text t);
int f_KVTElemT_PASZPORT(Text t);
int f_KVTTypAndIdentyfikator(Text type, Text identifier);

// The PESEL tests after its form: the month field names a month of a century, the birth date it
// gives is a valid element date, positions 7 to 10 are not all 0, and the check digit is right.
inline bool pesel_digits_pass(Text t) {
  const int32_t month_field = part_value(t, 3, 4);
  if (!pesel_month_field(month_field)) return false;
  char16_t date[8];
  if (f_KVTElemT_DATA_DDMMRRRR(pesel_birth_date(t, month_field, date)) != 0) return false;
  const int32_t seventh_to_tenth =
      position_value(t, 7) + position_value(t, 8) + position_value(t, 9) + position_value(t, 10);
  return seventh_to_tenth != 0 && check_digit_matches(t, kPesel);
}

// A validator's answer for a host's text of digits alone, read in one walk of it (see
// walk_digits), with the text's length for the dispatcher's length test. None for every other
// text (a null pointer, white space, other units, more digits than the number has), which the
// validator judges.
struct WalkedAnswer {
  std::size_t length;
  int answer;
};
std::optional<WalkedAnswer> walked_REGON(const char16_t* p);
std::optional<WalkedAnswer> walked_NIP(const char16_t* p);

}  // namespace olv
