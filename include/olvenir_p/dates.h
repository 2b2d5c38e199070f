/* Date forms and validation, date arithmetic, amounts. */
#ifndef OLVENIR_P_DATES_H
#define OLVENIR_P_DATES_H

#include "olvenir_p/types.h"

/* ---- date forms and date validation ---- */

extern "C" {
/* 0 for a valid DDMMRRRR date (any year); -1 for null; else 60006201, 60005701 or 60005801. */
int32_t sl_PoprawnaData_DDMMRRRR(const OLVENIR_P_CHAR* text);
/* 0 for a valid MMRRRR month of 1850-2050; -1 for null; else 60006201, 60005701 or 60006301. */
int32_t sl_PoprawnaData_MMRRRR(const OLVENIR_P_CHAR* text);
/* 0 for a valid DDMM day (February of 29 days); else 60006201, 60005701 or 60005801. */
int32_t sl_PoprawnaData_DDMM(const OLVENIR_P_CHAR* text);
/* RRRRMMDD of a valid DDMMRRRR text, else of today; -1 for null. */
int32_t sl_PrzeksztalcDate_DDMMRRRR(const OLVENIR_P_CHAR* text);
/* RRRRMM of a valid MMRRRR text, else of today; -1 for null. */
int32_t sl_PrzeksztalcDate_MMRRRR(const OLVENIR_P_CHAR* text);
/* MMDD of a valid DDMM text, else of today; -1 for null. */
int32_t sl_PrzeksztalcDate_DDMM(const OLVENIR_P_CHAR* text);
/* RRRRMMDD of today; a non-null buffer (9 units) receives today as DDMMRRRR. */
int32_t sl_Now(OLVENIR_P_CHAR* buffer);
/* Writes the current settlement month as MMRRRR into a buffer of 7 units. */
void bw_DajBiezOkrRozl(OLVENIR_P_CHAR* buffer);
/* The earliest valid DDMMRRRR text of the list ended by a null pointer, else the fallback. */
const OLVENIR_P_CHAR* sl_NajwczesniejszaData(const OLVENIR_P_CHAR* fallback, ...);
/* The latest valid DDMMRRRR text of the list ended by a null pointer, else the fallback. */
const OLVENIR_P_CHAR* sl_NajpozniejszaData(const OLVENIR_P_CHAR* fallback, ...);
}

/* 0 for a valid DDMMRRRR date of 1850-2050 or eight spaces; else 60006201, 60005701 or
 * 60005801. */
int f_KVTElemT_DATA_DDMMRRRR(const OLVENIR_P_CHAR* text);
/* 0 for a valid MMRRRR month of 1850-2050 or six spaces; else 60006201, 60005701 or 60006301. */
int f_KVTElemT_DATA_MMRRRR(const OLVENIR_P_CHAR* text);
/* 0 for a valid DDMM day or four spaces; else 60006201, 60005701 or 60005801. */
int f_KVTElemT_DATA_DDMM(OLVENIR_P_CHAR* text);
/* 0 for a valid DDMMRRRRNN date with ordinal 01-99 or ten spaces; else 60008101, 60005701 or
 * 60005801. */
int f_KVTElemT_DATA_DDMMRRRRNN(OLVENIR_P_CHAR* text);
/* 0 for a report identifier NNMMRRRR (ordinal 01-99, valid month); else 60007401 or the
 * month's finding. */
int f_KVTElemT_NNMMRRRR_RAP(OLVENIR_P_CHAR* text);
/* 0 for a year text of 1850 to 2050, else 1. */
int f_KVTZakresRoku(const OLVENIR_P_CHAR* year);
/* value(1-2) + value(3-4)*100 + value(5-8)*10000 of an 8-unit text; -1 for null or another
 * length. */
int32_t DataStr2Long(const OLVENIR_P_CHAR* text);
/* RRRRMMDD read from an 8-unit DDMMRRRR text without validation; 0 for null or another length. */
int32_t atod(const OLVENIR_P_CHAR* text);
/* MMDD read from a 4-unit DDMM text without validation; 0 for null or another length. */
int32_t DDMMtol(const OLVENIR_P_CHAR* text);
/* RRRRMMDD of today. */
int32_t f_KVTGetCurrentTimeLong();
/* Writes today as day, month and year without leading zeros into a buffer of 9 units. */
void f_KVTGetCurrentTimeStr(OLVENIR_P_CHAR* buffer);

/* ---- date arithmetic ---- */

/* -1, 0 or 1 as DDMMRRRR date a is before, equal to or after b; 0 when either text is empty. */
int f_DateCmp(OLVENIR_P_CHAR* a, OLVENIR_P_CHAR* b);
/* 1 when date a is after date b, else 0 (also for an empty text). */
int f_KVTElemDateCmpLessEqual(OLVENIR_P_CHAR* a, OLVENIR_P_CHAR* b);
/* 1 when date a is not before date b or a text is empty; 0 when a is before b. */
int f_KVTElemDateCmpLess(OLVENIR_P_CHAR* a, OLVENIR_P_CHAR* b);
/* The days from DDMMRRRR date b to date a, both counted: 1 for equal dates. */
int f_KVTRoznicaDni(OLVENIR_P_CHAR* a, OLVENIR_P_CHAR* b);
/* The days from DDMM start to DDMM end, both counted, in the MMRRRR period's year (the end in the
 * next year when its month is earlier); -1 for texts of the wrong length. */
int f_KVTRoznicaDniDDMM(OLVENIR_P_CHAR* end, OLVENIR_P_CHAR* start, OLVENIR_P_CHAR* period);
/* The birth date of a PESEL number as an RRRRMMDD number, the century from the month field. */
int f_PeselToDate(OLVENIR_P_CHAR* pesel);
/* 0 when on `date` the person born on `birth` is past the 26th birthday, else 1. */
int KVTMaWiecejNiz26lat(OLVENIR_P_CHAR* birth, OLVENIR_P_CHAR* date);
/* 0 when `date` is on or after the 26th birthday of the person born on `birth`, else 1. */
int KVTMaWiecejRowno26lat(OLVENIR_P_CHAR* birth, OLVENIR_P_CHAR* date);
/* The days of the MMRRRR month, 0 for a month outside 1 to 12. */
int f_KVTLiczbaDniWMiesiacu(OLVENIR_P_CHAR* month);
/* Overwrites the DDMMRRRR text with the day before and returns it as RRRRMMDD; 0 (text unchanged)
 * for a null text or one that is not 8 units long. */
int32_t f_KVTDataMinus1(OLVENIR_P_CHAR* date);

extern "C" {
/* Stores the full RRRRMMDD dates of the DDMM range from-to within the NNMMRRRR settlement month. */
void bw_DajDatyOdDoRSARGA(const OLVENIR_P_CHAR* period, const OLVENIR_P_CHAR* from,
                          const OLVENIR_P_CHAR* to, int32_t* from_date, int32_t* to_date);
}

/* ---- amounts and numeric text ---- */

/* The amount text (hundredths) read as a floating number and divided by 100. */
double f_KVTKwotaVamoToFloat(OLVENIR_P_CHAR* amount);
/* 0 when every amount text up to the terminating null pointer passes the amount test, else
 * 60006701. */
int f_KVTSprKwoty(OLVENIR_P_CHAR* first, ...);
/* 105 when the code's prefix calls for it with the constant 106 or 107, else the constant. */
int ZamienStala(const OLVENIR_P_CHAR* code, int constant);

extern "C" {
/* 1 when the text is null or holds only spaces, tabs and line feeds, else 0. */
int bw_PustaKwota(const OLVENIR_P_CHAR* text);
/* The text read as a signed 64-bit integer; 0 for an empty amount. */
int64_t bw_GetSafeAtol64(const OLVENIR_P_CHAR* text);
}

#endif
