/* Element validators: general types, identity numbers, bank accounts, the dispatcher. */
#ifndef OLVENIR_P_ELEMENTS_H
#define OLVENIR_P_ELEMENTS_H

#include "olvenir_p/types.h"

/* ---- general element types ---- */

/* ---- identity numbers ---- */

/* ---- bank account numbers ---- */

/* True when the text is a Polish account number (26 digits, in a row or spaced 2+6x4) or its
 * international form (two characters before them); no check digit is computed. */
bool KVT_CzyRachBank_IBAN_lub_NRB(const char16_t* text);
/* False only when the text holds 26 digits that are neither alone nor in the spaced NRB form. */
bool KVT_CzyFormRachBank_NRB(const char16_t* text);
/* 0 for the free account form (eight digits, a free tail of letters, digits, - / .), else 60007601. */
int f_KVTElemT_NR_RACH_BANKOWEGO(char16_t* text);

extern "C" {
/* flag true: 0 or 62000401, the NRB check digits; false: 0 or 60007602, the account form. */
int TestNrRachBank(char16_t* text, bool flag);
/* 62001502 when the first text is not null, "", "S" or "M" and the second is blank, else 0. */
int TestNrRachBankNrDecyzji(char16_t* first, char16_t* second);
}

/* ---- the element dispatcher and the document-type field ---- */

#endif
