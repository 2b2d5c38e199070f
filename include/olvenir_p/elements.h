/* Element validators: general types, identity numbers, bank accounts, the dispatcher. */
#ifndef OLVENIR_P_ELEMENTS_H
#define OLVENIR_P_ELEMENTS_H

#include "olvenir_p/types.h"

/* ---- general element types ---- */

/* 0 for an empty text or a name of ASCII letters, code-page Polish letters (by the low 8 bits),
 * digits and the characters . - space , / " _ & \; else 60006501. A null text gives 0. */
int f_KVTElemT_LANCUCH_NAZWA(OLVENIR_P_CHAR* text);
/* 0 for a surname of letters, or of ASCII or code-page letters joined by one hyphen; else
 * 60006601. A null text gives 0. */
int f_KVTElemT_LANCUCH_NAZWISKO(OLVENIR_P_CHAR* text);
/* 0 for a first name of letters, apostrophes and spaces; 60006401 otherwise and when empty. */
int f_KVTElemT_LANCUCH_IMIE(OLVENIR_P_CHAR* text);
/* 0 when every unit is a letter (the empty text too), else 60006701. */
int f_KVTElemT_LANCUCH_OGOLNY(OLVENIR_P_CHAR* text);
/* 0 for letters and digits with solidus separators inside, else 60007501. */
int f_KVTElemT_LANCUCH_LICZBYZNAKI(OLVENIR_P_CHAR* text);
/* 0 for ASCII letters and digits with single - or / separators not at the end, else 60007701. */
int f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY(OLVENIR_P_CHAR* text);
/* 0 for one run of digits framed by spaces (or spaces alone, or empty), else 60005901. */
int f_KVTElemT_LICZBA(const OLVENIR_P_CHAR* text);
/* True when the text has at least one unit and every unit is a digit. */
bool f_KVTElemT_TylkoCyfry(const OLVENIR_P_CHAR* text);
/* 0 when the unit is a letter, else 60006701. */
int f_KVTElemT_LITERA(OLVENIR_P_CHAR c);
/* 0 for exactly "X" or the empty text, else 60006001. */
int f_KVTElemT_LOGICZNE(OLVENIR_P_CHAR* text);
/* 0 for a plain e-mail address with one @, else 60005301. */
int f_KVTElemT_EMAIL(OLVENIR_P_CHAR* text);
/* 0 for a telephone number of digits, spaces, one leading +, hyphens and one (area), else
 * 60007901. */
int f_KVTElemT_NR_TELEFONU(OLVENIR_P_CHAR* text);
/* 0 for letters, digits, spaces and hyphens, else 62001201. */
int f_KVTElemT_NAZWA_NUMER(OLVENIR_P_CHAR* text);
/* 0 for letters and spaces, else 60006701. */
int f_KVTElemT_KRAJ(OLVENIR_P_CHAR* text);
/* 0 for an amount that is a number text, else 60006101. */
int f_KVTElemT_KWOTA(OLVENIR_P_CHAR* text);
/* 0 for three digits other than 000, or any text not beginning with a non-zero number; else
 * 60003901. */
int f_KVTElemT_ULAMEK33(OLVENIR_P_CHAR* text);
/* 0 when the text is not empty, has `length` units and is a number text; else 1. */
int f_KVTIsZnakAndLenght(OLVENIR_P_CHAR* text, int length);

/* ---- identity numbers ---- */

/* 0 for a valid PESEL (birth date 1850-2050, check digit); 60005901 when it is not a number
 * text; else 60005401. */
int f_KVTElemT_PESEL(OLVENIR_P_CHAR* text);
/* 0 for a valid REGON of 9 or 14 digits; 60005901 when not a number text; else 60005201. */
int f_KVTElemT_REGON(OLVENIR_P_CHAR* text);
/* 0 for a valid NIP or the empty text; 60005901 when not a number text; else 60005101. */
int f_KVTElemT_NIP(OLVENIR_P_CHAR* text);
/* 0 for a NUSP whose two check sums hold; 1 for a length other than 10; else 60005001. */
int f_KVTElemT_NUSP(OLVENIR_P_CHAR* text);
/* 0 for an identity card number of the new form (three series units, six digits), else
 * 61002201. */
int f_KVTElemT_DOWOD_NOWY(OLVENIR_P_CHAR* text);
/* 0 for an identity card number of the old form (two series units, seven digits), else
 * 61002201. */
int f_KVTElemT_DOWOD_STARY(OLVENIR_P_CHAR* text);
/* 0 for an identity card number of either form, else 61002201. */
int f_KVTElemT_DOWOD_NOWY_I_STARY(OLVENIR_P_CHAR* text);
/* 0 for letters and digits (the empty text too), else 60007301. */
int f_KVTElemT_PASZPORT(OLVENIR_P_CHAR* text);
/* The identifier validated by its type "1" (identity card), "2" (passport), "P" (PESEL) or "N"
 * (NIP); 1 for any other type text. */
int f_KVTTypAndIdentyfikator(OLVENIR_P_CHAR* type, OLVENIR_P_CHAR* identifier);

/* ---- bank account numbers ---- */

/* True when the text is a Polish account number (26 digits, in a row or spaced 2+6x4) or its
 * international form (two characters before them); no check digit is computed. */
bool KVT_CzyRachBank_IBAN_lub_NRB(const OLVENIR_P_CHAR* text);
/* False only when the text holds 26 digits that are neither alone nor in the spaced NRB form. */
bool KVT_CzyFormRachBank_NRB(const OLVENIR_P_CHAR* text);
/* 0 for the free account form (eight digits, a free tail of letters, digits, - / .), else 60007601.
 */
int f_KVTElemT_NR_RACH_BANKOWEGO(OLVENIR_P_CHAR* text);

extern "C" {
/* flag true: 0 or 62000401, the NRB check digits; false: 0 or 60007602, the account form. */
int TestNrRachBank(OLVENIR_P_CHAR* text, bool flag);
/* 62001502 when the first text is not null, "", "S" or "M" and the second is blank, else 0. */
int TestNrRachBankNrDecyzji(OLVENIR_P_CHAR* first, OLVENIR_P_CHAR* second);
}

/* ---- the element dispatcher and the document-type field ---- */

/* The element types of f_KVTElem that have a validator: OLVENIR_P_ELEMENT_PESEL is 121. */
enum olvenir_p_element_type {
#define OLV_ELEMENT(type, NAME, validator, ...) OLVENIR_P_ELEMENT_##NAME = type,
#include "olvenir_p/element_types.def"
};

/* The validator's result for the element type when the text is at most `max_length` units
 * (both unsigned); 60004001 for a longer text; 0 for the types without a test; for a
 * dictionary type the code check of the dictionary of that number (0 or -1); -1000 - type for
 * an unknown type. */
int f_KVTElem(short type, OLVENIR_P_CHAR* text, int max_length);
/* 0 for an empty text, 1 for a text longer than one unit, else the code check of the
 * document-type dictionary 10023 (0 or -1). */
int fb_KVTPoleRodzajDokumentu(const OLVENIR_P_CHAR* text);

#endif
