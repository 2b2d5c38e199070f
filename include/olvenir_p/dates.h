/* Date forms and validation, date arithmetic, amounts. */
#ifndef OLVENIR_P_DATES_H
#define OLVENIR_P_DATES_H

#include "olvenir_p/types.h"

/* ---- date forms and date validation ---- */

/* ---- date arithmetic ---- */

/* -1, 0 or 1 as DDMMRRRR date a is before, equal to or after b; 0 when either text is empty. */
int f_DateCmp(char16_t* a, char16_t* b);
/* 1 when date a is after date b, else 0 (also for an empty text). */
int f_KVTElemDateCmpLessEqual(char16_t* a, char16_t* b);
/* 1 when date a is not before date b or a text is empty; 0 when a is before b. */
int f_KVTElemDateCmpLess(char16_t* a, char16_t* b);
/* The days from DDMMRRRR date b to date a, both counted: 1 for equal dates. */
int f_KVTRoznicaDni(char16_t* a, char16_t* b);
/* The days from DDMM start to DDMM end, both counted, in the MMRRRR period's year (the end in the
 * next year when its month is earlier); -1 for texts of the wrong length. */
int f_KVTRoznicaDniDDMM(char16_t* end, char16_t* start, char16_t* period);
/* The birth date of a PESEL number as an RRRRMMDD number, the century from the month field. */
int f_PeselToDate(char16_t* pesel);
/* 0 when on `date` the person born on `birth` is past the 26th birthday, else 1. */
int KVTMaWiecejNiz26lat(char16_t* birth, char16_t* date);
/* 0 when `date` is on or after the 26th birthday of the person born on `birth`, else 1. */
int KVTMaWiecejRowno26lat(char16_t* birth, char16_t* date);
/* The days of the MMRRRR month, 0 for a month outside 1 to 12. */
int f_KVTLiczbaDniWMiesiacu(char16_t* month);
/* Overwrites the DDMMRRRR text with the day before and returns it as RRRRMMDD; 0 (text unchanged)
 * for a null text or one that is not 8 units long. */
int32_t f_KVTDataMinus1(char16_t* date);

extern "C" {
/* Stores the full RRRRMMDD dates of the DDMM range from-to within the NNMMRRRR settlement month. */
void bw_DajDatyOdDoRSARGA(const char16_t* period, const char16_t* from, const char16_t* to,
                          int32_t* from_date, int32_t* to_date);
}

/* ---- amounts and numeric text ---- */

/* The amount text (hundredths) read as a floating number and divided by 100. */
double f_KVTKwotaVamoToFloat(char16_t* amount);
/* 0 when every amount text up to the terminating null pointer passes the amount test, else
 * 60006701. */
int f_KVTSprKwoty(char16_t* first, ...);
/* 105 when the code's prefix calls for it with the constant 106 or 107, else the constant. */
int ZamienStala(const char16_t* code, int constant);

extern "C" {
/* 1 when the text is null or holds only spaces, tabs and line feeds, else 0. */
int bw_PustaKwota(const char16_t* text);
/* The text read as a signed 64-bit integer; 0 for an empty amount. */
int64_t bw_GetSafeAtol64(const char16_t* text);
}

#endif
