// Bank account numbers: the NRB and IBAN form tests, the NRB check digits, the free form.
// olv::NAME is the internal twin of the export NAME.
#pragma once

#include <optional>

#include "platform/text.h"

namespace olv {

bool KVT_CzyRachBank_IBAN_lub_NRB(Text t);
bool KVT_CzyFormRachBank_NRB(Text t);
int f_KVTElemT_NR_RACH_BANKOWEGO(Text t);
// flag true: the NRB check digits (0 or 62000401); false: the account form (0 or 60007602).
int TestNrRachBank(Text t, bool flag);
int TestNrRachBankNrDecyzji(Text first, Text second);

// The NRB check digits of a host's text of at most 26 digits alone, read in one walk of it (see
// walk_digits); none for every other text, which the check judges by its trimmed window.
std::optional<int> walked_nrb_check_digits(const char16_t* p);

}  // namespace olv
