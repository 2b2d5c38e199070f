/* Element validators: general types, identity numbers, bank accounts, the dispatcher. */
#ifndef OLVENIR_P_ELEMENTS_H
#define OLVENIR_P_ELEMENTS_H

#include "olvenir_p/types.h"

/* ---- general element types ---- */
/* 0 for ASCII letters, Polish code-page letters, digits, . - space and the special characters;
 * a null or empty text passes; else 60006501. */
int f_KVTElemT_LANCUCH_NAZWA(char16_t* text);
/* 0 for a surname: all letters, or from the second unit on name letters, spaces, apostrophes
 * and one hyphen that leads into a letter; a null text passes; else 60006601. */
int f_KVTElemT_LANCUCH_NAZWISKO(char16_t* text);
/* 0 for a non-empty text of letters, apostrophes and spaces, else 60006401. */
int f_KVTElemT_LANCUCH_IMIE(char16_t* text);
/* 0 when every unit is a letter (the empty text too), else 60006701. */
int f_KVTElemT_LANCUCH_OGOLNY(char16_t* text);
/* 0 for letters, digits and inner solidi (the empty text too), else 60007501. */
int f_KVTElemT_LANCUCH_LICZBYZNAKI(char16_t* text);
/* 0 for ASCII letters and digits with single - or / separators, none last, else 60007701. */
int f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY(char16_t* text);
/* 0 for one run of digits framed by U+0020 spaces, spaces alone or the empty text; else
 * 60005901. */
int f_KVTElemT_LICZBA(const char16_t* text);
/* True when the text has at least one unit and every unit is a digit. */
bool f_KVTElemT_TylkoCyfry(const char16_t* text);
/* 0 when the unit is a letter, else 60006701. */
int f_KVTElemT_LITERA(char16_t c);
/* 0 for exactly "X" or the empty text, else 60006001. */
int f_KVTElemT_LOGICZNE(char16_t* text);
/* 0 for an address of one @ among ASCII letters, digits, . _ - without misplaced full stops,
 * else 60005301. */
int f_KVTElemT_EMAIL(char16_t* text);
/* 0 for digits, spaces, inner hyphens by a digit, a leading plus and one pair of parentheses
 * around digits; else 60007901. */
int f_KVTElemT_NR_TELEFONU(char16_t* text);
/* 0 for letters, digits, spaces and hyphens (the empty text too), else 62001201. */
int f_KVTElemT_NAZWA_NUMER(char16_t* text);
/* 0 for letters and spaces (the empty text too), else 60006701. */
int f_KVTElemT_KRAJ(char16_t* text);
/* 0 when f_KVTElemT_LICZBA accepts the text, else 60006101. */
int f_KVTElemT_KWOTA(char16_t* text);
/* 0 for three digits of a non-zero value or a text that reads as 0, else 60003901. */
int f_KVTElemT_ULAMEK33(char16_t* text);
/* 0 for a non-empty number text of exactly `length` units, else 1. */
int f_KVTIsZnakAndLenght(char16_t* text, int length);

/* ---- identity numbers ---- */
/* 0 for a PESEL with a valid birth date and check digit; 60005901 for a text that is not a
 * number, else 60005401. */
int f_KVTElemT_PESEL(char16_t* text);
/* 0 for a REGON of 9 or 14 positions with valid check digits; 60005901 for a text that is not
 * a number, else 60005201. */
int f_KVTElemT_REGON(char16_t* text);
/* 0 for a NIP with a valid check digit or the empty text; 60005901 for a text that is not a
 * number, else 60005101. */
int f_KVTElemT_NIP(char16_t* text);
/* 0 for a NUSP with both check sums right, 1 for a length other than 10, else 60005001. */
int f_KVTElemT_NUSP(char16_t* text);
/* 0 for an identity card number of the new form (3 series characters, 6 digits), else
 * 61002201. */
int f_KVTElemT_DOWOD_NOWY(char16_t* text);
/* 0 for an identity card number of the old form (2 series characters, 7 digits), else
 * 61002201. */
int f_KVTElemT_DOWOD_STARY(char16_t* text);
/* 0 for an identity card number of either form, else 61002201. */
int f_KVTElemT_DOWOD_NOWY_I_STARY(char16_t* text);
/* 0 for a text of digits and letters (the empty text too), else 60007301. */
int f_KVTElemT_PASZPORT(char16_t* text);
/* The identifier checked by its type: "1" identity card, "2" passport, "P" PESEL, "N" NIP;
 * 1 for any other type. */
int f_KVTTypAndIdentyfikator(char16_t* type, char16_t* identifier);

/* ---- bank account numbers ---- */

/* ---- the element dispatcher and the document-type field ---- */

#endif
